// SPDX-License-Identifier: MIT
// The real program started in a directory of its own.
#include "harness.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

QProcessEnvironment offscreen()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    return env;
}

TEST(Program, AMissingSoundFileEndsItWithExitCodeOne)
{
    for (const char *file : {"sound/fightbg.mp3", "sound/bgmusic.mp3"}) {
        SCOPED_TRACE(file);
        ScratchDir dir;
        dir.writeOptions({"", "0", "0"});
        dir.remove(file);
        QProcess program;
        program.setWorkingDirectory(dir.path());
        program.setProcessEnvironment(offscreen());
        program.start(GRIMSWARD_EXE, {});
        ASSERT_TRUE(program.waitForFinished(30000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), 1);
        QString expected = QString(file).replace('/', '\\');
        const QStringList lines = QString::fromUtf8(program.readAllStandardError()).split('\n');
        const auto reported = std::find_if(lines.begin(), lines.end(), [&](const QString &l) {
            return l.startsWith("Grimsward: ") && l.contains(expected);
        });
        EXPECT_NE(reported, lines.end()) << lines.join('\n').toStdString();
    }
}

TEST(Program, AnErrorTheWindowShowsAlsoGoesToTheErrorOutput)
{
    // Without an options file the start-up shows its box; nobody closes it
    // on the offscreen platform, but the line is already written.
    ScratchDir dir;
    QProcess program;
    program.setWorkingDirectory(dir.path());
    program.setProcessEnvironment(offscreen());
    program.setReadChannel(QProcess::StandardError);
    program.start(GRIMSWARD_EXE, {});
    ASSERT_TRUE(program.waitForStarted(10000));
    QString error;
    const QString expected = QString::fromUtf8("Grimsward: Datei options.cfg kann nicht geöffnet werden.\n");
    while (!error.contains(expected) && program.waitForReadyRead(10000))
        error += QString::fromUtf8(program.readAllStandardError());
    error += QString::fromUtf8(program.readAllStandardError());
    EXPECT_TRUE(error.contains(expected)) << error.toStdString();
    program.kill();
    program.waitForFinished(5000);
}

TEST(Program, ASoundFileThatHoldsNoAudioEndsIt)
{
    ScratchDir dir;
    dir.writeOptions({"", "0", "0"});
    dir.write("sound/wirwerden.mp3", "plain text, no audio");
    QProcess program;
    program.setWorkingDirectory(dir.path());
    program.setProcessEnvironment(offscreen());
    program.start(GRIMSWARD_EXE, {});
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitCode(), 1);
}

TEST(Program, WithAllItsFilesItKeepsRunning)
{
    ScratchDir dir;
    dir.writeOptions({"", "1", "1"});
    QProcess program;
    program.setWorkingDirectory(dir.path());
    program.setProcessEnvironment(offscreen());
    program.start(GRIMSWARD_EXE, {});
    ASSERT_TRUE(program.waitForStarted(10000));
    EXPECT_FALSE(program.waitForFinished(2500)) << program.readAllStandardError().toStdString();
    program.kill();
    program.waitForFinished(5000);
}

} // namespace

namespace {

QByteArray bytesIn(const ScratchDir &dir, const QString &name)
{
    QFile f(dir.file(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(Program, ASecondCopyInTheSameFolderIsToldSoAndWritesNothingAndAKilledOneLeavesNoLock)
{
    ScratchDir dir;
    dir.writeOptions({"Mittelmeer", "0", "0", "en"});
    dir.write("stats.cfg", "grimsward-stats 1\r\nend\r\n");
    QProcess first, second, third;
    for (QProcess *p : {&first, &second, &third}) {
        p->setWorkingDirectory(dir.path());
        p->setProcessEnvironment(offscreen());
    }
    first.start(GRIMSWARD_EXE, {});
    ASSERT_TRUE(first.waitForStarted(10000));
    ASSERT_FALSE(first.waitForFinished(1500)) << first.readAllStandardError().toStdString();
    const QStringList filesBefore = QDir(dir.path()).entryList(QDir::Files);
    const QByteArray optionsBefore = bytesIn(dir, "options.cfg");

    second.start(GRIMSWARD_EXE, {});
    ASSERT_TRUE(second.waitForFinished(10000)) << "the second copy runs on";
    EXPECT_EQ(second.exitCode(), 1);
    const QString said = QString::fromUtf8(second.readAllStandardError());
    EXPECT_TRUE(said.contains("Grimsward: Grimsward is already running in this folder (" +
                              QDir::toNativeSeparators(dir.path()) + ")"))
        << said.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), filesBefore);
    EXPECT_EQ(bytesIn(dir, "options.cfg"), optionsBefore);

    // A copy that is killed leaves nothing that keeps the next one out.
    first.kill();
    first.waitForFinished(5000);
    third.start(GRIMSWARD_EXE, {});
    ASSERT_TRUE(third.waitForStarted(10000));
    EXPECT_FALSE(third.waitForFinished(2500)) << third.readAllStandardError().toStdString();
    third.kill();
    third.waitForFinished(5000);
}

} // namespace
