// SPDX-License-Identifier: MIT
// The real sound players, heard. scripts/with-null-sink.sh runs these tests
// next to a private PulseAudio server with one null sink: "pactl" lists the
// streams that play, and a recording of the sink's monitor is what a
// listener would hear, matched against the decoded music to tell where in
// the piece it plays.
#include "gameplay.h"
#include "harness.h"
#include "sink.h"
#include "ui/optionscontroller.h"

#include "audio/soundsystem.h"
#include "core/cells.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSlider>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

namespace {

class Heard : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!privateServer())
            GTEST_SKIP() << "needs the private PulseAudio server of scripts/with-null-sink.sh (ctest runs it so)";
        QProcess pactl;
        pactl.start("pactl", {"info"});
        ASSERT_TRUE(pactl.waitForFinished(10000) && pactl.exitCode() == 0) << "pactl cannot reach the server";
        ASSERT_TRUE(waitForStreams(pid, {}, 10000)) << "a stream of an earlier test still plays";
        ear = std::make_unique<Listener>();
    }

    // The window with the real sound players; options.cfg as given.
    void startWindow(const char *music, const char *sound)
    {
        h.dir.writeOptions({"Mittelmeer", music, sound});
        h.gw = std::make_unique<gw::Tgw>(gw::makePulseSoundSystem());
    }

    void setUpVictory()
    {
        gw::GameState &s = h.gw->state();
        s.recruits = 40;
        s.infantry = 12;
        s.enemybasehp = 5;
        s.enemyrecruits = s.enemyinfantry = s.enemysnipers = s.enemymortarcrews = s.enemyspecialunits = 0;
        s.enemytowers = 0;
        h.gw->random().seed(seedForFirstAction(1));
    }

    void attackBase()
    {
        const int base = firstCell(h.gw->state(), [](const std::string &c) { return c == gw::kBlueBase; });
        ASSERT_GT(base, 0);
        h.click("btnfight");
        h.click("btnletsfight");
        h.click(QString("Image%1").arg(base));
    }

    const qint64 pid = QCoreApplication::applicationPid();
    Harness h;
    std::unique_ptr<Listener> ear;
};

TEST_F(Heard, TheProgramPlaysItsMusicFromTheStartWhenItIsSwitchedOn)
{
    h.dir.writeOptions({"Mittelmeer", "1", "1"});
    const std::vector<std::int16_t> music = decodedMusic();
    QProcess program;
    program.setWorkingDirectory(h.dir.path());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(env);
    program.start(GRIMSWARD_EXE, {});
    ASSERT_TRUE(program.waitForStarted(10000));

    const qint64 programPid = program.processId();
    EXPECT_TRUE(waitForStreams(programPid, {"sbgmusic"}, 10000))
        << "the music plays, alone: " << streamsOf(programPid).join(' ').toStdString();
    ASSERT_TRUE(ear->waitUntilHeard());
    const std::optional<double> at = heardAt(music, ear->listen(1500));
    ASSERT_TRUE(at) << "the sink plays the music";
    EXPECT_LT(*at, 5.0) << "from its start";

    program.kill();
    program.waitForFinished(5000);
    EXPECT_TRUE(waitForStreams(programPid, {}, 5000)) << "its stream ends with it";
}

TEST_F(Heard, TheMusicSwitchStopsAndResumesTheMusicAndTheTickStartsItAgain)
{
    startWindow("1", "1");
    const std::vector<std::int16_t> music = decodedMusic();
    ASSERT_TRUE(waitForStreams(pid, {"sbgmusic"}, 10000)) << streamsOf(pid).join(' ').toStdString();
    ASSERT_TRUE(ear->waitUntilHeard());
    const std::vector<std::int16_t> before = ear->listen(1500);
    const std::optional<double> beforeAt = heardAt(music, before);
    ASSERT_TRUE(beforeAt) << "the music plays";
    const double stoppedNear = *beforeAt + static_cast<double>(before.size()) / kMusicRate;

    h.click("btnoptions");
    h.click("btnmusic");
    EXPECT_EQ(h.gw->state().musicon, 0);
    EXPECT_TRUE(waitForStreams(pid, {}, 3000)) << "switched off, the stream goes";
    EXPECT_TRUE(ear->waitUntilSilent()) << "the sink goes silent";
    EXPECT_LE(loudest(ear->listen(500)), 2) << "and nothing is heard any more";

    h.click("btnmusic");
    EXPECT_TRUE(waitForStreams(pid, {"sbgmusic"}, 3000));
    const std::optional<double> resumedAt = heardAt(music, ear->listen(1000));
    ASSERT_TRUE(resumedAt);
    EXPECT_GT(*resumedAt, stoppedNear - 0.3) << "it goes on where it was stopped, not from the start";
    EXPECT_LT(*resumedAt, stoppedNear + 0.7) << "and skips nothing";

    h.gw->options().tmusicrewindTimer();
    EXPECT_TRUE(waitForStreams(pid, {"sbgmusic"}, 3000));
    const std::optional<double> restartedAt = heardAt(music, ear->listen(1000));
    ASSERT_TRUE(restartedAt);
    EXPECT_GT(*restartedAt, -0.5);
    EXPECT_LT(*restartedAt, 0.5) << "the tick starts the music again from the start";

    h.click("btnoptionsback");
    h.gw.reset();
    EXPECT_TRUE(waitForStreams(pid, {}, 3000)) << "closed players play nothing";
}

TEST_F(Heard, TheMusicPlaysOnWithoutAGapAcrossItsRefills)
{
    startWindow("1", "0");
    const std::vector<std::int16_t> music = decodedMusic();
    ASSERT_TRUE(waitForStreams(pid, {"sbgmusic"}, 10000));
    ASSERT_TRUE(ear->waitUntilHeard());
    // Nine seconds: the players refill the server's buffer every two.
    const std::vector<std::int16_t> heard = ear->listen(9000);
    const std::optional<double> at = heardAt(music, heard);
    ASSERT_TRUE(at);
    const long long start = std::llround(*at * kMusicRate);
    ASSERT_GE(start, 0);
    ASSERT_LE(start + static_cast<long long>(heard.size()), static_cast<long long>(music.size()));
    std::size_t i = 0;
    while (i < heard.size() && std::abs(heard[i] - music[static_cast<std::size_t>(start) + i]) <= 4)
        ++i;
    EXPECT_EQ(i, heard.size()) << "the music breaks off " << static_cast<double>(i) / kMusicRate
                               << " s into the recording";
}

TEST_F(Heard, HalfTheMusicVolumeIsMeasurablyQuieterAndHeardAtOnceWithoutARestart)
{
    startWindow("1", "0");
    const std::vector<std::int16_t> music = decodedMusic();
    ASSERT_TRUE(waitForStreams(pid, {"sbgmusic"}, 10000));
    ASSERT_TRUE(ear->waitUntilHeard());
    EXPECT_EQ(streamVolumeOf(pid, "sbgmusic"), 100);
    const std::vector<std::int16_t> full = ear->listen(1500);
    const std::optional<double> fullAt = heardAt(music, full);
    ASSERT_TRUE(fullAt) << "at 100 % the sink plays the music's own samples";
    const long long fullStart = std::llround(*fullAt * kMusicRate);
    ASSERT_GE(fullStart, 0);
    // Each level against the music's own over the same stretch, so that
    // the loud and soft parts of the piece do not count.
    const double fullLevel = rms(full, 0, full.size()) / rms(music, static_cast<std::size_t>(fullStart), full.size());

    h.click("btnoptions");
    h.find<QSlider>("trkmusicvolume")->setValue(50);
    const std::vector<std::int16_t> half = ear->listen(1500);
    EXPECT_EQ(streamVolumeOf(pid, "sbgmusic"), 50);
    EXPECT_EQ(streamsOf(pid), QStringList({"sbgmusic"})) << "the same stream plays on";
    const long long after = fullStart + static_cast<long long>(full.size());
    const Fit fit = fitAt(music, half, after - kMusicRate / 2, after + 2 * kMusicRate);
    ASSERT_GT(fit.correlation, 0.95) << "the recording is the music, from where it was, not restarted";
    const auto start = static_cast<std::size_t>(fit.start);
    const double halfLevel = rms(half, 0, half.size()) / rms(music, start, half.size());
    // The first quarter of a second after the change is already quieter.
    const std::size_t quarter = kMusicRate / 4;
    const double firstLevel = rms(half, 0, quarter) / rms(music, start, quarter);
    std::printf("music at 100 %%: RMS %.1f (%.3f of the file's); at 50 %%: RMS %.1f (%.3f), its first 0.25 s %.3f\n",
                rms(full, 0, full.size()), fullLevel, rms(half, 0, half.size()), halfLevel, firstLevel);
    RecordProperty("level_at_100", std::to_string(fullLevel));
    RecordProperty("level_at_50", std::to_string(halfLevel));
    EXPECT_NEAR(fullLevel, 1.0, 0.05) << "full volume is the file's own level";
    EXPECT_LT(halfLevel, 0.7 * fullLevel) << "50 % is measurably quieter";
    EXPECT_GT(halfLevel, 0.02) << "and not silent";
    EXPECT_LT(firstLevel, 0.7 * fullLevel) << "at once, not after the buffered seconds";

    h.click("btnoptionsback");
    h.gw.reset();
    EXPECT_TRUE(waitForStreams(pid, {}, 3000));
}

TEST_F(Heard, TheFilesVolumesHoldFromTheFirstSoundOn)
{
    h.dir.writeOptions({"Mittelmeer", "1", "1", "de", "musicvolume=30", "effectsvolume=60"});
    h.gw = std::make_unique<gw::Tgw>(gw::makePulseSoundSystem());
    ASSERT_TRUE(waitForStreams(pid, {"sbgmusic"}, 10000));
    EXPECT_EQ(streamVolumeOf(pid, "sbgmusic"), 30) << "the stream begins at it";
    h.startSkirmish();
    setUpVictory();
    int noise = -1, call = -1;
    h.boxes.onBox = [&](const BoxWatcher::Box &) {
        waitForStreams(pid, {"sbgmusic", "sfight", "sfightbg"}, 3000, false);
        noise = streamVolumeOf(pid, "sfightbg");
        call = streamVolumeOf(pid, "sfight");
    };
    attackBase();
    EXPECT_EQ(noise, 60);
    EXPECT_EQ(call, 60);
    EXPECT_EQ(streamVolumeOf(pid, "sbgmusic"), 30) << "the effects leave the music alone";
    h.gw.reset();
    EXPECT_TRUE(waitForStreams(pid, {}, 3000));
}

TEST_F(Heard, ThePlayersAttackPlaysBattleNoiseAndItsCallTogether)
{
    startWindow("0", "1");
    h.startSkirmish();
    ASSERT_FALSE(h.widget("pangame")->isHidden());

    for (int attack = 1; attack <= 2; ++attack) {
        SCOPED_TRACE(attack);
        setUpVictory();
        QStringList atVictory;
        h.boxes.onBox = [&](const BoxWatcher::Box &) {
            waitForStreams(pid, {"sfight", "sfightbg"}, 3000, false);
            atVictory = streamsOf(pid);
        };
        attackBase();
        ASSERT_FALSE(h.widget("panwin")->isHidden()) << "the attack won";
        EXPECT_EQ(atVictory, QStringList({"sfight", "sfightbg"}))
            << "battle noise and the call sound together while the victory box is open";
        // The noise stops with the attack; the call plays to its end.
        EXPECT_TRUE(waitForStreams(pid, {"sfight"}, 3000)) << streamsOf(pid).join(' ').toStdString();
        EXPECT_TRUE(waitForStreams(pid, {}, 10000)) << "the call ends by itself";
        // The second time the call, having run to its end, starts again.
        h.click("btnwin");
        h.startSkirmish();
    }
}

TEST_F(Heard, TheOpponentsAttackStopsItsBattleNoiseBeforeTheDefeatBox)
{
    startWindow("0", "1");
    h.startSkirmish();
    gw::GameState &s = h.gw->state();
    s.basehp = 5;
    s.recruits = s.infantry = s.snipers = s.mortarcrews = s.specialunits = 0;
    s.towers = s.minefields = 0;
    s.enemyrecruits = 30;
    s.enemyinfantry = 10;
    QStringList atDefeat;
    h.boxes.onBox = [&](const BoxWatcher::Box &) {
        waitForStreams(pid, {"sdefend"}, 3000, false);
        atDefeat = streamsOf(pid);
    };
    h.gw->random().seed(seedForFirstAction(11));
    h.click("btnendtry");
    ASSERT_EQ(h.boxes.texts(), QStringList({QString::fromUtf8("Ihre Basis wurde zerstört!")}));
    EXPECT_EQ(atDefeat, QStringList({"sdefend"}));
    EXPECT_TRUE(waitForStreams(pid, {}, 10000)) << "the call ends by itself";
}

} // namespace
