// SPDX-License-Identifier: MIT
#pragma once

#include "boxwatcher.h"
#include "recordingsound.h"

#include "ui/tgw.h"

#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <set>
#include <string>
#include <vector>

// A working directory of its own for one test: a copy of the repository's
// run-time data (images, maps, sound), entered on construction and left on
// destruction.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();

    QString path() const { return dir_.path(); }
    // A path inside the directory, written with slashes.
    QString file(const QString &relative) const { return dir_.filePath(relative); }

    void write(const QString &relative, const QByteArray &bytes) const;
    void remove(const QString &relative) const;
    // options.cfg with these lines, each ended by CR LF.
    void writeOptions(const std::vector<std::string> &lines) const;
    std::vector<std::string> readLines(const QString &relative) const;

private:
    QTemporaryDir dir_;
    QString previous_;
};

// The repository's data directory.
QString sourceDataDir();

// One window in its own working directory, with a recording sound system
// and a watcher that answers the message boxes.
struct Harness {
    ScratchDir dir;
    RecordingSound::Log sounds = std::make_shared<std::vector<std::string>>();
    // The volume calls, apart from the sounds' log.
    RecordingSound::Log volumes = std::make_shared<std::vector<std::string>>();
    BoxWatcher boxes;
    std::unique_ptr<gw::Tgw> gw;

    // Builds the window; options.cfg as the test left it.
    void start(std::set<gw::Sound> failingSounds = {});

    template <class T> T *find(const QString &name) const { return gw->findChild<T *>(name); }
    QWidget *widget(const QString &name) const { return find<QWidget>(name); }
    void click(const QString &name) const;

    // Main menu -> skirmish screen -> start button.
    void startSkirmish();
};
