// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>

namespace gw {

// Decodes a baseline or progressive JPEG with libjpeg into an RGB picture.
// Returns a null image when the data is not a JPEG it can read.
QImage decodeJpeg(const QByteArray &bytes);

} // namespace gw
