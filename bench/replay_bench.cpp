// SPDX-License-Identifier: MIT
// Replaying a logged game of 500 rounds to its end, without drawing: the
// computer at each level (its choices made afresh) and two players at one
// screen; the log's size in bytes is reported beside the time. And the
// course of such a game worked out for the game report.
#include "core/gamestate.h"
#include "core/random.h"
#include "core/textfile.h"
#include "map/mapfile.h"
#include "rules/enemyturn.h"
#include "rules/gamecourse.h"
#include "rules/movelog.h"
#include "rules/replay.h"
#include "rules/screen.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

constexpr int32_t kRounds = 500;

// A player at the screen naming any move, the refused ones included: land,
// orders, buildings and an attack every few rounds. Both bases start with
// hit points enough to last the 500 rounds, so every round is played.
gw::Move anyMove(std::mt19937 &rng, int32_t enemyBase)
{
    auto pick = [&rng](uint32_t n) { return static_cast<int32_t>(rng() % n); };
    switch (pick(7)) {
    case 0: return gw::Move::land(1 + pick(220));
    case 1: return gw::Move::order({pick(200), pick(5), pick(4), pick(3), pick(2)});
    case 2: return gw::Move::train({pick(5), pick(4), pick(3), pick(2)});
    case 3: return gw::Move::construction(static_cast<gw::Building>(pick(3)));
    case 4: return gw::Move::attack(enemyBase);
    default: return gw::Move::endRound();
    }
}

std::string fiveHundredRounds(gw::Players players, int32_t level)
{
    gw::GameState s;
    const std::string map = std::string(GRIMSWARD_SOURCE_DIR) + "/data/maps/skirmish/Mittelmeer.gwm";
    gw::applyMap(s, gw::parseMap("Mittelmeer", gw::readLines(map)));
    s.enemylevel = level;
    s.basehp = s.enemybasehp = 1'000'000;
    gw::Random random(2024);
    gw::SilentScreen screen;
    std::mt19937 rng(7);
    gw::MoveLog log;
    log.begin("Mittelmeer", players, random.state(), s);
    auto turn = [&](gw::Side side) {
        for (int tries = 0; tries < 4; ++tries) {
            const gw::Move m = anyMove(rng, side == gw::Side::Red ? 200 : 21);
            if (gw::applyMove(s, side, m, random, screen)) {
                log.addMove(side, m);
                return;
            }
        }
        log.addMove(side, gw::Move::endRound());
    };
    while (s.rounds < kRounds) {
        turn(gw::Side::Red);
        if (players == gw::Players::Computer) {
            log.addMove(gw::Side::Blue, gw::enemyturn(s, random, screen).move);
        } else {
            gw::openSecondHalf(s, screen);
            turn(gw::Side::Blue);
            gw::closeRound(s, screen);
        }
        log.closeRound(s);
    }
    return gw::moveLogText(log);
}

void replay(benchmark::State &st, gw::Players players, int32_t level)
{
    const std::string text = fiveHundredRounds(players, level);
    gw::SilentScreen screen;
    for (auto _ : st) {
        gw::Replay r(gw::readMoveLog(text));
        const gw::ReplayStep last = r.playToEnd(screen);
        if (last.round != kRounds + 1 || last.parting != gw::ReplayParting::CutOff)
            st.SkipWithError("the replay parted before the log's end");
        benchmark::DoNotOptimize(r.state());
    }
    st.counters["log_bytes"] = static_cast<double>(text.size());
}

void BM_ReplayAgainstTheComputer(benchmark::State &st)
{
    replay(st, gw::Players::Computer, static_cast<int32_t>(st.range(0)));
}
BENCHMARK(BM_ReplayAgainstTheComputer)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void BM_ReplayTwoPlayers(benchmark::State &st) { replay(st, gw::Players::SameScreen, 0); }
BENCHMARK(BM_ReplayTwoPlayers)->Unit(benchmark::kMillisecond);

// The course of the same games for the game report: the log played back,
// both sides' figures after every round, the battles counted.
void BM_GameCourse(benchmark::State &st)
{
    const gw::MoveLog log = gw::readMoveLog(fiveHundredRounds(gw::Players::Computer, int32_t(st.range(0)))).log;
    for (auto _ : st) {
        const gw::GameCourse course = gw::gameCourse(log);
        if (course.points.size() != kRounds + 1)
            st.SkipWithError("the course does not reach the log's end");
        benchmark::DoNotOptimize(course);
    }
}
BENCHMARK(BM_GameCourse)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

} // namespace
