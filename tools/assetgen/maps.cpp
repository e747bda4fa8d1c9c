// SPDX-License-Identifier: MIT
#include "maps.h"

#include "bmpwriter.h"
#include "core/cells.h"
#include "paint.h"
#include "tiles.h"

#include <QHash>
#include <QPainter>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace assetgen {

namespace {

[[noreturn]] void die(const QString &what)
{
    std::fprintf(stderr, "assetgen: %s\n", qPrintable(what));
    std::exit(1);
}

QString terrainForLetter(QChar c)
{
    static const QHash<QChar, QString> words = {
        {'g', "Grass"}, {'s', "Sand"}, {'f', "Forest"}, {'r', "Road"}, {'h', "Wood"},      {'b', "Flowers"},
        {'w', "Water"}, {'H', "Heliport"}, {'o', "Oasis"}, {'a', "Farm"}, {'S', "SkyScraper"},
    };
    return words.value(c);
}

// Tax per round of each terrain, from the game's own land table.
int taxOf(const QString &word)
{
    const gw::Terrain *t = gw::terrainNamed(word.toStdString());
    return t ? t->tax : 0;
}

QImage preview(const QStringList &states)
{
    // The field as the game shows it, at 20 pixels a cell with a dark seam;
    // the skirmish screen shows it at a third of that.
    const int pitch = 20;
    QImage img(kMapColumns * pitch, kMapRows * pitch, QImage::Format_ARGB32);
    img.fill(QColor(18, 22, 30));
    QHash<QString, QImage> cache;
    QPainter p(&img);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int i = 0; i < states.size(); ++i) {
        const QString &s = states[i];
        if (!cache.contains(s))
            cache.insert(s, stateTile(s).scaled(pitch - 1, pitch - 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        p.drawImage(QPoint((i % kMapColumns) * pitch, (i / kMapColumns) * pitch), cache.value(s));
    }
    p.end();
    // A soft vignette frames the picture.
    eachPixel(img, 1.0, [&](double u, double v, QColor &c) {
        const double dx = (u / img.width() - 0.5) * 2, dy = (v / img.height() - 0.5) * 2;
        const double d = std::sqrt(dx * dx * 0.7 + dy * dy * 0.7);
        c = scaled(c, 1.0 - 0.28 * std::max(0.0, d - 0.55));
    });
    return img;
}

} // namespace

QStringList cellStates(const MapDesign &map)
{
    if (map.terrain.size() != kMapRows || map.owners.size() != kMapRows)
        die(map.name + ": needs " + QString::number(kMapRows) + " rows");
    QStringList states;
    for (int row = 0; row < kMapRows; ++row) {
        if (map.terrain[row].size() != kMapColumns || map.owners[row].size() != kMapColumns)
            die(map.name + ": row " + QString::number(row) + " is not 20 cells wide");
        for (int col = 0; col < kMapColumns; ++col) {
            const QChar owner = map.owners[row][col];
            if (owner == 'X') {
                states << "Red_Base";
                continue;
            }
            if (owner == 'Y') {
                states << "Blue_Base";
                continue;
            }
            const QString word = terrainForLetter(map.terrain[row][col]);
            if (word.isEmpty())
                die(map.name + ": unknown terrain letter " + QString(map.terrain[row][col]));
            const QString prefix = owner == 'R' ? "Red_" : owner == 'B' ? "Blue_" : owner == '.' ? "None_" : "";
            if (prefix.isEmpty())
                die(map.name + ": unknown owner letter " + QString(owner));
            states << prefix + word;
        }
    }
    return states;
}

int startingIncome(const QStringList &states, const QString &ownerPrefix)
{
    int sum = 0;
    for (const QString &s : states)
        if (s.startsWith(ownerPrefix))
            sum += taxOf(s.mid(ownerPrefix.size()));
    return sum;
}

void writeMap(const MapDesign &map, const QString &dir)
{
    const QStringList states = cellStates(map);
    QStringList lines;
    lines << map.name;
    lines << states;
    while (lines.size() < 230)
        lines << QString();
    lines << QString::number(startingIncome(states, "Red_"));
    lines << QString::number(startingIncome(states, "Blue_"));
    QByteArray bytes;
    for (const QString &l : lines)
        bytes += l.toLatin1() + "\r\n";
    writeFileOrDie(dir + "/" + map.name + ".gwm", bytes);
    writeBmp24(preview(states), dir + "/" + map.name + ".bmp");
    std::printf("%-16s player income %d, opponent income %d\n", qPrintable(map.name),
                startingIncome(states, "Red_"), startingIncome(states, "Blue_"));
}

} // namespace assetgen
