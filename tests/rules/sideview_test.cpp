// SPDX-License-Identifier: MIT
// What one side's screen shows of a game: its own counters, the other
// side's forces, defences and base, never the other side's gold, taxes or
// equipment, not even through the last move it reports.

#include "core/gamestate.h"
#include "core/random.h"
#include "rules/enemyturn.h"
#include "rules/move.h"
#include "rules/screen.h"
#include "rules/sideview.h"
#include "state_snapshot.h"
#include "wire/codec.h"

#include <gtest/gtest.h>

using namespace gw;

namespace {

GameState position()
{
    GameState s;
    gw::test::fillField(s, "None_Grass");
    s.memgame.setLine(1, "Red_Base");
    s.memgame.setLine(2, "Red_Farm");
    s.memgame.setLine(219, "Blue_Wood");
    s.memgame.setLine(220, "Blue_Base");
    s.rounds = 14;
    s.cash = 2300, s.enemycash = 1700;
    s.taxes = 220, s.enemytaxes = 160;
    s.recruits = 40, s.enemyrecruits = 31;
    s.mgs = 5, s.enemymgs = 6;
    s.rifles = 7, s.enemyrifles = 8;
    s.mortars = 9, s.enemymortars = 10;
    s.specpacks = 11, s.enemyspecpacks = 12;
    s.infantry = 13, s.enemyinfantry = 14;
    s.snipers = 15, s.enemysnipers = 16;
    s.mortarcrews = 17, s.enemymortarcrews = 18;
    s.specialunits = 19, s.enemyspecialunits = 20;
    s.towers = 1, s.enemytowers = 2;
    s.bunkers = 3, s.enemybunkers = 4;
    s.minefields = 5, s.enemyminefields = 6;
    s.basehp = 95, s.enemybasehp = 85;
    return s;
}

PlayedMove played(GameState &s, Side side, const Move &m, uint32_t seed = 5)
{
    Random random(seed);
    SilentScreen screen;
    return {side, m, applyMove(s, side, m, random, screen)};
}

} // namespace

TEST(SideView, BlueSeesNothingOfRedsGoldTaxesOrEquipmentNorOfWhatRedBought)
{
    // Two games alike in all Blue may see, apart in all it may not: Red's
    // gold, taxes and equipment, and the equipment of Red's last purchase.
    GameState a = position(), b = position();
    b.cash = 7777771, b.taxes = 7777772, b.mgs = 7777773, b.rifles = 7777774, b.mortars = 7777775,
    b.specpacks = 7777776;
    a.cash = b.cash = 99999;
    const PlayedMove buyA = played(a, Side::Red, Move::order({20, 1, 0, 0, 0}));
    const PlayedMove buyB = played(b, Side::Red, Move::order({20, 91, 82, 73, 64}));
    ASSERT_TRUE(buyA.result);
    ASSERT_TRUE(buyB.result);
    b.cash = 7777771, b.mgs = 7777773;

    const SideView va = viewFor(a, Side::Blue, Side::Blue, {buyA});
    const SideView vb = viewFor(b, Side::Blue, Side::Blue, {buyB});
    EXPECT_EQ(va, vb);
    const std::string sent = wire::body(wire::ViewMessage{vb});
    EXPECT_EQ(wire::body(wire::ViewMessage{va}), sent);
    for (const char *secret : {"777777", "99999", " 91", " 82", " 73", " 64"})
        EXPECT_EQ(sent.find(secret), std::string::npos) << secret << " in\n" << sent;

    // What Blue does see of Red: the recruits it bought, its forces, defences and base.
    ASSERT_TRUE(vb.lastMove);
    EXPECT_EQ(vb.lastMove->move, Move::order({20, 0, 0, 0, 0}));
    EXPECT_EQ(vb.other.recruits, 60);
    EXPECT_EQ(vb.other.infantry, 13);
    EXPECT_EQ(vb.other.specialunits, 19);
    EXPECT_EQ(vb.other.towers, 1);
    EXPECT_EQ(vb.other.minefields, 5);
    EXPECT_EQ(vb.other.basehp, 95);
}

TEST(SideView, EachSideSeesItsOwnCountersTheFieldTheRoundAndTheTurn)
{
    const GameState s = position();
    const SideView red = viewFor(s, Side::Red, Side::Blue);
    const SideView blue = viewFor(s, Side::Blue, Side::Blue);

    EXPECT_EQ(red.own, (OwnFigures{2300, 220, 40, 5, 7, 9, 11, 13, 15, 17, 19, 1, 3, 5, 95}));
    EXPECT_EQ(blue.own, (OwnFigures{1700, 160, 31, 6, 8, 10, 12, 14, 16, 18, 20, 2, 4, 6, 85}));
    EXPECT_EQ(red.other, (OtherFigures{31, 14, 16, 18, 20, 2, 4, 6, 85}));
    EXPECT_EQ(blue.other, (OtherFigures{40, 13, 15, 17, 19, 1, 3, 5, 95}));
    for (const SideView *v : {&red, &blue}) {
        EXPECT_EQ(v->round, 14);
        EXPECT_EQ(v->onTurn, Side::Blue);
        EXPECT_FALSE(v->winner);
        EXPECT_EQ(v->cell(1), "Red_Base");
        EXPECT_EQ(v->cell(219), "Blue_Wood");
        EXPECT_EQ(v->cell(100), "None_Grass");
    }
    EXPECT_EQ(red.side, Side::Red);
    EXPECT_EQ(blue.side, Side::Blue);

    // A view drawn as a record shows the same again; the hidden counters are 0.
    const GameState drawn = recordOf(blue);
    EXPECT_EQ(viewFor(drawn, Side::Blue, Side::Blue), blue);
    EXPECT_EQ(drawn.cash, 0);
    EXPECT_EQ(drawn.mgs, 0);
    EXPECT_EQ(drawn.enemycash, 1700);
    EXPECT_EQ(drawn.enemymgs, 6);
}

TEST(SideView, TheWinnerFollowsTheBaseThatFell)
{
    GameState s = position();
    s.enemybasehp = 0;
    EXPECT_EQ(viewFor(s, Side::Blue, Side::Red).winner, Side::Red);
    s.enemybasehp = 10;
    s.basehp = -5;
    EXPECT_EQ(viewFor(s, Side::Red, Side::Red).winner, Side::Blue);
}

TEST(SideView, TheLastMoveIsTheOtherSidesLatestDoneMoveAndTheBattlesThoseOfTheLastTwoMoves)
{
    GameState s = position();
    s.enemycash = 100;
    const PlayedMove redAttack = played(s, Side::Red, Move::attack(220), 9);
    ASSERT_TRUE(redAttack.result.battle);
    const PlayedMove blueLand = played(s, Side::Blue, Move::land(100));
    const PlayedMove blueRefused = played(s, Side::Blue, Move::construction(Building::Tower));
    ASSERT_FALSE(blueRefused.result);
    const PlayedMove blueAttack = played(s, Side::Blue, Move::attack(1), 11);
    ASSERT_TRUE(blueAttack.result.battle);

    // Red after its attack and Blue's land: Blue's land is the last move, and
    // the report holds Red's own battle.
    SideView red = viewFor(s, Side::Red, Side::Red, {redAttack, blueLand, blueRefused});
    ASSERT_TRUE(red.lastMove);
    EXPECT_EQ(red.lastMove->side, Side::Blue);
    EXPECT_EQ(red.lastMove->move, Move::land(100));
    EXPECT_TRUE(red.lastMove->cellTaken);
    EXPECT_EQ(red.lastMove->cell, 100);
    ASSERT_EQ(red.battles.size(), 1u);
    EXPECT_TRUE(sameBattle(red.battles[0], *redAttack.result.battle));

    // Blue never sees its own move as the last one; Red's attack it does.
    const SideView blue = viewFor(s, Side::Blue, Side::Red, {redAttack, blueLand});
    ASSERT_TRUE(blue.lastMove);
    EXPECT_EQ(blue.lastMove->move, Move::attack(220));

    // Three moves on: Red's battle has left the report, Blue's is in it.
    red = viewFor(s, Side::Red, Side::Red, {redAttack, blueLand, blueAttack});
    EXPECT_EQ(red.lastMove->move, Move::attack(1));
    ASSERT_EQ(red.battles.size(), 1u);
    EXPECT_FALSE(red.battles[0].attackerIsPlayer);
    EXPECT_TRUE(sameBattle(red.battles[0], *blueAttack.result.battle));
    const SideView both = viewFor(s, Side::Red, Side::Red, {redAttack, blueAttack});
    EXPECT_EQ(both.battles.size(), 2u);
}

TEST(SideView, AComputersTierPurchaseOfEquipmentIsToldOnlyAsDone)
{
    GameState s = position();
    const PlayedMove mgs = played(s, Side::Blue, Move::tier(2));
    ASSERT_GT(mgs.result.amount, 0);
    const SeenMove seen = seenBy(Side::Red, mgs);
    EXPECT_EQ(seen.tier, 1);
    EXPECT_EQ(seen.amount, 0);
    const PlayedMove recruits = played(s, Side::Blue, Move::tier(1));
    EXPECT_EQ(seenBy(Side::Red, recruits).amount, recruits.result.amount);
    // A side sees its own moves whole.
    EXPECT_EQ(seenBy(Side::Blue, mgs).amount, mgs.result.amount);
}
