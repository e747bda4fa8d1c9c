// SPDX-License-Identifier: MIT
// Benchmarks of the window: the skirmish start with all 220 pictures, one
// round end with its save, and one tick of the field redraw with no, one or
// every cell changed.
#include "audio/soundsystem.h"
#include "core/linelist.h"
#include "core/random.h"
#include "scratchdir.h"
#include "ui/fieldredraw.h"
#include "ui/gamecontroller.h"
#include "ui/tgw.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

struct SilentSound : gw::SoundSystem {
    void open(gw::Sound) override {}
    void play(gw::Sound) override {}
    void stop(gw::Sound) override {}
    void rewind(gw::Sound) override {}
    void close(gw::Sound) override {}
    void setVolume(gw::Sound, int) override {}
};

void BM_SkirmishStart(benchmark::State &st)
{
    gw::Tgw window(std::make_unique<SilentSound>());
    window.btnskirmishClick();
    for (auto _ : st) {
        window.game().btnskirmishstartClick();
        window.returnToMainMenu();
        window.btnskirmishClick();
    }
}
BENCHMARK(BM_SkirmishStart)->Unit(benchmark::kMillisecond);

// One round end from the button, with the save that follows it. The
// opponent buys recruits every time, so no battle opens a box.
void BM_RoundEnd(benchmark::State &st)
{
    gw::Tgw window(std::make_unique<SilentSound>());
    window.btnskirmishClick();
    window.game().btnskirmishstartClick();
    uint32_t seed = 1;
    while (gw::Random(seed).drawbelow(12) != 0)
        ++seed;
    for (auto _ : st) {
        window.random().seed(seed);
        window.game().btnendtryClick();
    }
}
BENCHMARK(BM_RoundEnd)->Unit(benchmark::kMillisecond);

// One tick of the field redraw in which `changed` cells (0, 1 or all 220)
// have a new state since the last tick: each iteration flips them between
// the map's state and a blue one.
void BM_RedrawTick(benchmark::State &st)
{
    gw::Tgw window(std::make_unique<SilentSound>());
    window.btnskirmishClick();
    window.game().btnskirmishstartClick();
    gw::LineList &field = window.state().memgame;
    const std::vector<std::string> map = field.lines();
    const auto changed = static_cast<std::size_t>(st.range(0));
    bool blue = false;
    for (auto _ : st) {
        blue = !blue;
        for (std::size_t n = 1; n <= changed; ++n)
            field.setLine(n, blue ? std::string("Blue_Grass") : map[n]);
        window.game().redraw().tfieldactTimer();
    }
}
BENCHMARK(BM_RedrawTick)->Arg(0)->Arg(1)->Arg(220)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QDir::setCurrent(makeRunDirectory(dir));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
