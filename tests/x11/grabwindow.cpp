// SPDX-License-Identifier: MIT
// Saves a picture of one window of the X server as PNG and prints its size,
// "WIDTHxHEIGHT", as the server holds the window's pixels. Given a
// rectangle of the picture and a colour, it prints on a second line how
// many pixels of the rectangle have that colour.
//   grabwindow WINDOW_ID OUT.png [X Y WIDTH HEIGHT RRGGBB]
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3 && argc != 8) {
        std::fprintf(stderr, "usage: grabwindow WINDOW_ID OUT.png [X Y WIDTH HEIGHT RRGGBB]\n");
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
    if (argc == 8) {
        const QImage image = picture.toImage();
        const QRect area(QByteArray(argv[3]).toInt(), QByteArray(argv[4]).toInt(), QByteArray(argv[5]).toInt(),
                         QByteArray(argv[6]).toInt());
        const QRgb colour = QByteArray(argv[7]).toUInt(nullptr, 16) & 0xFFFFFFu;
        long count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                if (image.rect().contains(x, y) && (image.pixel(x, y) & 0xFFFFFFu) == colour)
                    ++count;
            }
        }
        std::printf("%ld\n", count);
    }
    return 0;
}
