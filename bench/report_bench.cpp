// SPDX-License-Identifier: MIT
// The game report of a game of 500 rounds against "Schwer", at 100 % and
// 200 %: "Spielbericht" pressed, the course worked out from the move log
// (every round played again, the computer's choices made afresh), the
// report filled in and drawn whole as the window on the screen shows it.
// Beside the time, the bytes of the game's saved game and of its log.
#include "core/random.h"
#include "core/savegame.h"
#include "core/textfile.h"
#include "map/mapfile.h"
#include "rules/enemyturn.h"
#include "rules/movelog.h"
#include "rules/screen.h"
#include "silentsound.h"
#include "ui/recordkeeper.h"
#include "ui/screenswitcher.h"
#include "ui/gamecontroller.h"
#include "ui/tgw.h"
#include "ui/windowscaler.h"

#include <QApplication>
#include <QPushButton>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>

namespace {

constexpr int32_t kRounds = 500;

struct LongGame {
    gw::MoveLog log;
    gw::SavedGame save; // as the game was saved after its 500th round
};

// A player naming any move for 500 rounds without attacking; then it
// attacks with what it has, buying recruits for all its gold whenever
// nothing is left, until one base falls. Its base starts with `redHp`.
LongGame play(int32_t level, int32_t redHp)
{
    LongGame g;
    gw::GameState s;
    const std::string map = std::string(GRIMSWARD_SOURCE_DIR) + "/data/maps/skirmish/Mittelmeer.gwm";
    gw::applyMap(s, gw::parseMap("Mittelmeer", gw::readLines(map)));
    s.enemylevel = level;
    s.basehp = redHp;
    gw::Random random(2024);
    gw::SilentScreen screen;
    std::mt19937 rng(7);
    auto pick = [&rng](uint32_t n) { return static_cast<int32_t>(rng() % n); };
    g.log.begin("Mittelmeer", gw::Players::Computer, random.state(), s);
    while (s.rounds < kRounds + 500) {
        gw::Move m = gw::Move::endRound();
        if (s.rounds >= kRounds)
            m = s.recruits > 0 ? gw::Move::attack(200) : gw::Move::order({std::min(999, s.cash / 10), 0, 0, 0, 0});
        else if (const int32_t k = pick(6); k == 0)
            m = gw::Move::land(1 + pick(220));
        else if (k == 1)
            m = gw::Move::order({pick(200), pick(5), pick(4), pick(3), pick(2)});
        else if (k == 2)
            m = gw::Move::train({pick(5), pick(4), pick(3), pick(2)});
        else if (k == 3)
            m = gw::Move::construction(static_cast<gw::Building>(pick(3)));
        gw::MoveResult r = gw::applyMove(s, gw::Side::Red, m, random, screen);
        if (!r) {
            m = gw::Move::endRound();
            r = gw::applyMove(s, gw::Side::Red, m, random, screen);
        }
        g.log.addMove(gw::Side::Red, m);
        const bool won = r.battle && r.battle->baseDestroyed();
        const gw::EnemyTurnResult t = gw::enemyturn(s, random, screen, won);
        if (!won)
            g.log.addMove(gw::Side::Blue, t.move);
        g.log.closeRound(s);
        const bool lost = t.battle && t.battle->baseDestroyed();
        if (s.rounds == kRounds) {
            g.save.mapName = "Mittelmeer";
            g.save.state = s;
            g.save.random = random.state();
            g.save.log = gw::moveLogLines(g.log);
        }
        if (won || lost) {
            g.log.finish(won ? gw::Side::Red : gw::Side::Blue);
            break;
        }
    }
    return g;
}

// A game decided soon after its 500th round, whoever the level is: played
// with a base that lasts, and where the computer does not lose that game
// soon after round 500, again with the red base as strong as the damage it
// had taken by round 500 (the player's moves do not depend on it), so the
// computer's next attack that gets through decides it, unless Red's does.
LongGame fiveHundredRounds(int32_t level)
{
    constexpr int32_t kLasting = 1'000'000;
    LongGame first = play(level, kLasting);
    if (first.log.winner)
        return first;
    const int32_t taken = kLasting - first.save.state.basehp;
    return play(level, taken > 0 ? taken + 1 : kLasting);
}

void BM_GameReport(benchmark::State &st)
{
    const LongGame game = fiveHundredRounds(int32_t(st.range(1)));
    if (!game.log.winner || game.log.rounds.size() < kRounds) {
        st.SkipWithError("the game was not decided after round 500");
        return;
    }
    gw::Tgw window(std::make_unique<SilentSound>());
    window.screens().btnskirmishClick();
    window.game().btnskirmishstartClick();
    window.scaler().apply(st.range(0) == 200 ? gw::WindowSize::Double : gw::WindowSize::Normal);
    window.show();
    QApplication::processEvents();
    auto *record = window.findChild<gw::RecordKeeper *>();
    auto *button = window.findChild<QPushButton *>("btnwinreport");
    QWidget *report = window.findChild<QWidget *>("pangamereport");
    QWidget *shown = gw::screenWindowOf(&window);
    for (auto _ : st) {
        // A decided game each time, so its course is worked out afresh.
        st.PauseTiming();
        emit record->gameKept(game.log);
        st.ResumeTiming();
        button->click();
        benchmark::DoNotOptimize(shown->grab());
        report->hide();
    }
    st.counters["rounds"] = static_cast<double>(game.log.rounds.back().number);
    st.counters["log_bytes"] = static_cast<double>(gw::moveLogText(game.log).size());
    st.counters["save_bytes"] = static_cast<double>(gw::saveText(game.save).size());
}
BENCHMARK(BM_GameReport)->ArgsProduct({{100, 200}, {0, 1, 2}})->Unit(benchmark::kMillisecond);

} // namespace
