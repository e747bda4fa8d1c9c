// SPDX-License-Identifier: MIT
#include "rules/tiers.h"

#include "core/cells.h"
#include "core/gamestate.h"
#include "core/random.h"
#include "core/saturate.h"
#include "rules/move.h"
#include "rules/screen.h"

#include <array>

namespace gw {

namespace {

// Actions 1..5: with at least `gold`, buy `gain` for `gold`; the stock by
// the shop's order (recruits, then the four kinds of equipment).
struct BuyTier {
    int32_t gold;
    int32_t gain;
};
const std::array<std::array<BuyTier, 3>, 5> kBuyTiers = {{
    {{{1000, 100}, {500, 50}, {100, 10}}},
    {{{1000, 20}, {500, 10}, {100, 2}}},
    {{{1000, 10}, {500, 5}, {100, 1}}},
    {{{1200, 4}, {600, 2}, {300, 1}}},
    {{{1500, 3}, {1000, 2}, {500, 1}}},
}};

// Actions 6..9: with the gold and at least n pieces of equipment and n
// recruits, train n units of the kind. The equipment is a threshold only
// and stays.
struct TrainTier {
    int32_t gold;
    int32_t n;
};
const std::array<std::array<TrainTier, 3>, 4> kTrainTiers = {{
    {{{1000, 40}, {500, 20}, {100, 4}}},
    {{{1000, 20}, {500, 10}, {100, 2}}},
    {{{1200, 8}, {600, 4}, {300, 2}}},
    {{{1200, 4}, {600, 2}, {300, 1}}},
}};

// Action 10: the dearest building the gold reaches, at the player's prices.
constexpr std::array<Building, 3> kBuildTiers = {Building::Tower, Building::Bunker, Building::Minefield};

void settle(MoveResult &result, std::size_t tier, int32_t amount, int32_t gold)
{
    result.tier = static_cast<int>(tier) + 1;
    result.amount = amount;
    result.gold = gold;
}

} // namespace

void tierAction(GameState &state, Side side, int action, MoveResult &result)
{
    const SideCounters &c = countersOf(side);
    int32_t &cash = state.*c.cash;
    if (action >= 1 && action <= 5) {
        const auto kind = static_cast<std::size_t>(action - 1);
        for (std::size_t i = 0; i < 3; ++i) {
            const BuyTier &tier = kBuyTiers[kind][i];
            if (cash >= tier.gold) {
                addTo(state.*c.stock(static_cast<int>(kind)), tier.gain);
                subFrom(cash, tier.gold);
                settle(result, i, tier.gain, tier.gold);
                return;
            }
        }
    } else if (action >= 6 && action <= 9) {
        const int kind = action - 6;
        for (std::size_t i = 0; i < 3; ++i) {
            const TrainTier &tier = kTrainTiers[static_cast<std::size_t>(kind)][i];
            if (cash >= tier.gold && state.*c.equipment(kind) >= tier.n && state.*c.recruits >= tier.n) {
                addTo(state.*c.units(kind), tier.n);
                subFrom(state.*c.recruits, tier.n);
                subFrom(cash, tier.gold);
                settle(result, i, tier.n, tier.gold);
                return;
            }
        }
    } else if (action == 10) {
        for (std::size_t i = 0; i < kBuildTiers.size(); ++i) {
            if (build(state, side, kBuildTiers[i])) {
                settle(result, i, 1, buildingPrice(kBuildTiers[i]));
                return;
            }
        }
    } else {
        result.refusal = MoveRefusal::Invalid;
    }
}

void expandInto(GameState &state, Side side, int32_t cell, Random &random, Screen &screen, MoveResult &result)
{
    // The redraw runs from now on, whether or not a cell changes.
    screen.enableRedraw();
    const int32_t target = cell >= 1 && cell <= kCells ? cell : random.drawbelow(kCells) + 1;
    state.enemytarget = target;
    result.cell = target;

    const SideCounters &c = countersOf(side);
    const auto line = static_cast<std::size_t>(target);
    const Terrain *t = freeTerrain(state.memgame.line(line));
    if (t && state.*c.cash >= t->price) {
        state.memgame.setLine(line, ownedState(side, *t));
        addTo(state.*c.taxes, t->tax);
        result.cellTaken = true;
    }
    result.cellState = state.memgame.line(line);
}

} // namespace gw
