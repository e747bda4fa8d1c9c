// SPDX-License-Identifier: MIT
#include "harness.h"

#include "core/linelist.h"
#include "ui/widgets/picturebox.h"

#include <QAbstractButton>
#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <gtest/gtest.h>

QString sourceDataDir() { return QStringLiteral(GRIMSWARD_SOURCE_DIR "/data"); }

namespace {
void copyTree(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + "/" + QDir(from).relativeFilePath(source);
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(source, target);
    }
}
} // namespace

ScratchDir::ScratchDir() : previous_(QDir::currentPath())
{
    copyTree(sourceDataDir(), dir_.path());
    QDir::setCurrent(dir_.path());
}

ScratchDir::~ScratchDir() { QDir::setCurrent(previous_); }

void ScratchDir::write(const QString &relative, const QByteArray &bytes) const
{
    QDir().mkpath(QFileInfo(file(relative)).path());
    QFile f(file(relative));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << relative.toStdString();
    f.write(bytes);
}

void ScratchDir::remove(const QString &relative) const
{
    ASSERT_TRUE(QFile::remove(file(relative))) << relative.toStdString();
}

void ScratchDir::writeOptions(const std::vector<std::string> &lines) const
{
    write("options.cfg", QByteArray::fromStdString(gw::joinLines(lines)));
}

std::vector<std::string> ScratchDir::readLines(const QString &relative) const
{
    QFile f(file(relative));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return gw::splitLines(f.readAll().toStdString());
}

void Harness::start(std::set<gw::Sound> failingSounds)
{
    gw = std::make_unique<gw::Tgw>(std::make_unique<RecordingSound>(sounds, std::move(failingSounds), volumes));
}

void Harness::click(const QString &name) const
{
    QWidget *w = widget(name);
    ASSERT_NE(w, nullptr) << name.toStdString();
    if (auto *b = qobject_cast<QAbstractButton *>(w))
        b->click();
    else if (auto *p = qobject_cast<gw::PictureBox *>(w))
        p->click();
    else
        FAIL() << name.toStdString() << " is not clickable";
}

void Harness::startSkirmish()
{
    click("btnskirmish");
    click("btnskirmishstart");
}
