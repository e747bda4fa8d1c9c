// SPDX-License-Identifier: MIT
// The real sound players, heard. scripts/with-null-sink.sh runs these tests
// next to a private PulseAudio server with one null sink: "pactl" lists the
// streams that play, and a recording of the sink's monitor is what a
// listener would hear, matched against the decoded music to tell where in
// the piece it plays.
#include "gameplay.h"
#include "harness.h"
#include "ui/optionscontroller.h"

#include "audio/mp3decoder.h"
#include "audio/soundsystem.h"
#include "core/cells.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

#include <pulse/error.h>
#include <pulse/simple.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <ostream>
#include <vector>

namespace {

constexpr int kMusicRate = 44100;

} // namespace

// Stream lists print as words in failure messages.
QT_BEGIN_NAMESPACE
void PrintTo(const QStringList &list, std::ostream *out) { *out << '{' << list.join(' ').toStdString() << '}'; }
QT_END_NAMESPACE

namespace {

bool privateServer() { return qEnvironmentVariable("GRIMSWARD_NULL_SINK") == "null"; }

// The names of the streams the process plays ("sbgmusic", ...), sorted.
QStringList streamsOf(qint64 pid)
{
    QProcess pactl;
    pactl.start("pactl", {"-f", "json", "list", "sink-inputs"});
    if (!pactl.waitForFinished(10000) || pactl.exitCode() != 0) {
        ADD_FAILURE() << "pactl failed: " << pactl.readAllStandardError().toStdString();
        return {};
    }
    QStringList names;
    for (const QJsonValue &v : QJsonDocument::fromJson(pactl.readAllStandardOutput()).array()) {
        const QJsonObject props = v.toObject().value("properties").toObject();
        if (props.value("application.process.id").toString().toLongLong() == pid)
            names << props.value("media.name").toString();
    }
    names.sort();
    return names;
}

// Waits until the process plays exactly these streams. With events the
// window goes on meanwhile; inside a message box's callback it cannot.
bool waitForStreams(qint64 pid, const QStringList &expected, int milliseconds, bool events = true)
{
    QElapsedTimer clock;
    clock.start();
    while (streamsOf(pid) != expected) {
        if (clock.elapsed() > milliseconds)
            return false;
        if (events)
            pump(50);
        else
            QThread::msleep(50);
    }
    return true;
}

int loudest(const std::vector<std::int16_t> &samples)
{
    int peak = 0;
    for (std::int16_t s : samples)
        peak = std::max(peak, std::abs(static_cast<int>(s)));
    return peak;
}

// Records what the null sink plays, mono at the music's rate. It listens all
// the time, from its construction on: a sink that nobody records renders far
// ahead of the clock, and a recording begun then would start in its future.
class Listener {
public:
    Listener()
    {
        pa_sample_spec sampleSpec{};
        sampleSpec.format = PA_SAMPLE_S16LE;
        sampleSpec.channels = 1;
        sampleSpec.rate = kMusicRate;
        pa_buffer_attr attr{};
        attr.maxlength = static_cast<std::uint32_t>(-1);
        attr.fragsize = static_cast<std::uint32_t>(pa_usec_to_bytes(20000, &sampleSpec));
        int error = 0;
        rec_ = pa_simple_new(nullptr, "Grimsward test", PA_STREAM_RECORD, "null.monitor", "heard", &sampleSpec, nullptr,
                             &attr, &error);
        if (!rec_)
            ADD_FAILURE() << "cannot record the null sink: " << pa_strerror(error);
    }
    ~Listener()
    {
        if (rec_)
            pa_simple_free(rec_);
    }
    Listener(const Listener &) = delete;
    Listener &operator=(const Listener &) = delete;

    // Waits until a tenth of a second passes in silence: what the sink had
    // mixed before a stream went still plays out, later on a loaded
    // machine. Returns whether it did within five seconds.
    bool waitUntilSilent()
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 5000) {
            if (loudest(listen(100)) <= 2)
                return true;
        }
        return false;
    }

    // Waits until something is heard: the null sink may take up to two
    // seconds to start a new stream. Returns whether it was.
    bool waitUntilHeard()
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 5000) {
            if (loudest(listen(100)) >= 100)
                return true;
        }
        return false;
    }

    // What plays from now on for the given time; the window waits meanwhile.
    // What was recorded before is thrown away, and with it the first 20 ms,
    // which may still hold a piece that was on its way.
    std::vector<std::int16_t> listen(int milliseconds)
    {
        std::vector<std::int16_t> stale(kMusicRate / 50);
        std::vector<std::int16_t> samples(static_cast<std::size_t>(kMusicRate) * milliseconds / 1000);
        int error = 0;
        if (!rec_ || pa_simple_flush(rec_, &error) < 0 ||
            pa_simple_read(rec_, stale.data(), stale.size() * 2, &error) < 0 ||
            pa_simple_read(rec_, samples.data(), samples.size() * 2, &error) < 0) {
            ADD_FAILURE() << "recording failed: " << pa_strerror(error);
            samples.clear();
        }
        return samples;
    }

private:
    pa_simple *rec_ = nullptr;
};

// The music, decoded the way the players decode it.
std::vector<std::int16_t> decodedMusic()
{
    gw::Mp3Decoder decoder("sound\\bgmusic.mp3");
    EXPECT_EQ(decoder.rate(), kMusicRate);
    EXPECT_EQ(decoder.channels(), 1);
    std::vector<std::int16_t> all(130 * kMusicRate);
    all.resize(decoder.read(all.data(), all.size() * 2) / 2);
    return all;
}

// Where in the music the recording began, in seconds (below 0 when it began
// before the music), or nothing when the recording is not the music. A loud stretch of the recording is looked for
// sample by sample; the server passes the samples through unchanged, give or
// take rounding.
std::optional<double> heardAt(const std::vector<std::int16_t> &music, const std::vector<std::int16_t> &heard)
{
    constexpr std::size_t kWindow = 1024;
    constexpr int kTolerance = 4;
    if (heard.size() < 2 * kWindow)
        return std::nullopt;
    std::size_t best = 0;
    long long bestEnergy = -1;
    for (std::size_t at = heard.size() / 4; at + kWindow <= heard.size(); at += kWindow / 4) {
        long long energy = 0;
        for (std::size_t i = 0; i < kWindow; ++i)
            energy += static_cast<long long>(heard[at + i]) * heard[at + i];
        if (energy > bestEnergy) {
            bestEnergy = energy;
            best = at;
        }
    }
    if (bestEnergy < static_cast<long long>(kWindow) * 100 * 100)
        return std::nullopt; // (next to) silence fits too many places
    for (std::size_t offset = 0; offset + kWindow <= music.size(); ++offset) {
        std::size_t i = 0;
        while (i < kWindow && std::abs(music[offset + i] - heard[best + i]) <= kTolerance)
            ++i;
        if (i == kWindow)
            return (static_cast<double>(offset) - static_cast<double>(best)) / kMusicRate;
    }
    return std::nullopt;
}

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
