// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

#include <string>
#include <vector>

namespace gw {

// The size an own map's preview is drawn at: the area the skirmish screen
// shows a shipped map's 798 x 435 picture in, so it is shown unscaled.
constexpr int kPreviewWidth = 265;
constexpr int kPreviewHeight = 144;

// An own map's preview, drawn from its cells (lines 1..220): each cell's
// picture made small, 12 x 12 on a 13-pixel pitch with a dark seam, like
// the shipped maps' pictures. Throws GameError when a cell's picture cannot
// be loaded.
QImage drawMapPreview(const std::vector<std::string> &fieldLines);

// The preview of any map by its name: a shipped map's picture file, an own
// map's drawing. Throws GameError when the picture or the map file cannot
// be read.
QImage loadMapPreview(const std::string &name);

} // namespace gw
