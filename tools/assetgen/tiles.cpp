// SPDX-License-Identifier: MIT
#include "tiles.h"

#include "tilekit.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/cells.h"

namespace assetgen {

const QStringList &terrainWords()
{
    // The game's land table, in its order.
    static const QStringList words = [] {
        QStringList w;
        for (const gw::Terrain &t : gw::terrains())
            w << QString::fromLatin1(t.word);
        return w;
    }();
    return words;
}

QString ownerWord(Side side)
{
    switch (side) {
    case Side::Red:
        return "Red";
    case Side::Blue:
        return "Blue";
    case Side::None:
        break;
    }
    return "None";
}

namespace {

QColor sideColour(Side side)
{
    return side == Side::Red ? QColor(214, 38, 38) : QColor(38, 104, 230);
}

// The shape that tells the sides apart without colour: a pennant for the
// player, a diamond for the opponent.
void paintMark(QPainter &p, Side side, QPointF at, double size)
{
    const QColor fill = sideColour(side);
    QPen outline(QColor(255, 255, 255), size * 0.13, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    QPen dark(QColor(0, 0, 0, 200), size * 0.30, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    if (side == Side::Red) {
        const QPointF foot = at + QPointF(0, size), top = at;
        QPolygonF flag;
        flag << top + QPointF(0.1 * size, 0) << top + QPointF(size, size * 0.3) << top + QPointF(0.1 * size, size * 0.6);
        for (const QPen &pen : {dark, outline}) {
            p.setPen(pen);
            p.drawLine(top, foot);
            p.setBrush(pen == dark ? QBrush(QColor(0, 0, 0, 200)) : QBrush(fill));
            p.drawPolygon(flag);
        }
    } else {
        const QPointF c = at + QPointF(size * 0.5, size * 0.5);
        QPolygonF diamond;
        diamond << c + QPointF(0, -size * 0.55) << c + QPointF(size * 0.5, 0) << c + QPointF(0, size * 0.55)
                << c + QPointF(-size * 0.5, 0);
        p.setPen(dark);
        p.setBrush(QColor(0, 0, 0, 200));
        p.drawPolygon(diamond);
        p.setPen(outline);
        p.setBrush(fill);
        p.drawPolygon(diamond);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(c, size * 0.12, size * 0.12);
    }
}

} // namespace

QImage terrainTile(const QString &word)
{
    QImage big = natureTile(word);
    if (big.isNull())
        big = builtTile(word);
    if (big.isNull()) {
        std::fprintf(stderr, "assetgen: no drawing for terrain %s\n", qPrintable(word));
        std::exit(1);
    }
    return reduce(big, kTileSize, kTileSize);
}

QImage ownedTile(const QImage &terrain, Side side)
{
    QImage tile = terrain.convertToFormat(QImage::Format_ARGB32);
    const QColor c = sideColour(side);
    // Tint towards the side's colour, strongest near the frame.
    eachPixel(tile, 1.0, [&](double u, double v, QColor &px) {
        const double edge = std::min(std::min(u, v), std::min(kTileSize - u, kTileSize - v));
        const double t = 0.16 + 0.22 * std::exp(-edge / 3.0);
        px = mix(px, c, t);
    });
    QPainter p(&tile);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::NoBrush);
    // Frame: dark outer line, the side's colour, a light inner line.
    auto ring = [&](int inset, int width, const QColor &colour) {
        p.fillRect(inset, inset, kTileSize - 2 * inset, width, colour);
        p.fillRect(inset, kTileSize - inset - width, kTileSize - 2 * inset, width, colour);
        p.fillRect(inset, inset, width, kTileSize - 2 * inset, colour);
        p.fillRect(kTileSize - inset - width, inset, width, kTileSize - 2 * inset, colour);
    };
    ring(0, 1, c.darker(260));
    ring(1, 2, c);
    ring(3, 1, QColor(c.lighter(160).red(), c.lighter(160).green(), c.lighter(160).blue(), 150));
    p.end();

    QImage markLayer = bigLayer();
    QPainter m;
    beginTile(m, markLayer);
    paintMark(m, side, QPointF(4.6, 4.4), 8.0);
    m.end();
    QPainter over(&tile);
    over.drawImage(0, 0, reduce(markLayer, kTileSize, kTileSize));
    return tile;
}

QImage baseTile(Side side)
{
    const QColor roofColour = side == Side::Red ? QColor(190, 40, 36) : QColor(40, 92, 200);
    QImage ground = bigTile(QColor(110, 116, 70));
    eachPixel(ground, kUnit, [&](double u, double v, QColor &c) {
        const double n = fbm(u / 5.0, v / 5.0, 131, 3);
        c = mix(QColor(118, 126, 70), QColor(132, 110, 74), n) ;
        c = scaled(c, 0.9 + 0.2 * valueNoise(u * 2.5, v * 2.5, 132));
    });
    QImage fort = bigLayer();
    QPainter p;
    beginTile(p, fort);
    const QColor stone(164, 160, 150);
    // Curtain wall with a walkway on top.
    QPainterPath wall;
    wall.addRect(QRectF(5, 5, 25, 25));
    wall.addRect(QRectF(9, 9, 17, 17));
    wall.setFillRule(Qt::OddEvenFill);
    QLinearGradient wg(QPointF(5, 5), QPointF(30, 30));
    wg.setColorAt(0, stone.lighter(118));
    wg.setColorAt(1, stone.darker(125));
    p.setPen(QPen(QColor(60, 58, 54), 0.4));
    p.setBrush(wg);
    p.drawPath(wall);
    p.setPen(QPen(QColor(100, 96, 90), 0.25));
    for (double k = 7; k < 29; k += 2.5) {
        p.drawLine(QPointF(k, 5), QPointF(k, 9));
        p.drawLine(QPointF(k, 26), QPointF(k, 30));
        p.drawLine(QPointF(5, k), QPointF(9, k));
        p.drawLine(QPointF(26, k), QPointF(30, k));
    }
    // Battlements along the outer edge.
    p.setPen(Qt::NoPen);
    p.setBrush(stone.lighter(130));
    for (double k = 6.5; k < 29; k += 2.5) {
        p.drawRect(QRectF(k, 4.4, 1.2, 1.2));
        p.drawRect(QRectF(k, 29.4, 1.2, 1.2));
        p.drawRect(QRectF(4.4, k, 1.2, 1.2));
        p.drawRect(QRectF(29.4, k, 1.2, 1.2));
    }
    // Courtyard.
    p.setBrush(QColor(126, 104, 74));
    p.drawRect(QRectF(9, 9, 17, 17));
    // Keep with a hipped roof in the side's colour.
    const QRectF keep(12.5, 12.5, 10, 10);
    const QPointF apex = keep.center();
    const QPolygonF faces[4] = {
        QPolygonF() << keep.topLeft() << keep.topRight() << apex,
        QPolygonF() << keep.topRight() << keep.bottomRight() << apex,
        QPolygonF() << keep.bottomRight() << keep.bottomLeft() << apex,
        QPolygonF() << keep.bottomLeft() << keep.topLeft() << apex,
    };
    const int shade[4] = {135, 90, 70, 115};
    p.setPen(QPen(roofColour.darker(250), 0.35));
    for (int i = 0; i < 4; ++i) {
        p.setBrush(shade[i] >= 100 ? roofColour.lighter(shade[i]) : roofColour.darker(100 * 100 / shade[i]));
        p.drawPolygon(faces[i]);
    }
    // Round corner towers with conical roofs.
    for (QPointF t : {QPointF(6.5, 6.5), QPointF(28.5, 6.5), QPointF(6.5, 28.5), QPointF(28.5, 28.5)}) {
        QRadialGradient tg(t, 4.4, t - QPointF(1.5, 1.5));
        tg.setColorAt(0, stone.lighter(125));
        tg.setColorAt(1, stone.darker(150));
        p.setPen(QPen(QColor(50, 48, 44), 0.4));
        p.setBrush(tg);
        p.drawEllipse(t, 4.4, 4.4);
        QRadialGradient rg(t, 3.0, t - QPointF(1.0, 1.0));
        rg.setColorAt(0, roofColour.lighter(150));
        rg.setColorAt(1, roofColour.darker(160));
        p.setBrush(rg);
        p.drawEllipse(t, 3.0, 3.0);
    }
    p.end();
    castShadow(ground, fort, 1.4, 0.6);
    QImage tile = reduce(ground, kTileSize, kTileSize);
    return ownedTile(tile, side);
}

QImage stateTile(const QString &state)
{
    const int cut = state.indexOf('_');
    const QString owner = state.left(cut), word = state.mid(cut + 1);
    const Side side = owner == "Red" ? Side::Red : owner == "Blue" ? Side::Blue : Side::None;
    if (word == "Base")
        return baseTile(side);
    const QImage terrain = terrainTile(word);
    return side == Side::None ? terrain : ownedTile(terrain, side);
}

} // namespace assetgen
