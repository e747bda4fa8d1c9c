// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

#include <map>
#include <string>

namespace gw {

// Loads each field picture once per pass, however many cells show it.
class PictureCache {
public:
    // Throws GameError as loadBitmapFile does.
    const QImage &load(const std::string &path);

private:
    std::map<std::string, QImage> pictures_;
};

} // namespace gw
