// SPDX-License-Identifier: MIT
#pragma once
// The arena's reference players. A player sees what the game screen shows
// it (Sight) and names one move (Order); the arena carries it out with
// applyMove, exactly as the window does.

#include "core/linelist.h"
#include "rules/actions.h"
#include "rules/enemyturn.h"
#include "rules/forecast.h"
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
    // The last-move line: what the opponent did in its last turn, and so
    // the gold it spent (nullptr before the first round end).
    const gw::EnemyTurnResult *lastmove = nullptr;
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

// passive, rush, rebuy, army, land, newcomer, best, landlord
const std::vector<std::string> &playerNames();
std::unique_ptr<Player> makePlayer(const std::string &name);

// Helpers the players share.
int blueBaseCell(const Sight &s);
// The free cell with the best tax gain the cash reaches (the lowest number
// among equals), 0 when none.
int bestLand(const Sight &s);

// The player's own forces, its defence and the opponent's defence as far
// as the screen shows it (its five forces; its buildings are not shown).
gw::Forces forcesOf(const Sight &s);
gw::Defenders defenceOf(const Sight &s);
gw::Defenders enemyDefence(const Sight &s);
// The opponent's income: the taxes of its blue cells.
int32_t opponentIncome(const Sight &s);
// Missing trained kinds (0..3) with and without equipment in store.
bool missingKind(const Sight &s, int kind);
std::array<int32_t, 4> unitsOf(const Sight &s);
std::array<int32_t, 4> kitsOf(const Sight &s);

// The opponent's gold as a player can follow it: its income from the blue
// land every round, less what the last-move line says it spent (or, when
// the line is missing, what its visible forces cost when they grew).
class GoldWatch {
public:
    void reset();
    void observe(const Sight &s);
    int64_t gold() const { return gold_; }

private:
    int64_t gold_ = 1000;
    std::array<int32_t, 5> seen_{};
    bool started_ = false;
};

std::unique_ptr<Player> makeBestPlayer();
std::unique_ptr<Player> makeLandlord();

} // namespace arena
