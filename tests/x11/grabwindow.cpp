// SPDX-License-Identifier: MIT
// Saves a picture of one window of the X server as PNG and prints its size,
// "WIDTHxHEIGHT", as the server holds the window's pixels. Each further
// argument asks about the picture, one answer a line: "X,Y" the colour of
// that pixel ("#rrggbb"), "X,Y,W,H" a checksum of that rectangle's pixels
// (to tell whether a place changed between two pictures), "X,Y,W,H,RRGGBB"
// how many pixels of the rectangle have that colour.
//   grabwindow WINDOW_ID OUT.png [X,Y | X,Y,W,H | X,Y,W,H,RRGGBB ...]
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QStringList>

#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: grabwindow WINDOW_ID OUT.png [X,Y | X,Y,W,H | X,Y,W,H,RRGGBB ...]\n");
        return 2;
    }
    bool ok = false;
    const WId id = QByteArray(argv[1]).toULongLong(&ok, 0);
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!ok || !screen) {
        std::fprintf(stderr, "grabwindow: no window '%s' or no screen\n", argv[1]);
        return 2;
    }
    const QPixmap picture = screen->grabWindow(id);
    if (picture.isNull() || !picture.save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "grabwindow: cannot take or save the picture\n");
        return 1;
    }
    std::printf("%dx%d\n", picture.width(), picture.height());
    const QImage image = picture.toImage().convertToFormat(QImage::Format_RGB32);
    for (int i = 3; i < argc; ++i) {
        QList<int> n;
        QStringList parts = QString::fromLocal8Bit(argv[i]).split(',');
        const QString colour = parts.size() == 5 ? parts.takeLast() : QString();
        for (const QString &part : parts) {
            n << part.toInt(&ok);
            if (!ok)
                break;
        }
        const QRgb wanted = colour.toUInt(&ok, 16) & 0xFFFFFFu;
        ok = ok || colour.isEmpty();
        if (!ok || (n.size() != 2 && n.size() != 4) || !image.rect().contains(n[0], n[1])) {
            std::fprintf(stderr, "grabwindow: '%s' is no place in the picture\n", argv[i]);
            return 2;
        }
        if (n.size() == 2) {
            std::printf("%s\n", QColor(image.pixel(n[0], n[1])).name().toLatin1().constData());
            continue;
        }
        const QRect area = QRect(n[0], n[1], n[2], n[3]).intersected(image.rect());
        if (!colour.isEmpty()) {
            long count = 0;
            for (int y = area.top(); y <= area.bottom(); ++y) {
                for (int x = area.left(); x <= area.right(); ++x)
                    count += (image.pixel(x, y) & 0xFFFFFFu) == wanted ? 1 : 0;
            }
            std::printf("%ld\n", count);
            continue;
        }
        quint32 sum = 2166136261u; // FNV-1a over the rectangle's pixels
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x)
                sum = (sum ^ (image.pixel(x, y) & 0xFFFFFFu)) * 16777619u;
        }
        std::printf("%08x\n", static_cast<unsigned>(sum));
    }
    return 0;
}
