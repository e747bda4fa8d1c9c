// SPDX-License-Identifier: MIT
// Compares a rectangle of two pictures pixel by pixel and prints how many
// pixels differ (the rectangle's pixels outside a picture count as
// different).
//   samepixels A.png B.png X Y WIDTH HEIGHT
#include <QImage>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 7) {
        std::fprintf(stderr, "usage: samepixels A.png B.png X Y WIDTH HEIGHT\n");
        return 2;
    }
    const QImage a(QString::fromLocal8Bit(argv[1])), b(QString::fromLocal8Bit(argv[2]));
    if (a.isNull() || b.isNull()) {
        std::fprintf(stderr, "samepixels: cannot read the pictures\n");
        return 2;
    }
    const QRect area(QByteArray(argv[3]).toInt(), QByteArray(argv[4]).toInt(), QByteArray(argv[5]).toInt(),
                     QByteArray(argv[6]).toInt());
    long differ = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (!a.rect().contains(x, y) || !b.rect().contains(x, y)
                || (a.pixel(x, y) & 0xFFFFFFu) != (b.pixel(x, y) & 0xFFFFFFu))
                ++differ;
        }
    }
    std::printf("%ld\n", differ);
    return 0;
}
