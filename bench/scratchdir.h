// SPDX-License-Identifier: MIT
#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// A working directory like the player's: links to the repo's pictures, maps
// and sounds and an options file with music and sound off.
inline QString makeRunDirectory(QTemporaryDir &dir)
{
    const QString data = QStringLiteral(GRIMSWARD_SOURCE_DIR "/data/");
    for (const char *sub : {"images", "maps", "sound"})
        QFile::link(data + sub, dir.filePath(sub));
    QFile options(dir.filePath("options.cfg"));
    if (options.open(QIODevice::WriteOnly))
        options.write("Mittelmeer\r\n0\r\n0\r\n");
    return dir.path();
}
