// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QString>

#include <string>

namespace gw {

// Makes the pictures compiled into the program reachable as ":/name".
void initResources();

// A picture compiled into the program. JPEGs go through libjpeg, bitmaps
// through the BMP reader. A null image when the resource is missing.
QImage resourcePicture(const QString &name);

// Pixels of the bottom-left pixel's colour become fully transparent.
QImage withTransparentBottomLeft(const QImage &picture);

// Loads a run-time bitmap ("images\Red_Farm.bmp", program path). Throws
// GameError::cannotOpen(path) when the file cannot be read and
// GameError::invalidBitmap() when it is no valid bitmap.
QImage loadBitmapFile(const std::string &programPath);

} // namespace gw
