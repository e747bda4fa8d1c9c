// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

#include <map>
#include <string>
#include <vector>

namespace gw {

// Loads each field picture once per pass, however many cells show it.
class PictureCache {
public:
    // Throws GameError as loadBitmapFile does.
    const QImage &load(const std::string &path);

private:
    std::map<std::string, QImage> pictures_;
};

// The pictures of cells 1..220 of a field list's lines (index 0 stays
// empty). Throws GameError at the first picture that cannot be loaded.
std::vector<QImage> loadCellPictures(const std::vector<std::string> &fieldLines);

} // namespace gw
