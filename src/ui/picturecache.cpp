// SPDX-License-Identifier: MIT
#include "ui/picturecache.h"

#include "ui/pictures.h"

namespace gw {

const QImage &PictureCache::load(const std::string &path)
{
    auto it = pictures_.find(path);
    if (it == pictures_.end())
        it = pictures_.emplace(path, loadBitmapFile(path)).first;
    return it->second;
}

} // namespace gw
