// SPDX-License-Identifier: MIT
// (e) The strongest reference player: land for income, a defence that holds
// the opponent's visible forces, and strikes the opponent cannot answer.
// It sees only the game screen: its own counters, the field (so the
// opponent's income, the sum of the taxes of its blue cells), and the
// opponent's five forces and base hit points. The opponent's gold it
// estimates from that income less what the visible forces cost.
#include "referenceplayers.h"

#include "core/cells.h"
#include "rules/forecast.h"

#include <algorithm>
#include <cmath>

namespace arena {

namespace {

class Best : public Player {
public:
    void newGame() override
    {
        enemyGold_ = 1000;
        seen_ = {};
        lastRound_ = -1;
    }

    Order play(const Sight &s) override
    {
        observe(s);
        const gw::Forces mine = {s.recruits, s.infantry, s.snipers, s.mortarcrews, s.specialunits};
        const gw::Defenders myDefence = {s.recruits, s.infantry, s.snipers, s.mortarcrews,
                                         s.specialunits, s.towers, s.bunkers, s.minefields};
        gw::Defenders theirDefence{};
        for (std::size_t i = 0; i < 5; ++i)
            theirDefence[i] = s.enemyforces[i];
        const gw::BattleForecast attack = gw::forecastBattle(mine, theirDefence);
        const gw::BattleForecast threat = gw::forecastBattle(s.enemyforces, myDefence);
        const int base = blueBaseCell(s);

        if (attack.chanceOfAtLeast(s.enemybasehp) >= 0.6)
            return Order::attack(base);
        if (threat.damage >= 1.0) {
            if (attack.clearChance() >= 0.8)
                return Order::attack(base);
            return defend(s, myDefence);
        }
        if (attack.clearChance() >= 0.8 && hasKinds(s))
            return Order::attack(base);
        if (Order o; strike(s, theirDefence, o))
            return o;
        if (const int cell = bestLand(s))
            return Order::land(cell);
        return Order::endRound();
    }

private:
    static bool hasKinds(const Sight &s)
    {
        return s.infantry > 0 && s.snipers > 0 && s.mortarcrews > 0 && s.specialunits > 0;
    }

    // Follows the opponent's income and what its visible forces cost.
    void observe(const Sight &s)
    {
        if (lastRound_ >= 0) {
            enemyGold_ += opponentIncome(s);
            static const int32_t unitCost[5] = {10, 75, 150, 450, 800};
            for (std::size_t i = 0; i < 5; ++i) {
                const int32_t grown = s.enemyforces[i] - seen_[i];
                if (grown > 0)
                    enemyGold_ -= static_cast<int64_t>(grown) * unitCost[i];
            }
            enemyGold_ = std::max<int64_t>(0, enemyGold_);
        }
        seen_ = s.enemyforces;
        lastRound_ = s.rounds;
    }

    // The fewest recruits that hold the opponent's forces.
    Order defend(const Sight &s, gw::Defenders defence) const
    {
        const int32_t most = std::min<int32_t>(gw::kMaxOrderCount, s.cash / 10);
        int32_t n = 0;
        for (; n < most; n = std::min(most, n + std::max(1, n / 8))) {
            defence[0] = s.recruits + n;
            if (gw::forecastBattle(s.enemyforces, defence).damage < 0.25)
                break;
        }
        if (n == 0)
            return Order::endRound();
        return Order::order({n, 0, 0, 0, 0});
    }

    // Buys a strike when the gold reaches recruits enough to clear the
    // defence even after the opponent's largest answer, with one of each
    // trained kind's equipment; trains the kinds once bought.
    bool strike(const Sight &s, const gw::Defenders &theirs, Order &o) const
    {
        if (!hasKinds(s) && s.recruits > 4) {
            gw::TrainingOrder t{};
            const std::array<int32_t, 4> units = {s.infantry, s.snipers, s.mortarcrews, s.specialunits};
            const std::array<int32_t, 4> kit = {s.mgs, s.rifles, s.mortars, s.specpacks};
            for (std::size_t k = 0; k < 4; ++k)
                t[k] = units[k] <= 0 && kit[k] > 0 ? 1 : 0;
            if (gw::trainingTotal(t) > 0 && gw::trainingTotal(t) <= s.cash) {
                o = Order::train(t);
                return true;
            }
        }
        const int64_t answer = std::min<int64_t>(gw::kMaxOrderCount, enemyGold_ / 10);
        gw::Defenders after = theirs;
        after[0] = static_cast<int32_t>(std::min<int64_t>(INT32_MAX, theirs[0] + answer));
        gw::Forces f = {s.recruits, s.infantry, s.snipers, s.mortarcrews, s.specialunits};
        const int32_t most = std::min<int32_t>(gw::kMaxOrderCount, s.cash / 10);
        f[0] = s.recruits + most;
        if (gw::forecastBattle(f, after).clearChance() < 0.8 || most <= 0)
            return false;
        int32_t n = most;
        for (int32_t step = most / 2; step > 0; step /= 2) {
            f[0] = s.recruits + n - step;
            if (gw::forecastBattle(f, after).clearChance() >= 0.8)
                n -= step;
        }
        gw::PurchaseOrder p{n, 0, 0, 0, 0};
        const std::array<int32_t, 4> units = {s.infantry, s.snipers, s.mortarcrews, s.specialunits};
        const std::array<int32_t, 4> kit = {s.mgs, s.rifles, s.mortars, s.specpacks};
        for (std::size_t k = 0; k < 4; ++k) {
            if (units[k] <= 0 && kit[k] <= 0 && gw::purchaseTotal(p) + gw::kPurchasePrices[k + 1] <= s.cash)
                p[k + 1] = 1;
        }
        o = Order::order(p);
        return true;
    }

    int64_t enemyGold_ = 1000;
    std::array<int32_t, 5> seen_{};
    int32_t lastRound_ = -1;
};

} // namespace

std::unique_ptr<Player> makeBestPlayer() { return std::make_unique<Best>(); }

} // namespace arena
