// SPDX-License-Identifier: MIT
#include "rules/lookaheadvalue.h"

#include "core/gamestate.h"
#include "core/saturate.h"
#include "rules/battle.h"

#include <algorithm>
#include <cmath>

namespace gw::ahead {

Forces forcesOf(const GameState &s, Side side)
{
    const SideCounters &c = countersOf(side);
    return {s.*c.recruits, s.*c.infantry, s.*c.snipers, s.*c.mortarcrews, s.*c.specialunits};
}

Defenders defendersOf(const GameState &s, Side side)
{
    const SideCounters &c = countersOf(side);
    return {s.*c.recruits, s.*c.infantry, s.*c.snipers, s.*c.mortarcrews,
            s.*c.specialunits, s.*c.towers,  s.*c.bunkers, s.*c.minefields};
}

bool armed(const GameState &s, Side side)
{
    for (int32_t f : forcesOf(s, side)) {
        if (f > 0)
            return true;
    }
    return false;
}

int32_t recruitsFor(int32_t gold) { return std::min<int32_t>(kMaxOrderCount, positive(gold) / kPurchasePrices[0]); }

// A training of every kind from the equipment in store, as many as the
// gold and the recruits allow (keeping `keep` recruits), or only one
// of each kind still missing.
TrainingOrder training(const GameState &s, Side side, bool missingOnly, int32_t keep)
{
    const SideCounters &c = countersOf(side);
    TrainingOrder t{};
    int64_t recruits = positive(s.*c.recruits) - keep;
    int64_t gold = positive(s.*c.cash);
    // The dearest kinds first: they add the most per recruit.
    for (int k = 3; k >= 0; --k) {
        const auto i = static_cast<std::size_t>(k);
        if (missingOnly && s.*c.units(k) > 0)
            continue;
        int64_t n = std::min<int64_t>({positive(s.*c.equipment(k)), kMaxOrderCount, recruits,
                                       gold / kTrainingFees[i]});
        if (missingOnly)
            n = std::min<int64_t>(n, 1);
        t[i] = static_cast<int32_t>(std::max<int64_t>(0, n));
        recruits -= t[i];
        gold -= int64_t{t[i]} * kTrainingFees[i];
    }
    return t;
}

namespace {

// What a trained unit costs in all: the recruit, the equipment and the fee.
constexpr std::array<int32_t, 5> kForceCost = {10, 85, 160, 460, 810};

double hpValue(int32_t hp, double hpGold, const LookaheadWeights &w_)
{
    const double h = std::clamp<double>(hp, 0, 100);
    return hpGold * (h - w_.lowHp * (100 - h) * (100 - h) / 200.0);
}

double goldValue(int32_t gold, const LookaheadWeights &w_)
{
    const double g = positive(gold);
    return std::min(g, w_.goldCap) + w_.idleGold * std::max(0.0, g - w_.goldCap);
}

double armyValue(const GameState &s, Side side, double hpGold, const LookaheadWeights &w_)
{
    const SideCounters &c = countersOf(side);
    const Forces f = forcesOf(s, side);
    double v = 0;
    int kinds = 0;
    for (std::size_t i = 0; i < 5; ++i)
        v += double(positive(f[i])) * kForceCost[i];
    for (int k = 0; k < 4; ++k) {
        const int32_t kit = positive(s.*c.equipment(k));
        v += double(kit) * kPurchasePrices[static_cast<std::size_t>(k + 1)];
        if (s.*c.units(k) > 0)
            kinds += 2;
        else if (kit > 0)
            kinds += 1;
    }
    v += double(positive(s.*c.towers)) * buildingPrice(Building::Tower)
         + double(positive(s.*c.bunkers)) * buildingPrice(Building::Bunker)
         + double(positive(s.*c.minefields)) * buildingPrice(Building::Minefield);
    // Gold can still become anything; an army is worth a little less
    // than it cost unless it is needed (the threats below say when).
    return w_.armyShare * v + w_.kindShare * kStageDamage * hpGold * kinds / 2.0;
}

// The player's forces after its best one move to strengthen them: all
// its gold in recruits, or a training of all its equipment.
Forces improved(const GameState &s)
{
    Forces bought = forcesOf(s, Side::Red);
    bought[0] = satAdd(positive(bought[0]), recruitsFor(s.cash));
    Forces trained = forcesOf(s, Side::Red);
    const TrainingOrder t = training(s, Side::Red, false, 0);
    for (std::size_t k = 0; k < 4; ++k) {
        trained[k + 1] = satAdd(positive(trained[k + 1]), t[k]);
        trained[0] = satSub(trained[0], t[k]);
    }
    return trainingTotal(t) > 0 && forecastBattle(trained, Defenders{}).damage > forecastBattle(bought, Defenders{}).damage
               ? trained
               : bought;
}

} // namespace

double positionValue(const GameState &s, const std::array<double, 2> &fallen, const LookaheadWeights &w_)
{
    const double incomes = positive(s.taxes) + positive(s.enemytaxes);
    const double hpGold = w_.hpGold + w_.hpPerIncome * incomes;
    // A long game makes the own base's hit points cheaper, so a
    // stand-off between two armies that answer each other ends.
    const double late = std::clamp((s.rounds - w_.lateFrom) / 100.0, 0.0, 1.0);
    const double ownHpGold = hpGold * (1 - w_.lateDiscount * late);
    double v = w_.winGold * 100 * (fallen[0] - fallen[1]);
    v += hpValue(s.enemybasehp, ownHpGold, w_) - hpValue(s.basehp, hpGold, w_);
    v += w_.incomeRounds * (double(s.enemytaxes) - s.taxes);
    v += goldValue(s.enemycash, w_) - goldValue(s.cash, w_);
    v += armyValue(s, Side::Blue, hpGold, w_) - armyValue(s, Side::Red, hpGold, w_);
    auto harm = [&](const BattleForecast &f, int32_t hp) { return hpGold * f.damage + w_.winGold * f.chanceOfAtLeast(hp); };
    auto ownHarm = [&](const BattleForecast &f) {
        return ownHpGold * f.damage + w_.winGold * f.chanceOfAtLeast(s.enemybasehp);
    };
    // The player moves next: its attack is there to be made.
    v -= w_.threatShare * ownHarm(forecastBattle(forcesOf(s, Side::Red), defendersOf(s, Side::Blue)));
    // Blue's attack after the player answered it with all its gold.
    Defenders answer = defendersOf(s, Side::Red);
    answer[0] = satAdd(positive(answer[0]), recruitsFor(s.cash));
    v += w_.strikeShare * harm(forecastBattle(forcesOf(s, Side::Blue), answer), s.basehp);
    // The player's attack after its best move to strengthen it and
    // Blue's answer with all its gold.
    Defenders answered = defendersOf(s, Side::Blue);
    answered[0] = satAdd(positive(answered[0]), recruitsFor(s.enemycash));
    if (w_.threat2Share != 0)
        v -= w_.threat2Share * ownHarm(forecastBattle(improved(s), answered));
    // Everything either side could field in the end: its forces and all
    // its gold in recruits, without the limit of one order. The side
    // that keeps more gold back wins the long race.
    Forces allB = forcesOf(s, Side::Blue);
    allB[0] = satAdd(positive(allB[0]), positive(s.enemycash) / kPurchasePrices[0]);
    Defenders allDr = defendersOf(s, Side::Red);
    allDr[0] = satAdd(positive(allDr[0]), positive(s.cash) / kPurchasePrices[0]);
    Forces allR = forcesOf(s, Side::Red);
    allR[0] = allDr[0];
    Defenders allDb = defendersOf(s, Side::Blue);
    allDb[0] = allB[0];
    v += w_.materialShare
         * (harm(forecastBattle(allB, allDr), s.basehp) - ownHarm(forecastBattle(allR, allDb)));
    return v;
}

} // namespace gw::ahead

namespace gw {

double &LookaheadWeights::operator[](std::size_t i)
{
    double *const fields[kCount] = {&incomeRounds, &hpGold,   &hpPerIncome, &lowHp,   &threatShare,
                                    &strikeShare,  &threat2Share, &kindShare, &goldCap, &idleGold,
                                    &winGold,      &strikeClear, &caution,   &lateFrom, &lateDiscount,
                                    &armyShare,    &materialShare};
    return *fields[i];
}

const char *LookaheadWeights::name(std::size_t i)
{
    static const char *const names[kCount] = {"incomeRounds", "hpGold",     "hpPerIncome", "lowHp",
                                              "threatShare",  "strikeShare", "threat2Share", "kindShare",
                                              "goldCap",      "idleGold",   "winGold",     "strikeClear",
                                              "caution",      "lateFrom",   "lateDiscount", "armyShare",
                                              "materialShare"};
    return i < kCount ? names[i] : "";
}

} // namespace gw
