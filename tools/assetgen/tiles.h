// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace assetgen {

constexpr int kTileSize = 35;

// The eleven terrain words of the land table, in its order.
const QStringList &terrainWords();

enum class Side { None, Red, Blue };
QString ownerWord(Side side); // "None", "Red", "Blue"

// A free terrain cell, 35 x 35, opaque.
QImage terrainTile(const QString &word);
// The same terrain owned by a side: tinted, framed, marked.
QImage ownedTile(const QImage &terrain, Side side);
// A cell of a side's base: a small fort, framed and marked like owned land.
QImage baseTile(Side side);

// The picture for any state the maps use ("None_Grass", "Blue_Base", ...).
QImage stateTile(const QString &state);

} // namespace assetgen
