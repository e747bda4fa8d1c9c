// SPDX-License-Identifier: MIT
#include "ui/widgets/mappreview.h"

#include "core/cells.h"
#include "map/mapfile.h"
#include "ui/widgets/picturecache.h"
#include "ui/widgets/pictures.h"

#include <QPainter>

#include <map>

namespace gw {

namespace {
constexpr int kPitch = 13;
constexpr int kTile = kPitch - 1;
} // namespace

QImage drawMapPreview(const std::vector<std::string> &fieldLines)
{
    const std::vector<QImage> pictures = loadCellPictures(fieldLines);
    QImage preview(kPreviewWidth, kPreviewHeight, QImage::Format_RGB32);
    preview.fill(QColor(18, 22, 30));
    // Each picture is made small once, however many cells show it: the part
    // a cell shows, 35 x 35, averaged down.
    std::map<qint64, QImage> small;
    QPainter painter(&preview);
    const int left = (kPreviewWidth - kColumns * kPitch + 1) / 2;
    for (int n = 1; n <= kCells; ++n) {
        const QImage &picture = pictures[static_cast<std::size_t>(n)];
        auto it = small.find(picture.cacheKey());
        if (it == small.end())
            it = small.emplace(picture.cacheKey(), picture.copy(0, 0, 35, 35).scaled(kTile, kTile, Qt::IgnoreAspectRatio,
                                                                                       Qt::SmoothTransformation))
                     .first;
        painter.drawImage(QPoint(left + cellColumn(n) * kPitch, cellRow(n) * kPitch), it->second);
    }
    return preview;
}

QImage loadMapPreview(const std::string &name)
{
    if (isShippedMap(name))
        return loadBitmapFile(mapPreviewPath(name));
    return drawMapPreview(readMap(name).lines);
}

} // namespace gw
