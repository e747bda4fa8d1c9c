// SPDX-License-Identifier: MIT
#pragma once

#include <QPainter>
#include <QPointF>

namespace assetgen {

// Small symbols shared by the menu plaques and the button glyphs.
enum class Emblem { Swords, Cog, Gate, ArrowLeft, ArrowRight };

// Draws the emblem centred on c, about 2r across.
void paintEmblem(QPainter &p, Emblem emblem, QPointF c, double r);

} // namespace assetgen
