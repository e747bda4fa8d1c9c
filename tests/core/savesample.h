// SPDX-License-Identifier: MIT
#pragma once
// A saved game whose every value differs from its neighbours' and from the
// defaults, and the comparison of two games, for the save file's tests.
#include "core/cells.h"
#include "core/linelist.h"
#include "core/savegame.h"

#include <gtest/gtest.h>

#include <climits>

namespace gw::test {

// A game whose every value differs from its neighbours' and from the
// defaults, the ends of the counters' range included.
inline gw::SavedGame sampleGame()
{
    gw::SavedGame g;
    g.mapName = "Big City Crisis";
    gw::GameState &s = g.state;
    int32_t v = -3;
    for (int32_t *c : {&s.cash, &s.enemycash, &s.taxes, &s.enemytaxes, &s.recruits, &s.enemyrecruits, &s.mgs,
                       &s.enemymgs, &s.rifles, &s.enemyrifles, &s.mortars, &s.enemymortars, &s.specpacks,
                       &s.enemyspecpacks, &s.infantry, &s.enemyinfantry, &s.snipers, &s.enemysnipers,
                       &s.mortarcrews, &s.enemymortarcrews, &s.specialunits, &s.enemyspecialunits, &s.towers,
                       &s.enemytowers, &s.bunkers, &s.enemybunkers, &s.minefields, &s.enemyminefields, &s.basehp,
                       &s.enemybasehp, &s.rounds, &s.fieldactive, &s.fieldmode, &s.costslot1, &s.costslot2,
                       &s.costslot3, &s.costslot4, &s.costslot5, &s.traincostslot1, &s.traincostslot2,
                       &s.traincostslot3, &s.traincostslot4, &s.offense, &s.defense, &s.enemytarget})
        *c = v += 37;
    s.cash = INT32_MAX;
    s.enemycash = INT32_MIN;
    s.cellstate = "Blue_Base";
    s.memgame = gw::LineList(221);
    const auto &t = gw::terrains();
    for (int n = 1; n <= gw::kCells; ++n) {
        const gw::Terrain &terrain = t[static_cast<std::size_t>(n) % t.size()];
        const std::string state = n % 3 == 0 ? gw::freeState(terrain)
                                  : n % 3 == 1 ? gw::playerState(terrain) : gw::opponentState(terrain);
        s.memgame.setLine(static_cast<std::size_t>(n), state);
    }
    s.memgame.setLine(0, g.mapName);
    s.memgame.setLine(1, "Red_Base");
    s.memgame.setLine(220, "Blue_Base");
    g.random = 0xFEDCBA98u;
    g.redraw = true;
    g.lastMove = {true, 11, 0, 0, 15, false, "", true};
    return g;
}

inline void expectSameGame(const gw::SavedGame &a, const gw::SavedGame &b)
{
    EXPECT_EQ(a.mapName, b.mapName);
    EXPECT_EQ(a.random, b.random);
    EXPECT_EQ(a.redraw, b.redraw);
    EXPECT_EQ(a.lastMove.shown, b.lastMove.shown);
    EXPECT_EQ(a.lastMove.action, b.lastMove.action);
    EXPECT_EQ(a.lastMove.tier, b.lastMove.tier);
    EXPECT_EQ(a.lastMove.amount, b.lastMove.amount);
    EXPECT_EQ(a.lastMove.damage, b.lastMove.damage);
    EXPECT_EQ(a.lastMove.cellTaken, b.lastMove.cellTaken);
    EXPECT_EQ(a.lastMove.cell, b.lastMove.cell);
    // restoreGame copies every counter; compare through it.
    gw::GameState x, y;
    gw::restoreGame(x, a);
    gw::restoreGame(y, b);
    EXPECT_EQ(x.memgame, y.memgame);
    EXPECT_EQ(x.cellstate, y.cellstate);
    EXPECT_EQ(gw::saveText(a), gw::saveText(b));
}

} // namespace gw::test
