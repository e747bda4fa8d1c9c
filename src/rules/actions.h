// SPDX-License-Identifier: MIT
#pragma once

#include "rules/side.h"

#include <array>
#include <cstdint>
#include <string>

namespace gw {

class Random;
class Screen;
struct GameState;

// ---- Field clicks --------------------------------------------------------

// What a click on a cell asks for, decided before anything changes.
enum class FieldClick {
    Ignored,        // field inactive, mode 0, or owned land in buy mode: nothing at all
    NotEnoughGold,  // buy mode, free land, too little gold: "Kasse" box
    BuyLand,        // buy mode, free land, enough gold
    NotAttackable,  // attack mode, not "Blue_Base": "Grimsward" box
    Attack,         // attack mode on "Blue_Base"
};

// Copies line n of the field list into cellstate and decides the click of
// the side on turn: land it buys with its gold, the other side's base it
// attacks (NotAttackable and Attack name that base for Blue too).
FieldClick classifyFieldClick(GameState &state, int n, Side side = Side::Red);

// The state a land purchase of the clicked cell (cellstate) would write,
// "Red_" (or the side's) + terrain, so the window can load its picture
// before anything changes; empty when cellstate is not free land.
std::string boughtLandState(const GameState &state, Side side = Side::Red);

// Carries out a land purchase of cell n that classifyFieldClick allowed:
// the cell becomes the player's, taxes rise, the price is paid. Returns the
// new state. Shows nothing and does not end the turn. Checks again and
// changes nothing (returning line n as it is) when the cell is not free land
// or the gold falls short.
std::string buyLand(GameState &state, int n, Side side = Side::Red);

// ---- Equipment purchase --------------------------------------------------

constexpr std::array<int32_t, 5> kPurchasePrices = {10, 50, 100, 300, 500};

// Counts of recruits, machine guns, sniper rifles, mortars, special packs.
using PurchaseOrder = std::array<int32_t, 5>;

// The entries take whole numbers from 0 to 999; an order with any count
// outside that range is refused as a whole.
constexpr int32_t kMaxOrderCount = 999;

int64_t purchaseTotal(const PurchaseOrder &order);
// Stores count x price into costslot1..5.
void setPurchaseSlots(GameState &state, const PurchaseOrder &order);
// Books the order when the gold reaches its total: gold paid, stocks up,
// costslot1..5 back to 0. False (nothing changed) when the gold falls short
// or a count lies outside 0..kMaxOrderCount.
bool bookPurchase(GameState &state, const PurchaseOrder &order);
// The same for either side, without touching the cost lines.
bool bookPurchase(GameState &state, Side side, const PurchaseOrder &order);

// ---- Training ------------------------------------------------------------

constexpr std::array<int32_t, 4> kTrainingFees = {25, 50, 150, 300};

// Counts of infantry, snipers, mortar crews, special units.
using TrainingOrder = std::array<int32_t, 4>;

int64_t trainingTotal(const TrainingOrder &order);
// Stores count x fee into traincostslot1..4.
void setTrainingSlots(GameState &state, const TrainingOrder &order);
// The equipment a count of unit kind k (0..3) needs: mgs, rifles, mortars, specpacks.
int32_t equipmentFor(const GameState &state, int kind);
// Why a training was refused, if it was.
struct TrainingResult {
    enum class Refusal { None, Equipment, GoldOrRecruits };
    Refusal refusal = Refusal::None;
    int kind = 0; // for Equipment: the first unit kind whose equipment is short
    explicit operator bool() const { return refusal == Refusal::None; }
};

// Trains when equipment, gold and recruits suffice: gold paid, units up,
// equipment and recruits down, traincostslot1..4 back to 0. Refused, with
// nothing changed, when a count exceeds its equipment, when gold or
// recruits fall short, or when a count lies outside 0..kMaxOrderCount (a
// gold-or-recruits refusal).
TrainingResult train(GameState &state, const TrainingOrder &order);
// The same for either side, without touching the cost lines.
TrainingResult train(GameState &state, Side side, const TrainingOrder &order);

// ---- Construction --------------------------------------------------------

enum class Building { Tower, Bunker, Minefield };
int32_t buildingPrice(Building b);
// Builds when the gold suffices; false (nothing changed) otherwise.
bool build(GameState &state, Building b);
bool build(GameState &state, Side side, Building b);

// ---- Information ---------------------------------------------------------

// Computes and stores offense and defense from the player's counters.
void computeStrength(GameState &state);

} // namespace gw
