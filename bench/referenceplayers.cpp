// SPDX-License-Identifier: MIT
// The simple reference players: passive, the recruit rush, a full army,
// land first and then an army.
#include "referenceplayers.h"

#include "core/cells.h"
#include "rules/planner.h"

#include <algorithm>

namespace arena {

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

} // namespace

const std::vector<std::string> &playerNames()
{
    static const std::vector<std::string> names = {"passive", "rush", "army", "land", "best"};
    return names;
}

std::unique_ptr<Player> makePlayer(const std::string &name)
{
    if (name == "passive")
        return std::make_unique<Passive>();
    if (name == "rush")
        return std::make_unique<Rush>();
    if (name == "army")
        return std::make_unique<Army>(100);
    if (name == "land")
        return std::make_unique<LandFirst>();
    if (name == "best")
        return makeBestPlayer();
    return nullptr;
}

} // namespace arena
