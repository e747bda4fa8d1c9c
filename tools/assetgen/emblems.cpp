// SPDX-License-Identifier: MIT
#include "emblems.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace assetgen {

void paintEmblem(QPainter &p, Emblem emblem, QPointF c, double r)
{
    const QColor steel(210, 214, 222), dark(24, 18, 10), gold(232, 184, 80);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    switch (emblem) {
    case Emblem::Swords:
        for (int s : {-1, 1}) {
            p.save();
            p.translate(c);
            p.rotate(45 * s);
            QPainterPath blade(QPointF(-r * 0.12, r * 0.45));
            blade.lineTo(-r * 0.12, -r * 0.8);
            blade.lineTo(0, -r * 1.0);
            blade.lineTo(r * 0.12, -r * 0.8);
            blade.lineTo(r * 0.12, r * 0.45);
            blade.closeSubpath();
            QLinearGradient g(QPointF(-r * 0.12, 0), QPointF(r * 0.12, 0));
            g.setColorAt(0, steel);
            g.setColorAt(1, steel.darker(160));
            p.setPen(QPen(dark, r * 0.07));
            p.setBrush(g);
            p.drawPath(blade);
            p.setBrush(gold);
            p.drawRoundedRect(QRectF(-r * 0.38, r * 0.42, r * 0.76, r * 0.14), r * 0.05, r * 0.05);
            p.setBrush(QColor(110, 60, 30));
            p.drawRect(QRectF(-r * 0.08, r * 0.56, r * 0.16, r * 0.34));
            p.setBrush(gold);
            p.drawEllipse(QPointF(0, r * 0.96), r * 0.1, r * 0.1);
            p.restore();
        }
        break;
    case Emblem::Cog: {
        QPainterPath cog;
        const int teeth = 10;
        for (int i = 0; i < teeth * 4; ++i) {
            const double a = i * M_PI * 2 / (teeth * 4);
            const double rr = (i % 4 == 1 || i % 4 == 2) ? r * 0.95 : r * 0.72;
            const QPointF q = c + QPointF(std::cos(a), std::sin(a)) * rr;
            if (i == 0)
                cog.moveTo(q);
            else
                cog.lineTo(q);
        }
        cog.closeSubpath();
        cog.addEllipse(c, r * 0.3, r * 0.3);
        cog.setFillRule(Qt::OddEvenFill);
        QLinearGradient g(c - QPointF(r, r), c + QPointF(r, r));
        g.setColorAt(0, gold.lighter(130));
        g.setColorAt(1, gold.darker(170));
        p.setPen(QPen(dark, r * 0.07));
        p.setBrush(g);
        p.drawPath(cog);
        break;
    }
    case Emblem::Gate: {
        QPainterPath arch(c + QPointF(-r * 0.7, r * 0.9));
        arch.lineTo(c + QPointF(-r * 0.7, -r * 0.1));
        arch.arcTo(QRectF(c.x() - r * 0.7, c.y() - r * 0.8, r * 1.4, r * 1.4), 180, -180);
        arch.lineTo(c + QPointF(r * 0.7, r * 0.9));
        arch.closeSubpath();
        p.setPen(QPen(dark, r * 0.08));
        p.setBrush(QColor(96, 62, 34));
        p.drawPath(arch);
        p.setPen(QPen(gold.darker(130), r * 0.06));
        for (double k = -0.45; k < 0.5; k += 0.3)
            p.drawLine(c + QPointF(r * k, -r * 0.5), c + QPointF(r * k, r * 0.85));
        p.setPen(QPen(dark, r * 0.08));
        p.setBrush(Qt::NoBrush);
        p.drawPath(arch);
        p.setPen(QPen(gold, r * 0.14, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(c + QPointF(-r * 0.05, r * 0.2), c + QPointF(r * 0.95, r * 0.2));
        p.drawLine(c + QPointF(r * 0.65, -r * 0.1), c + QPointF(r * 0.95, r * 0.2));
        p.drawLine(c + QPointF(r * 0.65, r * 0.5), c + QPointF(r * 0.95, r * 0.2));
        break;
    }
    case Emblem::ArrowLeft:
    case Emblem::ArrowRight: {
        const double s = emblem == Emblem::ArrowLeft ? -1 : 1;
        QPolygonF arrow;
        arrow << c + QPointF(s * r, 0) << c + QPointF(s * r * 0.1, -r * 0.8) << c + QPointF(s * r * 0.1, -r * 0.35)
              << c + QPointF(-s * r * 0.9, -r * 0.35) << c + QPointF(-s * r * 0.9, r * 0.35)
              << c + QPointF(s * r * 0.1, r * 0.35) << c + QPointF(s * r * 0.1, r * 0.8);
        QLinearGradient g(c - QPointF(0, r), c + QPointF(0, r));
        g.setColorAt(0, gold.lighter(135));
        g.setColorAt(1, gold.darker(160));
        p.setPen(QPen(dark, r * 0.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(g);
        p.drawPolygon(arrow);
        break;
    }
    }
    p.restore();
}

} // namespace assetgen
