// SPDX-License-Identifier: MIT
#include "ui/panels/editorfield.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace gw {

namespace {
constexpr int kPitch = 40;
constexpr int kTop = 8;
constexpr int kCellSize = 35;
} // namespace

EditorField::EditorField(QWidget *parent) : QWidget(parent)
{
    setObjectName("editorfield");
    setGeometry(0, 0, 800, 449);
    // The field's colour shows in the gaps, as on the game screen.
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, parent->window()->palette().color(QPalette::Highlight));
    setPalette(p);
    setCursor(Qt::CrossCursor);
    // Takes the focus on a click, so the editor's keys (Ctrl+Z) reach it.
    setFocusPolicy(Qt::ClickFocus);
}

void EditorField::setCellPicture(int n, const QImage &picture)
{
    pictures_.at(static_cast<std::size_t>(n)) = picture;
    update(cellRect(n));
}

const QImage &EditorField::cellPicture(int n) const { return pictures_.at(static_cast<std::size_t>(n)); }

int EditorField::cellAt(QPoint point)
{
    if (point.x() < 0 || point.y() < kTop)
        return 0;
    const int column = point.x() / kPitch, row = (point.y() - kTop) / kPitch;
    if (column >= kColumns || row >= kRows)
        return 0;
    return cellNumber(row, column);
}

QRect EditorField::cellRect(int n)
{
    return QRect(kPitch * cellColumn(n), kTop + kPitch * cellRow(n), kCellSize, kCellSize);
}

void EditorField::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    for (int n = 1; n <= kCells; ++n) {
        const QRect place = cellRect(n);
        const QImage &picture = pictures_[static_cast<std::size_t>(n)];
        if (picture.isNull() || !event->region().intersects(place))
            continue;
        // Unscaled from the top-left corner and clipped to the cell, as the
        // game draws its cells.
        painter.setClipRect(place);
        painter.drawImage(place.topLeft(), picture);
    }
}

void EditorField::mousePressEvent(QMouseEvent *event)
{
    const QPoint point = event->position().toPoint();
    if (event->button() == Qt::RightButton) {
        if (!stroking_ && cellAt(point) != 0)
            emit cellPicked(cellAt(point));
        return;
    }
    if (event->button() != Qt::LeftButton || stroking_)
        return;
    stroking_ = true;
    last_ = point;
    lastCell_ = cellAt(point);
    emit strokeBegun();
    if (lastCell_ != 0)
        emit cellStroked(lastCell_);
}

void EditorField::mouseMoveEvent(QMouseEvent *event)
{
    if (stroking_ && (event->buttons() & Qt::LeftButton))
        strokeTo(event->position().toPoint());
}

void EditorField::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !stroking_)
        return;
    strokeTo(event->position().toPoint());
    stroking_ = false;
    emit strokeEnded();
}

void EditorField::strokeTo(QPoint point)
{
    // A quick drag skips cells between two mouse events; the points on the
    // way, a few pixels apart, find them.
    const QPoint delta = point - last_;
    const int steps = std::max(1, static_cast<int>(std::ceil(std::hypot(delta.x(), delta.y()) / 5.0)));
    for (int i = 1; i <= steps; ++i) {
        const QPoint on = last_ + delta * i / steps;
        const int n = cellAt(on);
        if (n != 0 && n != lastCell_)
            emit cellStroked(n);
        lastCell_ = n;
    }
    last_ = point;
}

} // namespace gw
