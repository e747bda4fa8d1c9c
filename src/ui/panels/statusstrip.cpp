// SPDX-License-Identifier: MIT
#include "ui/panels/statusstrip.h"

#include "ui/texts.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/layoutkit.h"

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

const StatusRow kStatusRows[] = {
    {"labscash", QT_TRANSLATE_NOOP3("gw::StatusStrip", "Gold:", ""), colour::yellow, 8, "labcash", 168, 456, CounterLabel::Cash},
    {"labsrecruits", QT_TRANSLATE_NOOP3("gw::StatusStrip", "Rekruten:", ""), colour::red, 8, "labrecruits", 168, 480, CounterLabel::Recruits},
    {"labsmg", QT_TRANSLATE_NOOP3("gw::StatusStrip", "Maschinengewehre:", ""), colour::skyBlue, 8, "labmg", 168, 504, CounterLabel::Mgs},
    {"labssniper", QT_TRANSLATE_NOOP3("gw::StatusStrip", "Scharfschützengewehre:", ""), colour::skyBlue, 8, "labsniper", 168, 528, CounterLabel::Rifles},
    {"labsmorse", QT_TRANSLATE_NOOP3("gw::StatusStrip", "Mörser:", "the equipment"), colour::skyBlue, 8, "labmorse", 168, 552, CounterLabel::Mortars},
    {"labsspecial", QT_TRANSLATE_NOOP3("gw::StatusStrip", "Spezialausrüstung:", ""), colour::skyBlue, 8, "labspecial", 168, 576, CounterLabel::Specpacks},
    {"labssmg", QT_TRANSLATE_NOOP3("gw::StatusStrip", "Infanteristen:", ""), colour::skyBlue, 272, "labmgs", 384, 504, CounterLabel::Infantry},
    {"la", QT_TRANSLATE_NOOP3("gw::StatusStrip", "Scharfschützen:", ""), colour::skyBlue, 272, "labsnipers", 384, 528, CounterLabel::Snipers},
    {"labssmorse", QT_TRANSLATE_NOOP3("gw::StatusStrip", "Mörser:", "the units"), colour::skyBlue, 272, "labmorses", 384, 552, CounterLabel::Mortarcrews},
    {"labssspecial", QT_TRANSLATE_NOOP3("gw::StatusStrip", "Sondereinheiten:", ""), colour::skyBlue, 272, "labspecials", 384, 576, CounterLabel::Specialunits},
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
    // and "Information"; the longest texts take two lines.
    lablastmove_ = makeFixedLabel(p, "lablastmove", {504, 535, 236, 33}, QString(), windowFont(kLineFontSize),
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
    showLevel(level_);
}

void StatusStrip::showLevel(int32_t level)
{
    level_ = level;
    labenemylevel_->setCaption(tr("Gegner: %1").arg(Texts::levelName(level)));
}

void StatusStrip::showLine()
{
    if (fieldMode_ == 1 || fieldMode_ == 2) {
        setTextColour(lablastmove_, colour::yellow);
        setLineText(fieldMode_ == 1 ? tr("Land kaufen: Klicken Sie auf ein freies Feld.")
                                    : tr("Angriff: Klicken Sie auf die blaue Basis."));
        return;
    }
    setTextColour(lablastmove_, colour::moneyGreen);
    setLineText(lastMove_ ? Texts::lastMove(*lastMove_) : QString());
}

void StatusStrip::setLineText(const QString &text)
{
    // An order of several kinds may not fit the two lines at the usual
    // size: it is drawn smaller until it does, and the whole text is the
    // line's tooltip as well.
    int size = kLineFontSize;
    lablastmove_->setFont(windowFont(size));
    lablastmove_->setText(text);
    while (size > kSmallestLineFontSize && lablastmove_->heightForWidth(lablastmove_->width()) > lablastmove_->height())
        lablastmove_->setFont(windowFont(--size));
    lablastmove_->setToolTip(size < kLineFontSize ? text : QString());
}

void StatusStrip::showFieldMode(int32_t mode)
{
    fieldMode_ = mode;
    showLine();
}

void StatusStrip::showCounter(CounterLabel label, int32_t value)
{
    counters_[static_cast<std::size_t>(label)]->setCaption(QString::number(value));
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
