// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace gw {

// Whether a Windows bitmap file holds all the pixel rows its header
// promises. A cut-off file would otherwise be drawn with the missing rows
// made up. Only uncompressed bitmaps can be checked this way; for anything
// else (and for files too short to have a header) the decoder decides.
bool bitmapRowsComplete(const std::string &bytes);

} // namespace gw
