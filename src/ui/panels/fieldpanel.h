// SPDX-License-Identifier: MIT
#pragma once

#include "core/cells.h"
#include "ui/widgets/framewidgets.h"

#include <array>
#include <optional>
#include <string>

class QImage;

namespace gw {

class PictureBox;

// The field: 220 cell pictures, Image1 .. Image220, 20 by 11.
class FieldPanel : public Panel {
    Q_OBJECT
public:
    FieldPanel(QWidget *gameScreen, const QColor &colour);

    // Cell n shows the picture of the cell state `shown`.
    void setCellPicture(int n, const QImage &picture, const std::string &shown);
    const QImage &cellPicture(int n) const;
    // The mouse pointer over cell n: a shape that says the cell takes the
    // click awaited, or the plain arrow.
    void setCellCursor(int n, Qt::CursorShape shape);
    // The cell state whose picture cell n shows; none before the first.
    const std::optional<std::string> &shownState(int n) const;

signals:
    // Image1Click .. Image220Click.
    void cellClicked(int n);

private:
    std::array<PictureBox *, kCells + 1> cells_{}; // cells_[n] is Image n, 1..220
    std::array<std::optional<std::string>, kCells + 1> shown_{};
};

} // namespace gw
