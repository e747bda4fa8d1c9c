// SPDX-License-Identifier: MIT
#include "ui/panels/statusstrip.h"

#include "ui/texts.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/layoutkit.h"
#include "ui/widgets/phrasewrap.h"

namespace gw {

namespace {

// One line of the status strip: a caption and the counter beside it.
struct StatusRow {
    const char *caption;
    // The caption's text and what tells the two "Mörser:" apart.
    struct {
        const char *source, *comment;
    } captionText;
    QColor colour;
    int captionLeft;
    const char *value;
    int valueLeft;
    int top;
    CounterLabel counter;
};

// Pixels the status strip's text is raised within its labels.
constexpr int kStripRaise = 3;
// The figures' columns, far enough right of the longest caption ("Scharf-
// schützengewehre:", "Sondereinheiten:") that the two never meet, also where
// the text is drawn larger.
constexpr int kEquipmentValues = 176, kUnitValues = 392;

const StatusRow kStatusRows[] = {
    {"labscash", QT_TRANSLATE_NOOP3("gw::StatusStrip", "Gold:", ""), colour::yellow, 8, "labcash", kEquipmentValues, 456, CounterLabel::Cash},
    {"labsrecruits", QT_TRANSLATE_NOOP3("gw::StatusStrip", "Rekruten:", ""), colour::red, 8, "labrecruits", kEquipmentValues, 480, CounterLabel::Recruits},
    {"labsmg", QT_TRANSLATE_NOOP3("gw::StatusStrip", "Maschinengewehre:", ""), colour::skyBlue, 8, "labmg", kEquipmentValues, 504, CounterLabel::Mgs},
    {"labssniper", QT_TRANSLATE_NOOP3("gw::StatusStrip", "Scharfschützengewehre:", ""), colour::skyBlue, 8, "labsniper", kEquipmentValues, 528, CounterLabel::Rifles},
    {"labsmorse", QT_TRANSLATE_NOOP3("gw::StatusStrip", "Mörser:", "the equipment"), colour::skyBlue, 8, "labmorse", kEquipmentValues, 552, CounterLabel::Mortars},
    {"labsspecial", QT_TRANSLATE_NOOP3("gw::StatusStrip", "Spezialausrüstung:", ""), colour::skyBlue, 8, "labspecial", kEquipmentValues, 576, CounterLabel::Specpacks},
    {"labssmg", QT_TRANSLATE_NOOP3("gw::StatusStrip", "Infanteristen:", ""), colour::skyBlue, 272, "labmgs", kUnitValues, 504, CounterLabel::Infantry},
    {"la", QT_TRANSLATE_NOOP3("gw::StatusStrip", "Scharfschützen:", ""), colour::skyBlue, 272, "labsnipers", kUnitValues, 528, CounterLabel::Snipers},
    {"labssmorse", QT_TRANSLATE_NOOP3("gw::StatusStrip", "Mörser:", "the units"), colour::skyBlue, 272, "labmorses", kUnitValues, 552, CounterLabel::Mortarcrews},
    {"labssspecial", QT_TRANSLATE_NOOP3("gw::StatusStrip", "Sondereinheiten:", ""), colour::skyBlue, 272, "labspecials", kUnitValues, 576, CounterLabel::Specialunits},
};

} // namespace

StatusStrip::StatusStrip(QWidget *gameScreen) : QObject(gameScreen)
{
    QWidget *p = gameScreen;
    // The labels are as tall as their text, descenders included. This face
    // leaves more room above its capitals than the layout was drawn for, so
    // the text sits a little higher in its box; that keeps the bottom row's
    // descenders inside the window.
    auto strip = [p](const char *name, int left, int top, const QString &text, const QFont &font, const QColor &c) {
        TextLabel *l = makeLabel(p, name, left, top, text, font, c);
        l->setTextRaise(kStripRaise);
        return l;
    };
    const QFont font = windowFont(15);
    std::size_t i = 0;
    for (const StatusRow &row : kStatusRows) {
        captions_[i++] = strip(row.caption, row.captionLeft, row.top, QString(), font, row.colour);
        counters_[static_cast<std::size_t>(row.counter)] = strip(row.value, row.valueLeft, row.top, "0", font,
                                                                 colour::moneyGreen);
    }
    captions_[i] = strip("labstaxes", 504, 512, QString(), windowFont(15, true), colour::moneyGreen);
    counters_[static_cast<std::size_t>(CounterLabel::Taxes)] =
        strip("labtaxes", 696, 512, "0", windowFont(15, true), colour::moneyGreen);

    // What the opponent did in the last round end, between the tax line
    // and "Information", left of the round; the longest texts take two lines.
    lablastmove_ = makeFixedLabel(p, "lablastmove", {504, 535, 230, 33}, QString(), windowFont(kLineFontSize),
                                  colour::moneyGreen);
    lablastmove_->setWordWrap(true);
    // The opponent's level, small, in the room between "Information" and
    // "Beenden".
    labenemylevel_ = makeFixedLabel(p, "labenemylevel", {572, 572, 137, 18}, QString(), windowFont(12), colour::moneyGreen);
    labenemylevel_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    auto *split = new Bevel(p, Bevel::Shape::RightLine);
    split->setObjectName("bevsplit");
    split->setGeometry(248, 448, 10, 153);
    auto *split2 = new Bevel(p, Bevel::Shape::RightLine);
    split2->setObjectName("bevsplit2");
    split2->setGeometry(472, 504, 17, 98);
    retranslate();
}

void StatusStrip::retranslate()
{
    std::size_t i = 0;
    for (const StatusRow &row : kStatusRows)
        captions_[i++]->setCaption(tr(row.captionText.source, row.captionText.comment));
    captions_[i]->setCaption(tr("Monatliche Steuererträge:"));
    showLine();
    if (turn_)
        showTurn(turn_->first, turn_->second);
    else if (twoPlayers_)
        showTwoPlayers();
    else
        showLevel(level_);
}

void StatusStrip::showLevel(int32_t level)
{
    level_ = level;
    turn_.reset();
    twoPlayers_ = false;
    setTextColour(labenemylevel_, colour::moneyGreen);
    labenemylevel_->setCaption(tr("Gegner: %1").arg(Texts::levelName(level)));
}

void StatusStrip::showTurn(Side side, int32_t round)
{
    turn_ = std::make_pair(side, round);
    twoPlayers_ = false;
    setTextColour(labenemylevel_, Texts::sideColour(side));
    labenemylevel_->setCaption(tr("Runde %1 · %2").arg(round).arg(Texts::onTurn(side)));
}

void StatusStrip::showTwoPlayers()
{
    turn_.reset();
    twoPlayers_ = true;
    setTextColour(labenemylevel_, colour::moneyGreen);
    labenemylevel_->setCaption(tr("Zu zweit"));
}

void StatusStrip::showLine()
{
    if (fieldMode_ == 1 || fieldMode_ == 2)
        setLine(fieldMode_ == 1             ? tr("Land kaufen: Klicken Sie auf ein freies Feld.")
                : target_ == Side::Blue ? tr("Angriff: Klicken Sie auf die blaue Basis.")
                                        : tr("Angriff: Klicken Sie auf die rote Basis."),
                colour::yellow);
    else if (!hint_.isEmpty())
        setLine(hint_, look::goldLight);
    else if (waiting_)
        setLine(*waiting_ == Side::Red ? tr("Rot ist am Zug …") : tr("Blau ist am Zug …"), Texts::sideColour(*waiting_));
    else
        setLine(lastMove_ ? Texts::lastMove(*lastMove_) : QString(), colour::moneyGreen);
}

void StatusStrip::setLine(const QString &text, const QColor &colour)
{
    setTextColour(lablastmove_, colour);
    // An order of several kinds may not fit the two lines at the usual
    // size: it is drawn smaller until it does, and the whole text is the
    // line's tooltip as well.
    int size = kLineFontSize;
    for (;; --size) {
        lablastmove_->setFont(windowFont(size));
        lablastmove_->setText(
            phraseWrapped(text, QFontMetrics(lablastmove_->font()), lablastmove_->contentsRect().width()));
        if (size <= kSmallestLineFontSize
            || lablastmove_->heightForWidth(lablastmove_->width()) <= lablastmove_->height())
            break;
    }
    lablastmove_->setToolTip(size < kLineFontSize ? text : QString());
}

void StatusStrip::showHint(const QString &hint)
{
    hint_ = hint;
    showLine();
}

void StatusStrip::clearHint()
{
    hint_.clear();
    showLine();
}

void StatusStrip::showWaiting(std::optional<Side> onTurn)
{
    waiting_ = onTurn;
    showLine();
}

void StatusStrip::showFieldMode(int32_t mode, Side target)
{
    fieldMode_ = mode;
    target_ = target;
    showLine();
}

void StatusStrip::showCounter(CounterLabel label, int32_t value)
{
    counters_[static_cast<std::size_t>(label)]->setCaption(QString::number(value));
    if (label == CounterLabel::Cash)
        emit goldShown(value);
}

void StatusStrip::showLastMove(const EnemyTurnResult &turn)
{
    lastMove_ = turn;
    showLine();
}

void StatusStrip::clearLastMove()
{
    lastMove_.reset();
    showLine();
}

} // namespace gw
