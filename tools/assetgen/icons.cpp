// SPDX-License-Identifier: MIT
#include "icons.h"

#include "emblems.h"
#include "paint.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace assetgen {

namespace {

const QColor kInk(22, 16, 10);
const QColor kGold(236, 186, 72);

QLinearGradient metal(QPointF a, QPointF b, const QColor &c)
{
    QLinearGradient g(a, b);
    g.setColorAt(0, c.lighter(140));
    g.setColorAt(0.5, c);
    g.setColorAt(1, c.darker(170));
    return g;
}

void coins(QPainter &p)
{
    // Three stacks of gold coins, the front one tallest.
    const struct {
        double x, base;
        int count;
    } stacks[] = {{9, 23, 4}, {23, 22, 5}, {16, 28, 6}};
    for (const auto &s : stacks)
        for (int i = 0; i < s.count; ++i) {
            const double y = s.base - i * 2.6;
            p.setPen(QPen(kInk, 0.7));
            p.setBrush(QColor(150, 96, 20));
            p.drawRoundedRect(QRectF(s.x - 6, y - 1.5, 12, 3.2), 1.5, 1.5);
            QRadialGradient g(QPointF(s.x - 2, y - 2.4), 6);
            g.setColorAt(0, QColor(255, 242, 170));
            g.setColorAt(1, kGold);
            p.setBrush(g);
            p.drawEllipse(QPointF(s.x, y - 1.4), 6, 2.2);
        }
}

void chevrons(QPainter &p)
{
    // A sergeant's stripes on a shield: the drill of the recruits.
    QPainterPath shield(QPointF(4, 3));
    shield.lineTo(28, 3);
    shield.lineTo(28, 15);
    shield.cubicTo(QPointF(28, 23), QPointF(21, 27), QPointF(16, 30));
    shield.cubicTo(QPointF(11, 27), QPointF(4, 23), QPointF(4, 15));
    shield.closeSubpath();
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(metal(QPointF(4, 3), QPointF(28, 30), QColor(70, 96, 60)));
    p.drawPath(shield);
    for (int i = 0; i < 3; ++i) {
        const double y = 9 + i * 5.2;
        QPolygonF v;
        v << QPointF(7, y + 4) << QPointF(16, y - 1) << QPointF(25, y + 4) << QPointF(25, y + 7.2)
          << QPointF(16, y + 2.2) << QPointF(7, y + 7.2);
        p.setPen(QPen(kInk, 0.8));
        p.setBrush(metal(QPointF(0, y - 1), QPointF(0, y + 7), kGold));
        p.drawPolygon(v);
    }
}

void hammerAndWall(QPainter &p)
{
    // Bricks.
    for (int row = 0; row < 3; ++row)
        for (int i = -1; i < 4; ++i) {
            const double x = 3 + i * 9 + (row % 2) * 4.5, y = 18 + row * 4.4;
            QRectF b(x, y, 8.2, 3.8);
            b = b.intersected(QRectF(3, 0, 26, 32));
            if (b.width() <= 0)
                continue;
            p.setPen(QPen(kInk, 0.6));
            p.setBrush(metal(b.topLeft(), b.bottomLeft(), QColor(178, 76, 48)));
            p.drawRect(b);
        }
    // The hammer, lying across the wall.
    p.save();
    p.translate(17, 13);
    p.rotate(-35);
    p.setPen(QPen(kInk, 0.9));
    p.setBrush(metal(QPointF(-2, 0), QPointF(2, 0), QColor(150, 100, 52)));
    p.drawRoundedRect(QRectF(-1.6, -3, 3.2, 17), 1.2, 1.2);
    p.setBrush(metal(QPointF(0, -9), QPointF(0, -2), QColor(170, 176, 186)));
    QPainterPath head(QPointF(-8, -8));
    head.lineTo(6, -8);
    head.lineTo(8, -6.5);
    head.lineTo(8, -3.5);
    head.lineTo(6, -2);
    head.lineTo(-8, -2);
    head.lineTo(-10, -5);
    head.closeSubpath();
    p.drawPath(head);
    p.restore();
}

void hourglass(QPainter &p)
{
    // Frame boards.
    p.setPen(QPen(kInk, 0.9));
    p.setBrush(metal(QPointF(0, 2), QPointF(0, 5), QColor(140, 90, 44)));
    p.drawRoundedRect(QRectF(6, 2, 20, 3.4), 1, 1);
    p.drawRoundedRect(QRectF(6, 26.6, 20, 3.4), 1, 1);
    p.setBrush(QColor(110, 70, 34));
    p.drawRect(QRectF(7.2, 5.4, 1.8, 21.2));
    p.drawRect(QRectF(23, 5.4, 1.8, 21.2));
    // Glass bulbs.
    QPainterPath glass(QPointF(10, 5.4));
    glass.lineTo(22, 5.4);
    glass.cubicTo(QPointF(22, 12), QPointF(17, 14), QPointF(16.8, 16));
    glass.cubicTo(QPointF(17, 18), QPointF(22, 20), QPointF(22, 26.6));
    glass.lineTo(10, 26.6);
    glass.cubicTo(QPointF(10, 20), QPointF(15, 18), QPointF(15.2, 16));
    glass.cubicTo(QPointF(15, 14), QPointF(10, 12), QPointF(10, 5.4));
    p.setBrush(QColor(200, 228, 240, 200));
    p.drawPath(glass);
    // Sand running down.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(236, 196, 100));
    QPainterPath top(QPointF(11.5, 10));
    top.lineTo(20.5, 10);
    top.cubicTo(QPointF(19.5, 13), QPointF(17, 14.5), QPointF(16, 15.5));
    top.cubicTo(QPointF(15, 14.5), QPointF(12.5, 13), QPointF(11.5, 10));
    p.drawPath(top);
    p.drawRect(QRectF(15.6, 15.5, 0.8, 7));
    QPainterPath heap(QPointF(10.6, 26.2));
    heap.cubicTo(QPointF(12, 22), QPointF(15, 21.5), QPointF(16, 21.5));
    heap.cubicTo(QPointF(17, 21.5), QPointF(20, 22), QPointF(21.4, 26.2));
    heap.closeSubpath();
    p.drawPath(heap);
    // A glint on the glass.
    p.setPen(QPen(QColor(255, 255, 255, 200), 0.8));
    p.drawLine(QPointF(11.5, 7), QPointF(12.5, 10.5));
}

void soldier(QPainter &p)
{
    // Head and shoulders of a recruit in a steel helmet.
    p.setPen(QPen(kInk, 0.9));
    QPainterPath body(QPointF(5, 34));
    body.cubicTo(QPointF(5, 26), QPointF(10, 23), QPointF(17.5, 23));
    body.cubicTo(QPointF(25, 23), QPointF(30, 26), QPointF(30, 34));
    body.closeSubpath();
    p.setBrush(metal(QPointF(5, 23), QPointF(30, 34), QColor(86, 104, 58)));
    p.drawPath(body);
    p.setBrush(QColor(64, 80, 42));
    p.drawPolygon(QPolygonF() << QPointF(14, 23.2) << QPointF(17.5, 28) << QPointF(21, 23.2));
    QRadialGradient skin(QPointF(16, 16), 7);
    skin.setColorAt(0, QColor(246, 204, 164));
    skin.setColorAt(1, QColor(196, 140, 100));
    p.setBrush(skin);
    p.drawEllipse(QPointF(17.5, 17), 5.2, 6);
    QPainterPath helmet(QPointF(9, 14.5));
    helmet.cubicTo(QPointF(9, 5), QPointF(26, 5), QPointF(26, 14.5));
    helmet.lineTo(28, 15.5);
    helmet.lineTo(7, 15.5);
    helmet.closeSubpath();
    p.setBrush(metal(QPointF(9, 5), QPointF(26, 16), QColor(96, 112, 70)));
    p.drawPath(helmet);
    p.setPen(QPen(kInk, 0.8));
    p.drawLine(QPointF(15.5, 18.5), QPointF(15.5, 18.6));
    p.drawLine(QPointF(19.5, 18.5), QPointF(19.5, 18.6));
}

void machineGun(QPainter &p)
{
    p.save();
    p.translate(17.5, 17.5);
    p.rotate(-12);
    p.setPen(QPen(kInk, 0.8));
    // Bipod.
    p.setPen(QPen(kInk, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(7, 1), QPointF(4, 10));
    p.drawLine(QPointF(7, 1), QPointF(11, 10));
    p.setPen(QPen(kInk, 0.8));
    // Barrel with its perforated jacket.
    p.setBrush(metal(QPointF(0, -3), QPointF(0, 1), QColor(90, 92, 98)));
    p.drawRect(QRectF(-2, -2.6, 17, 3.2));
    p.setBrush(kInk);
    for (double x = 1; x < 14; x += 2.6)
        p.drawEllipse(QPointF(x, -1), 0.6, 0.6);
    p.drawRect(QRectF(15, -1.6, 2.5, 1.2));
    // Receiver, grip and stock.
    p.setBrush(metal(QPointF(0, -5), QPointF(0, 3), QColor(70, 72, 78)));
    p.drawRect(QRectF(-9, -4, 8, 6));
    p.setBrush(metal(QPointF(0, 0), QPointF(0, 6), QColor(130, 84, 44)));
    p.drawPolygon(QPolygonF() << QPointF(-9, -3) << QPointF(-16, -2) << QPointF(-16, 3.5) << QPointF(-9, 1.8));
    p.drawPolygon(QPolygonF() << QPointF(-6, 2) << QPointF(-3.5, 2) << QPointF(-4.5, 7) << QPointF(-7, 7));
    // Ammunition belt hanging from the side.
    p.setBrush(metal(QPointF(0, 2), QPointF(0, 10), kGold));
    for (int i = 0; i < 4; ++i)
        p.drawRoundedRect(QRectF(-3.5 + i * 1.2, 2.5 + i * 1.6, 1.3, 4), 0.5, 0.5);
    p.restore();
}

void sniperRifle(QPainter &p)
{
    p.save();
    p.translate(17.5, 17.5);
    p.rotate(-30);
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(metal(QPointF(0, -1), QPointF(0, 1), QColor(80, 82, 88)));
    p.drawRect(QRectF(0, -0.9, 17, 1.8));
    p.setBrush(metal(QPointF(0, -2), QPointF(0, 4), QColor(120, 78, 40)));
    QPainterPath stock(QPointF(2, -1.6));
    stock.lineTo(-6, -1.6);
    stock.lineTo(-16, -0.5);
    stock.lineTo(-16, 4.5);
    stock.lineTo(-10, 2.2);
    stock.lineTo(-4, 3.5);
    stock.lineTo(2, 1.6);
    stock.closeSubpath();
    p.drawPath(stock);
    // Telescopic sight with a glint.
    p.setBrush(metal(QPointF(0, -6), QPointF(0, -2.5), QColor(40, 42, 48)));
    p.drawRoundedRect(QRectF(-6, -5.6, 11, 2.8), 1.2, 1.2);
    p.drawRect(QRectF(-1.5, -3, 1.2, 1.4));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(140, 220, 255));
    p.drawEllipse(QPointF(5.2, -4.2), 0.9, 1.3);
    p.restore();
}

void mortar(QPainter &p)
{
    p.setPen(QPen(kInk, 0.9));
    // Base plate.
    p.setBrush(metal(QPointF(0, 28), QPointF(0, 32), QColor(84, 90, 70)));
    p.drawPolygon(QPolygonF() << QPointF(3, 31) << QPointF(6, 27.5) << QPointF(17, 27.5) << QPointF(20, 31));
    // Bipod.
    p.setPen(QPen(kInk, 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(20, 13), QPointF(17, 31));
    p.drawLine(QPointF(20, 13), QPointF(25, 31));
    // Tube, pointing up to the right.
    p.save();
    p.translate(11, 28);
    p.rotate(-58);
    p.setPen(QPen(kInk, 0.9));
    p.setBrush(metal(QPointF(0, -2.5), QPointF(0, 2.5), QColor(96, 108, 76)));
    p.drawRect(QRectF(0, -2.6, 24, 5.2));
    p.drawRect(QRectF(22, -3.2, 3, 6.4));
    p.restore();
    // A shell beside it.
    p.setBrush(metal(QPointF(27, 0), QPointF(33, 0), QColor(96, 104, 80)));
    QPainterPath shell(QPointF(28, 31));
    shell.lineTo(28, 24);
    shell.cubicTo(QPointF(28, 20), QPointF(30, 19), QPointF(30.5, 18.5));
    shell.cubicTo(QPointF(31, 19), QPointF(33, 20), QPointF(33, 24));
    shell.lineTo(33, 31);
    shell.closeSubpath();
    p.drawPath(shell);
    p.setBrush(kGold);
    p.drawRect(QRectF(28, 27, 5, 1.4));
}

void crate(QPainter &p)
{
    // A supply crate with a star stencil and straps.
    QPolygonF top, front, side;
    top << QPointF(4, 11) << QPointF(12, 5) << QPointF(31, 5) << QPointF(24, 11);
    front << QPointF(4, 11) << QPointF(24, 11) << QPointF(24, 31) << QPointF(4, 31);
    side << QPointF(24, 11) << QPointF(31, 5) << QPointF(31, 25) << QPointF(24, 31);
    p.setPen(QPen(kInk, 0.9));
    p.setBrush(QColor(120, 132, 72));
    p.drawPolygon(top);
    p.setBrush(metal(QPointF(4, 11), QPointF(24, 31), QColor(92, 104, 52)));
    p.drawPolygon(front);
    p.setBrush(QColor(62, 72, 34));
    p.drawPolygon(side);
    p.setPen(QPen(QColor(40, 44, 24), 0.6));
    for (double y = 16; y < 31; y += 5)
        p.drawLine(QPointF(4, y), QPointF(24, y));
    QPainterPath star;
    const QPointF c(14, 21);
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5;
        const double r = i % 2 == 0 ? 6.2 : 2.5;
        const QPointF q = c + QPointF(std::cos(a), std::sin(a)) * r;
        if (i == 0)
            star.moveTo(q);
        else
            star.lineTo(q);
    }
    star.closeSubpath();
    p.setPen(QPen(kInk, 0.5));
    p.setBrush(QColor(244, 240, 226));
    p.drawPath(star);
    p.setPen(QPen(kInk, 0.7));
    p.setBrush(metal(QPointF(0, 0), QPointF(2, 0), QColor(40, 40, 40)));
    p.drawPolygon(QPolygonF() << QPointF(7, 11) << QPointF(9.5, 11) << QPointF(9.5, 31) << QPointF(7, 31));
    p.drawPolygon(QPolygonF() << QPointF(18.5, 11) << QPointF(21, 11) << QPointF(21, 31) << QPointF(18.5, 31));
}

QImage drawKeyed(int size, void (*draw)(QPainter &))
{
    QImage big(size * kSupersample, size * kSupersample, QImage::Format_ARGB32);
    big.fill(Qt::transparent);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kSupersample, kSupersample);
    draw(p);
    p.end();
    return onKeyColour(reduce(big, size, size), kKeyColour);
}

[[noreturn]] void unknown(const QString &what)
{
    std::fprintf(stderr, "assetgen: no drawing for %s\n", qPrintable(what));
    std::exit(1);
}

} // namespace

QImage buttonGlyph(const QString &name)
{
    if (name == "buy")
        return drawKeyed(32, coins);
    if (name == "train")
        return drawKeyed(32, chevrons);
    if (name == "build")
        return drawKeyed(32, hammerAndWall);
    if (name == "fight")
        return drawKeyed(32, [](QPainter &p) { paintEmblem(p, Emblem::Swords, QPointF(16, 15.5), 14); });
    if (name == "endturn")
        return drawKeyed(32, hourglass);
    unknown(name);
}

QImage purchaseIcon(const QString &name)
{
    if (name == "recruits")
        return drawKeyed(35, soldier);
    if (name == "mg")
        return drawKeyed(35, machineGun);
    if (name == "sniper")
        return drawKeyed(35, sniperRifle);
    if (name == "mortar")
        return drawKeyed(35, mortar);
    if (name == "special")
        return drawKeyed(35, crate);
    unknown(name);
}

QImage applicationIcon(int size)
{
    // A shield split between the player's red and the opponent's blue, with
    // crossed swords over it.
    const int big = 256 * 2;
    QImage img(big, big, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(big / 32.0, big / 32.0);
    QPainterPath shield(QPointF(4, 3));
    shield.lineTo(28, 3);
    shield.lineTo(28, 14);
    shield.cubicTo(QPointF(28, 23), QPointF(21, 27.5), QPointF(16, 30.5));
    shield.cubicTo(QPointF(11, 27.5), QPointF(4, 23), QPointF(4, 14));
    shield.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(metal(QPointF(4, 3), QPointF(28, 30), kGold));
    p.drawPath(shield);
    const QPainterPath inner = QTransform().translate(16, 16.5).scale(0.84, 0.86).translate(-16, -16.5).map(shield);
    p.save();
    p.setClipPath(inner);
    p.fillRect(QRectF(0, 0, 16, 32), metal(QPointF(4, 3), QPointF(16, 30), QColor(196, 34, 30)));
    p.fillRect(QRectF(16, 0, 16, 32), metal(QPointF(16, 3), QPointF(28, 30), QColor(34, 80, 190)));
    p.restore();
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shield);
    p.drawPath(inner);
    paintEmblem(p, Emblem::Swords, QPointF(16, 16), 11.5);
    p.end();
    return reduce(img, size, size);
}

} // namespace assetgen
