// SPDX-License-Identifier: MIT
#include "ui/widgets/pictures.h"

#include "core/bitmapcheck.h"
#include "core/gameerror.h"
#include "core/textfile.h"
#include "ui/widgets/jpegdecode.h"

#include <QFile>

// Q_INIT_RESOURCE has to be used outside any namespace.
static void initGrimswardResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace gw {

void initResources()
{
    static const bool done = (initGrimswardResources(), true);
    (void)done;
}

QImage resourcePicture(const QString &name)
{
    initResources();
    QFile file(":/" + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    if (name.endsWith(".jpg", Qt::CaseInsensitive) || name.endsWith(".jpeg", Qt::CaseInsensitive))
        return decodeJpeg(bytes);
    const char *format = name.endsWith(".bmp", Qt::CaseInsensitive) ? "BMP" : nullptr;
    return QImage::fromData(bytes, format);
}

QImage withTransparentBottomLeft(const QImage &picture)
{
    if (picture.isNull())
        return picture;
    QImage out = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = out.pixel(0, out.height() - 1) | 0xFF000000u;
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if ((line[x] | 0xFF000000u) == key)
                line[x] = 0;
        }
    }
    return out;
}

QImage loadBitmapFile(const std::string &programPath)
{
    const std::string bytes = readFileBytes(programPath);
    if (!bitmapRowsComplete(bytes))
        throw GameError::invalidBitmap();
    QImage image = QImage::fromData(reinterpret_cast<const uchar *>(bytes.data()),
                                    static_cast<int>(bytes.size()), "BMP");
    if (image.isNull())
        throw GameError::invalidBitmap();
    return image;
}

} // namespace gw
