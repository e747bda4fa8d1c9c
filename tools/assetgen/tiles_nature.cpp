// SPDX-License-Identifier: MIT
// Grass, sand, forest, flowers, water and wood cells; oasis and farm are in
// tiles_crops.cpp.
#include "tilekit.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <vector>

namespace assetgen {

namespace {

QImage grass()
{
    QImage img = bigTile(QColor(76, 134, 44));
    noiseShade(img, kUnit, 7.0, 0.16, 11);
    noiseShade(img, kUnit, 1.2, 0.10, 12);
    QPainter p;
    beginTile(p, img);
    Rng rng(21);
    paintGrassBlades(p, rng, 340, QColor(34, 82, 24), QColor(150, 204, 92), 2.2, 4.8);
    return img;
}

QImage sand()
{
    QImage img = bigTile(Qt::white);
    paintSandField(img, 31);
    QPainter p;
    beginTile(p, img);
    Rng rng(32);
    // A few pebbles and shells, each with its shadow.
    for (int i = 0; i < 7; ++i) {
        const QPointF c(rng.range(3, 32), rng.range(3, 32));
        const double r = rng.range(0.5, 1.0);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 90, 50, 110));
        p.drawEllipse(c + QPointF(0.4, 0.4), r, r * 0.8);
        p.setBrush(mix(QColor(176, 150, 120), QColor(246, 236, 214), rng.uniform()));
        p.drawEllipse(c, r, r * 0.8);
    }
    return img;
}

void deciduousCrown(QPainter &p, Rng &rng, QPointF c, double r)
{
    QPainterPath crown;
    crown.setFillRule(Qt::WindingFill);
    crown.addEllipse(c, r * 0.72, r * 0.72);
    const int lobes = 7;
    for (int i = 0; i < lobes; ++i) {
        const double a = (i + rng.range(-0.3, 0.3)) * 2 * M_PI / lobes;
        crown.addEllipse(c + QPointF(std::cos(a), std::sin(a)) * r * 0.5, r * 0.48, r * 0.48);
    }
    crown = crown.simplified();
    QRadialGradient g(c, r * 1.05, c - QPointF(r * 0.45, r * 0.45));
    g.setColorAt(0.0, QColor(134, 190, 78));
    g.setColorAt(0.45, QColor(66, 124, 44));
    g.setColorAt(1.0, QColor(24, 60, 22));
    p.setPen(QPen(QColor(18, 44, 16), 0.35));
    p.setBrush(g);
    p.drawPath(crown);
    // Leaf clusters catching the light.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 9; ++i) {
        const double a = rng.range(0, 2 * M_PI), d = rng.range(0, r * 0.7);
        const QPointF q = c + QPointF(std::cos(a), std::sin(a)) * d;
        const bool lit = (q.x() - c.x()) + (q.y() - c.y()) < 0;
        p.setBrush(lit ? QColor(160, 210, 100, 120) : QColor(16, 46, 16, 90));
        p.drawEllipse(q, r * 0.18, r * 0.18);
    }
}

void conifer(QPainter &p, Rng &rng, QPointF c, double r)
{
    QPainterPath star;
    const int points = 9;
    for (int i = 0; i < points * 2; ++i) {
        const double a = i * M_PI / points + rng.range(-0.08, 0.08);
        const double d = (i % 2 == 0) ? r : r * 0.55;
        const QPointF q = c + QPointF(std::cos(a), std::sin(a)) * d;
        if (i == 0)
            star.moveTo(q);
        else
            star.lineTo(q);
    }
    star.closeSubpath();
    QRadialGradient g(c, r, c - QPointF(r * 0.3, r * 0.3));
    g.setColorAt(0.0, QColor(92, 150, 96));
    g.setColorAt(0.5, QColor(36, 94, 58));
    g.setColorAt(1.0, QColor(14, 48, 30));
    p.setPen(QPen(QColor(10, 34, 20), 0.3));
    p.setBrush(g);
    p.drawPath(star);
    p.setPen(QPen(QColor(130, 190, 120, 120), 0.35));
    for (int i = 0; i < points; ++i) {
        const double a = i * 2 * M_PI / points;
        if (std::cos(a) + std::sin(a) < 0.2)
            p.drawLine(c, c + QPointF(std::cos(a), std::sin(a)) * r * 0.8);
    }
}

QImage forest()
{
    QImage img = bigTile(QColor(40, 66, 30));
    noiseShade(img, kUnit, 4.0, 0.22, 41);
    QImage trees = bigLayer();
    QPainter p;
    beginTile(p, trees);
    Rng rng(42);
    struct Tree {
        QPointF c;
        double r;
        bool needles;
    };
    std::vector<Tree> list;
    for (int gy = 0; gy < 3; ++gy)
        for (int gx = 0; gx < 3; ++gx)
            list.push_back({QPointF(6 + gx * 11.5 + rng.range(-2.5, 2.5), 6 + gy * 11.5 + rng.range(-2.5, 2.5)),
                            rng.range(5.2, 7.2), rng.chance(0.3)});
    std::sort(list.begin(), list.end(), [](const Tree &a, const Tree &b) { return a.c.y() < b.c.y(); });
    for (const Tree &t : list) {
        if (t.needles)
            conifer(p, rng, t.c, t.r);
        else
            deciduousCrown(p, rng, t.c, t.r);
    }
    p.end();
    castShadow(img, trees, 1.6, 0.65);
    return img;
}

QImage flowers()
{
    QImage img = bigTile(QColor(92, 148, 52));
    noiseShade(img, kUnit, 6.0, 0.14, 51);
    QPainter p;
    beginTile(p, img);
    Rng rng(52);
    paintGrassBlades(p, rng, 160, QColor(46, 96, 30), QColor(150, 200, 90), 1.8, 3.6);
    const QColor petals[] = {QColor(226, 52, 58), QColor(248, 214, 56), QColor(250, 250, 246), QColor(160, 92, 220),
                             QColor(244, 124, 178), QColor(250, 150, 40)};
    // Flowers grow in small drifts of one colour.
    for (int drift = 0; drift < 9; ++drift) {
        const QPointF centre(rng.range(2, 33), rng.range(2, 33));
        const QColor colour = petals[rng.below(6)];
        const int n = 2 + rng.below(3);
        for (int i = 0; i < n; ++i) {
            const QPointF c = centre + QPointF(rng.range(-3.5, 3.5), rng.range(-3.5, 3.5));
            const double rot = rng.range(0, 2 * M_PI), pr = rng.range(0.75, 1.0);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(20, 50, 10, 110));
            p.drawEllipse(c + QPointF(0.5, 0.6), 1.7, 1.7);
            for (int k = 0; k < 5; ++k) {
                const double a = rot + k * 2 * M_PI / 5;
                const QPointF q = c + QPointF(std::cos(a), std::sin(a)) * pr;
                QRadialGradient g(q, pr, q - QPointF(0.3, 0.3));
                g.setColorAt(0, colour.lighter(125));
                g.setColorAt(1, colour.darker(118));
                p.setBrush(g);
                p.drawEllipse(q, pr * 0.85, pr * 0.85);
            }
            p.setBrush(colour == petals[1] ? QColor(150, 90, 30) : QColor(250, 210, 60));
            p.drawEllipse(c, 0.5, 0.5);
        }
    }
    return img;
}

QImage water()
{
    QImage img = bigTile(Qt::white);
    paintWaterField(img, 61);
    QPainter p;
    beginTile(p, img);
    Rng rng(62);
    paintWaves(p, rng, 15, QRectF(1, 2, 33, 32));
    return img;
}

void logEnd(QPainter &p, Rng &rng, QPointF c, double r)
{
    QRadialGradient bark(c, r, c - QPointF(r * 0.4, r * 0.4));
    bark.setColorAt(0, QColor(124, 84, 48));
    bark.setColorAt(1, QColor(58, 36, 18));
    p.setPen(QPen(QColor(40, 24, 12), 0.35));
    p.setBrush(bark);
    p.drawEllipse(c, r, r);
    const double inner = r - 1.0;
    QRadialGradient wood(c, inner, c - QPointF(inner * 0.3, inner * 0.3));
    wood.setColorAt(0, QColor(242, 206, 146));
    wood.setColorAt(0.7, QColor(218, 166, 100));
    wood.setColorAt(1, QColor(176, 118, 62));
    p.setPen(Qt::NoPen);
    p.setBrush(wood);
    p.drawEllipse(c, inner, inner);
    p.setBrush(Qt::NoBrush);
    const QPointF pith = c + QPointF(rng.range(-0.5, 0.5), rng.range(-0.5, 0.5));
    for (double f : {0.25, 0.48, 0.72}) {
        p.setPen(QPen(QColor(160, 102, 50, 170), 0.28));
        p.drawEllipse(pith, inner * f, inner * f * rng.range(0.92, 1.05));
    }
    const double a = rng.range(0, 2 * M_PI);
    p.setPen(QPen(QColor(96, 60, 28, 200), 0.35));
    p.drawLine(pith, c + QPointF(std::cos(a), std::sin(a)) * inner * 0.95);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 76, 36));
    p.drawEllipse(pith, 0.45, 0.45);
}

QImage wood()
{
    QImage img = bigTile(QColor(112, 84, 50));
    noiseShade(img, kUnit, 3.0, 0.20, 71);
    {
        QPainter p;
        beginTile(p, img);
        Rng rng(72);
        // Sawdust and chips around the pile.
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 60; ++i) {
            p.setBrush(mix(QColor(150, 116, 70), QColor(230, 196, 140), rng.uniform()));
            p.save();
            p.translate(rng.range(0, 35), rng.range(0, 35));
            p.rotate(rng.range(0, 180));
            p.drawRect(QRectF(-0.5, -0.2, rng.range(0.6, 1.4), 0.4));
            p.restore();
        }
    }
    QImage pile = bigLayer();
    QPainter p;
    beginTile(p, pile);
    Rng rng(73);
    const double r = 5.3, dx = 10.8, dy = 9.2;
    const double baseY = 28.0;
    for (int row = 0; row < 3; ++row)
        for (int i = 0; i < 3 - row; ++i) {
            const double x = 17.5 - (2 - row) * dx / 2 + i * dx;
            logEnd(p, rng, QPointF(x + rng.range(-0.3, 0.3), baseY - row * dy), r);
        }
    p.end();
    castShadow(img, pile, 1.4, 0.7);
    return img;
}

} // namespace

QImage natureTile(const QString &word)
{
    if (word == "Grass")
        return grass();
    if (word == "Sand")
        return sand();
    if (word == "Forest")
        return forest();
    if (word == "Flowers")
        return flowers();
    if (word == "Water")
        return water();
    if (word == "Wood")
        return wood();
    if (word == "Oasis")
        return oasisTile();
    if (word == "Farm")
        return farmTile();
    return QImage();
}

} // namespace assetgen
