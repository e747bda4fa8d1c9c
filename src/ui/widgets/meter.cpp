// SPDX-License-Identifier: MIT
#include "ui/widgets/meter.h"

#include "ui/widgets/fonts.h"
#include "ui/widgets/layoutkit.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace gw {

const QColor Meter::kTrough(0x0c, 0x0a, 0x08);

Meter::Meter(QWidget *parent, const QString &name, const QRect &place, const QColor &fill)
    : QWidget(parent), fill_(fill)
{
    setObjectName(name);
    setGeometry(place);
    // The figure's capitals sit in the middle of the bar.
    const QFont font = windowFont(std::min(11, place.height() - 2), true);
    figure_ = makeFixedLabel(this, "lab" + name, {0, 0, place.width(), place.height()}, QString(), font, colour::white);
    figure_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    const QFontMetrics metrics(font);
    const int capTop = metrics.ascent() - metrics.capHeight();
    figure_->setTextRaise(std::max(0, capTop - (place.height() - metrics.capHeight()) / 2));
    // A bar only shows; clicks and drags go to what lies below.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Meter::setFraction(double fraction)
{
    const double f = std::isfinite(fraction) ? std::clamp(fraction, 0.0, 1.0) : 0.0;
    if (f == fraction_)
        return;
    fraction_ = f;
    update();
}

void Meter::setFigure(const QString &text) { figure_->setCaption(text); }

void Meter::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, kTrough);
    // The filled part inside the one-pixel edge, in whole pixels of the
    // layout.
    const int inner = r.width() - 2;
    const int filled = static_cast<int>(std::lround(fraction_ * inner));
    if (filled > 0)
        p.fillRect(QRect(1, 1, filled, r.height() - 2), fill_);
    // A lowered edge: dark above and left, light below and right.
    p.fillRect(QRect(0, 0, r.width(), 1), look::bronze);
    p.fillRect(QRect(0, 0, 1, r.height()), look::bronze);
    p.fillRect(QRect(0, r.height() - 1, r.width(), 1), look::gold);
    p.fillRect(QRect(r.width() - 1, 1, 1, r.height() - 1), look::gold);
}

} // namespace gw
