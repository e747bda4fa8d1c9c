// SPDX-License-Identifier: MIT
#pragma once

#include "core/cells.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace assetgen {

constexpr int kMapColumns = gw::kColumns;
constexpr int kMapRows = gw::kRows;

// A skirmish map as drawn in the source: one letter per cell for the terrain
// and one for the owner, row by row from the top.
struct MapDesign {
    QString name;          // file name without ".gwm", also line 0
    QStringList terrain;   // 11 rows of 20 letters, see terrainForLetter
    QStringList owners;    // 11 rows: '.' free, R player, B opponent, X player's base, Y opponent's base
};

const QVector<MapDesign> &mapDesigns();

// The 220 cell states of a map, cell 1 first.
QStringList cellStates(const MapDesign &map);
// Sum of the taxes of the land a side ("Red_" or "Blue_") owns at the start.
int startingIncome(const QStringList &states, const QString &ownerPrefix);

// Writes "<name>.gwm" (CR LF lines, 232 of them) and its preview "<name>.bmp".
void writeMap(const MapDesign &map, const QString &dir);

} // namespace assetgen
