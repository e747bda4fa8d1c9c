// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

namespace gw {

// The window's plain face (the layout's "MS Sans Serif") at a pixel height.
QFont windowFont(int pixelSize = 11, bool bold = false);

// The decorative face of the menu labels (the layout's "Charlesworth").
QFont decorativeFont(int pixelSize, bool bold = false);

} // namespace gw
