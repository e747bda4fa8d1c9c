// SPDX-License-Identifier: MIT
// Benchmarks of the window: the skirmish start with all 220 pictures, one
// round end with its save, one tick of the field redraw with no, one or
// every cell changed, and at 100 % and 200 %: a whole picture of the main
// menu and of the game screen as the window on the screen draws it, and a
// click on a cell on its way from the window on the screen to the cell, and
// "Angreifen" with the forecast of the largest armies drawn. The
// own maps and the map editor have theirs in editor_bench.cpp.
#include "audio/soundsystem.h"
#include "core/linelist.h"
#include "core/random.h"
#include "scratchdir.h"
#include "silentsound.h"
#include "ui/fieldredraw.h"
#include "ui/gamecontroller.h"
#include "ui/screenswitcher.h"
#include "ui/tgw.h"
#include "ui/widgets/picturebox.h"
#include "ui/windowscaler.h"

#include <QApplication>
#include <QGraphicsView>
#include <QMouseEvent>
#include <QPushButton>
#include <benchmark/benchmark.h>

namespace {

void BM_SkirmishStart(benchmark::State &st)
{
    gw::Tgw window(std::make_unique<SilentSound>());
    window.screens().btnskirmishClick();
    for (auto _ : st) {
        window.game().btnskirmishstartClick();
        window.screens().returnToMainMenu();
        window.screens().btnskirmishClick();
    }
}
BENCHMARK(BM_SkirmishStart)->Unit(benchmark::kMillisecond);

// One round end from the button, with the save that follows it. The
// opponent buys recruits every time, so no battle opens a box.
void BM_RoundEnd(benchmark::State &st)
{
    gw::Tgw window(std::make_unique<SilentSound>());
    window.screens().btnskirmishClick();
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
    window.screens().btnskirmishClick();
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

// The window shown at 100 % (range 100) or 200 % (200), on the main menu
// (screen 0) or the game screen (1).
std::unique_ptr<gw::Tgw> shownWindow(int percent, bool game)
{
    auto window = std::make_unique<gw::Tgw>(std::make_unique<SilentSound>());
    if (game) {
        window->screens().btnskirmishClick();
        window->game().btnskirmishstartClick();
    }
    window->scaler().apply(percent == 200 ? gw::WindowSize::Double : gw::WindowSize::Normal);
    window->show();
    QApplication::processEvents();
    return window;
}

// Everything the window on the screen shows, drawn once, as after an
// exposure.
void BM_DrawWindow(benchmark::State &st)
{
    const auto window = shownWindow(int(st.range(0)), st.range(1) == 1);
    QWidget *shown = gw::screenWindowOf(window.get());
    for (auto _ : st)
        benchmark::DoNotOptimize(shown->grab());
}
BENCHMARK(BM_DrawWindow)->ArgsProduct({{100, 200}, {0, 1}})->Unit(benchmark::kMillisecond);

// A press and release on the middle of cell 58, delivered where the window
// system delivers it: to the cell at 100 %, to the view's viewport at 200 %,
// from where the scene and the proxy take it to the cell. No field mode is
// set, so the click changes nothing.
void BM_ClickOnACell(benchmark::State &st)
{
    const auto window = shownWindow(int(st.range(0)), true);
    QWidget *cell = window->findChild<QWidget *>("Image58");
    auto *view = qobject_cast<QGraphicsView *>(gw::screenWindowOf(window.get()));
    QWidget *target = view ? view->viewport() : cell;
    const QPoint logical = cell->mapTo(window.get(), QPoint(17, 17));
    const QPointF at = view ? QPointF(view->mapFromScene(QPointF(logical))) : QPointF(17, 17);
    const QPointF global = target->mapToGlobal(at);
    for (auto _ : st) {
        QMouseEvent press(QEvent::MouseButtonPress, at, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, at, global, Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(target, &release);
    }
}
BENCHMARK(BM_ClickOnACell)->Arg(100)->Arg(200)->Unit(benchmark::kMicrosecond);

// "Angreifen" with 999 of every force and defence on both sides, at 100 %
// or 200 %: the prompt opens with the battle forecast worked out and filled
// in, and is drawn once as the window on the screen shows it. The player
// reads it within a frame (16.7 ms) or the prompt lags.
void BM_AttackForecast(benchmark::State &st)
{
    const auto window = shownWindow(int(st.range(0)), true);
    gw::GameState &s = window->state();
    for (int32_t *n : {&s.recruits, &s.infantry, &s.snipers, &s.mortarcrews, &s.specialunits, &s.enemyrecruits,
                       &s.enemyinfantry, &s.enemysnipers, &s.enemymortarcrews, &s.enemyspecialunits, &s.enemytowers,
                       &s.enemybunkers, &s.enemyminefields})
        *n = 999;
    auto *fight = window->findChild<QPushButton *>("btnfight");
    QWidget *prompt = window->findChild<QWidget *>("panfight");
    QWidget *shown = gw::screenWindowOf(window.get());
    const QRect area(prompt->mapTo(window.get(), QPoint(0, 0)), prompt->size());
    const double scale = gw::drawScaleOf(window.get());
    const QRect onScreen(area.topLeft() * scale, area.size() * scale);
    for (auto _ : st) {
        fight->click();
        benchmark::DoNotOptimize(shown->grab(onScreen));
        prompt->hide();
    }
}
BENCHMARK(BM_AttackForecast)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

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
