// SPDX-License-Identifier: MIT
#include "contactsheet.h"

#include "tiles.h"

#include <QDir>
#include <QFont>
#include <QImage>
#include <QPainter>

#include <algorithm>

namespace assetgen {

namespace {

// Draws a row of pictures with captions, each scaled by `zoom` (limited to a
// maximum width), and returns the height used.
int drawRow(QPainter &p, int top, int width, const QList<QPair<QString, QImage>> &pictures, double zoom, int maxWidth)
{
    int x = 10, y = top, rowHeight = 0;
    QFont f("DejaVu Sans");
    f.setPixelSize(11);
    p.setFont(f);
    for (const auto &[name, image] : pictures) {
        double z = zoom;
        if (image.width() * z > maxWidth)
            z = double(maxWidth) / image.width();
        const QSize s(int(image.width() * z), int(image.height() * z));
        if (x + std::max(s.width(), 70) > width - 10) {
            x = 10;
            y += rowHeight + 22;
            rowHeight = 0;
        }
        p.drawImage(QRect(QPoint(x, y), s), image);
        p.setPen(Qt::white);
        p.drawText(QRect(x, y + s.height() + 2, std::max(s.width(), 70) + 6, 16), Qt::AlignLeft, name);
        rowHeight = std::max(rowHeight, s.height());
        x += std::max(s.width(), 70) + 10;
    }
    return y + rowHeight + 30 - top;
}

QList<QPair<QString, QImage>> load(const QString &dir, const QStringList &names)
{
    QList<QPair<QString, QImage>> out;
    for (const QString &n : names)
        out.append({n, QImage(QDir(dir).filePath(n))});
    return out;
}

} // namespace

void writeContactSheet(const QString &dataDir, const QString &resourceDir, const QString &pngPath)
{
    const int width = 1700;
    QImage sheet(width, 2600, QImage::Format_RGB32);
    sheet.fill(QColor(40, 44, 52));
    QPainter p(&sheet);
    int y = 10;
    const QString images = QDir(dataDir).filePath("images");
    for (const QString &owner : {QString("None"), QString("Red"), QString("Blue")}) {
        QStringList names;
        for (const QString &w : terrainWords())
            names << owner + "_" + w + ".bmp";
        if (owner != "None")
            names << owner + "_Base.bmp";
        y += drawRow(p, y, width, load(images, names), 3.0, 400);
    }
    QStringList small = {"pic_recruits.bmp", "pic_mg.bmp",    "pic_sniper.bmp",  "pic_mortar.bmp",
                         "pic_special.bmp",  "btn_buy.bmp",   "btn_train.bmp",   "btn_build.bmp",
                         "btn_fight.bmp",    "btn_endturn.bmp", "icon.png",      "icon_256.png"};
    y += drawRow(p, y, width, load(resourceDir, small), 3.0, 256);
    QStringList menu = {"menu_skirmish.bmp", "menu_options.bmp", "menu_end.bmp", "back.bmp", "start.bmp"};
    y += drawRow(p, y, width, load(resourceDir, menu), 1.0, 400);
    y += drawRow(p, y, width, load(resourceDir, {"background.jpg", "preview_default.bmp"}), 1.0, 820);
    const QString maps = QDir(dataDir).filePath("maps/skirmish");
    y += drawRow(p, y, width, load(maps, {"Mittelmeer.bmp", "Big City Crisis.bmp", "Gestrandet.bmp"}), 1.0, 540);
    p.end();
    sheet.copy(0, 0, width, std::min(y, sheet.height())).save(pngPath);
}

} // namespace assetgen
