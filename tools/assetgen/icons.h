// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QString>

namespace assetgen {

// 32 x 32 button glyphs on the key colour: "buy", "train", "build",
// "fight", "endturn".
QImage buttonGlyph(const QString &name);
// 35 x 35 purchase icons on the key colour: "recruits", "mg", "sniper",
// "mortar", "special".
QImage purchaseIcon(const QString &name);
// The application's emblem at any square size, with real transparency.
QImage applicationIcon(int size);

} // namespace assetgen
