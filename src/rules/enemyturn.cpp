// SPDX-License-Identifier: MIT
#include "rules/enemyturn.h"

#include "core/cells.h"
#include "core/gamestate.h"
#include "core/random.h"
#include "core/saturate.h"
#include "rules/actions.h"
#include "rules/opponent.h"
#include "rules/screen.h"

#include <algorithm>
#include <array>

namespace gw {

namespace {

using Counter = int32_t GameState::*;

// Actions 1..5: with at least `gold`, buy `gain` for `gold`.
struct BuyTier {
    int32_t gold;
    int32_t gain;
};
struct BuyAction {
    Counter stock;
    std::array<BuyTier, 3> tiers;
};
const std::array<BuyAction, 5> kBuyActions = {{
    {&GameState::enemyrecruits, {{{1000, 100}, {500, 50}, {100, 10}}}},
    {&GameState::enemymgs, {{{1000, 20}, {500, 10}, {100, 2}}}},
    {&GameState::enemyrifles, {{{1000, 10}, {500, 5}, {100, 1}}}},
    {&GameState::enemymortars, {{{1200, 4}, {600, 2}, {300, 1}}}},
    {&GameState::enemyspecpacks, {{{1500, 3}, {1000, 2}, {500, 1}}}},
}};

// Actions 6..9: with the gold and at least n pieces of equipment and n
// recruits, train n units. The equipment is a threshold only and stays.
struct TrainTier {
    int32_t gold;
    int32_t n;
};
struct TrainAction {
    Counter unit;
    Counter equipment;
    std::array<TrainTier, 3> tiers;
};
const std::array<TrainAction, 4> kTrainActions = {{
    {&GameState::enemyinfantry, &GameState::enemymgs, {{{1000, 40}, {500, 20}, {100, 4}}}},
    {&GameState::enemysnipers, &GameState::enemyrifles, {{{1000, 20}, {500, 10}, {100, 2}}}},
    {&GameState::enemymortarcrews, &GameState::enemymortars, {{{1200, 8}, {600, 4}, {300, 2}}}},
    {&GameState::enemyspecialunits, &GameState::enemyspecpacks, {{{1200, 4}, {600, 2}, {300, 1}}}},
}};

// Action 10: the dearest building the gold reaches, at the player's prices.
struct BuildTier {
    int32_t gold;
    Counter building;
};
const std::array<BuildTier, 3> kBuildTiers = {{
    {2000, &GameState::enemytowers},
    {1500, &GameState::enemybunkers},
    {1000, &GameState::enemyminefields},
}};

void buy(GameState &state, const BuyAction &action, EnemyTurnResult &result)
{
    for (std::size_t i = 0; i < action.tiers.size(); ++i) {
        const BuyTier &tier = action.tiers[i];
        if (state.enemycash >= tier.gold) {
            addTo(state.*action.stock, tier.gain);
            subFrom(state.enemycash, tier.gold);
            result.tier = static_cast<int>(i) + 1;
            result.amount = tier.gain;
            result.gold = tier.gold;
            return;
        }
    }
}

void trainUnits(GameState &state, const TrainAction &action, EnemyTurnResult &result)
{
    for (std::size_t i = 0; i < action.tiers.size(); ++i) {
        const TrainTier &tier = action.tiers[i];
        if (state.enemycash >= tier.gold && state.*action.equipment >= tier.n
            && state.enemyrecruits >= tier.n) {
            addTo(state.*action.unit, tier.n);
            subFrom(state.enemyrecruits, tier.n);
            subFrom(state.enemycash, tier.gold);
            result.tier = static_cast<int>(i) + 1;
            result.amount = tier.n;
            result.gold = tier.gold;
            return;
        }
    }
}

int32_t shopCount(int32_t amount) { return std::clamp<int32_t>(amount, 0, kEnemyMaxCount); }

// Actions 1..5 by the shop: n of the action's goods at the shop's price,
// when the gold pays for all of them.
void buyAtTheShop(GameState &state, std::size_t kind, int32_t amount, EnemyTurnResult &result)
{
    const int32_t n = shopCount(amount);
    const int64_t cost = static_cast<int64_t>(n) * kPurchasePrices[kind];
    if (n == 0 || state.enemycash < cost)
        return;
    addTo(state.*kBuyActions[kind].stock, n);
    subFrom(state.enemycash, cost);
    result.tier = 1;
    result.amount = n;
    result.gold = static_cast<int32_t>(cost);
}

// Actions 6..9 by the training panel: n units for the fee each, one recruit
// and one piece of the equipment used up per unit, as for the player.
void trainAtTheShop(GameState &state, std::size_t kind, int32_t amount, EnemyTurnResult &result)
{
    const TrainAction &action = kTrainActions[kind];
    const int32_t n = shopCount(amount);
    const int64_t cost = static_cast<int64_t>(n) * kTrainingFees[kind];
    if (n == 0 || state.enemycash < cost || state.*action.equipment < n || state.enemyrecruits < n)
        return;
    addTo(state.*action.unit, n);
    subFrom(state.*action.equipment, n);
    subFrom(state.enemyrecruits, n);
    subFrom(state.enemycash, cost);
    result.tier = 1;
    result.amount = n;
    result.gold = static_cast<int32_t>(cost);
}

void buildDefence(GameState &state, EnemyTurnResult &result)
{
    for (std::size_t i = 0; i < kBuildTiers.size(); ++i) {
        const BuildTier &tier = kBuildTiers[i];
        if (state.enemycash >= tier.gold) {
            addTo(state.*tier.building, 1);
            subFrom(state.enemycash, tier.gold);
            result.tier = static_cast<int>(i) + 1;
            result.amount = 1;
            result.gold = tier.gold;
            return;
        }
    }
}

void expand(GameState &state, Random &random, Screen &screen, int32_t cell, EnemyTurnResult &result)
{
    // The redraw runs from now on, whether or not a cell changes.
    screen.enableRedraw();
    // A chosen cell is taken as it is; otherwise one is drawn.
    const int32_t target = cell >= 1 && cell <= kCells ? cell : random.drawbelow(kCells) + 1;
    state.enemytarget = target;
    result.target = target;

    // Free land only, at its land price: the opponent needs the price in
    // hand but does not pay it.
    const Terrain *t = freeTerrain(state.memgame.line(static_cast<std::size_t>(target)));
    if (t && state.enemycash >= t->price) {
        state.memgame.setLine(static_cast<std::size_t>(target), opponentState(*t));
        addTo(state.enemytaxes, t->tax);
        result.cellTaken = true;
    }
    result.newState = state.memgame.line(static_cast<std::size_t>(target));
}

// Sets a counter below zero back to 0.
void clamp(int32_t &counter)
{
    if (counter < 0)
        counter = 0;
}

} // namespace

EnemyTurnResult enemymove(GameState &state, Random &random, Screen &screen, const EnemyMove &move,
                          EnemyRules rules)
{
    EnemyTurnResult result;
    const int action = move.action;
    result.action = action;
    const bool shop = rules == EnemyRules::Shop;
    if (action >= 1 && action <= 5) {
        const auto kind = static_cast<std::size_t>(action - 1);
        if (shop)
            buyAtTheShop(state, kind, move.amount, result);
        else
            buy(state, kBuyActions[kind], result);
    } else if (action >= 6 && action <= 9) {
        const auto kind = static_cast<std::size_t>(action - 6);
        if (shop)
            trainAtTheShop(state, kind, move.amount, result);
        else
            trainUnits(state, kTrainActions[kind], result);
    } else if (action == 10) {
        buildDefence(state, result);
    } else if (action == 11) {
        result.battle = enemyattack(state, random, screen);
    } else if (action == 12) {
        expand(state, random, screen, move.cell, result);
    }
    return result;
}

EnemyTurnResult enemyaction(GameState &state, Random &random, Screen &screen, int action)
{
    EnemyMove move;
    move.action = action;
    return enemymove(state, random, screen, move, EnemyRules::Tiers);
}

EnemyTurnResult enemyturn(GameState &state, Random &random, Screen &screen, bool opponentBeaten)
{
    addTo(state.rounds, 1);
    // The player's income arrives before the opponent acts.
    addTo(state.cash, state.taxes);
    screen.showCounter(CounterLabel::Cash, state.cash);

    // Field clicks that arrive while a box of this round end is open are ignored.
    state.fieldactive = 0;
    state.fieldmode = 0;
    // An opponent whose base was destroyed in this turn takes no action and
    // draws none: the victory has decided the game.
    EnemyTurnResult result;
    if (!opponentBeaten) {
        const Opponent &opponent = opponentFor(state.enemylevel);
        result = enemymove(state, random, screen, opponent.choose(state, random), opponent.rules());
    }

    // The opponent's income arrives after its action, with any taxes it
    // gained in that action.
    addTo(state.enemycash, state.enemytaxes);
    state.fieldactive = 1;

    // Battles may have driven counters below zero. Equipment, base hit
    // points, taxes and rounds are left as they are.
    clamp(state.cash);
    screen.showCounter(CounterLabel::Cash, state.cash);
    clamp(state.enemycash);
    clamp(state.recruits);
    screen.showCounter(CounterLabel::Recruits, state.recruits);
    clamp(state.enemyrecruits);
    clamp(state.infantry);
    screen.showCounter(CounterLabel::Infantry, state.infantry);
    clamp(state.enemyinfantry);
    clamp(state.snipers);
    screen.showCounter(CounterLabel::Snipers, state.snipers);
    clamp(state.enemysnipers);
    clamp(state.mortarcrews);
    screen.showCounter(CounterLabel::Mortarcrews, state.mortarcrews);
    clamp(state.enemymortarcrews);
    clamp(state.specialunits);
    screen.showCounter(CounterLabel::Specialunits, state.specialunits);
    clamp(state.enemyspecialunits);
    clamp(state.towers);
    clamp(state.enemytowers);
    clamp(state.bunkers);
    clamp(state.enemybunkers);
    clamp(state.minefields);
    clamp(state.enemyminefields);
    return result;
}

} // namespace gw
