// SPDX-License-Identifier: MIT
// A game of two at one screen: from the move of the side on turn (the
// round-end button) until the cover has been drawn, which must take less
// than a frame; and the whole move with its save and the window drawn.
#include "scratchdir.h"
#include "silentsound.h"
#include "ui/gamecontroller.h"
#include "ui/panels/turncover.h"
#include "ui/screenswitcher.h"
#include "ui/tgw.h"
#include "ui/windowscaler.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>

#include <benchmark/benchmark.h>

namespace {

// Notes the moment the cover is first painted.
class PaintClock : public QObject {
public:
    QElapsedTimer clock;
    qint64 paintedAt = -1;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && paintedAt < 0)
            paintedAt = clock.nsecsElapsed();
        return false;
    }
};

struct TwoPlayerWindow {
    gw::Tgw window{std::make_unique<SilentSound>()};
    gw::TurnCover *cover = nullptr;
    QWidget *shown = nullptr;
    TwoPlayerWindow()
    {
        window.screens().btnskirmishClick();
        window.game().setStartPlayers(gw::Players::SameScreen);
        window.game().btnskirmishstartClick();
        window.show();
        QApplication::processEvents();
        cover = window.findChild<gw::TurnCover *>("pancover");
        shown = gw::screenWindowOf(&window);
    }
};

void BM_MoveUntilTheCoverIsDrawn(benchmark::State &st)
{
    TwoPlayerWindow w;
    PaintClock paint;
    w.cover->installEventFilter(&paint);
    for (auto _ : st) {
        paint.paintedAt = -1;
        paint.clock.start();
        w.window.game().btnendtryClick();
        if (paint.paintedAt < 0)
            st.SkipWithError("the cover was not drawn during the move");
        st.SetIterationTime(static_cast<double>(paint.paintedAt) / 1e9);
        w.cover->click();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_MoveUntilTheCoverIsDrawn)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_MoveWithItsSaveAndTheWindowDrawn(benchmark::State &st)
{
    TwoPlayerWindow w;
    for (auto _ : st) {
        w.window.game().btnendtryClick();
        benchmark::DoNotOptimize(w.shown->grab());
        st.PauseTiming();
        w.cover->click();
        st.ResumeTiming();
    }
}
BENCHMARK(BM_MoveWithItsSaveAndTheWindowDrawn)->Unit(benchmark::kMillisecond);

} // namespace
