// SPDX-License-Identifier: MIT
// Oasis and farm cells.
#include "tilekit.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <vector>

namespace assetgen {

namespace {

void palmFrond(QPainter &p, QPointF c, double angle, double len)
{
    const QPointF dir(std::cos(angle), std::sin(angle));
    const QPointF nrm(-dir.y(), dir.x());
    const QPointF tip = c + dir * len;
    // The frond droops: its tip bends a little clockwise.
    const QPointF bend = nrm * (len * 0.12);
    QPainterPath leaf(c);
    leaf.quadTo(c + dir * len * 0.5 + nrm * len * 0.22 + bend, tip + bend * 0.5);
    leaf.quadTo(c + dir * len * 0.5 - nrm * len * 0.16 + bend, c);
    QLinearGradient g(c, tip);
    g.setColorAt(0, QColor(52, 118, 38));
    g.setColorAt(1, QColor(112, 176, 62));
    p.setPen(QPen(QColor(26, 70, 22), 0.3));
    p.setBrush(g);
    p.drawPath(leaf);
    p.setPen(QPen(QColor(170, 210, 110, 200), 0.3));
    QPainterPath rib(c);
    rib.quadTo(c + dir * len * 0.5 + bend * 1.1, tip + bend * 0.5);
    p.setBrush(Qt::NoBrush);
    p.drawPath(rib);
    // Cuts between the leaflets.
    p.setPen(QPen(QColor(26, 70, 22, 170), 0.22));
    for (int k = 1; k < 6; ++k) {
        const double t = k / 6.5;
        const QPointF q = c + dir * len * t + bend * t;
        p.drawLine(q, q + nrm * len * 0.12 * (1 - t) + dir * 0.8);
        p.drawLine(q, q - nrm * len * 0.10 * (1 - t) + dir * 0.8);
    }
}

QPainterPath wobblyEllipse(QPointF c, double rx, double ry, uint32_t seed, double wobble)
{
    QPainterPath path;
    const int n = 48;
    for (int i = 0; i <= n; ++i) {
        const double a = i * 2 * M_PI / n;
        const double k = 1.0 + wobble * (valueNoise(std::cos(a) * 2 + 3, std::sin(a) * 2 + 3, seed) - 0.5);
        const QPointF q = c + QPointF(std::cos(a) * rx * k, std::sin(a) * ry * k);
        if (i == 0)
            path.moveTo(q);
        else
            path.lineTo(q);
    }
    path.closeSubpath();
    return path;
}

} // namespace

QImage oasisTile()
{
    QImage img = bigTile(Qt::white);
    paintSandField(img, 81);
    {
        QPainter p;
        beginTile(p, img);
        Rng rng(82);
        const QPointF pool(13.5, 23.0);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(150, 120, 72, 160)); // wet sand
        p.drawPath(wobblyEllipse(pool, 12.5, 9.0, 83, 0.3));
        p.setBrush(QColor(78, 140, 50));
        p.drawPath(wobblyEllipse(pool, 11.2, 7.8, 84, 0.35));
        const QPainterPath waterShape = wobblyEllipse(pool, 9.0, 6.0, 85, 0.25);
        QLinearGradient g(pool - QPointF(0, 6), pool + QPointF(0, 6));
        g.setColorAt(0, QColor(30, 96, 150));
        g.setColorAt(1, QColor(60, 160, 190));
        p.setBrush(g);
        p.setPen(QPen(QColor(40, 92, 40), 0.5));
        p.drawPath(waterShape);
        p.setClipPath(waterShape);
        paintWaves(p, rng, 6, QRectF(pool.x() - 8, pool.y() - 4, 16, 9));
        p.setClipping(false);
        // Reeds along the bank.
        for (int i = 0; i < 26; ++i) {
            const double a = rng.range(0, 2 * M_PI);
            const QPointF q = pool + QPointF(std::cos(a) * 10.2, std::sin(a) * 7.0);
            p.setPen(QPen(mix(QColor(40, 96, 30), QColor(140, 190, 80), rng.uniform()), 0.5, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(q, q + QPointF(rng.range(-0.8, 0.8), -rng.range(1.2, 2.6)));
        }
    }
    QImage palm = bigLayer();
    QPainter p;
    beginTile(p, palm);
    Rng rng(86);
    const QPointF crown(23.5, 11.0);
    QPen trunk(QColor(110, 78, 44), 2.0, Qt::SolidLine, Qt::RoundCap);
    p.setPen(trunk);
    p.drawLine(QPointF(20.5, 19.0), crown);
    p.setPen(QPen(QColor(70, 46, 24), 0.4));
    for (int k = 1; k < 5; ++k) {
        const QPointF q = QPointF(20.5, 19.0) + (crown - QPointF(20.5, 19.0)) * (k / 5.0);
        p.drawLine(q - QPointF(0.9, 0.3), q + QPointF(0.9, 0.3));
    }
    const int fronds = 9;
    for (int i = 0; i < fronds; ++i)
        palmFrond(p, crown, i * 2 * M_PI / fronds + rng.range(-0.15, 0.15), rng.range(8.5, 10.5));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        p.setBrush(QColor(96, 64, 30));
        p.drawEllipse(crown + QPointF(std::cos(i * 2.1) * 0.9, std::sin(i * 2.1) * 0.9), 0.8, 0.8);
    }
    p.end();
    castShadow(img, palm, 2.2, 0.55);
    return img;
}

QImage farmTile()
{
    QImage img = bigTile(Qt::white);
    const QColor soil(112, 78, 40), wheat(222, 178, 66), ripe(244, 210, 112);
    const double period = 5.0;
    eachPixel(img, kUnit, [&](double u, double v, QColor &c) {
        const double phase = std::fmod(u + 35.0, period);
        if (phase > 3.9) {
            c = scaled(soil, 0.9 + 0.25 * valueNoise(u * 2, v * 2, 91));
            return;
        }
        // Each row is a rounded ridge lit from the left.
        const double across = phase / 3.9;
        const double light = 1.08 - 0.28 * across * across;
        const double tone = fbm(u / 2.0, v / 6.0, 92, 3);
        c = scaled(mix(wheat, ripe, tone), light);
    });
    QPainter p;
    beginTile(p, img);
    Rng rng(93);
    // Ears of grain standing in the rows.
    for (int i = 0; i < 420; ++i) {
        const double row = std::floor(rng.range(0, 7));
        const double x = row * period + rng.range(0.3, 3.6), y = rng.range(-1, 36);
        const bool lit = rng.chance(0.5);
        p.setPen(QPen(lit ? QColor(252, 228, 150, 200) : QColor(166, 120, 40, 200), 0.45, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x, y), QPointF(x + rng.range(-0.3, 0.3), y + rng.range(0.9, 1.6)));
    }
    return img;
}

} // namespace assetgen
