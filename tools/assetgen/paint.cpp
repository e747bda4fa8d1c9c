// SPDX-License-Identifier: MIT
#include "paint.h"

#include "rng.h"

#include <cmath>

namespace assetgen {

QImage canvas(int width, int height, const QColor &fill)
{
    QImage img(width, height, QImage::Format_ARGB32);
    img.fill(fill);
    return img;
}

QImage reduce(const QImage &big, int width, int height)
{
    return big.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32);
}

QColor mix(const QColor &a, const QColor &b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t), float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t), float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor scaled(const QColor &c, double factor)
{
    auto ch = [factor](int v) { return std::clamp(int(std::lround(v * factor)), 0, 255); };
    return QColor(ch(c.red()), ch(c.green()), ch(c.blue()), c.alpha());
}

void noiseShade(QImage &img, double unitsPerPixel, double featureSize, double amount, uint32_t seed)
{
    eachPixel(img, unitsPerPixel, [&](double u, double v, QColor &c) {
        const double n = fbm(u / featureSize, v / featureSize, seed, 3) * 2.0 - 1.0;
        c = scaled(c, 1.0 + amount * n);
    });
}

QImage onKeyColour(const QImage &drawn, QRgb key)
{
    const QImage src = drawn.convertToFormat(QImage::Format_ARGB32);
    QImage out(src.size(), QImage::Format_RGB32);
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x) {
            const QRgb c = src.pixel(x, y);
            QRgb o = qAlpha(c) >= 128 ? (c | 0xFF000000u) : key;
            // A drawn pixel that happens to be the key colour would vanish.
            if (qAlpha(c) >= 128 && (o & 0xFFFFFFu) == (key & 0xFFFFFFu))
                o ^= 0x010000u;
            out.setPixel(x, y, o);
        }
    return out;
}

QImage blurred(const QImage &img, int radius)
{
    if (radius <= 0)
        return img;
    // Three box passes approximate a Gaussian.
    QImage cur = img.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int pass = 0; pass < 3; ++pass) {
        for (int dir = 0; dir < 2; ++dir) {
            QImage next(cur.size(), cur.format());
            const int w = cur.width(), h = cur.height();
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    int s[4] = {0, 0, 0, 0}, n = 0;
                    for (int k = -radius; k <= radius; ++k) {
                        const int xx = dir == 0 ? x + k : x, yy = dir == 0 ? y : y + k;
                        if (xx < 0 || yy < 0 || xx >= w || yy >= h)
                            continue;
                        const QRgb c = cur.pixel(xx, yy);
                        s[0] += qRed(c);
                        s[1] += qGreen(c);
                        s[2] += qBlue(c);
                        s[3] += qAlpha(c);
                        ++n;
                    }
                    next.setPixel(x, y, qRgba(s[0] / n, s[1] / n, s[2] / n, s[3] / n));
                }
            cur = next;
        }
    }
    return cur.convertToFormat(QImage::Format_ARGB32);
}

void drawWithShadow(QPainter &p, const QImage &layer, QPointF offset, double blurRadius, double opacity)
{
    QImage shadow = layer.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < shadow.height(); ++y)
        for (int x = 0; x < shadow.width(); ++x)
            shadow.setPixel(x, y, qRgba(0, 0, 0, qAlpha(shadow.pixel(x, y))));
    shadow = blurred(shadow, int(blurRadius));
    p.save();
    p.setOpacity(opacity);
    p.drawImage(offset, shadow);
    p.restore();
    p.drawImage(QPointF(0, 0), layer);
}

} // namespace assetgen
