// SPDX-License-Identifier: MIT
// The opponent's level through the window: chosen on the options screen and
// kept in options.cfg, given to a new game, kept by a saved game, and
// counted apart in the statistics.
#include "gameplay.h"

#include "core/cells.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

void chooseLevel(Harness &h, int clicks)
{
    h.click("btnoptions");
    for (int i = 0; i < clicks; ++i)
        h.click("btnlevel");
    h.click("btnoptionsback");
}

TEST(Level, ChosenOnTheOptionsScreenAndKeptInTheOptionsFile)
{
    Harness h;
    h.dir.writeOptions({"Mittelmeer", "0", "0", "de"});
    h.start();
    h.click("btnoptions");
    EXPECT_EQ(textOf(h, "btnlevel"), "* Leicht *") << "the default";
    h.click("btnlevel");
    EXPECT_EQ(textOf(h, "btnlevel"), "* Mittel *");
    h.click("btnlevel");
    EXPECT_EQ(textOf(h, "btnlevel"), "* Schwer *");
    h.click("btnoptionsback");
    EXPECT_EQ(h.dir.readLines("options.cfg"), (Lines{"Mittelmeer", "0", "0", "de", "level=2"}));

    // Another window reads it back; a value the game does not know is Leicht.
    h.gw.reset();
    h.start();
    h.click("btnoptions");
    EXPECT_EQ(textOf(h, "btnlevel"), "* Schwer *");
    h.click("btnlevel");
    EXPECT_EQ(textOf(h, "btnlevel"), "* Leicht *") << "round the list";
    h.click("btnoptionsback");
    h.gw.reset();
    h.dir.writeOptions({"Mittelmeer", "0", "0", "de", "level=7"});
    h.start();
    h.click("btnoptions");
    EXPECT_EQ(textOf(h, "btnlevel"), "* Leicht *");
    EXPECT_TRUE(h.boxes.boxes().empty()) << h.boxes.texts().join("; ").toStdString();
}

TEST(Level, AGameKeepsTheLevelItBeganWithThroughASaveAndAChangedOption)
{
    Harness h;
    h.dir.writeOptions({"Mittelmeer", "0", "0", "de"});
    h.start();
    chooseLevel(h, 2);
    h.startSkirmish();
    EXPECT_EQ(h.gw->state().enemylevel, 2);
    EXPECT_EQ(textOf(h, "labenemylevel"), "Gegner: Schwer");
    h.click("btnendtry");
    h.click("btnendgame");
    EXPECT_NE(h.dir.readLines("savegame.gws").size(), 0u);

    // The option changes; the saved game goes on at Schwer.
    chooseLevel(h, 1);
    h.gw.reset();
    h.start();
    h.click("btnskirmish");
    EXPECT_EQ(textOf(h, "labsavegame"), "Mittelmeer, Runde 1, Schwer");
    h.click("btncontinue");
    EXPECT_EQ(h.gw->state().enemylevel, 2);
    EXPECT_EQ(textOf(h, "labenemylevel"), "Gegner: Schwer");

    // A new game starts at the level now set.
    h.click("btnendgame");
    h.boxes.answerNext("&Ja");
    h.startSkirmish();
    EXPECT_EQ(h.gw->state().enemylevel, 0);
    EXPECT_EQ(textOf(h, "labenemylevel"), "Gegner: Leicht");
}

// Schwer answers an army that would walk through its empty base with one
// order of recruits and the equipment it lacks; the last-move line names the
// whole order, and says it again after "Fortsetzen".
TEST(Level, SchwersWholeOrderIsToldAndToldAgainAfterContinuing)
{
    Harness h;
    h.dir.writeOptions({"Mittelmeer", "0", "0", "de", "hints=0"});
    h.start();
    chooseLevel(h, 2);
    h.startSkirmish();
    gw::GameState &s = h.gw->state();
    for (int n = 1; n <= gw::kCells; ++n) {
        if (gw::freeTerrain(s.memgame.line(static_cast<std::size_t>(n))))
            s.memgame.setLine(static_cast<std::size_t>(n), "Red_Sand");
    }
    s.recruits = 400;
    s.infantry = s.snipers = s.mortarcrews = s.specialunits = 1;
    s.enemycash = 9000;
    h.click("btnendtry");
    const QString told = textOf(h, "lablastmove").replace('\n', ' ');
    EXPECT_TRUE(told.startsWith("Der Gegner hat ") && told.contains(" und ") && told.endsWith(" gekauft."))
        << told.toStdString();
    EXPECT_GT(s.enemyrecruits, 400);

    h.click("btnendgame");
    h.gw.reset();
    h.start();
    h.click("btnskirmish");
    h.click("btncontinue");
    EXPECT_EQ(h.gw->state().enemylevel, 2);
    EXPECT_EQ(textOf(h, "lablastmove").replace('\n', ' '), told);
}

TEST(Level, TheStatisticsAreCountedPerLevelAndShownForTheLevelSet)
{
    Harness h;
    h.dir.writeOptions({"Mittelmeer", "0", "0", "de"});
    h.start();
    chooseLevel(h, 1);
    h.startSkirmish();
    gw::GameState &s = h.gw->state();
    s.rounds = 30;
    s.recruits = 1;
    s.enemybasehp = 5;
    h.click("btnfight");
    h.click("btnletsfight");
    h.click(QString("Image%1").arg(firstCell(s, [](const std::string &c) { return c == gw::kBlueBase; })));
    ASSERT_FALSE(h.widget("panwin")->isHidden());
    h.click("btnwin");
    h.click("btnskirmish");
    EXPECT_EQ(textOf(h, "labstats"), "Siege: 1 · Niederlagen: 0 · Rekord: 30 Runden (Mittel)");
    h.click("btnskirmishback");
    chooseLevel(h, 2); // back to Leicht, which the line names too
    h.click("btnskirmish");
    EXPECT_EQ(textOf(h, "labstats"), "Siege: 0 · Niederlagen: 0 · Rekord: – (Leicht)");
    EXPECT_EQ(h.boxes.texts(), QStringList{"Sie haben die gegnerische Basis zerstört!"});
}

} // namespace
