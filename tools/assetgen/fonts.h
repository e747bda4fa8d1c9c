// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

namespace assetgen {

// Faces from Debian's font packages, loaded from their files so that the
// pictures never depend on what fontconfig would substitute.
enum class Face {
    Title,   // C059 Bold (urw-base35): heavy serif for the title and captions
    Script,  // Z003 (urw-base35): chancery hand for the map sheet
    Sans,    // DejaVu Sans Bold: small labels
};

QFont font(Face face, double pixelSize);

} // namespace assetgen
