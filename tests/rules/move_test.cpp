// SPDX-License-Identifier: MIT
// One move type for both sides: a position and its mirror image (the sides'
// counters and cells exchanged) give mirrored results for every kind of
// move, refusals included; and a move's text reads back as the same move.

#include "core/gamestate.h"
#include "core/random.h"
#include "rules/move.h"
#include "rules/screen.h"
#include "state_snapshot.h"

#include <gtest/gtest.h>

using namespace gw;
using gw::test::snapshot;

namespace {

// A position in which Blue holds more than Red of everything, so a rule
// that reads the wrong side's counter refuses or succeeds where it should not.
GameState uneven()
{
    GameState s;
    gw::test::fillField(s, "None_Grass");
    s.memgame.setLine(5, "Red_Base");
    s.memgame.setLine(6, "Red_Farm");
    s.memgame.setLine(200, "Blue_Base");
    s.memgame.setLine(50, "None_SkyScraper");
    s.cash = 900;
    s.enemycash = 4100;
    s.taxes = 100;
    s.enemytaxes = 300;
    s.recruits = 30;
    s.enemyrecruits = 260;
    s.mgs = 2;
    s.enemymgs = 40;
    s.rifles = 1;
    s.enemyrifles = 7;
    s.infantry = 3;
    s.enemyinfantry = 12;
    s.snipers = 1;
    s.towers = 1;
    s.enemybunkers = 1;
    s.basehp = 80;
    s.enemybasehp = 100;
    s.fieldactive = 1;
    return s;
}

struct Outcome {
    gw::test::Snapshot after;
    MoveResult result;
};

Outcome play(GameState s, Side side, const Move &m)
{
    Random random(77);
    SilentScreen screen;
    Outcome o;
    o.result = applyMove(s, side, m, random, screen);
    o.after = snapshot(s);
    return o;
}

} // namespace

TEST(Move, BlueMirrorsRedForEveryKindRefusalsIncluded)
{
    const GameState red = uneven();
    const GameState blue = mirrored(red);

    struct Case {
        const char *what;
        Move move;
    };
    const Case cases[] = {
        {"end", Move::endRound()},
        {"land", Move::land(50)},
        {"land too dear", Move::land(50)},
        {"owned land", Move::land(6)},
        {"purchase", Move::order({20, 1, 0, 0, 0})},
        {"purchase beyond the gold", Move::order({0, 0, 0, 0, 5})},
        {"purchase out of range", Move::order({1000, 0, 0, 0, 0})},
        {"training", Move::train({2, 1, 0, 0})},
        {"training beyond the equipment", Move::train({0, 0, 1, 0})},
        {"training beyond the recruits", Move::train({2, 1, 0, 0})},
        {"build", Move::construction(Building::Minefield)},
        {"build beyond the gold", Move::construction(Building::Tower)},
        {"expand", Move::expand(50)},
        {"tier purchase", Move::tier(1)},
        {"tier training", Move::tier(6)},
        {"tier building", Move::tier(10)},
        {"attack the own base", Move::attack(5)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        GameState r = red, b = blue;
        const std::string what = c.what;
        if (what == "land too dear") {
            r.cash = 10;
            b = mirrored(r);
        }
        if (what == "training beyond the recruits") {
            r.recruits = 2;
            b = mirrored(r);
        }
        // The mirror exchanges owners, not places: a cell number names the
        // same cell in both positions.
        const Move mr = c.move, mb = c.move;
        const Outcome byRed = play(r, Side::Red, mr);
        const Outcome byBlue = play(b, Side::Blue, mb);
        EXPECT_EQ(byRed.result.refusal, byBlue.result.refusal);
        EXPECT_EQ(byRed.result.kind, byBlue.result.kind);
        EXPECT_EQ(byRed.result.gold, byBlue.result.gold);
        EXPECT_EQ(byRed.result.tier, byBlue.result.tier);
        // The cost lines are the window's scratch; only Red's panels keep them.
        gw::test::Snapshot expected = snapshot(mirrored([&] {
            GameState s = r;
            Random random(77);
            SilentScreen screen;
            applyMove(s, Side::Red, mr, random, screen);
            return s;
        }()));
        gw::test::Snapshot actual = byBlue.after;
        for (const char *scratch : {"costslot1", "costslot2", "costslot3", "costslot4", "costslot5",
                                    "traincostslot1", "traincostslot2", "traincostslot3", "traincostslot4"})
            expected.erase(scratch), actual.erase(scratch);
        EXPECT_EQ(gw::test::changed(expected, actual), gw::test::Snapshot{});
    }
}

// A battle in either direction with the same dice: the attack on the other
// side's base is the same battle, mirrored; a cell that is not that base is
// refused without a roll.
TEST(Move, AnAttackIsTheSameBattleFromEitherSide)
{
    GameState r = uneven();
    r.recruits = 400;
    r.infantry = 10;
    GameState b = mirrored(r);

    Random dr(9), db(9);
    SilentScreen screen;
    const MoveResult byRed = applyMove(r, Side::Red, Move::attack(200), dr, screen);
    const MoveResult byBlue = applyMove(b, Side::Blue, Move::attack(200), db, screen);
    ASSERT_TRUE(byRed.battle && byBlue.battle);
    EXPECT_EQ(byRed.battle->basehpAfter, byBlue.battle->basehpAfter);
    EXPECT_LT(byRed.battle->basehpAfter, byRed.battle->basehpBefore);
    EXPECT_EQ(snapshot(mirrored(r)), snapshot(b));

    GameState s = uneven();
    Random dice(9);
    const MoveResult wrong = applyMove(s, Side::Blue, Move::attack(200), dice, screen);
    EXPECT_EQ(wrong.refusal, MoveRefusal::NotAttackable);
    EXPECT_FALSE(wrong.battle);
    EXPECT_EQ(dice.state(), 9u);
    EXPECT_EQ(snapshot(s), snapshot(uneven()));
}

TEST(Move, TextReadsBackAsTheSameMoveAndRefusesAnythingElse)
{
    const Move moves[] = {Move::endRound(),         Move::land(220),
                          Move::order({999, 0, 3, 0, 1}), Move::train({0, 4, 0, 999}),
                          Move::construction(Building::Bunker), Move::attack(0),
                          Move::attack(17),         Move::expand(0),
                          Move::tier(10)};
    for (const Move &m : moves) {
        const std::optional<Move> back = parseMove(moveText(m));
        ASSERT_TRUE(back) << moveText(m);
        EXPECT_EQ(*back, m) << moveText(m);
    }
    for (const char *bad : {"", "land", "land 0", "land 221", "purchase 1 2 3 4", "purchase 1 2 3 4 5 6",
                            "purchase 1000 0 0 0 0", "purchase -1 0 0 0 0", "training 0x10 0 0 0",
                            "build 3", "tier 11", "tier 0", "fly 3", "end 1", "land 5\t",
                            "attack 99999999999"})
        EXPECT_FALSE(parseMove(bad)) << '"' << bad << '"';
}
