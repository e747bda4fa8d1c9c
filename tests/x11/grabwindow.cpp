// SPDX-License-Identifier: MIT
// Saves a picture of one window of the X server as PNG and prints its size,
// "WIDTHxHEIGHT", as the server holds the window's pixels.
//   grabwindow WINDOW_ID OUT.png
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: grabwindow WINDOW_ID OUT.png\n");
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
    return 0;
}
