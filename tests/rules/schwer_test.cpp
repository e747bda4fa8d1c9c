// SPDX-License-Identifier: MIT
// Schwer, the looking-ahead opponent, in hand-built positions: it takes land
// while the player's threat is small, defends in time (with the equipment it
// lacks in the same order), turns gold beyond one order of recruits into
// trained units, and only ever names moves the rules carry out. Leicht
// repeats its seeded games as they always were.

#include "core/cells.h"
#include "core/gamestate.h"
#include "core/random.h"
#include "rules/battle.h"
#include "rules/enemyturn.h"
#include "rules/lookahead.h"
#include "rules/opponent.h"
#include "rules/screen.h"
#include "state_snapshot.h"

#include <gtest/gtest.h>

using namespace gw;
using gw::test::fillField;

namespace {

constexpr int32_t kSchwer = static_cast<int32_t>(EnemyLevel::Schwer);

// A game early on: both bases whole, a few free cells of every kind, the
// rest of the field owned by the player.
GameState opening()
{
    GameState s;
    fillField(s, "Red_Grass");
    s.memgame.setLine(40, "None_SkyScraper");
    s.memgame.setLine(41, "None_Farm");
    s.memgame.setLine(42, "None_Water");
    s.memgame.setLine(43, "None_Grass");
    s.basehp = s.enemybasehp = 100;
    s.taxes = s.enemytaxes = 130;
    s.cash = s.enemycash = 1000;
    s.rounds = 1;
    s.fieldactive = 1;
    s.enemylevel = kSchwer;
    return s;
}

int kindsOf(const PurchaseOrder &p)
{
    int n = 0;
    for (int32_t c : p)
        n += c > 0 ? 1 : 0;
    return n;
}

// How often the player's army, attacking the opponent as it stands, damages
// its base in real battles with real dice.
int breakthroughs(const GameState &s, int seeds)
{
    int hits = 0;
    for (int seed = 0; seed < seeds; ++seed) {
        GameState copy = s;
        Random dice(static_cast<uint32_t>(seed) * 7919u + 1u);
        if (fightBattle(copy, dice, true).basehpAfter < s.enemybasehp)
            ++hits;
    }
    return hits;
}

Move schwerMove(const GameState &s)
{
    Random random(1);
    return opponentFor(kSchwer).choose(s, random);
}

} // namespace

// With nothing of the player's to fear, the first move of the game takes
// the best free cell, for nothing, as the expansion does.
TEST(SchwerLand, TakesTheBestFreeCellWhileThePlayerHasNoArmy)
{
    GameState s = opening();
    const Move m = schwerMove(s);
    ASSERT_EQ(m.kind, Move::Kind::Expand) << moveText(m);
    EXPECT_EQ(m.cell, 40);

    // A handful of recruits deals at most one stage's damage: still land.
    s.recruits = 20;
    s.rounds = 3;
    EXPECT_EQ(schwerMove(s).kind, Move::Kind::Expand) << moveText(schwerMove(s));
}

// An army of every kind that would walk through the empty base is answered
// at once, and in the same order the equipment of the kinds the opponent
// lacks; afterwards the army no longer gets through in real battles. (With
// a skyscraper still free this early, Schwer may take the land and the
// blow instead: the weights say which is worth more.)
TEST(SchwerDefence, AnswersAnArmyThatWouldGetThroughWithAMixedOrder)
{
    GameState s = opening();
    for (std::size_t cell : {40u, 41u, 42u})
        s.memgame.setLine(cell, "Red_Sand");
    s.rounds = 12;
    s.recruits = 400;
    s.infantry = s.snipers = s.mortarcrews = s.specialunits = 1;
    s.enemycash = 9000;
    s.enemytaxes = 600;
    const Move m = schwerMove(s);
    ASSERT_EQ(m.kind, Move::Kind::Purchase) << moveText(m);
    EXPECT_GT(m.purchase[0], 400);
    EXPECT_GE(kindsOf(m.purchase), 2) << moveText(m);

    Random random(3);
    SilentScreen screen;
    ASSERT_TRUE(applyMove(s, Side::Blue, m, random, screen));
    EXPECT_LE(breakthroughs(s, 40), 4);
}

// Both sides hold a thousand recruits and the land is gone; the opponent's
// gold is far beyond what one order of recruits can spend. Within a few
// turns it has trained units of its own, so the stand-off can end.
TEST(SchwerStandOff, TurnsGoldBeyondTheCapIntoTrainedUnits)
{
    GameState s = opening();
    fillField(s, "Red_Grass");
    s.rounds = 120;
    s.recruits = 1500;
    s.enemyrecruits = 1600;
    s.cash = 9000;
    s.enemycash = 400000;
    s.taxes = s.enemytaxes = 9000;
    Random random(5);
    SilentScreen screen;
    int32_t trained = 0;
    for (int turn = 0; turn < 4 && trained == 0; ++turn) {
        openSecondHalf(s, screen);
        const Move m = opponentFor(kSchwer).choose(s, random);
        ASSERT_TRUE(applyMove(s, Side::Blue, m, random, screen)) << moveText(m);
        closeRound(s, screen);
        trained = s.enemyinfantry + s.enemysnipers + s.enemymortarcrews + s.enemyspecialunits;
    }
    EXPECT_GT(trained, 0);
}

// The weights are part of the judgement, not of the rules: a position is
// judged the same by the level and by an opponent given the same weights.
TEST(SchwerMoves, TheLevelPlaysTheTunedWeights)
{
    GameState s = opening();
    s.recruits = 250;
    s.enemycash = 4000;
    Random a(1), b(1);
    EXPECT_EQ(opponentFor(kSchwer).choose(s, a), LookaheadOpponent(LookaheadWeights{}).choose(s, b));
}

// Leicht draws its actions as it always has: a passive player's seeded games
// end in the round, and with the opponent's forces, income and gold, that
// the game before the looking-ahead opponent gave them.
TEST(LeichtGames, RepeatTheirSeededResults)
{
    struct Result {
        int32_t rounds, enemyrecruits, enemyinfantry, enemytaxes, enemycash;
        bool operator==(const Result &o) const
        {
            return rounds == o.rounds && enemyrecruits == o.enemyrecruits && enemyinfantry == o.enemyinfantry
                   && enemytaxes == o.enemytaxes && enemycash == o.enemycash;
        }
    };
    const Result before[] = {{74, 300, 12, 130, 290}, {59, 248, 8, 130, 740}, {163, 182, 28, 180, 660},
                             {101, 262, 4, 130, 600}};
    for (uint32_t seed = 1; seed <= 4; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        GameState s = opening();
        s.enemylevel = static_cast<int32_t>(EnemyLevel::Leicht);
        Random random(seed);
        SilentScreen screen;
        while (s.basehp > 0 && s.rounds < 300)
            enemyturn(s, random, screen);
        const Result r{s.rounds, s.enemyrecruits, s.enemyinfantry, s.enemytaxes, s.enemycash};
        EXPECT_TRUE(r == before[seed - 1]) << r.rounds << " " << r.enemyrecruits << " " << r.enemyinfantry << " "
                                           << r.enemytaxes << " " << r.enemycash;
    }
}
