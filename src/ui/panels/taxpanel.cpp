// SPDX-License-Identifier: MIT
#include "ui/panels/taxpanel.h"

#include "core/cells.h"
#include "ui/texts.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/layoutkit.h"
#include "ui/widgets/pictures.h"

#include <QFontMetrics>

#include <algorithm>

namespace gw {

namespace {

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
};

const TerrainRow kTerrainRows[] = {
    {"Grass", "Label25", 16, 231, 8, "Label36", "Label37"},
    {"Sand", "Label26", 56, 235, 48, "Label38", "Label39"},
    {"Forest", "Label30", 96, 226, 88, "Label48", "Label49"},
    {"Road", "Label34", 136, 227, 128, "Label51", "Label50"},
    {"Wood", "Label31", 176, 229, 168, "Label54", "Label55"},
    {"Flowers", "Label29", 216, 225, 208, "Label46", "Label47"},
    {"Water", "Label27", 256, 232, 248, "Label40", "Label41"},
    {"Heliport", "Label33", 293, 230, 288, "Label56", "Label57"},
    {"Oasis", "Label28", 336, 233, 328, "Label42", "Label45"},
    {"Farm", "Label32", 376, 234, 368, "Label44", "Label43"},
    {"SkyScraper", "Label35", 413, 228, 408, "Label52", "Label53"},
};

// The names' column starts here; the prices and taxes stand in one column
// this far right of the longest name, wherever the language puts its end.
constexpr int kNameLeft = 48, kColumnGap = 10;

} // namespace

TaxPanel::TaxPanel(QWidget *gameScreen) : Panel(gameScreen, "pantax", {56, 0, 249, 449}, look::panelFace)
{
    for (std::size_t i = 0; i < std::size(kTerrainRows); ++i) {
        const TerrainRow &r = kTerrainRows[i];
        PictureBox *icon = makePicture(this, QString("Image%1").arg(r.image), {8, r.top, 35, 35});
        icon->setPicture(resourcePicture(QString("terrain_%1.bmp").arg(r.word)));
        rows_[i] = {makeLabel(this, r.nameLabel, kNameLeft, r.nameTop, QString(), windowFont(13, true)),
                    makeLabel(this, r.costLabel, 0, r.top, QString(), windowFont()),
                    makeLabel(this, r.taxLabel, 0, r.top + 16, QString(), windowFont())};
    }
    retranslate();
}

void TaxPanel::retranslate()
{
    for (std::size_t i = 0; i < std::size(kTerrainRows); ++i) {
        const Terrain &t = *terrainNamed(kTerrainRows[i].word);
        rows_[i].name->setCaption(Texts::terrainName(t));
        rows_[i].cost->setCaption(tr("Kosten: %1 Gold").arg(t.price));
        rows_[i].tax->setCaption(tr("Steuern: %1 Gold").arg(t.tax));
    }
    int column = 0;
    for (const Row &row : rows_)
        column = std::max(column, kNameLeft + QFontMetrics(row.name->font()).horizontalAdvance(row.name->text()));
    column += kColumnGap;
    for (std::size_t i = 0; i < std::size(kTerrainRows); ++i) {
        rows_[i].cost->place(column, kTerrainRows[i].top);
        rows_[i].tax->place(column, kTerrainRows[i].top + 16);
    }
}

} // namespace gw
