// SPDX-License-Identifier: MIT
#include "tilekit.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace assetgen {

QImage bigTile(const QColor &fill)
{
    return canvas(kTileSize * kSupersample, kTileSize * kSupersample, fill);
}

QImage bigLayer()
{
    return bigTile(Qt::transparent);
}

void beginTile(QPainter &p, QImage &img)
{
    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kSupersample, kSupersample);
}

void castShadow(QImage &ground, const QImage &layer, double offsetUnits, double opacity)
{
    QPainter p(&ground);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const double d = offsetUnits * kSupersample;
    drawWithShadow(p, layer, QPointF(d, d), kSupersample * 0.8, opacity);
}

void paintGrassBlades(QPainter &p, Rng &rng, int count, const QColor &dark, const QColor &light, double minLen,
                      double maxLen)
{
    struct Blade {
        double x, y, len, angle, bend, shade;
    };
    std::vector<Blade> blades;
    for (int i = 0; i < count; ++i)
        blades.push_back({rng.range(-2, 37), rng.range(-1, 40), rng.range(minLen, maxLen),
                          (-90 + rng.range(-32, 32)) * M_PI / 180.0, rng.range(-1.0, 1.0), rng.uniform()});
    // Blades further down stand in front.
    std::sort(blades.begin(), blades.end(), [](const Blade &a, const Blade &b) { return a.y < b.y; });
    for (const Blade &b : blades) {
        const double tx = b.x + std::cos(b.angle) * b.len, ty = b.y + std::sin(b.angle) * b.len;
        QPainterPath path(QPointF(b.x, b.y));
        path.quadTo(QPointF((b.x + tx) / 2 + b.bend, (b.y + ty) / 2), QPointF(tx + b.bend * 0.6, ty));
        QPen pen(mix(dark, light, b.shade), 0.55);
        pen.setCapStyle(Qt::RoundCap);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
}

void paintSandField(QImage &img, uint32_t seed)
{
    const QColor sand(226, 194, 132);
    eachPixel(img, kUnit, [&](double u, double v, QColor &c) {
        // Wind ripples bent by the dunes beneath them; the slope facing the
        // light is brighter than the lee side.
        const double warp = 3.2 * fbm(u / 10.0, v / 10.0, seed, 3);
        const double w = v * 0.95 + 1.6 * std::sin(u * 0.21 + seed) + warp * 3.0;
        const double ripple = std::sin(w) * 0.7 + std::sin(2 * w) * 0.3;
        const double dune = fbm(u / 16.0, v / 16.0, seed + 7, 2) - 0.5;
        const double grain = valueNoise(u * 3.1, v * 3.1, seed + 13) - 0.5;
        c = scaled(sand, 1.0 + 0.075 * ripple + 0.22 * dune + 0.09 * grain);
    });
}

void paintWaterField(QImage &img, uint32_t seed)
{
    const QColor deep(22, 78, 142), shallow(56, 140, 200);
    eachPixel(img, kUnit, [&](double u, double v, QColor &c) {
        const double depth = fbm(u / 14.0, v / 14.0, seed, 3);
        QColor base = mix(deep, shallow, 0.25 + 0.6 * depth - v / 120.0);
        // Light bands where the surface bends towards the sun.
        const double wu = u + 3.0 * fbm(u / 7.0, v / 7.0, seed + 3, 2);
        const double wv = v + 3.0 * fbm(u / 7.0 + 5, v / 7.0, seed + 5, 2);
        const double band = std::pow(std::fabs(std::sin(wu * 0.55) * std::sin(wv * 0.75)), 6.0);
        c = mix(base, QColor(170, 215, 245), 0.35 * band);
    });
}

void paintWaves(QPainter &p, Rng &rng, int count, const QRectF &area)
{
    for (int i = 0; i < count; ++i) {
        const double x = rng.range(area.left(), area.right()), y = rng.range(area.top(), area.bottom());
        const double w = rng.range(4.0, 7.5), h = rng.range(1.0, 1.8);
        QPainterPath crest(QPointF(x - w / 2, y));
        crest.quadTo(QPointF(x, y - h * 2), QPointF(x + w / 2, y));
        QPainterPath trough = crest.translated(0, 0.7);
        QPen dark(QColor(12, 52, 104, 120), 0.6);
        dark.setCapStyle(Qt::RoundCap);
        p.setPen(dark);
        p.drawPath(trough);
        QPen light(QColor(214, 238, 255, 200), 0.6);
        light.setCapStyle(Qt::RoundCap);
        p.setPen(light);
        p.drawPath(crest);
    }
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count / 3; ++i) {
        p.setBrush(QColor(255, 255, 255, 190));
        p.drawEllipse(QPointF(rng.range(area.left(), area.right()), rng.range(area.top(), area.bottom())), 0.35, 0.35);
    }
}

} // namespace assetgen
