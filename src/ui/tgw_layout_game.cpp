// SPDX-License-Identifier: MIT
// The game screen: the field, the status strip, the command buttons and the
// result panels. The action panels are built in tgw_layout_panels.cpp.
#include "ui/fonts.h"
#include "ui/layoutkit.h"
#include "ui/pictures.h"
#include "ui/tgw.h"

#include "core/cells.h"

#include <QIcon>
#include <QPixmap>
#include <QPushButton>

namespace gw {

namespace {

// One line of the status strip: a caption and the counter beside it.
struct StatusRow {
    const char *caption;
    const char *captionText;
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
    {"labscash", "Gold:", colour::yellow, 8, "labcash", 168, 456, CounterLabel::Cash},
    {"labsrecruits", "Rekruten:", colour::red, 8, "labrecruits", 168, 480, CounterLabel::Recruits},
    {"labsmg", "Maschinengewehre:", colour::skyBlue, 8, "labmg", 168, 504, CounterLabel::Mgs},
    {"labssniper", "Scharfschützengewehre:", colour::skyBlue, 8, "labsniper", 168, 528, CounterLabel::Rifles},
    {"labsmorse", "Mörser:", colour::skyBlue, 8, "labmorse", 168, 552, CounterLabel::Mortars},
    {"labsspecial", "Spezialausrüstung:", colour::skyBlue, 8, "labspecial", 168, 576, CounterLabel::Specpacks},
    {"labssmg", "Infanteristen:", colour::skyBlue, 272, "labmgs", 384, 504, CounterLabel::Infantry},
    {"la", "Scharfschützen:", colour::skyBlue, 272, "labsnipers", 384, 528, CounterLabel::Snipers},
    {"labssmorse", "Mörser:", colour::skyBlue, 272, "labmorses", 384, 552, CounterLabel::Mortarcrews},
    {"labssspecial", "Sondereinheiten:", colour::skyBlue, 272, "labspecials", 384, 576, CounterLabel::Specialunits},
};

// A push button with a 32 x 32 picture left of its caption.
QPushButton *makeGlyphButton(QWidget *parent, const QString &name, const QRect &place, const QString &caption,
                             const QString &glyph)
{
    QPushButton *b = makeButton(parent, name, place, caption, windowFont());
    b->setIcon(QIcon(QPixmap::fromImage(withTransparentBottomLeft(resourcePicture(glyph)))));
    b->setIconSize(QSize(32, 32));
    return b;
}

} // namespace

void Tgw::buildGameScreen()
{
    QWidget *p = pangame_;
    buildStatusStrip();

    panfield_ = makePanel(p, "panfield", {0, 0, 800, 449}, palette().color(QPalette::Highlight));
    panfield_->show();
    buildField();

    // The buttons of the game screen are connected in wireGameScreen().
    makeGlyphButton(p, "btnbuyzone", {272, 456, 137, 41}, "Kaufen", "btn_buy.bmp");
    makeGlyphButton(p, "btntraining", {424, 456, 121, 41}, "Ausbilden", "btn_train.bmp");
    makeGlyphButton(p, "btnfight", {680, 456, 105, 41}, "Angreifen", "btn_fight.bmp");
    makeGlyphButton(p, "btnbuild", {560, 456, 105, 41}, "Bauen", "btn_build.bmp");
    makeButton(p, "btnendgame", {712, 568, 75, 25}, "Beenden", windowFont());
    QPushButton *endtry = makeGlyphButton(p, "btnendtry", {744, 512, 41, 41}, QString(), "btn_endturn.bmp");
    endtry->setToolTip("Runde beenden");

    panbuy_ = makePanel(p, "panbuy", {552, 16, 225, 417}, colour::gray);
    buildPurchasePanel();
    pantrain_ = makePanel(p, "pantrain", {544, 16, 241, 417}, colour::gray);
    buildTrainingPanel();
    makeButton(p, "btninfo", {504, 568, 65, 25}, "Information", windowFont());
    panbuild_ = makePanel(p, "panbuild", {312, 120, 185, 233}, colour::gray);
    buildConstructionPanel();
    panfight_ = makePanel(p, "panfight", {240, 152, 329, 129}, colour::gray);
    buildFightPanel();
    panenemyinfo_ = makePanel(p, "panenemyinfo", {504, 128, 153, 201}, colour::gray);
    paninfo_ = makePanel(p, "paninfo", {304, 88, 201, 281}, colour::gray);
    pantax_ = makePanel(p, "pantax", {56, 0, 249, 449}, colour::gray);
    buildInformationPanels();
    buildTaxPanel();
    // The report lies above the action panels but below the result panels.
    buildReportPanel();
    panlose_ = makePanel(p, "panlose", {144, 152, 465, 89}, colour::maroon);
    panwin_ = makePanel(p, "panwin", {144, 152, 465, 89}, colour::green);
    buildResultPanels();
    stackWindowedOnTop(p);
}

void Tgw::buildStatusStrip()
{
    QWidget *p = pangame_;
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
    for (const StatusRow &row : kStatusRows) {
        strip(row.caption, row.captionLeft, row.top, QString::fromUtf8(row.captionText), font, row.colour);
        counters_[static_cast<std::size_t>(row.counter)] = strip(row.value, row.valueLeft, row.top, "0", font,
                                                                 colour::moneyGreen);
    }
    strip("labstaxes", 504, 512, QString::fromUtf8("Monatliche Steuererträge:"), windowFont(15, true),
          colour::moneyGreen);
    counters_[static_cast<std::size_t>(CounterLabel::Taxes)] =
        strip("labtaxes", 696, 512, "0", windowFont(15, true), colour::moneyGreen);

    // What the opponent did in the last round end, between the tax line
    // and "Information"; the longest texts take two lines.
    lablastmove_ = makeFixedLabel(p, "lablastmove", {504, 535, 236, 33}, QString(), windowFont(12), colour::moneyGreen);
    lablastmove_->setWordWrap(true);

    auto *split = new Bevel(p, Bevel::Shape::RightLine);
    split->setObjectName("bevsplit");
    split->setGeometry(248, 448, 10, 153);
    auto *split2 = new Bevel(p, Bevel::Shape::RightLine);
    split2->setObjectName("bevsplit2");
    split2->setGeometry(472, 504, 17, 98);
}

void Tgw::buildField()
{
    for (int n = 1; n <= kCells; ++n) {
        PictureBox *cell = makePicture(panfield_, QString("Image%1").arg(n),
                                       {40 * cellColumn(n), 8 + 40 * cellRow(n), 35, 35});
        cells_[static_cast<std::size_t>(n)] = cell;
    }
}

void Tgw::buildResultPanels()
{
    lablose_ = makeLabel(panlose_, "lablose", 16, 16, "Sie haben verloren.", windowFont(25, true));
    makeButton(panlose_, "btnlose", {192, 56, 75, 25}, "Schade !", windowFont());
    labwin_ = makeLabel(panwin_, "labwin", 16, 16, "Sie haben gewonnen.", windowFont(25, true));
    makeButton(panwin_, "btnwin", {192, 56, 75, 25}, "Jippieh !!", windowFont());
}

} // namespace gw
