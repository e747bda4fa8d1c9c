// SPDX-License-Identifier: MIT
// The landlord: land every quiet turn; a small raid let through; a defence
// just in time, with the fewest recruits that hold the opponent's visible
// forces, bought together with the equipment of every trained kind it
// still lacks; all missing kinds fielded with one training; a strike only
// when it clears the defence even after the opponent's largest answer; and
// gold beyond what 999 recruits cost turned into trained units.
#include "referenceplayers.h"

#include <algorithm>

namespace arena {

namespace {

constexpr double kStrikeClear = 0.8;  // a strike must clear the defence this surely
constexpr double kHeld = 0.05;        // a defence holds when more gets through only this rarely
constexpr int32_t kRaidHp = 70;       // above this a raid of one stage is let through
constexpr int64_t kCapGold = int64_t{gw::kMaxOrderCount} * 10;

class Landlord : public Player {
public:
    void newGame() override { watch_.reset(); }

    Order play(const Sight &s) override
    {
        watch_.observe(s);
        const int base = blueBaseCell(s);
        const gw::BattleForecast attack = gw::forecastBattle(forcesOf(s), enemyDefence(s));
        const gw::BattleForecast threat = gw::forecastBattle(s.enemyforces, defenceOf(s));
        const bool armed = s.recruits > 0 || s.infantry > 0 || s.snipers > 0 || s.mortarcrews > 0
                           || s.specialunits > 0;
        if (armed && attack.chanceOfAtLeast(s.enemybasehp) >= 0.6)
            return Order::attack(base);
        if (threat.chanceOfAtLeast(allowed(s) + 1) > 0.1 || threat.chanceOfAtLeast(s.basehp) > 0.01) {
            // An attack that clears their defence also ends their army.
            if (armed && attack.clearChance() >= kStrikeClear)
                return Order::attack(base);
            // A defence that is a strike as well, when the gold reaches it.
            const Order hold = defend(s, s.enemyforces, true);
            if (Order o; strike(s, o) && o.purchase[0] >= hold.purchase[0])
                return o;
            return hold;
        }
        if (Order o; trainKinds(s, o))
            return o;
        if (armed && complete(s) && attack.clearChance() >= kStrikeClear)
            return Order::attack(base);
        if (Order o; strike(s, o))
            return o;
        if (Order o; land(s, o))
            return o;
        if (Order o; surplus(s, o))
            return o;
        return Order::endRound();
    }

private:
    static int32_t allowed(const Sight &s) { return s.basehp > kRaidHp ? gw::kStageDamage : 0; }
    static bool complete(const Sight &s)
    {
        for (int k = 0; k < 4; ++k) {
            if (missingKind(s, k))
                return false;
        }
        return true;
    }

    // Whether `extra` more recruits hold these forces.
    static bool holds(const Sight &s, const gw::Forces &forces, int32_t extra)
    {
        gw::Defenders d = defenceOf(s);
        d[0] += extra;
        const gw::BattleForecast f = gw::forecastBattle(forces, d);
        return f.chanceOfAtLeast(allowed(s) + 1) <= kHeld && f.chanceOfAtLeast(s.basehp) <= 0.005;
    }

    // The fewest recruits that hold these forces, up to `most`; most + 1
    // when even that many do not.
    static int32_t recruitsToHold(const Sight &s, const gw::Forces &forces, int32_t most)
    {
        if (holds(s, forces, 0))
            return 0;
        if (!holds(s, forces, most))
            return most + 1;
        int32_t lo = 1, hi = most;
        while (lo < hi) {
            const int32_t mid = lo + (hi - lo) / 2;
            if (holds(s, forces, mid))
                hi = mid;
            else
                lo = mid + 1;
        }
        return lo;
    }

    // The equipment of every trained kind it lacks, one piece each.
    static gw::PurchaseOrder missingKits(const Sight &s)
    {
        gw::PurchaseOrder p{};
        for (std::size_t k = 0; k < 4; ++k) {
            if (missingKind(s, static_cast<int>(k)) && kitsOf(s)[k] <= 0)
                p[k + 1] = 1;
        }
        return p;
    }

    Order defend(const Sight &s, const gw::Forces &forces, bool withKits) const
    {
        const int32_t most = std::min<int32_t>(gw::kMaxOrderCount, s.cash / gw::kPurchasePrices[0]);
        const int32_t n = std::min(most, recruitsToHold(s, forces, most));
        if (n <= 0)
            return Order::endRound();
        gw::PurchaseOrder p = withKits ? missingKits(s) : gw::PurchaseOrder{};
        p[0] = n;
        if (gw::purchaseTotal(p) > s.cash)
            p = {n, 0, 0, 0, 0};
        return Order::order(p);
    }

    // Every missing kind whose equipment is in store, and any equipment
    // bought beyond that, in one training that keeps a recruit back.
    bool trainKinds(const Sight &s, Order &o) const
    {
        gw::TrainingOrder t{};
        int64_t trainees = 0;
        const auto kits = kitsOf(s);
        for (std::size_t k = 0; k < 4; ++k) {
            if (missingKind(s, static_cast<int>(k)) && kits[k] > 0)
                t[k] = 1;
            if (kits[k] > 1 && !missingKind(s, static_cast<int>(k)))
                t[k] = kits[k];
        }
        for (std::size_t k = 0; k < 4; ++k)
            trainees += t[k];
        // Not more than the recruits and gold allow: shrink the large counts.
        while (trainees > 0 && (trainees >= s.recruits || gw::trainingTotal(t) > s.cash)) {
            std::size_t largest = 0;
            for (std::size_t k = 1; k < 4; ++k)
                largest = t[k] > t[largest] ? k : largest;
            const int32_t cut = std::max(1, t[largest] / 2);
            t[largest] -= cut;
            trainees -= cut;
        }
        if (trainees <= 0)
            return false;
        o = Order::train(t);
        return true;
    }

    // Recruits enough to clear the defence after the opponent's largest
    // one-turn answer, with the kits of the missing kinds.
    bool strike(const Sight &s, Order &o) const
    {
        gw::PurchaseOrder p = missingKits(s);
        const int64_t kitCost = gw::purchaseTotal(p);
        const int32_t most =
            static_cast<int32_t>(std::min<int64_t>(gw::kMaxOrderCount, (s.cash - kitCost) / gw::kPurchasePrices[0]));
        if (most <= 0)
            return false;
        gw::Defenders theirs = enemyDefence(s);
        theirs[0] += static_cast<int32_t>(std::min<int64_t>(gw::kMaxOrderCount, watch_.gold() / 10));
        gw::Forces f = forcesOf(s);
        const int32_t have = f[0];
        auto clears = [&](int32_t n) {
            f[0] = have + n;
            return gw::forecastBattle(f, theirs).clearChance() >= kStrikeClear;
        };
        if (!clears(most))
            return false;
        int32_t lo = 0, hi = most;
        while (lo < hi) {
            const int32_t mid = lo + (hi - lo) / 2;
            if (clears(mid))
                hi = mid;
            else
                lo = mid + 1;
        }
        if (lo == 0 && kitCost == 0)
            return false;
        p[0] = lo;
        o = Order::order(p);
        return true;
    }

    // The best cell its gold reaches.
    static bool land(const Sight &s, Order &o)
    {
        if (const int cell = bestLand(s)) {
            o = Order::land(cell);
            return true;
        }
        return false;
    }

    // Gold beyond what 999 recruits cost goes into equipment of all four
    // kinds (trained in a later turn), with recruits to train them.
    bool surplus(const Sight &s, Order &o) const
    {
        const int64_t spare = s.cash - kCapGold;
        const int64_t set = 50 + 100 + 300 + 500 + 4 * 10;
        if (spare < set)
            return false;
        const auto n = static_cast<int32_t>(std::min<int64_t>(gw::kMaxOrderCount / 4, spare / set));
        o = Order::order({4 * n, n, n, n, n});
        return true;
    }

    GoldWatch watch_;
};

} // namespace

std::unique_ptr<Player> makeLandlord() { return std::make_unique<Landlord>(); }

} // namespace arena
