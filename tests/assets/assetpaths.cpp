// SPDX-License-Identifier: MIT
#include "assetpaths.h"

#include <QFile>

namespace assettest {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

namespace {
qint64 le(const QByteArray &b, int at, int bytes)
{
    qint64 v = 0;
    for (int i = 0; i < bytes; ++i)
        v |= qint64(quint8(b[at + i])) << (8 * i);
    return v;
}
} // namespace

BmpHeader bmpHeader(const QString &path)
{
    const QByteArray b = readAll(path);
    BmpHeader h;
    if (b.size() < 54 || !b.startsWith("BM"))
        return h;
    h.valid = le(b, 2, 4) == b.size() && le(b, 14, 4) >= 40;
    h.width = int(le(b, 18, 4));
    h.height = int(le(b, 22, 4));
    h.bitsPerPixel = int(le(b, 28, 2));
    h.compression = int(le(b, 30, 4));
    return h;
}

} // namespace assettest
