// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QWidget>

namespace gw {

class TextLabel;

// A short horizontal bar that shows a share of a whole: a dark trough with a
// lowered edge, filled from the left in its colour. It may carry a figure,
// centred on it in light bold text, which stays legible on the fill and on
// the trough alike. Drawn without smoothing, so its edges stay sharp at any
// size the window is drawn at.
class Meter : public QWidget {
    Q_OBJECT
public:
    Meter(QWidget *parent, const QString &name, const QRect &place, const QColor &fill);

    // The filled share, 0 to 1 (clamped).
    void setFraction(double fraction);
    double fraction() const { return fraction_; }
    // The figure on the bar; empty for none. Its label is named after the
    // bar ("barbasehp" -> "labbarbasehp").
    void setFigure(const QString &text);
    TextLabel *figure() const { return figure_; }

    // The trough's colour, on which the figure is legible too.
    static const QColor kTrough;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor fill_;
    double fraction_ = 0;
    TextLabel *figure_;
};

} // namespace gw
