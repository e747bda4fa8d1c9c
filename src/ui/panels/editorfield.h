// SPDX-License-Identifier: MIT
#pragma once

#include "core/cells.h"

#include <QImage>
#include <QPoint>
#include <QWidget>

#include <array>

namespace gw {

// The map editor's field: the 220 cells at the game screen's places, drawn
// by this one widget, so a stroke of the mouse can run across cells. A
// left press starts a stroke on the cell under the mouse, moving with the
// button held adds every cell the mouse passes, the release ends it; a
// right press picks the cell's state. The gaps between cells belong to the
// cell left of and above them.
class EditorField : public QWidget {
    Q_OBJECT
public:
    explicit EditorField(QWidget *parent);

    void setCellPicture(int n, const QImage &picture);
    const QImage &cellPicture(int n) const;

    // The cell at a point of the widget, 0 outside the grid.
    static int cellAt(QPoint point);
    // Where cell n lies in the widget, 35 x 35.
    static QRect cellRect(int n);

signals:
    void strokeBegun();
    // The stroke reached cell n (each cell once per visit).
    void cellStroked(int n);
    void strokeEnded();
    // Right click on cell n: its state becomes the brush.
    void cellPicked(int n);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    // Every cell on the way from the last point of the stroke to this one.
    void strokeTo(QPoint point);

    std::array<QImage, kCells + 1> pictures_;
    bool stroking_ = false;
    QPoint last_;
    int lastCell_ = 0;
};

} // namespace gw
