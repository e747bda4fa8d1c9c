// SPDX-License-Identifier: MIT
// Road, heliport and skyscraper cells.
#include "tilekit.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace assetgen {

namespace {

void paving(QImage &img, QRectF band, uint32_t seed)
{
    QPainter p;
    beginTile(p, img);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(168, 164, 156));
    p.drawRect(band);
    p.end();
    eachPixel(img, kUnit, [&](double u, double v, QColor &c) {
        if (band.contains(u, v))
            c = scaled(c, 0.92 + 0.16 * valueNoise(u * 1.5, v * 1.5, seed));
    });
    beginTile(p, img);
    p.setPen(QPen(QColor(110, 106, 100), 0.3));
    for (double x = band.left() + 2.0; x < band.right(); x += 4.0)
        p.drawLine(QPointF(x, band.top()), QPointF(x, band.bottom()));
    p.drawLine(QPointF(band.left(), band.center().y()), QPointF(band.right(), band.center().y()));
}

QImage road()
{
    QImage img = bigTile(QColor(70, 72, 78));
    // Asphalt: fine grain with darker patches.
    eachPixel(img, kUnit, [&](double u, double v, QColor &c) {
        const double grain = valueNoise(u * 3.3, v * 3.3, 101) - 0.5;
        const double patch = fbm(u / 8.0, v / 8.0, 102, 3) - 0.5;
        c = scaled(c, 1.0 + 0.22 * grain + 0.28 * patch);
    });
    paving(img, QRectF(0, 0, 35, 5.5), 103);
    paving(img, QRectF(0, 29.5, 35, 5.5), 104);
    QPainter p;
    beginTile(p, img);
    // Kerb stones: lit on the upper edge, shaded on the lower one.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(206, 204, 198));
    p.drawRect(QRectF(0, 5.5, 35, 0.9));
    p.drawRect(QRectF(0, 29.5, 35, 0.6));
    p.setBrush(QColor(40, 40, 44, 160));
    p.drawRect(QRectF(0, 6.4, 35, 0.6));
    p.drawRect(QRectF(0, 28.9, 35, 0.6));
    // Edge lines and the dashed centre line.
    p.setBrush(QColor(236, 236, 230));
    p.drawRect(QRectF(0, 8.3, 35, 0.8));
    p.drawRect(QRectF(0, 26.9, 35, 0.8));
    p.setBrush(QColor(246, 206, 60));
    for (double x = -1.5; x < 35; x += 9.0)
        p.drawRect(QRectF(x, 17.0, 5.0, 1.1));
    // Tyre marks.
    p.setPen(QPen(QColor(30, 30, 34, 60), 1.0));
    p.drawLine(QPointF(0, 12.5), QPointF(35, 12.8));
    p.drawLine(QPointF(0, 22.5), QPointF(35, 22.2));
    return img;
}

QImage heliport()
{
    QImage img = bigTile(QColor(154, 158, 162));
    eachPixel(img, kUnit, [&](double u, double v, QColor &c) {
        c = scaled(c, 0.94 + 0.12 * valueNoise(u * 2.0, v * 2.0, 111) + 0.10 * (fbm(u / 9, v / 9, 112, 2) - 0.5));
    });
    QPainter p;
    beginTile(p, img);
    // Concrete slabs.
    p.setPen(QPen(QColor(112, 116, 120), 0.35));
    for (double k = 0; k <= 35; k += 8.75) {
        p.drawLine(QPointF(k, 0), QPointF(k, 35));
        p.drawLine(QPointF(0, k), QPointF(35, k));
    }
    const QPointF c(17.5, 17.5);
    QRadialGradient pad(c, 14.5, c - QPointF(4, 4));
    pad.setColorAt(0, QColor(78, 84, 90));
    pad.setColorAt(1, QColor(46, 50, 56));
    p.setPen(QPen(QColor(30, 32, 36), 0.5));
    p.setBrush(pad);
    p.drawEllipse(c, 14.5, 14.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(246, 196, 40), 1.5));
    p.drawEllipse(c, 12.3, 12.3);
    // The H, with a faint shadow so it reads as painted on.
    QPainterPath h;
    h.addRect(QRectF(11.3, 10.5, 2.8, 14));
    h.addRect(QRectF(20.9, 10.5, 2.8, 14));
    h.addRect(QRectF(13.5, 16.1, 8.0, 2.8));
    h.setFillRule(Qt::WindingFill);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawPath(h.translated(0.5, 0.5));
    p.setBrush(QColor(248, 248, 244));
    p.drawPath(h.simplified());
    // Landing lights.
    for (int i = 0; i < 8; ++i) {
        const double a = i * M_PI / 4 + M_PI / 8;
        const QPointF q = c + QPointF(std::cos(a), std::sin(a)) * 14.5;
        QRadialGradient glow(q, 1.6);
        glow.setColorAt(0, QColor(180, 255, 170, 230));
        glow.setColorAt(1, QColor(80, 255, 80, 0));
        p.setBrush(glow);
        p.drawEllipse(q, 1.6, 1.6);
        p.setBrush(QColor(220, 255, 210));
        p.drawEllipse(q, 0.5, 0.5);
    }
    return img;
}

void windowGrid(QPainter &p, Rng &rng, const QPolygonF &face, int cols, int rows, const QColor &glass)
{
    // Bilinear map from the unit square onto the face (a parallelogram).
    const QPointF o = face[0], ex = face[1] - face[0], ey = face[3] - face[0];
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) {
            const double u0 = (c + 0.18) / cols, u1 = (c + 0.82) / cols;
            const double v0 = (r + 0.2) / rows, v1 = (r + 0.75) / rows;
            QPolygonF w;
            w << o + ex * u0 + ey * v0 << o + ex * u1 + ey * v0 << o + ex * u1 + ey * v1 << o + ex * u0 + ey * v1;
            const double roll = rng.uniform();
            p.setBrush(roll < 0.28 ? QColor(255, 222, 130) : (roll < 0.4 ? QColor(250, 246, 220) : glass));
            p.drawPolygon(w);
        }
}

QImage skyscraper()
{
    QImage img = bigTile(QColor(92, 94, 100));
    noiseShade(img, kUnit, 3.0, 0.10, 121);
    QPainter p;
    beginTile(p, img);
    Rng rng(122);
    // Pavement joints of the plaza.
    p.setPen(QPen(QColor(74, 76, 82), 0.3));
    for (double k = 2.5; k < 35; k += 5) {
        p.drawLine(QPointF(k, 0), QPointF(k, 35));
        p.drawLine(QPointF(0, k), QPointF(35, k));
    }
    // The tower in a three-quarter view: lit roof, front facade, shaded
    // side facade, and its shadow falling to the right.
    const QRectF front(5.0, 10.0, 18.5, 23.5);
    const QPointF depth(6.5, -5.5);
    QPolygonF side, roof, shadow;
    side << front.topRight() << front.topRight() + depth << front.bottomRight() + depth << front.bottomRight();
    roof << front.topLeft() << front.topLeft() + depth << front.topRight() + depth << front.topRight();
    shadow << front.bottomRight() << front.topRight() + depth + QPointF(6, 4) << QPointF(35, front.top() + 2)
           << QPointF(35, 35) << QPointF(front.right(), 35);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 80));
    p.drawPolygon(shadow);
    QLinearGradient fg(front.topLeft(), front.bottomRight());
    fg.setColorAt(0, QColor(88, 108, 140));
    fg.setColorAt(1, QColor(54, 68, 94));
    p.setPen(QPen(QColor(20, 24, 34), 0.35));
    p.setBrush(fg);
    p.drawRect(front);
    p.setBrush(QColor(40, 50, 70));
    p.drawPolygon(side);
    p.setPen(Qt::NoPen);
    windowGrid(p, rng, QPolygonF() << front.topLeft() + QPointF(0.8, 1.2) << front.topRight() + QPointF(-0.8, 1.2)
                                   << front.bottomRight() + QPointF(-0.8, -0.5)
                                   << front.bottomLeft() + QPointF(0.8, -0.5),
               5, 9, QColor(30, 44, 70));
    windowGrid(p, rng, QPolygonF() << front.topRight() + QPointF(0, 1.2) << front.topRight() + depth + QPointF(0, 1.2)
                                   << front.bottomRight() + depth + QPointF(0, -0.5)
                                   << front.bottomRight() + QPointF(0, -0.5),
               2, 9, QColor(22, 32, 52));
    // Floors: thin light lines across the front.
    p.setPen(QPen(QColor(150, 170, 200, 90), 0.25));
    for (int k = 1; k < 9; ++k) {
        const double y = front.top() + 1.2 + k * (front.height() - 1.7) / 9;
        p.drawLine(QPointF(front.left(), y), QPointF(front.right(), y));
    }
    QLinearGradient rg(front.topLeft() + depth, front.topRight());
    rg.setColorAt(0, QColor(214, 216, 220));
    rg.setColorAt(1, QColor(160, 164, 170));
    p.setPen(QPen(QColor(60, 62, 70), 0.35));
    p.setBrush(rg);
    p.drawPolygon(roof);
    // Roof machinery and a mast with its warning light.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 124, 130));
    p.drawPolygon(QPolygonF() << QPointF(11, 8.2) << QPointF(13, 6.5) << QPointF(17.5, 6.5) << QPointF(15.5, 8.2));
    p.setPen(QPen(QColor(230, 230, 230), 0.55));
    p.drawLine(QPointF(21.5, 7.5), QPointF(21.5, 1.0));
    p.setPen(Qt::NoPen);
    QRadialGradient glow(QPointF(21.5, 1.2), 1.8);
    glow.setColorAt(0, QColor(255, 80, 60, 255));
    glow.setColorAt(1, QColor(255, 40, 30, 0));
    p.setBrush(glow);
    p.drawEllipse(QPointF(21.5, 1.2), 1.8, 1.8);
    return img;
}

} // namespace

QImage builtTile(const QString &word)
{
    if (word == "Road")
        return road();
    if (word == "Heliport")
        return heliport();
    if (word == "SkyScraper")
        return skyscraper();
    return QImage();
}

} // namespace assetgen
