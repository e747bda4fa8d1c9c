// SPDX-License-Identifier: MIT
// The map sheet the skirmish screen shows before a map is chosen.
#include "menuart.h"

#include "fonts.h"
#include "paint.h"
#include "rng.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace assetgen {

QImage defaultPreview()
{
    const QSize size(798, 435);
    QImage img(size, QImage::Format_ARGB32);
    // Land and sea from one noise field; the sea is hatched, the land tinted.
    auto land = [](double x, double y) {
        const double n = fbm(x / 190.0, y / 190.0, 51, 5);
        const double dx = (x / 798.0 - 0.5) * 1.6, dy = (y / 435.0 - 0.5) * 1.6;
        return n - 0.22 * (dx * dx + dy * dy) > 0.43;
    };
    eachPixel(img, 1.0, [&](double x, double y, QColor &c) {
        QColor paper = mix(QColor(236, 218, 176), QColor(200, 168, 116), fbm(x / 90.0, y / 90.0, 52, 4));
        const double ex = std::min(x, 798 - x), ey = std::min(y, 435 - y);
        paper = scaled(paper, 0.55 + 0.45 * smoothstep(0, 60, std::min(ex, ey)));
        const bool isLand = land(x, y);
        const bool coast = isLand != land(x + 2, y) || isLand != land(x, y + 2);
        if (coast) {
            c = QColor(70, 44, 24);
        } else if (isLand) {
            c = mix(paper, QColor(150, 160, 90), 0.35 * fbm(x / 40.0, y / 40.0, 53, 3));
        } else {
            const double hatch = std::fabs(std::sin((y + 3 * std::sin(x / 30.0)) * 0.55));
            c = mix(paper, QColor(90, 120, 130), 0.25 + 0.15 * (hatch > 0.92));
        }
    });
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Grid of the surveyor.
    p.setPen(QPen(QColor(110, 80, 50, 70), 1));
    for (int x = 40; x < 798; x += 40)
        p.drawLine(x, 0, x, 435);
    for (int y = 8; y < 435; y += 40)
        p.drawLine(0, y, 798, y);
    // Mountains and woods drawn in ink where there is land.
    Rng rng(54);
    const QColor inkColour(70, 44, 24);
    for (int i = 0; i < 260; ++i) {
        const double x = rng.range(20, 778), y = rng.range(20, 415);
        const int onLand = land(x, y) && land(x - 12, y + 6) && land(x + 12, y + 6);
        if (!onLand)
            continue;
        if (rng.chance(0.45)) {
            p.setPen(QPen(inkColour, 1.6));
            p.setBrush(QColor(180, 150, 110));
            p.drawPolygon(QPolygonF() << QPointF(x - 11, y + 6) << QPointF(x, y - 10) << QPointF(x + 11, y + 6));
            p.setPen(QPen(inkColour, 1.0));
            p.drawLine(QPointF(x, y - 10), QPointF(x + 3, y + 6));
        } else {
            p.setPen(QPen(inkColour, 1.2));
            p.setBrush(QColor(110, 140, 70));
            p.drawEllipse(QPointF(x, y), 4.5, 4.5);
            p.drawLine(QPointF(x, y + 4.5), QPointF(x, y + 8));
        }
    }
    // A marching route with two camps, red and blue.
    QPainterPath route(QPointF(120, 330));
    route.cubicTo(QPointF(260, 250), QPointF(420, 380), QPointF(540, 260));
    route.cubicTo(QPointF(600, 200), QPointF(650, 160), QPointF(700, 110));
    p.setPen(QPen(QColor(150, 30, 24, 200), 3, Qt::DashLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(route);
    for (auto [pt, col] : {std::pair{QPointF(120, 330), QColor(190, 36, 30)}, std::pair{QPointF(700, 110), QColor(36, 80, 180)}}) {
        p.setPen(QPen(inkColour, 2));
        p.setBrush(col);
        p.drawEllipse(pt, 10, 10);
        p.drawLine(pt, pt + QPointF(0, -30));
        p.drawPolygon(QPolygonF() << pt + QPointF(0, -30) << pt + QPointF(20, -24) << pt + QPointF(0, -18));
    }
    // Compass rose.
    const QPointF rose(712, 352);
    for (int i = 0; i < 8; ++i) {
        const double a = i * M_PI / 4 - M_PI / 2;
        const double len = i % 2 == 0 ? 46 : 26;
        const QPointF tip = rose + QPointF(std::cos(a), std::sin(a)) * len;
        const QPointF l = rose + QPointF(std::cos(a - M_PI / 2), std::sin(a - M_PI / 2)) * 7;
        const QPointF r = rose + QPointF(std::cos(a + M_PI / 2), std::sin(a + M_PI / 2)) * 7;
        p.setPen(QPen(inkColour, 1.2));
        p.setBrush(QColor(236, 218, 176));
        p.drawPolygon(QPolygonF() << rose << l << tip);
        p.setBrush(inkColour);
        p.drawPolygon(QPolygonF() << rose << r << tip);
    }
    p.setFont(font(Face::Title, 20));
    p.setPen(inkColour);
    p.drawText(QRectF(rose.x() - 20, rose.y() - 78, 40, 24), Qt::AlignCenter, "N");
    // The cartouche with the call to choose.
    const QRectF scroll(199, 148, 400, 110);
    QPainterPath sp;
    sp.addRoundedRect(scroll, 18, 18);
    p.setPen(QPen(inkColour, 3));
    p.setBrush(QColor(244, 230, 196, 235));
    p.drawPath(sp);
    p.setPen(QPen(inkColour, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(scroll.adjusted(8, 8, -8, -8), 12, 12);
    p.setFont(font(Face::Script, 72));
    p.setPen(QColor(60, 30, 14));
    p.drawText(scroll, Qt::AlignCenter, QString::fromUtf8("Karte wählen"));
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

} // namespace assetgen
