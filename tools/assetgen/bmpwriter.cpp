// SPDX-License-Identifier: MIT
#include "bmpwriter.h"

#include <QByteArray>
#include <QFile>
#include <QVector>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace assetgen {

namespace {
void put16(QByteArray &b, int v)
{
    b.append(static_cast<char>(v & 0xFF));
    b.append(static_cast<char>((v >> 8) & 0xFF));
}

void put32(QByteArray &b, qint64 v)
{
    for (int i = 0; i < 4; ++i)
        b.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}

// File header and BITMAPINFOHEADER for a bottom-up bitmap.
QByteArray header(int width, int height, int bits, int paletteEntries)
{
    const int rowBytes = ((width * bits + 31) / 32) * 4;
    const int offset = 14 + 40 + paletteEntries * 4;
    QByteArray b;
    b.append("BM");
    put32(b, offset + rowBytes * height);
    put32(b, 0);
    put32(b, offset);
    put32(b, 40);
    put32(b, width);
    put32(b, height);
    put16(b, 1);
    put16(b, bits);
    put32(b, 0); // BI_RGB
    put32(b, rowBytes * height);
    put32(b, 3780); // 96 dpi
    put32(b, 3780);
    put32(b, paletteEntries);
    put32(b, 0);
    return b;
}

void padRow(QByteArray &b, int written)
{
    while (written % 4 != 0) {
        b.append('\0');
        ++written;
    }
}

int distance2(QRgb a, QRgb b)
{
    const int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
    return dr * dr + dg * dg + db * db;
}

// A few rounds of k-means over the picture's colours, started from evenly
// spread samples of the sorted colour list, so the result is the same on
// every run.
QVector<QRgb> fitPalette(const QImage &img, QRgb keep, int size)
{
    QVector<QRgb> colours;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y) | 0xFF000000u;
            if (c != (keep | 0xFF000000u))
                colours.append(c);
        }
    std::sort(colours.begin(), colours.end(), [](QRgb a, QRgb b) { return qGray(a) < qGray(b) || (qGray(a) == qGray(b) && a < b); });
    colours.erase(std::unique(colours.begin(), colours.end()), colours.end());

    QVector<QRgb> centres;
    const int wanted = size - 1;
    if (colours.size() <= wanted) {
        centres = colours;
    } else {
        for (int i = 0; i < wanted; ++i)
            centres.append(colours[(i * (colours.size() - 1)) / (wanted - 1)]);
        for (int round = 0; round < 12; ++round) {
            QVector<qint64> sr(centres.size()), sg(centres.size()), sb(centres.size()), n(centres.size());
            for (QRgb c : colours) {
                int best = 0, bestD = std::numeric_limits<int>::max();
                for (int k = 0; k < centres.size(); ++k) {
                    const int d = distance2(c, centres[k]);
                    if (d < bestD) {
                        bestD = d;
                        best = k;
                    }
                }
                sr[best] += qRed(c);
                sg[best] += qGreen(c);
                sb[best] += qBlue(c);
                ++n[best];
            }
            for (int k = 0; k < centres.size(); ++k)
                if (n[k] > 0)
                    centres[k] = qRgb(int(sr[k] / n[k]), int(sg[k] / n[k]), int(sb[k] / n[k]));
        }
    }
    centres.prepend(keep | 0xFF000000u);
    while (centres.size() < size)
        centres.append(qRgb(0, 0, 0));
    return centres;
}
} // namespace

void writeFileOrDie(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "assetgen: cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
}

void writeBmp24(const QImage &image, const QString &path)
{
    const QImage img = image.convertToFormat(QImage::Format_RGB32);
    QByteArray b = header(img.width(), img.height(), 24, 0);
    for (int y = img.height() - 1; y >= 0; --y) {
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y);
            b.append(static_cast<char>(qBlue(c)));
            b.append(static_cast<char>(qGreen(c)));
            b.append(static_cast<char>(qRed(c)));
        }
        padRow(b, img.width() * 3);
    }
    writeFileOrDie(path, b);
}

void writeBmp32(const QImage &image, const QString &path)
{
    const QImage img = image.convertToFormat(QImage::Format_RGB32);
    QByteArray b = header(img.width(), img.height(), 32, 0);
    for (int y = img.height() - 1; y >= 0; --y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y);
            b.append(static_cast<char>(qBlue(c)));
            b.append(static_cast<char>(qGreen(c)));
            b.append(static_cast<char>(qRed(c)));
            b.append('\0');
        }
    writeFileOrDie(path, b);
}

void writeBmp4(const QImage &image, const QString &path, QRgb keep)
{
    const QImage img = image.convertToFormat(QImage::Format_RGB32);
    const QVector<QRgb> palette = fitPalette(img, keep, 16);
    QByteArray b = header(img.width(), img.height(), 4, 16);
    for (QRgb c : palette) {
        b.append(static_cast<char>(qBlue(c)));
        b.append(static_cast<char>(qGreen(c)));
        b.append(static_cast<char>(qRed(c)));
        b.append('\0');
    }
    for (int y = img.height() - 1; y >= 0; --y) {
        int nibbles = 0;
        int pending = 0;
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y) | 0xFF000000u;
            int best = 0, bestD = std::numeric_limits<int>::max();
            for (int k = 0; k < palette.size(); ++k) {
                const int d = distance2(c, palette[k]);
                if (d < bestD) {
                    bestD = d;
                    best = k;
                }
            }
            // Only the transparent colour may map to the transparent entry.
            if (best == 0 && c != (keep | 0xFF000000u)) {
                bestD = std::numeric_limits<int>::max();
                for (int k = 1; k < palette.size(); ++k) {
                    const int d = distance2(c, palette[k]);
                    if (d < bestD) {
                        bestD = d;
                        best = k;
                    }
                }
            }
            if (nibbles % 2 == 0) {
                pending = best << 4;
            } else {
                b.append(static_cast<char>(pending | best));
            }
            ++nibbles;
        }
        if (nibbles % 2 == 1)
            b.append(static_cast<char>(pending));
        padRow(b, (nibbles + 1) / 2);
    }
    writeFileOrDie(path, b);
}

} // namespace assetgen
