// SPDX-License-Identifier: MIT
// Benchmarks of the window: the skirmish start with all 220 pictures, one
// round end with its save, and one tick of the field redraw.
#include "audio/soundsystem.h"
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

void BM_RedrawTick(benchmark::State &st)
{
    gw::Tgw window(std::make_unique<SilentSound>());
    window.btnskirmishClick();
    window.game().btnskirmishstartClick();
    for (auto _ : st)
        window.game().redraw().tfieldactTimer();
}
BENCHMARK(BM_RedrawTick)->Unit(benchmark::kMillisecond);

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
