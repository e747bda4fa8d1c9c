// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdint>

namespace assetgen {

// Small pictures are drawn this many times larger and then reduced, which
// gives clean edges and lets fine detail blend into texture.
constexpr int kSupersample = 4;

QImage canvas(int width, int height, const QColor &fill);
QImage reduce(const QImage &big, int width, int height);

QColor mix(const QColor &a, const QColor &b, double t);

// 0 below a, 1 above b, and a smooth S-curve between.
inline double smoothstep(double a, double b, double x)
{
    const double t = std::clamp((x - a) / (b - a), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}
QColor scaled(const QColor &c, double factor);

// Calls f(u, v, colour) for every pixel, u and v in drawing units (pixels of
// the reduced picture); f may change the colour.
template <class F>
void eachPixel(QImage &img, double unitsPerPixel, F f)
{
    for (int y = 0; y < img.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            QColor c = QColor::fromRgba(row[x]);
            f((x + 0.5) * unitsPerPixel, (y + 0.5) * unitsPerPixel, c);
            row[x] = c.rgba();
        }
    }
}

// Lightens or darkens every pixel by a smooth noise field of the given
// feature size, by up to +-amount.
void noiseShade(QImage &img, double unitsPerPixel, double featureSize, double amount, uint32_t seed);

// Turns a picture drawn on transparency into an opaque one on `key`, the
// colour that the window treats as see-through. Pixels at least half covered
// keep their own colour, so no blend with the key colour leaves a pink seam.
QImage onKeyColour(const QImage &drawn, QRgb key);

// The colour that lets the background show through in every keyed picture.
constexpr QRgb kKeyColour = 0xFFFF00FFu;

// Lays a drop shadow of what is drawn on `layer` (transparent elsewhere) onto
// `target` at an offset, then the layer itself.
void drawWithShadow(QPainter &p, const QImage &layer, QPointF offset, double blurRadius, double opacity);

QImage blurred(const QImage &img, int radius);

} // namespace assetgen
