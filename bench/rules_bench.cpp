// SPDX-License-Identifier: MIT
// Benchmarks of the rules: one round end per opponent action, one decision
// of the opponent per level, Schwer's decisions in the middle of real games
// on every map, battles of large armies, and reading and applying a map.
#include "games.h"
#include "referenceplayers.h"

#include "core/gamestate.h"
#include "core/random.h"
#include "core/textfile.h"
#include "rules/lookahead.h"
#include "map/mapfile.h"
#include "rules/battle.h"
#include "rules/enemyturn.h"
#include "rules/forecast.h"
#include "rules/opponent.h"
#include "rules/screen.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <map>
#include <memory>
#include <vector>

namespace {

std::string dataDir() { return std::string(GRIMSWARD_SOURCE_DIR) + "/data"; }

gw::GameState startedGame()
{
    gw::GameState s;
    gw::applyMap(s, gw::parseMap("m", gw::readLines(dataDir() + "/maps/skirmish/Mittelmeer.gwm")));
    return s;
}

// Every force and every defence of both sides at `count`.
void arm(gw::GameState &s, int32_t count)
{
    s.recruits = s.infantry = s.snipers = s.mortarcrews = s.specialunits = count;
    s.towers = s.bunkers = s.minefields = count;
    s.enemyrecruits = s.enemyinfantry = s.enemysnipers = s.enemymortarcrews = s.enemyspecialunits = count;
    s.enemytowers = s.enemybunkers = s.enemyminefields = count;
    s.basehp = s.enemybasehp = 100;
}

void BM_OpponentAction(benchmark::State &st)
{
    const int action = static_cast<int>(st.range(0));
    gw::GameState start = startedGame();
    start.enemycash = 5000;
    start.enemymgs = start.enemyrifles = start.enemymortars = start.enemyspecpacks = 100;
    start.enemyrecruits = 100;
    arm(start, 20);
    gw::Random rng(1);
    gw::SilentScreen screen;
    for (auto _ : st) {
        gw::GameState s = start;
        benchmark::DoNotOptimize(gw::enemyaction(s, rng, screen, action));
    }
}
BENCHMARK(BM_OpponentAction)->DenseRange(1, 12);

void BM_RoundEnd(benchmark::State &st)
{
    const gw::GameState start = startedGame();
    gw::Random rng(7);
    gw::SilentScreen screen;
    for (auto _ : st) {
        gw::GameState s = start;
        benchmark::DoNotOptimize(gw::enemyturn(s, rng, screen));
    }
}
BENCHMARK(BM_RoundEnd);

// Positions for one decision: 0 the opening, 1 a middle game with armies on
// both sides and the player's army ahead, 2 every force and defence of both
// sides at 999 with gold for any purchase (the forecasts are no cheaper for
// large armies, the searches for an amount are at their longest).
gw::GameState decisionPosition(int which)
{
    gw::GameState s = startedGame();
    if (which == 1) {
        s.rounds = 40;
        s.recruits = 4200;
        s.infantry = s.snipers = 3;
        s.enemyrecruits = 4000;
        s.enemyinfantry = 2;
        s.enemymgs = s.enemyrifles = 50;
        s.cash = 12000;
        s.enemycash = 15000;
    } else if (which == 2) {
        arm(s, 999);
        s.rounds = 200;
        s.cash = s.enemycash = 2000000;
        s.enemymgs = s.enemyrifles = s.enemymortars = s.enemyspecpacks = 999;
    }
    return s;
}

void BM_OpponentDecision(benchmark::State &st)
{
    const int32_t level = static_cast<int32_t>(st.range(0));
    gw::GameState s = decisionPosition(static_cast<int>(st.range(1)));
    s.enemylevel = level;
    const gw::Opponent &opponent = gw::opponentFor(level);
    gw::Random rng(11);
    for (auto _ : st)
        benchmark::DoNotOptimize(opponent.choose(s, rng));
}
BENCHMARK(BM_OpponentDecision)->ArgsProduct({{0, 1, 2}, {0, 1, 2}})->ArgNames({"level", "position"});

// Schwer's decisions in the positions of real games: the records it decided
// on from round 10 to 150 of seeded games of the strongest reference players
// against it, on one map. Reports the mean and the longest decision.
const std::vector<gw::GameState> &midGamePositions(const std::string &map)
{
    static std::map<std::string, std::vector<gw::GameState>> cache;
    auto &positions = cache[map];
    if (!positions.empty())
        return positions;
    std::filesystem::current_path(dataDir());
    const gw::LoadedMap loaded = gw::readMap(map);
    const gw::LookaheadOpponent schwer;
    for (const char *name : {"landlord", "best", "newcomer"}) {
        for (uint32_t seed = 1; seed <= 2; ++seed) {
            std::unique_ptr<arena::Player> player = arena::makePlayer(name);
            arena::playGame(loaded, 2, *player, seed, 150, &schwer, arena::Trace::None, nullptr,
                            [&](const gw::GameState &s) {
                                if (s.rounds >= 10) {
                                    positions.push_back(s);
                                    positions.back().memtemp = gw::LineList();
                                }
                            });
        }
    }
    return positions;
}

void BM_SchwerMidGame(benchmark::State &st, const std::string &map)
{
    const std::vector<gw::GameState> &positions = midGamePositions(map);
    const gw::Opponent &schwer = gw::opponentFor(2);
    gw::Random rng(1);
    double longest = 0, total = 0;
    long decisions = 0;
    std::size_t i = 0;
    // The thread's own CPU time, so a busy machine does not count.
    auto cpuMicros = [] {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return t.tv_sec * 1e6 + t.tv_nsec / 1e3;
    };
    for (auto _ : st) {
        const double start = cpuMicros();
        benchmark::DoNotOptimize(schwer.choose(positions[i], rng));
        const double us = cpuMicros() - start;
        longest = std::max(longest, us);
        total += us;
        ++decisions;
        i = (i + 1) % positions.size();
    }
    st.counters["positions"] = static_cast<double>(positions.size());
    st.counters["mean_cpu_us"] = total / static_cast<double>(std::max(1L, decisions));
    st.counters["max_cpu_us"] = longest;
}
BENCHMARK_CAPTURE(BM_SchwerMidGame, Mittelmeer, std::string("Mittelmeer"));
BENCHMARK_CAPTURE(BM_SchwerMidGame, BigCityCrisis, std::string("Big City Crisis"));
BENCHMARK_CAPTURE(BM_SchwerMidGame, Gestrandet, std::string("Gestrandet"));

void BM_BattleLargeArmies(benchmark::State &st)
{
    gw::GameState start = startedGame();
    arm(start, 999);
    gw::Random rng(3);
    for (auto _ : st) {
        gw::GameState s = start;
        benchmark::DoNotOptimize(gw::fightBattle(s, rng, true));
    }
}
BENCHMARK(BM_BattleLargeArmies);

// The battle forecast the opponent thinks with and the attack prompt shows,
// for 999 of every force and defence.
void BM_ForecastLargeArmies(benchmark::State &st)
{
    gw::GameState s = startedGame();
    arm(s, 999);
    for (auto _ : st)
        benchmark::DoNotOptimize(gw::forecastBattle(gw::playerForces(s), gw::opponentDefenders(s)));
}
BENCHMARK(BM_ForecastLargeArmies);

void BM_BattleHundredThousandRecruits(benchmark::State &st)
{
    gw::GameState start = startedGame();
    start.recruits = start.enemyrecruits = 100000;
    gw::Random rng(5);
    for (auto _ : st) {
        gw::GameState s = start;
        benchmark::DoNotOptimize(gw::fightBattle(s, rng, true));
    }
}
BENCHMARK(BM_BattleHundredThousandRecruits);

void BM_ReadAndApplyMap(benchmark::State &st)
{
    std::filesystem::current_path(dataDir());
    gw::GameState s;
    for (auto _ : st) {
        gw::applyMap(s, gw::readMap("Big City Crisis"));
        benchmark::DoNotOptimize(s.taxes);
    }
}
BENCHMARK(BM_ReadAndApplyMap);

} // namespace

BENCHMARK_MAIN();
