// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QPainter>
#include <QString>

#include "emblems.h"

namespace assetgen {

// The title picture behind the menus, 1024 x 768; the menus cover its left
// 300 / 800 of the width, so the title stands on the right.
QImage titleBackground();

// A menu entry or small button: an iron plaque with a gilt caption, on the
// see-through key colour.
QImage plaque(int width, int height, const QString &caption, Emblem emblem, double captionSize);

// The map sheet shown before a map is chosen, 798 x 435.
QImage defaultPreview();

// Paints text as gilt letters with a dark rim.
void paintGiltText(QPainter &p, const QRectF &box, const QString &text, const QFont &font, double rim,
                   int flags);

} // namespace assetgen
