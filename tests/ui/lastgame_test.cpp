// SPDX-License-Identifier: MIT
// "Wiederholung": a game played through the window against the computer is
// kept as the last game and comes back on the game screen to exactly its
// end, touching nothing of the player's files; a changed log stops at its
// round with a box, a log of another version is refused.
#include "gameplay.h"
#include "input.h"

#include "core/linelist.h"
#include "core/textfile.h"
#include "rules/movelog.h"
#include "ui/panels/fieldpanel.h"
#include "ui/replaycontroller.h"

#include <QFile>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

bool shown(const Harness &h, const char *name) { return !h.widget(name)->isHidden(); }

QByteArray bytesOf(const Harness &h, const char *name)
{
    QFile f(h.dir.file(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(none)");
}

// A game against "Leicht" played to its end as a player would: 100
// recruits, then attacks while they last.
void playRush(Harness &h)
{
    h.dir.writeOptions({"", "0", "0"});
    h.start();
    h.gw->random().seed(4242);
    h.startSkirmish();
    const gw::GameState &s = h.gw->state();
    for (int turn = 0; turn < 300 && !shown(h, "panwin") && !shown(h, "panlose"); ++turn) {
        if (s.recruits > 0) {
            h.click("btnfight");
            h.click("btnletsfight");
            mouseClick(h.widget("Image200"));
        } else if (s.cash >= 1000) {
            h.click("btnbuyzone");
            typeInto(h, "edrec", "100");
            h.click("btnletsbuy");
        } else {
            h.click("btnendtry");
        }
    }
    ASSERT_TRUE(shown(h, "panwin") || shown(h, "panlose"));
}

class LastGame : public ::testing::Test {
protected:
    void SetUp() override
    {
        playRush(h);
        final_ = h.gw->state();
        h.click(shown(h, "panwin") ? "btnwin" : "btnlose");
        h.boxes.clear();
    }
    void openReplay()
    {
        h.click("btnskirmish");
        ASSERT_TRUE(shown(h, "btnreplay"));
        h.click("btnreplay");
    }
    void playToTheEnd()
    {
        EXPECT_EQ(textOf(h, "btnreplayspeed"), "2 Runden/s");
        for (int click = 0; click < 3; ++click)
            h.click("btnreplayspeed");
        EXPECT_EQ(textOf(h, "btnreplayspeed"), "25 Runden/s");
        h.click("btnreplayplay");
        ASSERT_TRUE(timer()->isActive());
        ASSERT_TRUE(waitUntil([this] { return h.gw->replay().replay()->over(); }, 20000));
    }
    QTimer *timer() const { return h.gw->findChild<QTimer *>("treplay"); }
    Harness h;
    gw::GameState final_;
};

} // namespace

TEST_F(LastGame, ComesBackToExactlyItsEndAndTouchesNothingOfThePlayers)
{
    const QByteArray options = bytesOf(h, "options.cfg"), stats = bytesOf(h, "stats.cfg"),
                     save = bytesOf(h, "savegame.gws");
    openReplay();
    ASSERT_TRUE(shown(h, "pangame"));
    EXPECT_FALSE(shown(h, "panskirmish"));
    EXPECT_TRUE(shown(h, "panreplay"));
    for (const char *command : {"btnbuyzone", "btntraining", "btnbuild", "btnfight", "btnendtry", "btninfo", "btnendgame"})
        EXPECT_FALSE(shown(h, command)) << command;
    EXPECT_FALSE(timer()->isActive()) << "the replay waits for the player";
    const int32_t rounds = final_.rounds;
    EXPECT_EQ(textOf(h, "labreplayround"), QString("Wiederholung: Runde 0 von %1").arg(rounds));
    const gw::LineList start = gw::readMoveLog(gw::readFileBytes(gw::kLastGamePath)).log.start.memgame;
    auto &field = *h.gw->findChild<gw::FieldPanel *>("panfield");
    for (int n = 1; n <= 220; ++n)
        ASSERT_EQ(field.shownState(n), start.line(static_cast<std::size_t>(n))) << n;

    h.click("btnreplaystep");
    EXPECT_EQ(textOf(h, "labreplayround"), QString("Wiederholung: Runde 1 von %1").arg(rounds));
    // A cell click does nothing to the replay nor to the game behind it.
    mouseClick(h.widget("Image200"));
    playToTheEnd();
    EXPECT_FALSE(timer()->isActive()) << "nothing plays after the end";
    EXPECT_TRUE(h.boxes.boxes().empty()) << h.boxes.texts().join("|").toStdString();
    const QString winner = final_.enemybasehp <= 0 ? "Rot hat gewonnen!" : "Blau hat gewonnen!";
    EXPECT_EQ(textOf(h, "labreplayround"), QString("Wiederholung: Runde %1 von %1 – %2").arg(rounds).arg(winner));
    // The field and the strip show the game's end.
    for (int n = 1; n <= 220; ++n)
        ASSERT_EQ(field.shownState(n), final_.memgame.line(static_cast<std::size_t>(n))) << n;
    EXPECT_EQ(textOf(h, "labcash"), QString::number(final_.cash));
    EXPECT_EQ(textOf(h, "labrecruits"), QString::number(final_.recruits));
    EXPECT_FALSE(h.find<QWidget>("btnreplayplay")->isEnabled());

    // Escape leaves the replay as "Zurück" does.
    pressKey(h.gw.get(), Qt::Key_Escape);
    EXPECT_FALSE(shown(h, "pangame"));
    EXPECT_TRUE(shown(h, "panskirmish"));
    EXPECT_EQ(bytesOf(h, "options.cfg"), options);
    EXPECT_EQ(bytesOf(h, "stats.cfg"), stats);
    EXPECT_EQ(bytesOf(h, "savegame.gws"), save);
    // A new game afterwards has its command row back.
    h.click("btnskirmishstart");
    EXPECT_TRUE(shown(h, "btnbuyzone"));
    EXPECT_FALSE(shown(h, "panreplay"));
}

TEST_F(LastGame, AChangedLogStopsAtItsRoundWithABox)
{
    std::vector<std::string> lines = gw::splitLines(gw::readFileBytes(gw::kLastGamePath));
    for (std::string &line : lines) {
        if (line.rfind("5 hash ", 0) == 0)
            line = "5 hash 0000000000000000";
    }
    h.dir.write(gw::kLastGamePath, QByteArray::fromStdString(gw::joinLines(lines)));
    openReplay();
    playToTheEnd();
    EXPECT_FALSE(timer()->isActive());
    EXPECT_EQ(h.boxes.texts(), QStringList{"In Runde 5 passt die Aufzeichnung nicht mehr zum Spiel: Der Spielstand "
                                           "nach der Runde ist nicht der aufgezeichnete."});
    EXPECT_EQ(textOf(h, "labreplayround"), QString("Wiederholung: Runde 5 von %1 – abgebrochen").arg(final_.rounds));

    // A log of another version plays nothing.
    h.click("btnreplayback");
    lines[0] = "grimsward-replay 2";
    h.dir.write(gw::kLastGamePath, QByteArray::fromStdString(gw::joinLines(lines)));
    h.boxes.clear();
    h.click("btnreplay");
    EXPECT_EQ(h.boxes.texts(), QStringList{"Die Datei lastgame.gwr kann nicht wiedergegeben werden: sie hat das "
                                           "Format 2, gelesen wird Format 1."});
    EXPECT_FALSE(shown(h, "pangame"));
}
