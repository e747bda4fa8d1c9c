// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QString>

namespace assetgen {

// Uncompressed Windows bitmaps written byte by byte, so the depth is exactly
// the one asked for (QImage picks 24 or 32 bits by itself) and the files carry
// no resolution or time fields that could differ between runs.
void writeBmp24(const QImage &image, const QString &path);
// 32 bits per pixel, BI_RGB: the fourth byte is unused and written as 0.
void writeBmp32(const QImage &image, const QString &path);
// 16 colours: the palette is fitted to the picture; `keep` is put into the
// palette unchanged (the transparent colour must survive exactly).
void writeBmp4(const QImage &image, const QString &path, QRgb keep);

// Writes a file or stops the program with a message: a generator that half
// wrote its output must not look successful.
void writeFileOrDie(const QString &path, const QByteArray &bytes);

} // namespace assetgen
