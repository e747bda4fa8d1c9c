// SPDX-License-Identifier: MIT
#pragma once
// The arena's reference players. A player sees what the game screen shows
// it (Sight) and names one move (Order); the arena carries it out with
// applyMove, exactly as the window does.

#include "core/linelist.h"
#include "rules/actions.h"
#include "rules/move.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace arena {

// The game screen, as a player sees it: its own counters, the field, and
// from the information panels the opponent's five forces and base.
struct Sight {
    int32_t rounds = 0;
    int32_t cash = 0, taxes = 0, basehp = 0;
    int32_t recruits = 0, mgs = 0, rifles = 0, mortars = 0, specpacks = 0;
    int32_t infantry = 0, snipers = 0, mortarcrews = 0, specialunits = 0;
    int32_t towers = 0, bunkers = 0, minefields = 0;
    // The opponent: recruits, infantry, snipers, mortar crews, special units.
    std::array<int32_t, 5> enemyforces{};
    int32_t enemybasehp = 0;
    const gw::LineList *field = nullptr;
};

// One action of a turn: a move of the rules library, carried out for Red.
using Order = gw::Move;

class Player {
public:
    virtual ~Player() = default;
    // Called once at the start of every game.
    virtual void newGame() {}
    virtual Order play(const Sight &sight) = 0;
};

// passive, rush, army, land, best
const std::vector<std::string> &playerNames();
std::unique_ptr<Player> makePlayer(const std::string &name);

// Helpers the players share.
int blueBaseCell(const Sight &s);
// The free cell with the best tax gain the cash reaches (the lowest number
// among equals), 0 when none.
int bestLand(const Sight &s);

std::unique_ptr<Player> makeBestPlayer();

} // namespace arena
