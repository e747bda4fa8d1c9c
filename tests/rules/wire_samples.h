// SPDX-License-Identifier: MIT
#pragma once
// Messages of every kind with figures that fill their fields, for the
// codec's tests.

#include "rules/sideview.h"
#include "wire/message.h"

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace gw::test {

inline BattleResult sampleBattle(bool red, int32_t seed)
{
    BattleResult b;
    b.attackerIsPlayer = red;
    b.basehpBefore = 40 + seed;
    b.basehpAfter = -5;
    for (int i = 0; i < 5; ++i) {
        BattleStage &s = b.stages[static_cast<std::size_t>(i)];
        s.stage = i + 1;
        s.attackersAtStart = i == 2 ? -3 : 100 * i + seed;
        s.attackersLost = 7 * i;
        s.rolls = 11 * i;
        s.damage = i % 2 == 0 ? 5 : 0;
        for (std::size_t d = 0; d < 8; ++d) {
            s.defendersAtStart[d] = static_cast<int32_t>(d) * 3 - i;
            s.defendersLost[d] = static_cast<int32_t>(d) * i;
            s.rollsAgainst[d] = static_cast<int32_t>(d + 1) * i;
        }
    }
    return b;
}

inline SideView sampleView()
{
    SideView v;
    v.side = Side::Blue;
    v.round = 57;
    v.onTurn = Side::Blue;
    v.winner = Side::Red;
    v.own = {std::numeric_limits<int32_t>::max(), 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13,
             std::numeric_limits<int32_t>::min()};
    v.other = {-1, 21, 22, 23, 24, 25, 26, 27, 0};
    const char *const states[] = {"None_Grass", "Red_SkyScraper", "Blue_Oasis", "Red_Base", "Blue_Base",
                                  "None_Heliport", "Blue_Flowers"};
    for (std::size_t i = 0; i < v.cells.size(); ++i)
        v.cells[i] = states[i % std::size(states)];
    SeenMove last;
    last.side = Side::Red;
    last.move = Move::land(219);
    last.cell = 219;
    last.cellTaken = true;
    v.lastMove = last;
    v.battles = {sampleBattle(true, 3), sampleBattle(false, 9)};
    return v;
}

inline wire::GameMap sampleMap()
{
    wire::GameMap m;
    m.name = "Großes Kap";
    for (std::size_t i = 0; i < m.cells.size(); ++i)
        m.cells[i] = i % 3 == 0 ? "None_Water" : "None_Sand";
    m.cells[0] = "Red_Base";
    m.cells[219] = "Blue_Base";
    m.taxes = 120;
    m.enemytaxes = -80;
    return m;
}

// One message of every type.
inline std::vector<wire::Message> sampleMessages()
{
    return {
        wire::Hello{1, "1.1", "K7MZQ4"},
        wire::Welcome{1, "1.1", sampleMap(), sampleView()},
        wire::Refused{NetReason::Version, 3, "2.0~beta+1"},
        wire::Goodbye{NetReason::OutOfTurn},
        wire::MoveMessage{Side::Blue, Move::order({999, 0, 12, 0, 1})},
        wire::MoveRefused{Move::train({1, 2, 3, 4}), MoveRefusal::Equipment, 2},
        wire::ViewMessage{sampleView()},
        wire::Ping{std::numeric_limits<uint32_t>::max()},
        wire::Pong{0},
    };
}

} // namespace gw::test
