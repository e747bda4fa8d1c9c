// SPDX-License-Identifier: MIT
#include "menuart.h"

#include "emblems.h"
#include "fonts.h"
#include "paint.h"
#include "rng.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace assetgen {

namespace {

// A soft halo: blurred at a quarter of the size, which is fast and smooth.
QImage halo(const QImage &layer, int radius)
{
    const QImage small = layer.scaled(layer.width() / 4, layer.height() / 4, Qt::IgnoreAspectRatio,
                                      Qt::SmoothTransformation);
    return blurred(small, std::max(1, radius / 4))
        .scaled(layer.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QPainterPath ridge(double width, double baseY, double amplitude, double featureSize, uint32_t seed, double height)
{
    QPainterPath path(QPointF(0, height));
    for (int x = 0; x <= int(width); x += 4) {
        const double n = fbm(x / featureSize, 0.5, seed, 5);
        path.lineTo(x, baseY - amplitude * n);
    }
    path.lineTo(width, height);
    path.closeSubpath();
    return path;
}

void paintSky(QImage &img)
{
    const QPointF sun(770, 505);
    eachPixel(img, 1.0, [&](double x, double y, QColor &c) {
        const double t = y / 560.0;
        QColor sky = t < 0.55 ? mix(QColor(12, 14, 32), QColor(64, 30, 58), t / 0.55)
                              : mix(QColor(64, 30, 58), QColor(214, 92, 38), (t - 0.55) / 0.45);
        const double dx = x - sun.x(), dy = (y - sun.y()) * 1.6;
        const double glow = std::exp(-(dx * dx + dy * dy) / (2 * 190.0 * 190.0));
        sky = mix(sky, QColor(255, 170, 80), 0.75 * glow);
        // Heavy clouds, their lower edges lit by the fire on the horizon.
        const double n = fbm(x / 260.0, y / 60.0, 7, 5);
        const double density = smoothstep(0.45, 0.75, n) * (1.0 - smoothstep(380, 520, y));
        const double lit = smoothstep(0.5, 1.0, glow * 2.0 + y / 900.0);
        const QColor cloud = mix(QColor(26, 18, 32), QColor(190, 86, 52), lit * (1.0 - smoothstep(0.6, 0.8, n)));
        c = mix(sky, cloud, density * 0.9);
    });
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient disk(sun, 46);
    disk.setColorAt(0, QColor(255, 236, 190));
    disk.setColorAt(0.8, QColor(255, 190, 110));
    disk.setColorAt(1, QColor(255, 150, 70, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(disk);
    p.drawEllipse(sun, 46, 46);
}

void paintFortress(QPainter &p, const QColor &ink)
{
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    // The crag it stands on.
    QPainterPath crag(QPointF(600, 620));
    crag.cubicTo(QPointF(660, 560), QPointF(700, 470), QPointF(760, 455));
    crag.lineTo(QPointF(900, 452));
    crag.cubicTo(QPointF(940, 470), QPointF(980, 560), QPointF(1024, 590));
    crag.lineTo(1024, 768);
    crag.lineTo(600, 768);
    crag.closeSubpath();
    p.drawPath(crag);
    auto battlements = [&](double x0, double x1, double top) {
        for (double x = x0; x < x1 - 4; x += 12)
            p.drawRect(QRectF(x, top - 8, 7, 9));
    };
    // Curtain wall, towers and the keep.
    p.drawRect(QRectF(745, 400, 170, 60));
    battlements(745, 915, 400);
    for (double tx : {735.0, 905.0}) {
        p.drawRect(QRectF(tx, 362, 30, 98));
        battlements(tx, tx + 32, 362);
    }
    p.drawRect(QRectF(800, 318, 56, 90));
    battlements(800, 858, 318);
    QPainterPath spire(QPointF(812, 318));
    spire.lineTo(828, 262);
    spire.lineTo(844, 318);
    spire.closeSubpath();
    p.drawPath(spire);
    // The banner on the spire.
    p.setPen(QPen(ink, 2));
    p.drawLine(QPointF(828, 262), QPointF(828, 228));
    p.setPen(Qt::NoPen);
    QPainterPath flag(QPointF(829, 229));
    flag.cubicTo(QPointF(845, 224), QPointF(852, 238), QPointF(866, 232));
    flag.lineTo(QPointF(858, 244));
    flag.cubicTo(QPointF(848, 250), QPointF(840, 238), QPointF(829, 244));
    flag.closeSubpath();
    p.setBrush(QColor(150, 20, 20));
    p.drawPath(flag);
    // Lit windows.
    Rng rng(5);
    for (int i = 0; i < 14; ++i) {
        const double x = rng.range(750, 905), y = rng.range(372, 450);
        QRadialGradient g(QPointF(x, y), 6);
        g.setColorAt(0, QColor(255, 190, 90, 200));
        g.setColorAt(1, QColor(255, 120, 40, 0));
        p.setBrush(g);
        p.drawEllipse(QPointF(x, y), 6, 6);
        p.setBrush(QColor(255, 214, 130));
        p.drawRect(QRectF(x - 1.2, y - 2, 2.4, 4));
    }
}

void paintArmy(QPainter &p, const QColor &ink)
{
    // A column of spearmen with banners marching along the near ridge.
    Rng rng(9);
    p.setBrush(ink);
    for (int i = 0; i < 26; ++i) {
        const double x = 300 + i * 13 + rng.range(-3, 3);
        const double ground = 640 - 0.12 * (x - 300) + rng.range(-2, 2);
        const double h = rng.range(24, 29);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(x, ground - h), 3.2, 3.6);
        p.drawRoundedRect(QRectF(x - 4, ground - h + 3, 8, h * 0.55), 2, 2);
        p.setPen(QPen(ink, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x - 2, ground - h * 0.45), QPointF(x - 3, ground));
        p.drawLine(QPointF(x + 2, ground - h * 0.45), QPointF(x + 3, ground));
        p.setPen(QPen(ink, 1.4));
        p.drawLine(QPointF(x + 5, ground - 6), QPointF(x + 9, ground - h - 20));
        if (i % 7 == 3) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(120, 18, 18));
            QPainterPath banner(QPointF(x + 9, ground - h - 20));
            banner.lineTo(x + 26, ground - h - 17);
            banner.lineTo(x + 20, ground - h - 11);
            banner.lineTo(x + 26, ground - h - 5);
            banner.lineTo(x + 8.2, ground - h - 8);
            banner.closeSubpath();
            p.drawPath(banner);
            p.setBrush(ink);
        }
    }
}

QImage smoke(QSize size)
{
    QImage img(size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    const double sources[][2] = {{700, 470}, {560, 600}, {940, 440}};
    eachPixel(img, 1.0, [&](double x, double y, QColor &c) {
        double a = 0;
        for (const auto &s : sources) {
            const double rise = std::max(0.0, s[1] - y);
            const double drift = s[0] - rise * 0.45;
            const double spread = 18 + rise * 0.35;
            const double d = (x - drift) / spread;
            const double n = fbm(x / 70.0, (y + rise * 0.2) / 70.0, 31, 4);
            a += std::exp(-d * d) * smoothstep(0.35, 0.7, n) * smoothstep(0, 40, rise) * (1.0 - smoothstep(250, 460, rise));
        }
        c = QColor(30, 24, 28, int(std::min(1.0, a) * 170));
    });
    return img;
}

} // namespace

void paintGiltText(QPainter &p, const QRectF &box, const QString &text, const QFont &font, double rim, int flags)
{
    QPainterPath path;
    const QFontMetricsF fm(font);
    const double w = fm.horizontalAdvance(text);
    double x = box.left();
    if (flags & Qt::AlignHCenter)
        x = box.center().x() - w / 2;
    else if (flags & Qt::AlignRight)
        x = box.right() - w;
    const double y = box.center().y() + (fm.ascent() - fm.descent()) / 2;
    path.addText(QPointF(x, y), font, text);
    const QRectF b = path.boundingRect();
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(20, 12, 6), rim, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    QLinearGradient gold(b.topLeft(), b.bottomLeft());
    gold.setColorAt(0.0, QColor(255, 246, 206));
    gold.setColorAt(0.45, QColor(240, 192, 84));
    gold.setColorAt(0.55, QColor(190, 128, 40));
    gold.setColorAt(1.0, QColor(250, 204, 110));
    p.setPen(QPen(QColor(90, 50, 14), std::max(1.0, rim * 0.18)));
    p.setBrush(gold);
    p.drawPath(path);
    p.restore();
}

QImage titleBackground()
{
    const QSize size(1024, 768);
    QImage img(size, QImage::Format_ARGB32);
    paintSky(img);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(92, 48, 70));
        p.drawPath(ridge(1024, 560, 150, 170, 3, 768));
        p.setBrush(QColor(54, 30, 48));
        p.drawPath(ridge(1024, 610, 120, 120, 4, 768));
        p.drawImage(0, 0, smoke(size));
        // Mist in the valley in front of the far hills.
        QImage mist(size, QImage::Format_ARGB32);
        eachPixel(mist, 1.0, [&](double x, double y, QColor &c) {
            const double band = std::exp(-std::pow((y - 600) / 45.0, 2));
            const double n = fbm(x / 140.0, y / 30.0, 23, 4);
            c = QColor(150, 96, 110, int(150 * band * smoothstep(0.35, 0.8, n)));
        });
        p.drawImage(0, 0, mist);
        const QColor ink(14, 10, 16);
        paintFortress(p, ink);
        p.setBrush(ink);
        QPainterPath near(QPointF(0, 768));
        for (int x = 0; x <= 1024; x += 4)
            near.lineTo(x, 650 - 0.12 * (x - 300) * (x > 300) + 18 * fbm(x / 60.0, 1.5, 8, 3));
        near.lineTo(1024, 768);
        near.closeSubpath();
        p.drawPath(near);
        paintArmy(p, ink);
        // The near ground is not flat black: a faint glow of the fires
        // catches its rises.
        QImage ground(size, QImage::Format_ARGB32);
        eachPixel(ground, 1.0, [&](double x, double y, QColor &c) {
            const double n = fbm(x / 90.0, y / 25.0, 29, 4);
            const double a = smoothstep(660, 768, y) * smoothstep(0.45, 0.75, n);
            c = QColor(70, 34, 30, int(110 * a));
        });
        p.drawImage(0, 0, ground);
        // Embers drifting up from the battle.
        Rng rng(17);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 70; ++i) {
            const double rise = rng.range(0, 1);
            const QPointF e(rng.range(560, 980) - rise * 120, 470 - rise * 200 + rng.range(-30, 30));
            const double r = rng.range(0.6, 1.5);
            QRadialGradient g(e, r * 2.5);
            g.setColorAt(0, QColor(255, 214, 140, 220));
            g.setColorAt(0.4, QColor(255, 150, 60, 120));
            g.setColorAt(1, QColor(255, 90, 20, 0));
            p.setBrush(g);
            p.drawEllipse(e, r * 2.5, r * 2.5);
        }
    }
    // Darker on the left, where the menu entries stand, and at the edges.
    eachPixel(img, 1.0, [&](double x, double y, QColor &c) {
        const double left = 1.0 - 0.45 * (1.0 - smoothstep(250, 480, x));
        const double dy = y / 768.0 - 0.5;
        const double edge = 1.0 - 0.35 * dy * dy * 2;
        c = scaled(c, left * edge);
    });
    // The title, with a fiery halo behind it.
    const QRectF titleBox(410, 70, 580, 150);
    QImage glow(size, QImage::Format_ARGB32);
    glow.fill(Qt::transparent);
    {
        QPainter g(&glow);
        g.setRenderHint(QPainter::Antialiasing);
        QPainterPath path;
        const QFont f = font(Face::Title, 104);
        const QFontMetricsF fm(f);
        path.addText(QPointF(titleBox.center().x() - fm.horizontalAdvance("Grimsward") / 2,
                             titleBox.center().y() + (fm.ascent() - fm.descent()) / 2),
                     f, "Grimsward");
        g.setPen(QPen(QColor(255, 120, 30, 230), 16));
        g.setBrush(QColor(255, 120, 30, 230));
        g.drawPath(path);
    }
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.drawImage(0, 0, halo(glow, 36));
    paintGiltText(p, titleBox, "Grimsward", font(Face::Title, 104), 7, Qt::AlignHCenter);
    // An ornament below: a rule with a diamond.
    const double y = 232, cx = titleBox.center().x();
    QLinearGradient rule(QPointF(cx - 230, y), QPointF(cx + 230, y));
    rule.setColorAt(0, QColor(230, 180, 90, 0));
    rule.setColorAt(0.5, QColor(240, 200, 110, 255));
    rule.setColorAt(1, QColor(230, 180, 90, 0));
    p.setPen(QPen(QBrush(rule), 2));
    p.drawLine(QPointF(cx - 230, y), QPointF(cx + 230, y));
    p.setPen(QPen(QColor(40, 20, 8), 1.5));
    p.setBrush(QColor(240, 196, 100));
    p.drawPolygon(QPolygonF() << QPointF(cx, y - 8) << QPointF(cx + 8, y) << QPointF(cx, y + 8) << QPointF(cx - 8, y));
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

QImage plaque(int width, int height, const QString &caption, Emblem emblem, double captionSize)
{
    QImage img(width, height, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const bool small = height < 80;
    const double plateH = small ? height - 6 : std::min(104.0, height - 20.0);
    const QRectF plate(small ? 3 : 10, (height - plateH) / 2, width - (small ? 6 : 20), plateH);
    const double corner = small ? 9 : 16;
    // A hard shadow (soft ones would blend with the key colour).
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(8, 6, 4));
    p.drawRoundedRect(plate.translated(small ? 2 : 4, small ? 2 : 4), corner, corner);
    // Gilt rim, then the iron face.
    QLinearGradient rim(plate.topLeft(), plate.bottomLeft());
    rim.setColorAt(0, QColor(250, 214, 130));
    rim.setColorAt(0.5, QColor(170, 116, 40));
    rim.setColorAt(1, QColor(110, 70, 24));
    p.setPen(QPen(QColor(20, 12, 6), 2));
    p.setBrush(rim);
    p.drawRoundedRect(plate, corner, corner);
    const double inset = small ? 3.5 : 6;
    const QRectF face = plate.adjusted(inset, inset, -inset, -inset);
    QLinearGradient iron(face.topLeft(), face.bottomLeft());
    iron.setColorAt(0, QColor(74, 68, 66));
    iron.setColorAt(0.5, QColor(40, 36, 36));
    iron.setColorAt(1, QColor(22, 20, 22));
    p.setPen(QPen(QColor(16, 10, 6), 1.5));
    p.setBrush(iron);
    p.drawRoundedRect(face, corner - inset / 2, corner - inset / 2);
    p.end();
    // Hammered texture on the face.
    eachPixel(img, 1.0, [&](double u, double v, QColor &c) {
        if (face.adjusted(2, 2, -2, -2).contains(u, v))
            c = scaled(c, 0.9 + 0.25 * fbm(u / 6.0, v / 6.0, 41, 3));
    });
    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Rivets at the corners.
    const double rv = small ? 2.2 : 3.8;
    for (QPointF q : {face.topLeft() + QPointF(rv * 2.2, rv * 2.2), face.topRight() + QPointF(-rv * 2.2, rv * 2.2),
                      face.bottomLeft() + QPointF(rv * 2.2, -rv * 2.2),
                      face.bottomRight() + QPointF(-rv * 2.2, -rv * 2.2)}) {
        QRadialGradient g(q, rv, q - QPointF(rv * 0.4, rv * 0.4));
        g.setColorAt(0, QColor(255, 236, 170));
        g.setColorAt(1, QColor(120, 80, 30));
        p.setPen(QPen(QColor(20, 12, 6), 1));
        p.setBrush(g);
        p.drawEllipse(q, rv, rv);
    }
    const double er = face.height() * (small ? 0.32 : 0.30);
    QRectF textBox = face;
    if (emblem == Emblem::ArrowRight) {
        paintEmblem(p, emblem, QPointF(face.right() - er * 1.6, face.center().y()), er);
        textBox.setRight(face.right() - er * 2.8);
    } else {
        paintEmblem(p, emblem, QPointF(face.left() + er * (small ? 1.6 : 1.9), face.center().y()), er);
        textBox.setLeft(face.left() + er * (small ? 2.8 : 3.4));
    }
    // The caption shrinks until it fits beside the emblem.
    QFont f = font(Face::Title, captionSize);
    while (QFontMetricsF(f).horizontalAdvance(caption) > textBox.width() - (small ? 8 : 14) && f.pixelSize() > 8)
        f.setPixelSize(f.pixelSize() - 1);
    paintGiltText(p, textBox, caption, f, small ? 3.5 : 5, Qt::AlignHCenter);
    p.end();
    return onKeyColour(img, kKeyColour);
}

} // namespace assetgen
