// SPDX-License-Identifier: MIT
// The action panels of the game screen: purchase, training, construction,
// attack prompt, information, opponent information and terrain table.
#include "ui/fonts.h"
#include "ui/layoutkit.h"
#include "ui/pictures.h"
#include "ui/spinbuttons.h"
#include "ui/tgw.h"

#include "core/cells.h"

#include <QLineEdit>
#include <QPushButton>

namespace gw {

namespace {

// One row of the purchase or training panel.
struct OrderRow {
    const char *icon;      // widget name
    const char *picture;   // resource
    int iconTop;
    const char *nameLabel;
    const char *name;
    int nameTop;
    const char *priceLabel;
    const char *price;
    int priceTop;
    const char *entry;
    const char *spin;
};

const OrderRow kPurchaseRows[] = {
    {"picrecruits", "pic_recruits.bmp", 16, "Label1", "Rekruten", 24, "Label7", "10 Gold", 40, "edrec", "recruitsupdown"},
    {"picmg", "pic_mg.bmp", 64, "Label2", "MGs", 72, "Label8", "50 Gold", 88, "edmgs", "mgsupdown"},
    {"picsniper", "pic_sniper.bmp", 112, "Label3", "Sniper", 120, "Label9", "100 Gold", 136, "edsnips", "snipsupdown"},
    {"picmortar", "pic_mortar.bmp", 160, "Label4", "Mörser", 168, "Label10", "300 Gold", 184, "edmorts", "mortsupdown"},
    {"picspecial", "pic_special.bmp", 208, "Label5", "Specialpacks", 216, "Label11", "500 Gold", 232, "edspecs", "specsupdown"},
};

// The training panel shows the last four purchase icons again.
const OrderRow kTrainingRows[] = {
    {"Image221", "pic_mg.bmp", 24, "Label12", "Infanteristen", 32, "Label16", "25 Gold", 48, "edinf", "UpDown1"},
    {"Image222", "pic_sniper.bmp", 88, "Label13", "Scharfschützen", 96, "Label17", "50 Gold", 112, "edsniper", "UpDown2"},
    {"Image223", "pic_mortar.bmp", 160, "Label14", "Mörser", 168, "Label18", "150 Gold", 184, "edmortar", "UpDown3"},
    {"Image224", "pic_special.bmp", 224, "Label15", "Sondereinheiten", 232, "Label19", "300 Gold", 248, "edspecial", "UpDown4"},
};

// Builds the rows; the entries sit at entryLeft, their spin buttons right of them.
template <std::size_t N, std::size_t M>
void buildOrderRows(QWidget *panel, const OrderRow (&rows)[N], int entryLeft, std::array<QLineEdit *, M> &entries)
{
    static_assert(N == M, "one entry per row");
    for (std::size_t i = 0; i < N; ++i) {
        const OrderRow &r = rows[i];
        PictureBox *icon = makePicture(panel, r.icon, {8, r.iconTop, 35, 35});
        icon->setPicture(withTransparentBottomLeft(resourcePicture(r.picture)));
        makeLabel(panel, r.nameLabel, 48, r.nameTop, QString::fromUtf8(r.name), windowFont(13, true));
        makeLabel(panel, r.priceLabel, 48, r.priceTop, r.price, windowFont());
        entries[i] = makeCountEntry(panel, r.entry, {entryLeft, r.nameTop, 49, 21});
        makeSpinButtons(panel, r.spin, {entryLeft + 49, r.nameTop, 16, 21}, entries[i]);
    }
}

// One row of the terrain table: the terrain, its name label and picture, and
// the cost and tax labels beside it (the tax line 16 pixels below the cost).
struct TerrainRow {
    const char *word;
    const char *nameLabel;
    int nameTop;
    int image;
    int top;
    const char *costLabel;
    const char *taxLabel;
    int valueLeft;
};

const TerrainRow kTerrainRows[] = {
    {"Grass", "Label25", 16, 231, 8, "Label36", "Label37", 88},
    {"Sand", "Label26", 56, 235, 48, "Label38", "Label39", 88},
    {"Forest", "Label30", 96, 226, 88, "Label48", "Label49", 88},
    {"Road", "Label34", 136, 227, 128, "Label51", "Label50", 104},
    {"Wood", "Label31", 176, 229, 168, "Label54", "Label55", 80},
    {"Flowers", "Label29", 216, 225, 208, "Label46", "Label47", 104},
    {"Water", "Label27", 256, 232, 248, "Label40", "Label41", 104},
    {"Heliport", "Label33", 293, 230, 288, "Label56", "Label57", 104},
    {"Oasis", "Label28", 336, 233, 328, "Label42", "Label45", 88},
    {"Farm", "Label32", 376, 234, 368, "Label44", "Label43", 136},
    {"SkyScraper", "Label35", 413, 228, 408, "Label52", "Label53", 152},
};

const Terrain &terrainNamed(const char *word)
{
    for (const Terrain &t : terrains()) {
        if (std::string(t.word) == word)
            return t;
    }
    return terrains().front();
}

} // namespace

void Tgw::buildPurchasePanel()
{
    QWidget *p = panbuy_;
    buildOrderRows(p, kPurchaseRows, 152, purchaseEntries_);
    makeLabel(p, "Label6", 40, 272, "Kosten:", windowFont(15, true), colour::navy);
    labcosts_ = makeLabel(p, "labcosts", 209, 272, "0", windowFont(15, true), colour::maroon, TextLabel::Anchor::Right);
    makeButton(p, "btnbuyland", {32, 344, 75, 25}, "Land kaufen", windowFont());
    makeButton(p, "btnletsbuy", {128, 344, 75, 25}, "Kaufen", windowFont());
    makeButton(p, "btncancel", {80, 384, 75, 25}, "Abbrechen", windowFont());
    stackWindowedOnTop(p);
}

void Tgw::buildTrainingPanel()
{
    QWidget *p = pantrain_;
    buildOrderRows(p, kTrainingRows, 168, trainingEntries_);
    makeLabel(p, "Label20", 32, 296, "Kosten:", windowFont(15, true), colour::navy);
    labtraincosts_ =
        makeLabel(p, "labtraincosts", 217, 296, "0", windowFont(15, true), colour::maroon, TextLabel::Anchor::Right);
    makeButton(p, "btntraincancel", {32, 352, 81, 25}, "Abbrechen", windowFont());
    makeButton(p, "btntrain", {136, 352, 83, 25}, "Ausbilden", windowFont());
    stackWindowedOnTop(p);
}

void Tgw::buildConstructionPanel()
{
    QWidget *p = panbuild_;
    struct Row {
        const char *button, *caption;
        int top;
        const char *priceLabel, *price;
        int priceTop;
    };
    const Row rows[] = {
        {"btntower", "Geschützturm", 8, "Label21", "2000 Gold", 41},
        {"btnbunker", "Bunker", 72, "Label22", "1500 Gold", 108},
        {"btnmines", "Minenfeld", 136, "Label23", "1000 Gold", 169},
    };
    for (const Row &r : rows) {
        makeButton(p, r.button, {32, r.top, 121, 33}, QString::fromUtf8(r.caption), windowFont(13, true));
        makeLabel(p, r.priceLabel, 64, r.priceTop, r.price, windowFont());
    }
    makeButton(p, "btncancelbuild", {56, 200, 75, 25}, "Abbrechen", windowFont());
    stackWindowedOnTop(p);
}

void Tgw::buildFightPanel()
{
    QWidget *p = panfight_;
    makeLabel(p, "Label58", 16, 24, "Bitte klicken Sie auf die gegnerische (blaue)", windowFont(13, true));
    makeLabel(p, "Label59", 40, 56, QString::fromUtf8("Basis, um den Angriff zu bestätigen !"), windowFont(13, true));
    makeButton(p, "btnletsfight", {128, 88, 75, 25}, "Okay", windowFont());
    stackWindowedOnTop(p);
}

void Tgw::buildInformationPanels()
{
    const char *const enemyNames[] = {"labrecb", "labinfb", "labsniperb", "labmortarb", "labspecb", "labhp"};
    const char *const enemyCaptions[] = {"HP der Basis: ERROR", "Rekruten: ERROR", "Infanteristen: ERROR",
                                         "Scharfschützen: ERROR", "Mörser: ERROR", "Sondereinheiten: ERROR"};
    for (std::size_t i = 0; i < enemyInfoLines_.size(); ++i) {
        enemyInfoLines_[i] = makeLabel(panenemyinfo_, enemyNames[i], 16, 16 + 32 * int(i),
                                       QString::fromUtf8(enemyCaptions[i]), windowFont());
    }

    QWidget *p = paninfo_;
    makeLabel(p, "Label24", 48, 8, ". : Information : .", windowFont(13, true));
    const char *const names[] = {"labtow", "labbun", "labmin", "laboff", "labdef", "labbase"};
    const char *const captions[] = {"Geschütztürme:  ERROR", "Bunker: ERROR", "Minenfelder: ERROR",
                                    "Offensivkampfkraft: ERROR", "Defensivkampfkraft: ERROR", "HP der Basis: ERROR"};
    for (std::size_t i = 0; i < infoLines_.size(); ++i)
        infoLines_[i] = makeLabel(p, names[i], 16, 40 + 24 * int(i), QString::fromUtf8(captions[i]), windowFont());
    makeButton(p, "btnfieldinfo", {16, 184, 169, 25}, "<< Felderkosten und - steuern", windowFont());
    makeButton(p, "btnenemyinfo", {48, 216, 105, 25}, "Gegner - Info >>", windowFont());
    makeButton(p, "btncloseinfo", {64, 248, 75, 25}, "Schliessen", windowFont());
    stackWindowedOnTop(p);
}

void Tgw::buildTaxPanel()
{
    QWidget *p = pantax_;
    for (const TerrainRow &r : kTerrainRows) {
        const Terrain &t = terrainNamed(r.word);
        PictureBox *icon = makePicture(p, QString("Image%1").arg(r.image), {8, r.top, 35, 35});
        icon->setPicture(resourcePicture(QString("terrain_%1.bmp").arg(r.word)));
        makeLabel(p, r.nameLabel, 48, r.nameTop, QString::fromUtf8(t.germanName), windowFont(13, true));
        makeLabel(p, r.costLabel, r.valueLeft, r.top, QString("Kosten: %1 Gold").arg(t.price), windowFont());
        makeLabel(p, r.taxLabel, r.valueLeft, r.top + 16, QString("Steuern: %1 Gold").arg(t.tax), windowFont());
    }
}

} // namespace gw
