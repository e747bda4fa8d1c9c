// SPDX-License-Identifier: MIT
// Two players at one screen: each side moves with the same panels on its
// own counters, a cover hides the screen between the halves, the result
// names the winner and leaves the statistics alone, a saved game goes on
// at the side on turn, and a map without both bases is refused.
#include "editing.h"
#include "gameplay.h"
#include "input.h"

#include "core/savegame.h"
#include "core/textfile.h"
#include "rules/movelog.h"
#include "ui/gamecontroller.h"
#include "ui/widgets/picturebox.h"

#include <QComboBox>

#include <gtest/gtest.h>

namespace {

constexpr int kRedBase = 21, kBlueBase = 200; // on "Mittelmeer"

bool shown(const Harness &h, const char *name) { return !h.widget(name)->isHidden(); }
bool covered(const Harness &h) { return shown(h, "pancover"); }
void reveal(Harness &h) { mouseClick(h.widget("pancover")); }
void cell(Harness &h, int n) { mouseClick(h.widget(QString("Image%1").arg(n))); }

void startTwoPlayers(Harness &h)
{
    h.dir.writeOptions({"", "0", "0"});
    h.start();
    h.click("btnskirmish");
    h.click("btnplayers");
    EXPECT_EQ(textOf(h, "btnplayers"), "Mensch (am selben Bildschirm)");
    h.click("btnskirmishstart");
    ASSERT_TRUE(shown(h, "pangame"));
}

void buyRecruits(Harness &h, int count)
{
    h.click("btnbuyzone");
    typeInto(h, "edrec", QString::number(count));
    h.click("btnletsbuy");
}

void attack(Harness &h, int n)
{
    h.click("btnfight");
    h.click("btnletsfight");
    cell(h, n);
}

} // namespace

TEST(TwoPlayers, EachSideMovesWithTheSamePanelsOnItsOwnCounters)
{
    Harness h;
    startTwoPlayers(h);
    const gw::GameState &s = h.gw->state();
    EXPECT_EQ(textOf(h, "labenemylevel"), "Runde 1 · Rot ist am Zug");
    EXPECT_FALSE(covered(h)) << "a new game starts with Red at the screen";

    buyRecruits(h, 10);
    EXPECT_EQ(s.recruits, 10);
    EXPECT_EQ(s.enemyrecruits, 0);
    ASSERT_TRUE(covered(h));
    EXPECT_EQ(textOf(h, "labcover"), "Blau ist am Zug – klicken, wenn Rot wegschaut.");
    // Under the cover the strip holds Blue's figures already, and nothing
    // of the game answers.
    EXPECT_EQ(textOf(h, "labrecruits"), "0");
    EXPECT_EQ(textOf(h, "labcash"), QString::number(s.enemycash));
    h.click("btnbuyzone");
    h.click("btnendtry");
    EXPECT_TRUE(h.widget("panbuy")->isHidden());
    EXPECT_EQ(s.rounds, 1) << "Red's income has come, Blue has not moved";

    reveal(h);
    EXPECT_FALSE(covered(h));
    EXPECT_EQ(textOf(h, "labenemylevel"), "Runde 1 · Blau ist am Zug");
    EXPECT_EQ(textOf(h, "lablastmove"), "Der Gegner hat 10 Rekruten gekauft.");
    const int32_t blueGold = s.enemycash;
    buyRecruits(h, 20);
    EXPECT_EQ(s.enemyrecruits, 20);
    EXPECT_EQ(s.recruits, 10);
    EXPECT_EQ(s.enemycash, blueGold - 200 + s.enemytaxes) << "Blue paid, then its income came";
    ASSERT_TRUE(covered(h));
    EXPECT_EQ(textOf(h, "labcover"), "Rot ist am Zug – klicken, wenn Blau wegschaut.");
    EXPECT_EQ(textOf(h, "labrecruits"), "10");
    reveal(h);
    EXPECT_EQ(textOf(h, "labenemylevel"), "Runde 2 · Rot ist am Zug");

    // Blue buys land with its own gold: the cell and the income are Blue's.
    h.click("btnendtry");
    reveal(h);
    const int land = firstCell(s, [](const std::string &c) { return c == "None_Sand"; });
    const int32_t blueTaxes = s.enemytaxes, redTaxes = s.taxes;
    h.click("btnbuyzone");
    h.click("btnbuyland");
    cell(h, land);
    EXPECT_EQ(s.memgame.line(static_cast<std::size_t>(land)), "Blue_Sand");
    EXPECT_EQ(s.enemytaxes, blueTaxes + 10);
    EXPECT_EQ(s.taxes, redTaxes);
    EXPECT_EQ(h.find<gw::PictureBox>(QString("Image%1").arg(land))->picture(),
              QImage(h.dir.file("images/Blue_Sand.bmp"), "BMP"));
    reveal(h);

    // On Blue's turn the information shows Blue's figures, the other
    // side's panel Red's; Blue attacks Red's base, not its own.
    h.click("btnendtry");
    reveal(h);
    h.click("btninfo");
    h.click("btnenemyinfo");
    EXPECT_EQ(textOf(h, "labrecb"), "Rekruten: 10");
    EXPECT_EQ(textOf(h, "Label58"), "Bitte klicken Sie auf die gegnerische (rote)");
    attack(h, kBlueBase);
    EXPECT_EQ(h.boxes.texts(), QStringList{"Dieses Feld kann nicht angegriffen werden!"});
    EXPECT_EQ(textOf(h, "lablastmove"), "Angriff: Klicken Sie auf die rote Basis.");
    cell(h, kRedBase);
    EXPECT_LT(s.recruits + s.enemyrecruits, 30) << "the two sides' recruits fought";
    ASSERT_TRUE(covered(h)) << "the report waits under the cover";
    EXPECT_TRUE(shown(h, "panreport"));
    EXPECT_EQ(textOf(h, "labreporthead1"), "Angriff von Blau auf die rote Basis");
    EXPECT_TRUE(shown(h, "panreport"));

    // The log holds every move of both sides, in order.
    const std::string save = gw::readFileBytes("savegame.gws");
    for (const char *line : {"log 1 red purchase 10 0 0 0 0", "log 1 blue purchase 20 0 0 0 0", "log 2 red end",
                             "log 3 blue attack 21", "players 2"})
        EXPECT_NE(save.find(line), std::string::npos) << line;
}

TEST(TwoPlayers, TheResultNamesTheWinnerAndLeavesTheStatisticsAlone)
{
    for (gw::Side winner : {gw::Side::Red, gw::Side::Blue}) {
        SCOPED_TRACE(winner == gw::Side::Red ? "Red wins" : "Blue wins");
        Harness h;
        startTwoPlayers(h);
        gw::GameState &s = h.gw->state();
        // The losing base is one stage from its end.
        (winner == gw::Side::Red ? s.enemybasehp : s.basehp) = 5;
        // The winner buys one recruit, the other side nothing; in round 2
        // the recruit meets no defender.
        if (winner == gw::Side::Red) {
            buyRecruits(h, 1);
            reveal(h);
            h.click("btnendtry");
            reveal(h);
            attack(h, 199);
        } else {
            h.click("btnendtry");
            reveal(h);
            buyRecruits(h, 1);
            reveal(h);
            h.click("btnendtry");
            reveal(h);
            attack(h, 22);
        }
        ASSERT_EQ(h.boxes.boxes().size(), 1u);
        EXPECT_EQ(h.boxes.boxes()[0].title, "Herzlichen Glückwunsch !!!");
        EXPECT_EQ(h.boxes.boxes()[0].text, winner == gw::Side::Red ? "Rot hat die blaue Basis zerstört!"
                                                                    : "Blau hat die rote Basis zerstört!");
        EXPECT_TRUE(shown(h, "panwin"));
        EXPECT_FALSE(shown(h, "panlose"));
        EXPECT_EQ(textOf(h, "labwin"), winner == gw::Side::Red ? "Rot hat gewonnen!" : "Blau hat gewonnen!");
        EXPECT_EQ(textOf(h, "labwinnote"), "in Runde 2");
        EXPECT_FALSE(covered(h)) << "the decided game is for both to see";
        EXPECT_FALSE(QFile::exists(h.dir.file("stats.cfg")));
        EXPECT_FALSE(QFile::exists(h.dir.file("savegame.gws")));
        const gw::LogReadResult last = gw::readMoveLog(gw::readFileBytes(gw::kLastGamePath));
        ASSERT_EQ(last.fault, gw::LogFault::None) << last.line << ": " << last.text;
        EXPECT_EQ(last.log.players, gw::Players::SameScreen);
        EXPECT_EQ(last.log.winner, winner);
        EXPECT_EQ(last.log.rounds.back().number, s.rounds);
    }
}

TEST(TwoPlayers, ASavedGameGoesOnAtTheSideOnTurnUnderTheCover)
{
    Harness h;
    startTwoPlayers(h);
    buyRecruits(h, 10);
    reveal(h);
    h.click("btnendgame");
    h.gw.reset();
    h.start();
    h.click("btnskirmish");
    EXPECT_EQ(textOf(h, "labsavegame"), "Mittelmeer, Runde 1, zu zweit");
    h.click("btncontinue");
    ASSERT_TRUE(shown(h, "pangame"));
    EXPECT_EQ(h.gw->game().players(), gw::Players::SameScreen);
    EXPECT_EQ(h.gw->game().turn(), gw::Side::Blue);
    ASSERT_TRUE(covered(h));
    EXPECT_EQ(textOf(h, "labcover"), "Blau ist am Zug – klicken, wenn Rot wegschaut.");
    EXPECT_EQ(textOf(h, "labrecruits"), "0");
    reveal(h);
    buyRecruits(h, 30);
    const gw::GameState &s = h.gw->state();
    EXPECT_EQ(s.enemyrecruits, 30);
    EXPECT_EQ(s.recruits, 10);
    EXPECT_EQ(s.rounds, 1);
    EXPECT_TRUE(covered(h));
    // The log went on where it stopped, and the round it closed is whole.
    const gw::SaveReadResult save = gw::readSaveText(gw::readFileBytes("savegame.gws"));
    const gw::LogReadResult log = gw::readMoveLog(save.game.log);
    ASSERT_EQ(log.fault, gw::LogFault::None) << log.line << ": " << log.text;
    ASSERT_EQ(log.log.rounds.size(), 1u);
    EXPECT_EQ(log.log.rounds[0].blue, gw::Move::order({30, 0, 0, 0, 0}));
    EXPECT_EQ(log.log.rounds[0].hash, gw::recordHash(s));
}

TEST(TwoPlayers, AMapWithoutRedsBaseIsPlayedAgainstTheComputerOnly)
{
    Harness h;
    h.dir.writeOptions({"", "0", "0"});
    writeOwnMapFile(h, "Ohne Rot", "None_Grass");
    h.start();
    h.click("btnskirmish");
    auto *list = h.find<QComboBox>("maplist");
    list->setCurrentIndex(list->findText("Ohne Rot"));
    h.click("btnplayers");
    h.click("btnskirmishstart");
    EXPECT_EQ(h.boxes.texts(), QStringList{"Auf dieser Karte hat Rot keine Basis (Red_Base). Sie kann nur gegen den "
                                           "Computer gespielt werden."});
    EXPECT_FALSE(shown(h, "pangame"));
    h.click("btnplayers");
    h.click("btnskirmishstart");
    EXPECT_TRUE(shown(h, "pangame"));
    EXPECT_EQ(h.gw->game().players(), gw::Players::Computer);
}
