// SPDX-License-Identifier: MIT
#include "ui/panels/fieldpanel.h"

#include "ui/widgets/layoutkit.h"

namespace gw {

FieldPanel::FieldPanel(QWidget *gameScreen, const QColor &colour)
    : Panel(gameScreen, "panfield", {0, 0, 800, 449}, colour)
{
    show();
    for (int n = 1; n <= kCells; ++n) {
        PictureBox *cell = makePicture(this, QString("Image%1").arg(n), {40 * cellColumn(n), 8 + 40 * cellRow(n), 35, 35});
        connect(cell, &PictureBox::clicked, this, [this, n] { emit cellClicked(n); });
        cells_[static_cast<std::size_t>(n)] = cell;
    }
}

void FieldPanel::setCellPicture(int n, const QImage &picture, const std::string &shown)
{
    cells_.at(static_cast<std::size_t>(n))->setPicture(picture);
    shown_.at(static_cast<std::size_t>(n)) = shown;
}

const QImage &FieldPanel::cellPicture(int n) const { return cells_.at(static_cast<std::size_t>(n))->picture(); }

void FieldPanel::setCellCursor(int n, Qt::CursorShape shape)
{
    PictureBox *cell = cells_.at(static_cast<std::size_t>(n));
    if (shape == Qt::ArrowCursor)
        cell->unsetCursor();
    else
        cell->setCursor(shape);
}
const std::optional<std::string> &FieldPanel::shownState(int n) const { return shown_.at(static_cast<std::size_t>(n)); }

} // namespace gw
