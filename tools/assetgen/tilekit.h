// SPDX-License-Identifier: MIT
#pragma once

// Shared helpers of the cell pictures: every cell is drawn at kSupersample
// times its size, in units of final pixels, lit from the top left.

#include "paint.h"
#include "rng.h"
#include "tiles.h"

#include <QPainterPath>

namespace assetgen {

constexpr double kUnit = 1.0 / kSupersample; // cell units per drawn pixel

QImage bigTile(const QColor &fill);
QImage bigLayer(); // transparent, for things that cast a shadow
void beginTile(QPainter &p, QImage &img);

// Lays `layer` onto `ground` with a soft shadow towards the bottom right.
void castShadow(QImage &ground, const QImage &layer, double offsetUnits, double opacity);

void paintGrassBlades(QPainter &p, Rng &rng, int count, const QColor &dark, const QColor &light,
                      double minLen, double maxLen);
void paintSandField(QImage &img, uint32_t seed);
void paintWaterField(QImage &img, uint32_t seed);
void paintWaves(QPainter &p, Rng &rng, int count, const QRectF &area);

// Grass, sand, forest, flowers, water, wood, oasis, farm.
QImage natureTile(const QString &word);
// The oasis and the farm, which natureTile draws.
QImage oasisTile();
QImage farmTile();
// Road, heliport, skyscraper.
QImage builtTile(const QString &word);

} // namespace assetgen
