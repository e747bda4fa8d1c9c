// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>

// Where the committed assets lie, and a guard that runs a test with the game's
// run-time folder as the working directory, as the game itself does.
namespace assettest {

inline QString repoDir() { return QString::fromUtf8(GRIMSWARD_SOURCE_DIR); }
inline QString dataDir() { return repoDir() + "/data"; }
inline QString resourceDir() { return repoDir() + "/resources"; }

class InDataDir {
public:
    InDataDir() : previous_(QDir::currentPath()) { QDir::setCurrent(dataDir()); }
    ~InDataDir() { QDir::setCurrent(previous_); }
    InDataDir(const InDataDir &) = delete;
    InDataDir &operator=(const InDataDir &) = delete;

private:
    QString previous_;
};

QByteArray readAll(const QString &path);

// The header fields of a Windows bitmap that the pictures must get right.
struct BmpHeader {
    bool valid = false;
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    int compression = -1;
};
BmpHeader bmpHeader(const QString &path);

} // namespace assettest
