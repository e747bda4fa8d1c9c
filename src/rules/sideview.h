// SPDX-License-Identifier: MIT
#pragma once

#include "core/cells.h"
#include "core/side.h"
#include "rules/battle.h"
#include "rules/move.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace gw {

struct GameState;

// A side's own figures, as its status strip and information panel show
// them (offense and defense follow from them).
struct OwnFigures {
    int32_t cash = 0, taxes = 0;
    int32_t recruits = 0, mgs = 0, rifles = 0, mortars = 0, specpacks = 0;
    int32_t infantry = 0, snipers = 0, mortarcrews = 0, specialunits = 0;
    int32_t towers = 0, bunkers = 0, minefields = 0;
    int32_t basehp = 0;
    bool operator==(const OwnFigures &o) const;
};

// The other side as the opponent's information panel shows it: its forces,
// defences and base. Never its gold, taxes or equipment.
struct OtherFigures {
    int32_t recruits = 0, infantry = 0, snipers = 0, mortarcrews = 0, specialunits = 0;
    int32_t towers = 0, bunkers = 0, minefields = 0;
    int32_t basehp = 0;
    bool operator==(const OtherFigures &o) const;
};

// A move the game has carried out, as the keeper of the game hands it in.
struct PlayedMove {
    Side side = Side::Red;
    Move move;
    MoveResult result;
};

// The other side's last move as the viewing side may know it. Of a
// purchase only the recruits are told (the equipment bought stays hidden,
// as its stocks do); of a tier move's purchase of equipment only whether it
// bought any; the gold a move spent never.
struct SeenMove {
    Side side = Side::Red;
    Move move;
    int tier = 0;            // Tier: 1..3 the tier that applied (equipment: 1), 0 when it did nothing
    int32_t amount = 0;      // Tier: the recruits bought, units trained or buildings built (equipment: 0)
    int32_t cell = 0;        // Land, Expand: the cell bought or taken (drawn for an expansion)
    bool cellTaken = false;  // Land, Expand: the cell became the side's
    bool operator==(const SeenMove &o) const;
};

// A view holds the battles of at most this many moves: the viewer's last
// move and the other side's since, which is what a battle report shows.
constexpr std::size_t kViewBattles = 2;

// Exactly what one side's game screen shows: its own counters, the other
// side's forces, defences and base, the field, the round, the side on turn,
// the result, the other side's last move and the latest battles. A view
// carries nothing of the other side's gold, taxes or equipment, so it may
// be sent to the other side's player.
struct SideView {
    Side side = Side::Red;       // whose view it is
    int32_t round = 0;
    Side onTurn = Side::Red;
    std::optional<Side> winner;  // set once a base is destroyed
    OwnFigures own;
    OtherFigures other;
    std::array<std::string, kCells> cells; // the states of cells 1..220
    std::optional<SeenMove> lastMove;      // the other side's latest move
    std::vector<BattleResult> battles;     // oldest first, at most kViewBattles

    const std::string &cell(int n) const { return cells[static_cast<std::size_t>(n - 1)]; }
    bool operator==(const SideView &o) const;
    bool operator!=(const SideView &o) const { return !(*this == o); }
};

// The view of `side` of the record with `onTurn` to move. `recent` is the
// tail of the game's moves, oldest first: the view takes the other side's
// latest move from it and the battles of its last kViewBattles moves;
// refused moves in it are passed over. The winner follows from the bases:
// Red's when Blue's base is down, Blue's when Red's is.
SideView viewFor(const GameState &state, Side side, Side onTurn, const std::vector<PlayedMove> &recent = {});

// A move as another side may know it (see SeenMove).
SeenMove seenBy(Side viewer, const PlayedMove &played);

// The record as far as a view knows it: the viewer's counters, the other
// side's visible ones, the field and the round; every hidden counter 0.
// So the screen that draws a record can draw a view.
GameState recordOf(const SideView &view);

// Whether two battle results are the same in every figure.
bool sameBattle(const BattleResult &a, const BattleResult &b);

} // namespace gw
