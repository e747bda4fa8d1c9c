// SPDX-License-Identifier: MIT
#pragma once

#include "rules/actions.h"
#include "rules/battle.h"
#include "rules/side.h"

#include <cstdint>
#include <optional>
#include <string>

namespace gw {

class Random;
class Screen;
struct GameState;

// One action that ends a side's turn, whoever takes it: the player at the
// window, a second player, the computer opponent, a reference player of
// the arena, a move read from a log or from the network. applyMove carries
// it out by the same rules for either side.
struct Move {
    enum class Kind : int32_t {
        EndRound, // nothing
        Land,     // buy the free cell `cell` at its price
        Purchase, // book `purchase` at the shop's prices (all or nothing)
        Training, // train `training` (fees, equipment and recruits used up)
        Build,    // build `building`
        Attack,   // attack the other side's base; `cell` one of its cells (0: the base, without a click)
        Expand,   // the computer opponent's expansion: take free land without paying for it, the
                  // price in hand; `cell` 0 draws the cell
        Tier,     // one of the computer opponent's actions 1..10 by the tier tables (`action`)
    };

    Kind kind = Kind::EndRound;
    PurchaseOrder purchase{};
    TrainingOrder training{};
    Building building = Building::Minefield;
    int32_t cell = 0;
    int32_t action = 0;

    static Move endRound() { return {}; }
    static Move land(int32_t cell) { return make(Kind::Land, cell); }
    static Move order(const PurchaseOrder &o) { Move m = make(Kind::Purchase); m.purchase = o; return m; }
    static Move train(const TrainingOrder &o) { Move m = make(Kind::Training); m.training = o; return m; }
    static Move construction(Building b) { Move m = make(Kind::Build); m.building = b; return m; }
    static Move attack(int32_t cell = 0) { return make(Kind::Attack, cell); }
    static Move expand(int32_t cell = 0) { return make(Kind::Expand, cell); }
    static Move tier(int32_t action) { Move m = make(Kind::Tier); m.action = action; return m; }

    bool operator==(const Move &o) const;
    bool operator!=(const Move &o) const { return !(*this == o); }

private:
    static Move make(Kind k, int32_t cell = 0) { Move m; m.kind = k; m.cell = cell; return m; }
};

// Why a move was refused. A refused move changes nothing and ends no turn.
enum class MoveRefusal {
    None,
    NotFreeLand,    // Land, Expand: the cell is owned land, a base or no cell (no message)
    NotEnoughGold,  // Land, Purchase, Build: "Kasse"
    OutOfRange,     // Purchase, Training: a count outside 0..999
    Equipment,      // Training: a count beyond its equipment (`kind` names the first)
    GoldOrRecruits, // Training: gold or recruits fall short
    NotAttackable,  // Attack: the cell is not the other side's base
    Invalid,        // a kind or action no move has
};

struct MoveResult {
    MoveRefusal refusal = MoveRefusal::None;
    int kind = 0;           // Equipment: the first unit kind short of it
    int32_t gold = 0;       // gold the move spent
    int tier = 0;           // Tier: 1..3 the tier that applied, 0 when the action did nothing
    int32_t amount = 0;     // Tier: what the action bought, trained or built
    int32_t cell = 0;       // Land, Expand: the cell bought, taken or drawn
    bool cellTaken = false; // Land, Expand: the cell became the side's
    std::string cellState;  // Land, Expand: the cell's state afterwards
    std::optional<BattleResult> battle; // Attack

    explicit operator bool() const { return refusal == MoveRefusal::None; }
};

// Carries out one move of `side`: the same prices, limits, fees and
// refusals for both sides; land becomes the side's ("Blue_Farm"), an attack
// runs the battle against the other side's base with its sounds and boxes
// (Red's as the player's attack, Blue's as the opponent's). The round end
// is not part of it. Draws from `random` only for a battle and for an
// expansion without a cell.
MoveResult applyMove(GameState &state, Side side, const Move &move, Random &random, Screen &screen);

// What the rules would answer to the move of `side` on this record,
// without changing it: tried on a copy, in silence, drawing from a
// generator of its own (so a battle's figures are not the real ones).
MoveResult checkMove(const GameState &state, Side side, const Move &move);

// A move as one line of text and back, for logs and messages:
// "purchase 100 0 0 0 0", "land 57", "attack 0", "tier 3".
std::string moveText(const Move &move);
// The move of such a text; nullopt for anything else (an unknown word, a
// number out of its range, missing or extra fields).
std::optional<Move> parseMove(const std::string &text);

} // namespace gw
