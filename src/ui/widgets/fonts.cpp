// SPDX-License-Identifier: MIT
#include "ui/widgets/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace gw {

namespace {

// The first family of the list that is installed; the last entry is the
// generic fallback and is used when none is.
QString firstInstalled(const QStringList &families)
{
    // Families of several foundries come as "Nimbus Sans [urw]".
    QStringList installed;
    for (QString f : QFontDatabase::families()) {
        const int foundry = f.indexOf(" [");
        installed << (foundry < 0 ? f : f.left(foundry));
    }
    for (const QString &f : families) {
        if (installed.contains(f, Qt::CaseInsensitive))
            return f;
    }
    return families.last();
}

QFont make(const QString &family, QFont::StyleHint hint, int pixelSize, bool bold)
{
    QFont font(family);
    font.setStyleHint(hint);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

} // namespace

QFont windowFont(int pixelSize, bool bold)
{
    static const QString family =
        firstInstalled({"Nimbus Sans", "Liberation Sans", "DejaVu Sans Condensed", "DejaVu Sans", "Sans Serif"});
    QFont font = make(family, QFont::SansSerif, pixelSize, bold);
    // The layout was drawn for a narrower face than any of these; the status
    // captions have to end before the numbers beside them start.
    font.setStretch(92);
    return font;
}

QFont decorativeFont(int pixelSize, bool bold)
{
    static const QString family = firstInstalled({"Z003", "URW Chancery L", "Serif"});
    return make(family, QFont::Serif, pixelSize, bold);
}

} // namespace gw
