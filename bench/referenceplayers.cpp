// SPDX-License-Identifier: MIT
// The simple reference players: passive, the recruit rush and the rush
// that buys again at once, a full army, land first and then an army, and
// the newcomer's plan; the helpers every player shares.
#include "referenceplayers.h"

#include "core/cells.h"
#include "rules/planner.h"

#include <algorithm>

namespace arena {

gw::Forces forcesOf(const Sight &s) { return {s.recruits, s.infantry, s.snipers, s.mortarcrews, s.specialunits}; }

gw::Defenders defenceOf(const Sight &s)
{
    return {s.recruits, s.infantry, s.snipers, s.mortarcrews, s.specialunits, s.towers, s.bunkers, s.minefields};
}

gw::Defenders enemyDefence(const Sight &s)
{
    gw::Defenders d{};
    for (std::size_t i = 0; i < 5; ++i)
        d[i] = s.enemyforces[i];
    return d;
}

std::array<int32_t, 4> unitsOf(const Sight &s) { return {s.infantry, s.snipers, s.mortarcrews, s.specialunits}; }
std::array<int32_t, 4> kitsOf(const Sight &s) { return {s.mgs, s.rifles, s.mortars, s.specpacks}; }

bool missingKind(const Sight &s, int kind) { return unitsOf(s)[static_cast<std::size_t>(kind)] <= 0; }

int32_t opponentIncome(const Sight &s)
{
    int32_t income = 0;
    for (int n = 1; n <= gw::kCells; ++n) {
        const std::string &cell = s.field->line(static_cast<std::size_t>(n));
        if (cell.compare(0, 5, "Blue_") == 0) {
            if (const gw::Terrain *t = gw::terrainOf(cell))
                income += t->tax;
        }
    }
    return income;
}

void GoldWatch::reset()
{
    gold_ = 1000;
    seen_ = {};
    started_ = false;
}

void GoldWatch::observe(const Sight &s)
{
    if (started_) {
        gold_ += opponentIncome(s);
        if (s.lastmove) {
            gold_ -= s.lastmove->gold;
        } else {
            static const int32_t unitCost[5] = {10, 85, 160, 460, 810};
            for (std::size_t i = 0; i < 5; ++i) {
                const int32_t grown = s.enemyforces[i] - seen_[i];
                if (grown > 0)
                    gold_ -= static_cast<int64_t>(grown) * unitCost[i];
            }
        }
        gold_ = std::max<int64_t>(0, gold_);
    }
    seen_ = s.enemyforces;
    started_ = true;
}

int blueBaseCell(const Sight &s)
{
    for (int n = 1; n <= gw::kCells; ++n) {
        if (s.field->line(static_cast<std::size_t>(n)) == gw::kBlueBase)
            return n;
    }
    return 0;
}

int bestLand(const Sight &s) { return gw::bestFreeCell(*s.field, s.cash); }

namespace {

// (a) Only ends rounds.
class Passive : public Player {
public:
    Order play(const Sight &) override { return Order::endRound(); }
};

// (b) 100 recruits, then an attack every turn; 100 recruits again once
// they are gone (ending rounds until the gold for them is there).
class Rush : public Player {
public:
    Order play(const Sight &s) override
    {
        if (s.recruits > 0)
            return Order::attack(blueBaseCell(s));
        if (s.cash >= 1000)
            return Order::order({100, 0, 0, 0, 0});
        return Order::endRound();
    }
};

// The rush that buys again as soon as its recruits are gone: every turn it
// has recruits it attacks; without them it buys as many as its gold
// reaches, up to `cap`.
class Rebuy : public Player {
public:
    explicit Rebuy(int32_t cap) : cap_(cap) {}
    Order play(const Sight &s) override
    {
        if (s.recruits > 0)
            return Order::attack(blueBaseCell(s));
        const int32_t n = std::min(cap_, s.cash / gw::kPurchasePrices[0]);
        if (n > 0)
            return Order::order({n, 0, 0, 0, 0});
        return Order::endRound();
    }

private:
    int32_t cap_;
};

// (c) An army of all five forces: one unit of each trained kind and
// recruits with the rest of the gold; it attacks whenever all five are
// there, trains what is missing, and buys the equipment and recruits for
// it. `maxRecruits` caps a purchase of recruits.
class Army : public Player {
public:
    explicit Army(int32_t maxRecruits) : maxRecruits_(maxRecruits) {}

    Order play(const Sight &s) override
    {
        const std::array<int32_t, 4> units = {s.infantry, s.snipers, s.mortarcrews, s.specialunits};
        const std::array<int32_t, 4> equipment = {s.mgs, s.rifles, s.mortars, s.specpacks};
        bool complete = true;
        for (int32_t u : units)
            complete = complete && u > 0;
        if (complete && s.recruits > 0)
            return Order::attack(blueBaseCell(s));

        // Train every missing kind whose equipment is in store, keeping
        // recruits for the first stage.
        gw::TrainingOrder train{};
        int32_t trainees = 0;
        for (std::size_t k = 0; k < 4; ++k) {
            if (units[k] <= 0 && equipment[k] > 0) {
                train[k] = 1;
                ++trainees;
            }
        }
        if (trainees > 0 && s.recruits > trainees && gw::trainingTotal(train) <= s.cash)
            return Order::train(train);

        // Buy the missing equipment, keep the fees for the training, and
        // spend the rest on recruits.
        gw::PurchaseOrder buy{};
        int64_t fees = 0;
        for (std::size_t k = 0; k < 4; ++k) {
            if (units[k] <= 0 && equipment[k] <= 0) {
                buy[k + 1] = 1;
                fees += gw::kTrainingFees[k];
            } else if (units[k] <= 0) {
                fees += gw::kTrainingFees[k];
            }
        }
        const int64_t equipmentCost = gw::purchaseTotal(buy);
        const int64_t left = s.cash - equipmentCost - fees;
        if (left < 0)
            return Order::endRound();
        buy[0] = static_cast<int32_t>(std::min<int64_t>(maxRecruits_, left / gw::kPurchasePrices[0]));
        if (buy[0] + s.recruits < 5 + trainees) // not enough for the training and a first stage
            return Order::endRound();
        return Order::order(buy);
    }

private:
    int32_t maxRecruits_;
};

// (d) Land for the first twelve rounds (the best cell the gold reaches;
// the round ends when none does), then the army of (c) with as many
// recruits as the gold buys.
class LandFirst : public Player {
public:
    Order play(const Sight &s) override
    {
        if (s.rounds < 12) {
            if (const int cell = bestLand(s))
                return Order::land(cell);
            return Order::endRound();
        }
        return army_.play(s);
    }

private:
    Army army_{gw::kMaxOrderCount};
};

// The newcomer's plan: the best cells its gold reaches for the first
// rounds, then recruits and a full army; it attacks when the forecast says
// the attack clears the forces it sees.
class Newcomer : public Player {
public:
    Order play(const Sight &s) override
    {
        if (s.rounds < kLandRounds) {
            if (const int cell = bestLand(s))
                return Order::land(cell);
        }
        const gw::BattleForecast attack = gw::forecastBattle(forcesOf(s), enemyDefence(s));
        bool complete = true;
        for (int k = 0; k < 4; ++k)
            complete = complete && !missingKind(s, k);
        if (s.recruits > 0
            && (attack.chanceOfAtLeast(s.enemybasehp) >= 0.5 || (complete && attack.clearChance() >= 0.7)))
            return Order::attack(blueBaseCell(s));

        // Every missing kind whose equipment is in store, in one training,
        // keeping recruits for the first stage.
        gw::TrainingOrder t{};
        int32_t trainees = 0;
        for (std::size_t k = 0; k < 4; ++k) {
            if (missingKind(s, static_cast<int>(k)) && kitsOf(s)[k] > 0) {
                t[k] = 1;
                ++trainees;
            }
        }
        if (trainees > 0 && s.recruits > trainees && gw::trainingTotal(t) <= s.cash)
            return Order::train(t);

        // The equipment still missing, the fees kept back, recruits with the rest.
        gw::PurchaseOrder p{};
        int64_t fees = 0;
        for (std::size_t k = 0; k < 4; ++k) {
            if (!missingKind(s, static_cast<int>(k)))
                continue;
            fees += gw::kTrainingFees[k];
            if (kitsOf(s)[k] <= 0)
                p[k + 1] = 1;
        }
        const int64_t left = s.cash - gw::purchaseTotal(p) - fees;
        if (left < 0)
            return Order::endRound();
        p[0] = static_cast<int32_t>(std::min<int64_t>(gw::kMaxOrderCount, left / gw::kPurchasePrices[0]));
        if (gw::purchaseTotal(p) == 0)
            return Order::endRound();
        return Order::order(p);
    }

private:
    static constexpr int32_t kLandRounds = 5;
};

} // namespace

const std::vector<std::string> &playerNames()
{
    static const std::vector<std::string> names = {"passive", "rush",     "rebuy", "army",
                                                   "land",    "newcomer", "best",  "landlord"};
    return names;
}

std::unique_ptr<Player> makePlayer(const std::string &name)
{
    if (name == "passive")
        return std::make_unique<Passive>();
    if (name == "rush")
        return std::make_unique<Rush>();
    if (name == "rebuy")
        return std::make_unique<Rebuy>(999);
    if (name == "newcomer")
        return std::make_unique<Newcomer>();
    if (name == "landlord")
        return makeLandlord();
    if (name == "army")
        return std::make_unique<Army>(100);
    if (name == "land")
        return std::make_unique<LandFirst>();
    if (name == "best")
        return makeBestPlayer();
    return nullptr;
}

} // namespace arena
