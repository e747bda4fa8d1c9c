// SPDX-License-Identifier: MIT
// The opponent's levels: the choosing opponents' judgement in hand-built
// positions, the shop rules of Schwer, and decisions that repeat.

#include "core/gamestate.h"
#include "core/random.h"
#include "recording_screen.h"
#include "rules/battle.h"
#include "rules/enemyturn.h"
#include "rules/opponent.h"
#include "state_snapshot.h"

#include <gtest/gtest.h>

using namespace gw;
using gw::test::changed;
using gw::test::fillField;
using gw::test::RecordingScreen;
using gw::test::snapshot;
using Changes = std::map<std::string, std::string>;

namespace {

constexpr int32_t kSchwer = static_cast<int32_t>(EnemyLevel::Schwer);
constexpr int32_t kMittel = static_cast<int32_t>(EnemyLevel::Mittel);

// A game in progress: both bases whole, the field taken (so the expansion
// has nothing to gain), the opponent at the given level.
GameState position(int32_t level)
{
    GameState s;
    fillField(s, "Red_Grass");
    s.basehp = s.enemybasehp = 100;
    s.taxes = s.enemytaxes = 130;
    s.rounds = 20;
    s.fieldactive = 1;
    s.enemylevel = level;
    return s;
}

// How many of `seeds` battles of the player's attack damage the opponent's base.
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

Move choose(const GameState &s, uint32_t seed = 1)
{
    Random random(seed);
    return opponentFor(s.enemylevel).choose(s, random);
}

// Which of the opponent's twelve actions a move is.
int actionOf(const Move &m) { return turnResult(m, MoveResult{}).action; }

} // namespace

// ---- Schwer's judgement ------------------------------------------------

// 300 recruits would walk through an empty base: after the opponent's move
// the same army no longer gets through, in real battles with real dice.
TEST(SchwerJudgement, DefendsWhenThePlayersVisibleArmyWouldGetThrough)
{
    GameState s = position(kSchwer);
    s.recruits = 300;
    s.enemycash = 5000;
    ASSERT_EQ(breakthroughs(s, 40), 40);

    RecordingScreen screen;
    Random random(3);
    const EnemyTurnResult r = enemyturn(s, random, screen);

    EXPECT_EQ(s.recruits, 300) << "the opponent defended by attacking";
    EXPECT_NE(r.tier, 0) << "action " << r.action;
    EXPECT_LE(breakthroughs(s, 40), 4);
}

// With every force and four times the player's defence, it attacks.
TEST(SchwerJudgement, AttacksWhenItsForcesBeatThePlayersDefence)
{
    GameState s = position(kSchwer);
    s.recruits = 50;
    s.towers = 1;
    s.enemyrecruits = 400;
    s.enemyinfantry = s.enemysnipers = s.enemymortarcrews = s.enemyspecialunits = 2;
    s.enemycash = 3000;

    EXPECT_EQ(actionOf(choose(s)), 11);
}

// A stronger player army than its gold can answer is no reason to attack
// into it: the opponent keeps its recruits at home.
TEST(SchwerJudgement, DoesNotAttackIntoADefenceThatHolds)
{
    GameState s = position(kSchwer);
    s.recruits = 600;
    s.enemyrecruits = 400;
    s.enemycash = 0;

    EXPECT_NE(actionOf(choose(s)), 11);
}

// Whatever the position, the chosen move does what it names: Schwer may
// keep its gold and end the round on purpose (its gold is its answer to the
// player's next purchase), but an order, a training, an expansion or an
// attack it names always acts.
TEST(SchwerJudgement, NeverChoosesAMoveThatCannotActWhileOneCould)
{
    Random positions(2024);
    for (int i = 0; i < 300; ++i) {
        GameState s = position(kSchwer);
        s.enemycash = positions.drawbelow(4) == 0 ? positions.drawbelow(60) : positions.drawbelow(20000);
        s.cash = positions.drawbelow(20000);
        s.recruits = positions.drawbelow(3) == 0 ? 0 : positions.drawbelow(1500);
        s.infantry = positions.drawbelow(20);
        s.enemyrecruits = positions.drawbelow(3) == 0 ? 0 : positions.drawbelow(1500);
        s.enemyinfantry = positions.drawbelow(20);
        s.enemymgs = positions.drawbelow(50);
        s.basehp = 5 + positions.drawbelow(96);
        if (positions.drawbelow(2) == 0)
            s.memgame.setLine(static_cast<std::size_t>(1 + positions.drawbelow(220)), "None_Farm");
        SCOPED_TRACE("position " + std::to_string(i));

        const bool couldAct = s.enemycash >= 10;
        const Move move = choose(s);
        GameState copy = s;
        Random dice(5);
        RecordingScreen screen;
        const EnemyTurnResult r = turnResult(move, applyMove(copy, Side::Blue, move, dice, screen));
        const bool acted = (r.action <= 10 && r.tier != 0) || (r.action == 11 && r.battle)
                           || (r.action == 12 && r.cellTaken);
        if (couldAct && move.kind != Move::Kind::EndRound) {
            EXPECT_TRUE(acted) << moveText(move);
        }
    }
}

// ---- Schwer's shop rules -----------------------------------------------

TEST(SchwerShop, BuysTheCountAtTheShopsPrice)
{
    GameState s;
    s.enemycash = 5000;
    s.enemymortars = 3;
    Random random(1);
    RecordingScreen screen;
    const auto before = snapshot(s);

    const EnemyTurnResult r = enemymove(s, random, screen, {4, 7, 0}, EnemyRules::Shop);

    EXPECT_EQ(changed(before, snapshot(s)), (Changes{{"enemymortars", "10"}, {"enemycash", "2900"}}));
    EXPECT_EQ(r.tier, 1);
    EXPECT_EQ(r.amount, 7);
    EXPECT_EQ(r.gold, 2100);
}

TEST(SchwerShop, TrainingUsesUpRecruitsAndEquipmentAndPaysTheFee)
{
    GameState s;
    s.enemycash = 1000;
    s.enemyrecruits = 10;
    s.enemyrifles = 6;
    Random random(1);
    RecordingScreen screen;
    const auto before = snapshot(s);

    const EnemyTurnResult r = enemymove(s, random, screen, {7, 6, 0}, EnemyRules::Shop);

    EXPECT_EQ(changed(before, snapshot(s)), (Changes{{"enemysnipers", "6"},
                                                     {"enemyrifles", "0"},
                                                     {"enemyrecruits", "4"},
                                                     {"enemycash", "700"}}));
    EXPECT_EQ(r.amount, 6);
    EXPECT_EQ(r.gold, 300);
}

// An order the gold, the equipment or the recruits do not cover is not
// shortened: nothing happens.
TEST(SchwerShop, AnOrderThatCannotBeCoveredDoesNothing)
{
    struct Case {
        EnemyMove move;
        int32_t gold, recruits, mgs;
    };
    for (const Case &c : {Case{{1, 101, 0}, 1000, 0, 0}, Case{{6, 5, 0}, 1000, 5, 4},
                          Case{{6, 5, 0}, 1000, 4, 5}, Case{{6, 5, 0}, 124, 5, 5}, Case{{2, 0, 0}, 1000, 0, 0}}) {
        GameState s;
        s.enemycash = c.gold;
        s.enemyrecruits = c.recruits;
        s.enemymgs = c.mgs;
        Random random(1);
        RecordingScreen screen;
        const auto before = snapshot(s);

        const EnemyTurnResult r = enemymove(s, random, screen, c.move, EnemyRules::Shop);

        EXPECT_TRUE(changed(before, snapshot(s)).empty()) << "action " << c.move.action;
        EXPECT_EQ(r.tier, 0);
    }
}

TEST(SchwerShop, CountsAboveTheEntriesRangeBuyTheirMost)
{
    GameState s;
    s.enemycash = 50000;
    Random random(1);
    RecordingScreen screen;

    const EnemyTurnResult r = enemymove(s, random, screen, {1, 5000, 0}, EnemyRules::Shop);

    EXPECT_EQ(s.enemyrecruits, kEnemyMaxCount);
    EXPECT_EQ(r.gold, 10 * kEnemyMaxCount);
}

// A chosen cell is taken without a draw, by the same rule as a drawn one.
TEST(ChosenExpansion, TakesTheChosenCellWithoutDrawing)
{
    GameState s;
    fillField(s, "Red_Grass");
    s.memgame.setLine(77, "None_Oasis");
    s.enemycash = 250;
    s.enemytaxes = 10;
    Random random(42);
    RecordingScreen screen;

    const EnemyTurnResult r = enemymove(s, random, screen, {12, 0, 77}, EnemyRules::Shop);

    EXPECT_EQ(random.state(), 42u);
    EXPECT_TRUE(r.cellTaken);
    EXPECT_EQ(r.target, 77);
    EXPECT_EQ(s.memgame.line(77), "Blue_Oasis");
    EXPECT_EQ(s.enemytaxes, 110);
    EXPECT_EQ(s.enemycash, 250);
    EXPECT_EQ(screen.calls, (std::vector<std::string>{"redraw"}));
}

// ---- Levels and repeatability --------------------------------------------

TEST(OpponentLevels, OutOfRangeLevelsCountAsTheNearestLevel)
{
    EXPECT_EQ(&opponentFor(-5), &opponentFor(0));
    EXPECT_EQ(&opponentFor(7), &opponentFor(2));
    EXPECT_EQ(opponentFor(0).rules(), EnemyRules::Tiers);
    EXPECT_EQ(opponentFor(1).rules(), EnemyRules::Tiers);
    EXPECT_EQ(opponentFor(2).rules(), EnemyRules::Shop);
}

// The same record and generator state give the same move and leave the
// generator in the same state, so a continued game plays on exactly.
TEST(OpponentLevels, DecisionsRepeatForTheSameRecordAndGenerator)
{
    for (int32_t level : {kMittel, kSchwer}) {
        for (uint32_t seed = 0; seed < 40; ++seed) {
            GameState s = position(level);
            s.recruits = static_cast<int32_t>(seed * 13 % 300);
            s.enemycash = static_cast<int32_t>(seed * 977 % 6000);
            s.enemyrecruits = static_cast<int32_t>(seed * 31 % 200);
            Random a(seed), b(seed);
            const Move ma = opponentFor(level).choose(s, a);
            const Move mb = opponentFor(level).choose(GameState(s), b);
            EXPECT_EQ(moveText(ma), moveText(mb));
            EXPECT_EQ(a.state(), b.state());
        }
    }
}

// Mittel thinks in some rounds and draws in the others, so over many
// generator states it both chooses and draws.
TEST(OpponentLevels, MittelSometimesDrawsLikeLeicht)
{
    GameState s = position(kMittel);
    s.recruits = 300;
    s.enemycash = 5000;
    int defended = 0, other = 0;
    for (uint32_t seed = 0; seed < 200; ++seed) {
        const int action = actionOf(choose(s, seed));
        (action == 1 || action == 10 ? defended : other) += 1;
    }
    EXPECT_GT(defended, 50);
    EXPECT_GT(other, 50);
}
