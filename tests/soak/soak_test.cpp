// SPDX-License-Identifier: MIT
// A long seeded game: random player actions, refused ones included, against
// the opponent on every shipped map, checking the game's invariants after
// every round end. GRIMSWARD_SOAK_ROUNDS sets the rounds per map (default
// a short run for CI; try 1000000 for a long one).
#include "core/cells.h"
#include "core/gamestate.h"
#include "core/random.h"
#include "core/saturate.h"
#include "core/textfile.h"
#include "map/mapfile.h"
#include "rules/actions.h"
#include "rules/battle.h"
#include "rules/enemyturn.h"
#include "rules/screen.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <tuple>

namespace {

// Stands in for the window: counts what the rules show.
struct CountingScreen : gw::Screen {
    int messages = 0, victories = 0, defeats = 0, redraws = 0;
    void showCounter(gw::CounterLabel, int32_t) override {}
    void notify(gw::Notice) override { ++messages; }
    void playSound(gw::Sound) override {}
    void stopSound(gw::Sound) override {}
    void showVictory(int32_t) override { ++victories; }
    void showDefeat(int32_t) override { ++defeats; }
    void enableRedraw() override { ++redraws; }
};

long soakRounds()
{
    const char *env = std::getenv("GRIMSWARD_SOAK_ROUNDS");
    return env ? std::atol(env) : 200000;
}

std::string ownerOf(const std::string &state)
{
    return state.substr(0, state.find('_'));
}

std::string terrainOf(const std::string &state)
{
    const auto pos = state.find('_');
    return pos == std::string::npos ? state : state.substr(pos + 1);
}

gw::LoadedMap shippedMap(const std::string &name)
{
    const std::string data = std::string(GRIMSWARD_SOURCE_DIR) + "/data/";
    return gw::parseMap("map", gw::readLines(data + "maps/skirmish/" + name + ".gwm"));
}

// Plays the soak on one map against the opponent of one level.
class SoakGame {
public:
    SoakGame(const std::string &map, int32_t level) : name_(map), level_(level), map_(shippedMap(map)) {}
    void play(long rounds);

private:
    // Checks the invariants of the record after a round end.
    void checkRoundEnd(const gw::GameState &before, const gw::GameState &s, int64_t spent,
                       const gw::EnemyTurnResult &turn)
    {
        for (int32_t v : {s.cash, s.enemycash, s.recruits, s.enemyrecruits, s.infantry, s.enemyinfantry,
                          s.snipers, s.enemysnipers, s.mortarcrews, s.enemymortarcrews, s.specialunits,
                          s.enemyspecialunits, s.towers, s.enemytowers, s.bunkers, s.enemybunkers,
                          s.minefields, s.enemyminefields, s.enemymgs, s.enemyrifles, s.enemymortars,
                          s.enemyspecpacks})
            ASSERT_GE(v, 0);
        // The player's gold moves only by what the action cost and the income.
        const int32_t expected = std::max(0, gw::satAdd(gw::satSub(before.cash, spent), s.taxes));
        ASSERT_EQ(s.cash, expected) << "spent " << spent << " taxes " << s.taxes;
        // So does the opponent's, at every level: nothing comes from nowhere.
        const int32_t enemyExpected = std::max(0, gw::satAdd(gw::satSub(before.enemycash, turn.gold), s.enemytaxes));
        ASSERT_EQ(s.enemycash, enemyExpected) << "action " << turn.action << " spent " << turn.gold;
        ASSERT_EQ(s.rounds, before.rounds + 1);
        ASSERT_EQ(s.fieldactive, 1);
        ASSERT_EQ(s.fieldmode, 0);
        // Cells go from free to a side and never back or across.
        for (std::size_t n = 0; n < s.memgame.size(); ++n) {
            const std::string &was = before.memgame.line(n);
            const std::string &now = s.memgame.line(n);
            if (was == now)
                continue;
            ASSERT_TRUE(n >= 1 && n <= 220) << "line " << n << " changed";
            ASSERT_EQ(ownerOf(was), "None") << was << " -> " << now;
            ASSERT_TRUE(ownerOf(now) == "Red" || ownerOf(now) == "Blue") << now;
            ASSERT_EQ(terrainOf(was), terrainOf(now));
        }
        ASSERT_EQ(s.memgame.size(), map_.lines.size());
    }

    std::string name_;
    int32_t level_;
    gw::LoadedMap map_;
};

void SoakGame::play(long rounds)
{
    gw::GameState s;
    gw::Random rng(0xC0FFEEu + static_cast<uint32_t>(name_.size()) + static_cast<uint32_t>(level_) * 977u);
    gw::Random player(12345u);
    CountingScreen screen;
    gw::applyMap(s, map_);
    s.enemylevel = level_;
    long games = 1, landBought = 0, attacks = 0, refused = 0;

    for (long round = 0; round < rounds; ++round) {
        const gw::GameState before = s;
        int64_t spent = 0;
        bool endsTurn = false;
        bool attacked = false;
        switch (player.drawbelow(8)) {
        case 0: { // buy land on a random cell
            s.fieldmode = 1;
            const int n = player.drawbelow(220) + 1;
            const gw::FieldClick click = gw::classifyFieldClick(s, n);
            if (click == gw::FieldClick::BuyLand) {
                spent = gw::freeTerrain(s.memgame.line(static_cast<std::size_t>(n)))->price;
                const std::string now = gw::buyLand(s, n);
                ASSERT_EQ(now.rfind("Red_", 0), 0u);
                ++landBought;
                endsTurn = true;
            } else {
                ++refused;
            }
            break;
        }
        case 1: { // purchase
            gw::PurchaseOrder order{};
            for (auto &c : order)
                c = player.drawbelow(4) == 0 ? player.drawbelow(1000) : player.drawbelow(5);
            const int64_t total = gw::purchaseTotal(order);
            if (gw::bookPurchase(s, order)) {
                spent = total;
                endsTurn = true;
            } else {
                ASSERT_GT(total, before.cash);
                ++refused;
            }
            break;
        }
        case 2: { // training: mostly within the equipment, as the entries keep it
            gw::TrainingOrder order{};
            for (int k = 0; k < 4; ++k) {
                const int32_t want = player.drawbelow(20);
                const bool keep = want <= gw::equipmentFor(s, k) || player.drawbelow(8) == 0;
                order[static_cast<std::size_t>(k)] = keep ? want : 0;
            }
            const int64_t total = gw::trainingTotal(order);
            if (gw::train(s, order)) {
                spent = total;
                endsTurn = true;
            } else {
                ++refused;
            }
            break;
        }
        case 3: { // construction
            const auto b = static_cast<gw::Building>(player.drawbelow(3));
            if (gw::build(s, b)) {
                spent = gw::buildingPrice(b);
                endsTurn = true;
            } else {
                ++refused;
            }
            break;
        }
        case 4: { // attack: a random cell, the base when it is one
            s.fieldmode = 2;
            const int n = player.drawbelow(220) + 1;
            if (gw::classifyFieldClick(s, n) == gw::FieldClick::Attack) {
                gw::playerattack(s, rng, screen);
                ++attacks;
                attacked = true;
                endsTurn = true;
            } else {
                ++refused;
            }
            break;
        }
        case 5: // information: changes nothing but the two figures
            gw::computeStrength(s);
            ASSERT_EQ(s.cash, before.cash);
            continue;
        default: // the round-end button
            endsTurn = true;
            break;
        }
        if (!endsTurn) {
            ASSERT_EQ(s.cash, before.cash);
            ASSERT_EQ(s.memgame, before.memgame);
            continue;
        }
        if (attacked) {
            ASSERT_EQ(s.cash, before.cash); // a battle costs no gold
        }
        const gw::EnemyTurnResult turn = gw::enemyturn(s, rng, screen);
        ASSERT_NO_FATAL_FAILURE(checkRoundEnd(before, s, spent, turn));

        if (s.enemybasehp <= 0 || s.basehp <= 0) { // a game ended: start the next one
            gw::applyMap(s, map_);
            ++games;
        }
    }
    EXPECT_GT(landBought, 0);
    EXPECT_GT(refused, 0);
    ::testing::Test::RecordProperty("games", static_cast<int>(games));
    std::printf("%s, level %d: %ld rounds, %ld games, %ld land purchases, %ld attacks, %ld refused actions\n",
                name_.c_str(), level_, rounds, games, landBought, attacks, refused);
}

class Soak : public ::testing::TestWithParam<std::string> {};

TEST_P(Soak, RandomPlayAgainstTheOpponentKeepsTheInvariants)
{
    SoakGame(GetParam(), 0).play(soakRounds());
}

// The choosing opponents, on a quarter of the rounds: they think for every
// move, which costs more than a draw.
class SoakChoosing : public ::testing::TestWithParam<std::tuple<std::string, int>> {};

TEST_P(SoakChoosing, RandomPlayAgainstTheChoosingOpponentKeepsTheInvariants)
{
    SoakGame(std::get<0>(GetParam()), std::get<1>(GetParam())).play(soakRounds() / 4);
}

std::string testName(std::string name)
{
    for (char &c : name)
        if (c == ' ')
            c = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(ShippedMaps, Soak, ::testing::Values("Mittelmeer", "Big City Crisis", "Gestrandet"),
                         [](const ::testing::TestParamInfo<std::string> &info) { return testName(info.param); });

INSTANTIATE_TEST_SUITE_P(ShippedMaps, SoakChoosing,
                         ::testing::Combine(::testing::Values("Mittelmeer", "Big City Crisis", "Gestrandet"),
                                            ::testing::Values(1, 2)),
                         [](const ::testing::TestParamInfo<std::tuple<std::string, int>> &info) {
                             return testName(std::get<0>(info.param)) + (std::get<1>(info.param) == 1 ? "_Mittel" : "_Schwer");
                         });

} // namespace
