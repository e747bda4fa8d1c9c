// SPDX-License-Identifier: MIT
#include "rules/actions.h"

#include "core/cells.h"
#include "core/gamestate.h"
#include "core/saturate.h"

namespace gw {

namespace {

const std::string &fieldLine(const GameState &state, int n)
{
    static const std::string none;
    return n < 0 ? none : state.memgame.line(static_cast<std::size_t>(n));
}

template <std::size_t N>
bool countsInRange(const std::array<int32_t, N> &counts)
{
    for (int32_t c : counts) {
        if (c < 0 || c > kMaxOrderCount)
            return false;
    }
    return true;
}

template <std::size_t N>
int64_t orderTotal(const std::array<int32_t, N> &counts, const std::array<int32_t, N> &prices)
{
    int64_t total = 0;
    for (std::size_t i = 0; i < N; ++i)
        total += static_cast<int64_t>(counts[i]) * prices[i];
    return total;
}

} // namespace

// ---- Field clicks --------------------------------------------------------

FieldClick classifyFieldClick(GameState &state, int n, Side side)
{
    state.cellstate = fieldLine(state, n);
    if (state.fieldactive != 1)
        return FieldClick::Ignored;
    if (state.fieldmode == 1) {
        const Terrain *t = freeTerrain(state.cellstate);
        if (!t)
            return FieldClick::Ignored; // owned land or a base: not even a message
        if (state.*countersOf(side).cash < t->price)
            return FieldClick::NotEnoughGold;
        return FieldClick::BuyLand;
    }
    if (state.fieldmode == 2)
        return state.cellstate == baseState(otherSide(side)) ? FieldClick::Attack : FieldClick::NotAttackable;
    return FieldClick::Ignored;
}

std::string boughtLandState(const GameState &state, Side side)
{
    const Terrain *t = freeTerrain(state.cellstate);
    return t ? ownedState(side, *t) : std::string();
}

std::string buyLand(GameState &state, int n, Side side)
{
    const std::string current = fieldLine(state, n);
    const Terrain *t = freeTerrain(current);
    const SideCounters &c = countersOf(side);
    if (!t || state.*c.cash < t->price)
        return current;
    const std::string bought = ownedState(side, *t);
    state.memgame.setLine(static_cast<std::size_t>(n), bought);
    addTo(state.*c.taxes, t->tax);
    subFrom(state.*c.cash, t->price);
    return bought;
}

// ---- Equipment purchase --------------------------------------------------

int64_t purchaseTotal(const PurchaseOrder &order)
{
    return orderTotal(order, kPurchasePrices);
}

void setPurchaseSlots(GameState &state, const PurchaseOrder &order)
{
    int32_t *slots[] = {&state.costslot1, &state.costslot2, &state.costslot3, &state.costslot4,
                        &state.costslot5};
    for (std::size_t i = 0; i < order.size(); ++i)
        *slots[i] = satMul(order[i], kPurchasePrices[i]);
}

bool bookPurchase(GameState &state, Side side, const PurchaseOrder &order)
{
    if (!countsInRange(order))
        return false;
    // The total comes from the counts as they are now, not from a display.
    const int64_t total = purchaseTotal(order);
    const SideCounters &c = countersOf(side);
    if (total > state.*c.cash)
        return false;
    subFrom(state.*c.cash, total);
    for (std::size_t k = 0; k < order.size(); ++k)
        addTo(state.*c.stock(static_cast<int>(k)), order[k]);
    return true;
}

bool bookPurchase(GameState &state, const PurchaseOrder &order)
{
    if (!bookPurchase(state, Side::Red, order))
        return false;
    setPurchaseSlots(state, PurchaseOrder{});
    return true;
}

// ---- Training ------------------------------------------------------------

int64_t trainingTotal(const TrainingOrder &order)
{
    return orderTotal(order, kTrainingFees);
}

void setTrainingSlots(GameState &state, const TrainingOrder &order)
{
    int32_t *slots[] = {&state.traincostslot1, &state.traincostslot2, &state.traincostslot3,
                        &state.traincostslot4};
    for (std::size_t i = 0; i < order.size(); ++i)
        *slots[i] = satMul(order[i], kTrainingFees[i]);
}

int32_t equipmentFor(const GameState &state, int kind)
{
    return kind >= 0 && kind < 4 ? state.*countersOf(Side::Red).equipment(kind) : 0;
}

TrainingResult train(GameState &state, Side side, const TrainingOrder &order)
{
    using Refusal = TrainingResult::Refusal;
    if (!countsInRange(order))
        return {Refusal::GoldOrRecruits};
    const SideCounters &c = countersOf(side);
    for (std::size_t k = 0; k < order.size(); ++k) {
        if (order[k] > state.*c.equipment(static_cast<int>(k)))
            return {Refusal::Equipment, static_cast<int>(k)};
    }
    const int64_t total = trainingTotal(order);
    int64_t units = 0;
    for (int32_t n : order)
        units += n;
    if (total > state.*c.cash || units > state.*c.recruits)
        return {Refusal::GoldOrRecruits};

    subFrom(state.*c.cash, total);
    for (std::size_t k = 0; k < order.size(); ++k) {
        addTo(state.*c.units(static_cast<int>(k)), order[k]);
        subFrom(state.*c.equipment(static_cast<int>(k)), order[k]);
    }
    subFrom(state.*c.recruits, units);
    return {};
}

TrainingResult train(GameState &state, const TrainingOrder &order)
{
    const TrainingResult trained = train(state, Side::Red, order);
    if (trained)
        setTrainingSlots(state, TrainingOrder{});
    return trained;
}

// ---- Construction --------------------------------------------------------

int32_t buildingPrice(Building b)
{
    switch (b) {
    case Building::Tower: return 2000;
    case Building::Bunker: return 1500;
    case Building::Minefield: return 1000;
    }
    return 0;
}

bool build(GameState &state, Side side, Building b)
{
    const SideCounters &c = countersOf(side);
    const int32_t price = buildingPrice(b);
    if (state.*c.cash < price)
        return false;
    subFrom(state.*c.cash, price);
    switch (b) {
    case Building::Tower: addTo(state.*c.towers, 1); break;
    case Building::Bunker: addTo(state.*c.bunkers, 1); break;
    case Building::Minefield: addTo(state.*c.minefields, 1); break;
    }
    return true;
}

bool build(GameState &state, Building b) { return build(state, Side::Red, b); }

// ---- Information ---------------------------------------------------------

void computeStrength(GameState &state)
{
    state.offense = saturate(2 * static_cast<int64_t>(state.infantry) + state.recruits
                             + 3 * static_cast<int64_t>(state.snipers)
                             + 4 * static_cast<int64_t>(state.mortarcrews)
                             + 5 * static_cast<int64_t>(state.specialunits));
    state.defense = saturate(static_cast<int64_t>(state.offense) + state.basehp
                             + 12 * static_cast<int64_t>(state.towers)
                             + 10 * static_cast<int64_t>(state.bunkers)
                             + 8 * static_cast<int64_t>(state.minefields));
}

} // namespace gw
