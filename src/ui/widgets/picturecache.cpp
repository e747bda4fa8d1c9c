// SPDX-License-Identifier: MIT
#include "ui/widgets/picturecache.h"

#include "core/cells.h"
#include "ui/widgets/pictures.h"

namespace gw {

const QImage &PictureCache::load(const std::string &path)
{
    auto it = pictures_.find(path);
    if (it == pictures_.end())
        it = pictures_.emplace(path, loadBitmapFile(path)).first;
    return it->second;
}

std::vector<QImage> loadCellPictures(const std::vector<std::string> &fieldLines)
{
    PictureCache cache;
    std::vector<QImage> pictures(kCells + 1);
    for (std::size_t n = 1; n <= kCells; ++n)
        pictures[n] = cache.load(cellPicturePath(n < fieldLines.size() ? fieldLines[n] : std::string()));
    return pictures;
}

} // namespace gw
