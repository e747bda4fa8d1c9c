// SPDX-License-Identifier: MIT
#include "rules/enemyturn.h"

#include "core/gamestate.h"
#include "core/random.h"
#include "core/saturate.h"
#include "rules/actions.h"
#include "rules/opponent.h"
#include "rules/screen.h"

#include <algorithm>

namespace gw {

namespace {

// Sets a counter below zero back to 0.
void clamp(int32_t &counter)
{
    if (counter < 0)
        counter = 0;
}

// The first kind an order names, 0 for an empty one.
template <std::size_t N>
int firstKind(const std::array<int32_t, N> &counts)
{
    for (std::size_t k = 0; k < N; ++k) {
        if (counts[k] > 0)
            return static_cast<int>(k);
    }
    return 0;
}

template <std::size_t N>
int32_t unitsOf(const std::array<int32_t, N> &counts)
{
    int64_t n = 0;
    for (int32_t c : counts)
        n += c;
    return saturate(n);
}

} // namespace

Move toMove(const EnemyMove &move, EnemyRules rules)
{
    const int a = move.action;
    if (a == 11)
        return Move::attack();
    if (a == 12)
        return Move::expand(move.cell);
    if (rules == EnemyRules::Tiers || a == 10 || a < 1 || a > 12)
        return Move::tier(a);
    const int32_t n = std::clamp<int32_t>(move.amount, 0, kEnemyMaxCount);
    if (a <= 5) {
        PurchaseOrder order{};
        order[static_cast<std::size_t>(a - 1)] = n;
        return Move::order(order);
    }
    TrainingOrder order{};
    order[static_cast<std::size_t>(a - 6)] = n;
    return Move::train(order);
}

EnemyTurnResult turnResult(const Move &move, const MoveResult &r)
{
    EnemyTurnResult result;
    result.move = move;
    result.gold = r.gold;
    switch (move.kind) {
    case Move::Kind::Tier:
        result.action = move.action;
        result.tier = r.tier;
        result.amount = r.amount;
        break;
    case Move::Kind::Purchase:
        result.action = 1 + firstKind(move.purchase);
        result.amount = r ? unitsOf(move.purchase) : 0;
        result.tier = result.amount > 0 ? 1 : 0;
        break;
    case Move::Kind::Training:
        result.action = 6 + firstKind(move.training);
        result.amount = r ? unitsOf(move.training) : 0;
        result.tier = result.amount > 0 ? 1 : 0;
        break;
    case Move::Kind::Build: {
        result.action = 10;
        const int tier = static_cast<int>(move.building) + 1; // tower, bunker, minefield
        result.tier = r ? tier : 0;
        result.amount = r ? 1 : 0;
        break;
    }
    case Move::Kind::Attack: result.action = 11; break;
    case Move::Kind::Expand:
    case Move::Kind::Land:
        result.action = 12;
        result.target = r.cell;
        result.cellTaken = r.cellTaken;
        result.newState = r.cellState;
        break;
    case Move::Kind::EndRound: break;
    }
    if (!r) {
        result.gold = 0;
        result.tier = 0;
    }
    result.battle = r.battle;
    return result;
}

EnemyTurnResult enemymove(GameState &state, Random &random, Screen &screen, const EnemyMove &move,
                          EnemyRules rules)
{
    const Move m = toMove(move, rules);
    EnemyTurnResult result = turnResult(m, applyMove(state, Side::Blue, m, random, screen));
    result.action = move.action;
    return result;
}

EnemyTurnResult enemyaction(GameState &state, Random &random, Screen &screen, int action)
{
    EnemyMove move;
    move.action = action;
    return enemymove(state, random, screen, move, EnemyRules::Tiers);
}

void openSecondHalf(GameState &state, Screen &screen)
{
    addTo(state.rounds, 1);
    // The player's income arrives before the opponent acts.
    addTo(state.cash, state.taxes);
    screen.showCounter(CounterLabel::Cash, state.cash);
    // Field clicks that arrive while a box of this round end is open are ignored.
    state.fieldactive = 0;
    state.fieldmode = 0;
}

void closeRound(GameState &state, Screen &screen)
{
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
}

EnemyTurnResult enemyturn(GameState &state, Random &random, Screen &screen, bool opponentBeaten)
{
    openSecondHalf(state, screen);
    // An opponent whose base was destroyed in this turn takes no action and
    // draws none: the victory has decided the game.
    EnemyTurnResult result;
    if (!opponentBeaten) {
        const Move move = opponentFor(state.enemylevel).choose(state, random);
        result = turnResult(move, applyMove(state, Side::Blue, move, random, screen));
    }
    closeRound(state, screen);
    return result;
}

} // namespace gw
