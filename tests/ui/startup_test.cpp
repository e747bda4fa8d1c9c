// The real program started in a directory of its own.
#include "harness.h"

#include <QProcess>

#include <gtest/gtest.h>

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
        EXPECT_TRUE(QString::fromLocal8Bit(program.readAllStandardError()).contains(expected));
    }
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
