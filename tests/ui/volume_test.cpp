// SPDX-License-Identifier: MIT
// The two volumes on the options screen: heard at once by the players they
// belong to, kept in options.cfg, and never a switch.
#include "gameplay.h"
#include "input.h"

#include <QSlider>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Lines = std::vector<std::string>;

// The volume the log last gave the player, -1 when it gave none.
int lastVolume(const Harness &h, const char *player)
{
    const std::string prefix = std::string("volume ") + player + " ";
    for (auto it = h.volumes->rbegin(); it != h.volumes->rend(); ++it) {
        if (it->compare(0, prefix.size(), prefix) == 0)
            return std::stoi(it->substr(prefix.size()));
    }
    return -1;
}

QSlider *control(const Harness &h, const char *name) { return h.find<QSlider>(name); }

TEST(Volume, TheControlsReachThePlayersAtOnceAndTheFileKeepsThem)
{
    Harness h;
    h.dir.writeOptions({"Mittelmeer", "1", "1", "de"});
    h.start();
    EXPECT_EQ(lastVolume(h, "sbgmusic"), 100) << "full volume without a line";
    h.click("btnoptions");
    ASSERT_NE(control(h, "trkmusicvolume"), nullptr);
    EXPECT_EQ(control(h, "trkmusicvolume")->value(), 100);
    EXPECT_EQ(textOf(h, "labmusicvolume"), "100 %");
    h.sounds->clear();

    control(h, "trkmusicvolume")->setValue(50);
    EXPECT_EQ(lastVolume(h, "sbgmusic"), 50) << "while the screen is still open";
    EXPECT_EQ(textOf(h, "labmusicvolume"), "50 %");
    control(h, "trkeffectsvolume")->setValue(30);
    for (const char *effect : {"sfightbg", "sfight", "sdefend"})
        EXPECT_EQ(lastVolume(h, effect), 30) << effect;
    EXPECT_EQ(lastVolume(h, "sbgmusic"), 50) << "the effects leave the music alone";
    EXPECT_TRUE(h.sounds->empty()) << "a volume plays and stops nothing";

    h.click("btnoptionsback");
    EXPECT_EQ(h.dir.readLines("options.cfg"), (Lines{"Mittelmeer", "1", "1", "de", "musicvolume=50", "effectsvolume=30"}));

    // The next start gives the players their volumes and shows them.
    h.gw.reset();
    h.volumes->clear();
    h.start();
    EXPECT_EQ(lastVolume(h, "sbgmusic"), 50);
    EXPECT_EQ(lastVolume(h, "sdefend"), 30);
    h.click("btnoptions");
    EXPECT_EQ(control(h, "trkmusicvolume")->value(), 50);
    EXPECT_EQ(control(h, "trkeffectsvolume")->value(), 30);
    EXPECT_EQ(textOf(h, "labeffectsvolume"), "30 %");
}

TEST(Volume, ZeroIsSilenceNotASwitch)
{
    Harness h;
    h.dir.writeOptions({"Mittelmeer", "1", "1", "de"});
    h.start();
    h.click("btnoptions");
    h.sounds->clear();
    control(h, "trkmusicvolume")->setValue(0);
    control(h, "trkeffectsvolume")->setValue(0);
    EXPECT_EQ(lastVolume(h, "sbgmusic"), 0);
    EXPECT_EQ(h.gw->state().musicon, 1);
    EXPECT_EQ(h.gw->state().soundon, 1);
    EXPECT_EQ(textOf(h, "btnmusic"), "* Eingeschaltet *");
    EXPECT_TRUE(h.sounds->empty()) << "the music goes on playing, silently";

    // Switched off and on again, the music keeps its volume of 0.
    h.click("btnmusic");
    h.click("btnmusic");
    EXPECT_EQ(lastVolume(h, "sbgmusic"), 0);
    h.click("btnoptionsback");
    const Lines saved = h.dir.readLines("options.cfg");
    EXPECT_NE(std::find(saved.begin(), saved.end(), "musicvolume=0"), saved.end());
}

TEST(Volume, TheControlKeepsToStepsOfTen)
{
    Harness h;
    h.dir.writeOptions({"Mittelmeer", "0", "0", "de"});
    h.start();
    h.click("btnoptions");
    h.volumes->clear();
    QSlider *music = control(h, "trkmusicvolume");
    // A drag passes through every value in between.
    music->setValue(47);
    EXPECT_EQ(music->value(), 50);
    EXPECT_EQ(*h.volumes, (Lines{"volume sbgmusic 50"})) << "only the step is announced";
    // The keys step by 10 and stop at the ends.
    music->setFocus();
    pressKey(music, Qt::Key_Left);
    EXPECT_EQ(lastVolume(h, "sbgmusic"), 40);
    pressKey(music, Qt::Key_End);
    pressKey(music, Qt::Key_Right);
    EXPECT_EQ(music->value(), 100);
    EXPECT_EQ(textOf(h, "labmusicvolume"), "100 %");
}

TEST(Volume, TheFileHoldsALineOnlyWhenItIsNeededAndBadValuesAreFullVolume)
{
    // Full volume needs no line.
    {
        Harness h;
        h.dir.writeOptions({"Mittelmeer", "0", "0", "de"});
        h.start();
        h.click("btnoptions");
        h.click("btnoptionsback");
        EXPECT_EQ(h.dir.readLines("options.cfg"), (Lines{"Mittelmeer", "0", "0", "de"}));
    }
    // A file that has the line keeps it, in its place, among other keys.
    {
        Harness h;
        h.dir.writeOptions({"Mittelmeer", "0", "0", "de", "effectsvolume=70", "future=yes", "musicvolume=20"});
        h.start();
        h.click("btnoptions");
        EXPECT_EQ(control(h, "trkmusicvolume")->value(), 20);
        control(h, "trkmusicvolume")->setValue(100);
        h.click("btnoptionsback");
        EXPECT_EQ(h.dir.readLines("options.cfg"),
                  (Lines{"Mittelmeer", "0", "0", "de", "effectsvolume=70", "future=yes", "musicvolume=100"}));
    }
    // Anything but 0 to 100 in steps of 10 is full volume, without a box.
    for (const char *bad : {"55", "110", "-10", "abc", "", " 5 0"}) {
        SCOPED_TRACE(bad);
        Harness h;
        h.dir.writeOptions({"Mittelmeer", "0", "0", "de", std::string("musicvolume=") + bad});
        h.start();
        EXPECT_EQ(lastVolume(h, "sbgmusic"), 100);
        EXPECT_TRUE(h.boxes.boxes().empty()) << h.boxes.texts().join("; ").toStdString();
    }
}

} // namespace
