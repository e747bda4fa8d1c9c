// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QWidget>

namespace gw {

// A picture widget. It draws its picture unscaled from the top-left corner
// (clipped to the widget), stretched over the whole widget, or scaled to fit
// with its aspect ratio kept, anchored top-left. A click anywhere on it
// emits clicked().
class PictureBox : public QWidget {
    Q_OBJECT
public:
    enum class Fit { Natural, Stretch, Proportional };

    explicit PictureBox(QWidget *parent, Fit fit = Fit::Natural);

    void setPicture(const QImage &picture);
    const QImage &picture() const { return picture_; }

    // Where the picture lands inside the widget.
    QRect pictureRect() const;

    // Same as a mouse click on the widget.
    void click() { emit clicked(); }

    // Whether anything listens to its clicks (a menu entry, a cell, a back
    // button) rather than it being a mere picture.
    bool isClickable() const;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    Fit fit_;
    QImage picture_;
    bool pressed_ = false;
};

} // namespace gw
