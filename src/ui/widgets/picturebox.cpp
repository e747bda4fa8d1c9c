// SPDX-License-Identifier: MIT
#include "ui/widgets/picturebox.h"

#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>

namespace gw {

PictureBox::PictureBox(QWidget *parent, Fit fit) : QWidget(parent), fit_(fit) {}

void PictureBox::setPicture(const QImage &picture)
{
    picture_ = picture;
    update();
}

bool PictureBox::isClickable() const
{
    return isSignalConnected(QMetaMethod::fromSignal(&PictureBox::clicked));
}

QRect PictureBox::pictureRect() const
{
    if (picture_.isNull())
        return {};
    switch (fit_) {
    case Fit::Natural:
        return QRect(0, 0, picture_.width(), picture_.height());
    case Fit::Stretch:
        return rect();
    case Fit::Proportional: {
        // Integer arithmetic truncates: 798 x 435 in a 265-wide box gives
        // 265 x 144.
        const qint64 w = width(), h = height();
        const qint64 pw = picture_.width(), ph = picture_.height();
        if (w * ph <= h * pw)
            return QRect(0, 0, int(w), int(w * ph / pw));
        return QRect(0, 0, int(h * pw / ph), int(h));
    }
    }
    return {};
}

void PictureBox::paintEvent(QPaintEvent *)
{
    if (picture_.isNull())
        return;
    QPainter painter(this);
    painter.setClipRect(rect());
    // A picture drawn smaller than its pixels is smoothed, as one shrinks a
    // photograph; one drawn larger (the window drawn at 200 %, a stretched
    // picture) keeps every pixel a sharp square.
    const QRect target = pictureRect();
    const QRectF onDevice = painter.deviceTransform().mapRect(QRectF(target));
    if (onDevice.width() < picture_.width() || onDevice.height() < picture_.height())
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, picture_);
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    pressed_ = event->button() == Qt::LeftButton;
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    const bool wasPressed = pressed_;
    pressed_ = false;
    if (wasPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace gw
