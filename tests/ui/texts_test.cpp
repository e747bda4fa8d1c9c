// SPDX-License-Identifier: MIT
// The words built from the rules' results: the last move and the battle
// report, in the game's own language.
#include "core/gamestate.h"
#include "core/random.h"
#include "rules/battle.h"
#include "rules/enemyturn.h"
#include "rules/recording_screen.h"
#include "ui/language.h"
#include "ui/texts.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// A state in which every opponent action at its first tier can act.
gw::GameState richOpponent()
{
    gw::GameState s;
    s.enemycash = 5000;
    s.enemyrecruits = 100;
    s.enemymgs = s.enemyrifles = s.enemymortars = s.enemyspecpacks = 100;
    s.basehp = s.enemybasehp = 100;
    for (int n = 1; n <= 220; ++n)
        s.memgame.setLine(static_cast<std::size_t>(n), "None_Forest");
    return s;
}

std::string moveOf(gw::GameState s, int action)
{
    gw::Random rng(1);
    gw::test::RecordingScreen screen;
    return gw::Texts::lastMove(gw::enemyaction(s, rng, screen, action)).toStdString();
}

TEST(LastMove, SaysWhatEachActionDid)
{
    const gw::GameState rich = richOpponent();
    EXPECT_EQ(moveOf(rich, 1), "Der Gegner hat 100 Rekruten gekauft.");
    EXPECT_EQ(moveOf(rich, 2), "Der Gegner hat 20 MGs gekauft.");
    EXPECT_EQ(moveOf(rich, 3), "Der Gegner hat 10 Scharfschützengewehre gekauft.");
    EXPECT_EQ(moveOf(rich, 4), "Der Gegner hat 4 Mörser gekauft.");
    EXPECT_EQ(moveOf(rich, 5), "Der Gegner hat 3 Spezialausrüstungen gekauft.");
    EXPECT_EQ(moveOf(rich, 6), "Der Gegner hat 40 Infanteristen ausgebildet.");
    EXPECT_EQ(moveOf(rich, 7), "Der Gegner hat 20 Scharfschützen ausgebildet.");
    EXPECT_EQ(moveOf(rich, 8), "Der Gegner hat 8 Mörsertrupps ausgebildet.");
    EXPECT_EQ(moveOf(rich, 9), "Der Gegner hat 4 Sondereinheiten ausgebildet.");
    EXPECT_EQ(moveOf(rich, 10), "Der Gegner hat einen Geschützturm gebaut.");
    EXPECT_EQ(moveOf(rich, 12), "Der Gegner hat ein Feld besetzt (Wald).");
}

TEST(LastMove, SmallerTiersUseTheirOwnCountsAndSingulars)
{
    gw::GameState s = richOpponent();
    s.enemycash = 300;
    s.enemyrecruits = 1;
    s.enemyspecpacks = 1;
    EXPECT_EQ(moveOf(s, 3), "Der Gegner hat 1 Scharfschützengewehr gekauft.");
    EXPECT_EQ(moveOf(s, 4), "Der Gegner hat 1 Mörser gekauft.");
    EXPECT_EQ(moveOf(s, 9), "Der Gegner hat 1 Sondereinheit ausgebildet.");
    s.enemycash = 1000;
    EXPECT_EQ(moveOf(s, 10), "Der Gegner hat ein Minenfeld gebaut.");
    s.enemycash = 1500;
    EXPECT_EQ(moveOf(s, 10), "Der Gegner hat einen Bunker gebaut.");
}

TEST(LastMove, SaysSoWhenNothingHappened)
{
    gw::GameState poor = richOpponent();
    poor.enemycash = 40; // below every price
    for (int action : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12})
        EXPECT_EQ(moveOf(poor, action), "Der Gegner hat nichts getan.") << "action " << action;

    gw::GameState owned = richOpponent();
    for (int n = 1; n <= 220; ++n)
        owned.memgame.setLine(static_cast<std::size_t>(n), "Red_Farm");
    EXPECT_EQ(moveOf(owned, 12), "Der Gegner hat nichts getan.");
}

TEST(LastMove, TellsTheDamageOfAnAttack)
{
    gw::GameState s = richOpponent();
    s.enemyrecruits = 0; // no attackers
    EXPECT_EQ(moveOf(s, 11), "Der Gegner griff ohne Truppen an.");
    s.enemyrecruits = 1; // one recruit against the player's recruit: no damage either way
    s.recruits = 1;
    EXPECT_EQ(moveOf(s, 11).rfind("Der Gegner hat angegriffen. Ihre Basis ", 0), 0u) << moveOf(s, 11);
    s.recruits = 0;
    s.enemyrecruits = 1; // the player has no defenders: stage 1 deals 5
    EXPECT_EQ(moveOf(s, 11), "Der Gegner hat angegriffen. Ihre Basis verlor 5 HP.");
}

// An order or a training of several kinds (Schwer books them as the player
// does) names every kind with its count, in the shop's order; one kind
// keeps the words of a single purchase.
TEST(LastMove, NamesEveryKindOfAWholeOrder)
{
    auto line = [](const gw::Move &move, int32_t amount) {
        gw::EnemyTurnResult r = gw::turnResult(move, gw::MoveResult{});
        r.amount = amount;
        return gw::Texts::lastMove(r).toStdString();
    };
    EXPECT_EQ(line(gw::Move::order({120, 3, 0, 0, 0}), 123), "Der Gegner hat 120 Rekruten und 3 MGs gekauft.");
    EXPECT_EQ(line(gw::Move::order({0, 1, 1, 1, 1}), 4),
              "Der Gegner hat 1 MG, 1 Scharfschützengewehr, 1 Mörser und 1 Spezialausrüstung gekauft.");
    EXPECT_EQ(line(gw::Move::train({1, 0, 2, 999}), 1002),
              "Der Gegner hat 1 Infanteristen, 2 Mörsertrupps und 999 Sondereinheiten ausgebildet.");
    EXPECT_EQ(line(gw::Move::order({0, 0, 7, 0, 0}), 7), "Der Gegner hat 7 Scharfschützengewehre gekauft.");

    gw::setLanguage("en");
    EXPECT_EQ(line(gw::Move::order({120, 3, 0, 0, 1}), 124),
              "The enemy bought 120 recruits, 3 machine guns and 1 special pack.");
    EXPECT_EQ(line(gw::Move::train({5, 1, 0, 0}), 6), "The enemy trained 5 infantrymen and 1 sniper.");
    gw::setLanguage("de");
}

TEST(BattleReport, LinesFollowTheBattleResult)
{
    for (uint32_t seed = 0; seed < 50; ++seed) {
        gw::GameState s;
        s.recruits = 6;
        s.infantry = 4;
        s.snipers = 0;
        s.mortarcrews = 2;
        s.specialunits = 1;
        s.enemyrecruits = 3;
        s.enemytowers = 1;
        s.enemybasehp = 100;
        gw::Random rng(seed);
        const gw::BattleResult r = gw::fightBattle(s, rng, true);
        const QStringList lines = gw::Texts::battleReport(r);
        ASSERT_EQ(lines.size(), 7);
        EXPECT_EQ(lines[0], "Ihr Angriff auf die gegnerische Basis");
        EXPECT_EQ(lines[3], "3. Scharfschützen (0): kein Einsatz");
        for (int st = 0; st < 5; ++st) {
            const gw::BattleStage &stage = r.stages[static_cast<std::size_t>(st)];
            const std::string line = lines[st + 1].toStdString();
            EXPECT_EQ(line.find(std::to_string(st + 1) + ". "), 0u) << line;
            if (stage.attackersAtStart > 0) {
                EXPECT_NE(line.find(std::to_string(stage.rolls) + (stage.rolls == 1 ? " Wurf" : " Würfe")),
                          std::string::npos) << line;
                const int32_t lost = std::min(stage.attackersLost, stage.attackersAtStart);
                EXPECT_NE(line.find("Angreifer " + std::to_string(lost)), std::string::npos) << line;
                EXPECT_NE(line.find("Schaden " + std::to_string(stage.damage)), std::string::npos) << line;
            }
        }
        EXPECT_EQ(lines[6].toStdString(), "HP der Basis: 100 -> " + std::to_string(s.enemybasehp));
    }
}

TEST(BattleReport, NamesTheDefendersMetAndTheirLosses)
{
    gw::BattleResult r;
    r.attackerIsPlayer = false;
    r.basehpBefore = 40;
    r.basehpAfter = 35;
    for (int i = 0; i < 5; ++i)
        r.stages[static_cast<std::size_t>(i)].stage = i + 1;
    gw::BattleStage &st = r.stages[1];
    st.attackersAtStart = 12;
    st.rolls = 5;
    st.attackersLost = 7;
    st.rollsAgainst[5] = 4; // gun towers
    st.defendersAtStart[5] = 1;
    st.defendersLost[5] = 1;
    st.rollsAgainst[7] = 1; // minefields, met but not hurt: not named
    st.defendersAtStart[7] = 1;
    st.damage = 5;
    const QStringList lines = gw::Texts::battleReport(r);
    EXPECT_EQ(lines[0], "Angriff des Gegners auf Ihre Basis");
    EXPECT_EQ(lines[2], "2. Infanteristen (12): 5 Würfe; Verluste: Angreifer 7, Verteidiger 1 "
                        "(Geschütztürme -1); Schaden 5");
    EXPECT_EQ(lines[6], "HP der Basis: 40 -> 35");
}

} // namespace
