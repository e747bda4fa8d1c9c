// SPDX-License-Identifier: MIT
#pragma once

#include "core/side.h"

#include <cstdint>
#include <string>

namespace gw {

struct GameState;
struct Terrain;
enum class CounterLabel;

// One side's counters in the record, as members, so a rule is written once
// for both sides: state.*counters.cash is the side's gold.
struct SideCounters {
    using Counter = int32_t GameState::*;
    Counter cash, taxes;
    Counter recruits, mgs, rifles, mortars, specpacks;
    Counter infantry, snipers, mortarcrews, specialunits;
    Counter towers, bunkers, minefields;
    Counter basehp;

    // Equipment and trained units by kind 0..3 (infantry, snipers, mortar
    // crews, special units), stocks by the shop's order 0..4.
    Counter equipment(int kind) const;
    Counter units(int kind) const;
    Counter stock(int kind) const;
};

const SideCounters &countersOf(Side side);

// The state of a cell of this terrain owned by the side ("Red_Farm").
std::string ownedState(Side side, const Terrain &t);
// The side's base cell state: "Red_Base" or "Blue_Base".
const char *baseState(Side side);

// The record seen from the other side: every counter pair exchanged and
// every cell's owner word with it (Red_Farm becomes Blue_Farm, the bases
// change places). The round, the level and the scratch values stay.
GameState mirrored(const GameState &state);

// The side's counter that a value label of the status strip shows.
int32_t counterValue(const GameState &state, CounterLabel label, Side side);

} // namespace gw
