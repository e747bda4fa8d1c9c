// SPDX-License-Identifier: MIT
#include "fonts.h"

#include <QFontDatabase>
#include <QHash>

#include <cstdio>
#include <cstdlib>

namespace assetgen {

namespace {
QString family(Face face)
{
    static QHash<int, QString> loaded;
    const int key = static_cast<int>(face);
    if (loaded.contains(key))
        return loaded.value(key);
    const char *path = nullptr;
    switch (face) {
    case Face::Title:
        path = "/usr/share/fonts/opentype/urw-base35/C059-Bold.otf";
        break;
    case Face::Script:
        path = "/usr/share/fonts/opentype/urw-base35/Z003-MediumItalic.otf";
        break;
    case Face::Sans:
        path = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
        break;
    }
    const int id = QFontDatabase::addApplicationFont(path);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (id < 0 || families.isEmpty()) {
        std::fprintf(stderr, "assetgen: font %s missing (install fonts-urw-base35 and fonts-dejavu-core)\n", path);
        std::exit(1);
    }
    loaded.insert(key, families.first());
    return families.first();
}
} // namespace

QFont font(Face face, double pixelSize)
{
    QFont f(family(face));
    f.setPixelSize(int(pixelSize));
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

} // namespace assetgen
