// SPDX-License-Identifier: MIT
// The real program started in a directory of its own.
#include "harness.h"

#include "core/textfile.h"
#include "ui/optionscontroller.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

namespace {

// The peak memory of a running process, in bytes.
qint64 peakMemory(qint64 pid)
{
    QFile status(QString("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong() * 1024;
    }
    return -1;
}

TEST(Program, AHugeOptionsFileIsReadLeanAndItsSettingsSurviveTheWriteBack)
{
    // The settings, then blank lines up to just below the largest file the
    // game reads.
    const QByteArray settings = "Mittelmeer\n0\n0\nen\nlevel=2\n";
    const QByteArray huge = settings + QByteArray(int(gw::kMaxTextFileBytes) - settings.size() - 16, '\n');
    ScratchDir dir;
    dir.write("options.cfg", huge);
    QProcess program;
    program.setWorkingDirectory(dir.path());
    program.setProcessEnvironment(offscreen());
    program.start(GRIMSWARD_EXE, {});
    ASSERT_TRUE(program.waitForStarted(10000));
    EXPECT_FALSE(program.waitForFinished(2500)) << program.readAllStandardError().toStdString();
    const qint64 peak = peakMemory(program.processId());
    program.kill();
    program.waitForFinished(5000);
    EXPECT_GT(peak, 0);
    EXPECT_LT(peak, 200 * 1024 * 1024) << "a file of 16 MB read with a peak of " << peak / (1024 * 1024) << " MB";
    const QString said = QString::fromUtf8(program.readAllStandardError());
    EXPECT_FALSE(said.contains("Grimsward:")) << said.toStdString();

    // Leaving the options screen writes the file back; the next start reads
    // it with every setting the player made.
    Harness h;
    h.dir.write("options.cfg", huge);
    h.start();
    EXPECT_EQ(h.gw->options().level(), 2);
    h.click("btnoptions");
    h.click("btnoptionsback");
    EXPECT_LE(QFileInfo(h.dir.file("options.cfg")).size(), qint64(gw::kMaxTextFileBytes));
    h.gw.reset();
    h.start();
    EXPECT_TRUE(h.boxes.boxes().empty()) << h.boxes.texts().join("; ").toStdString();
    EXPECT_EQ(h.gw->options().level(), 2);
    EXPECT_EQ(h.dir.readLines("options.cfg").at(3), "en");
}

} // namespace
