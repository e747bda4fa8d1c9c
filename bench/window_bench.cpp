// SPDX-License-Identifier: MIT
// Benchmarks of the window: the skirmish start with all 220 pictures, one
// round end with its save, one tick of the field redraw with no, one or every
// cell changed; the skirmish screen with 200 own maps, an own map's preview,
// and the map editor: opening it, a stroke, a save.
#include "audio/soundsystem.h"
#include "core/linelist.h"
#include "core/random.h"
#include "scratchdir.h"
#include "ui/fieldredraw.h"
#include "map/mapwriter.h"
#include "ui/gamecontroller.h"
#include "ui/mapeditorcontroller.h"
#include "ui/palette.h"
#include "ui/picturebox.h"
#include "ui/tgw.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
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

// ---- Own maps and the editor -------------------------------------------------

// `count` own maps in the working directory's mymaps folder for the time of
// one benchmark: every other one holds all 35 states the palette offers (35
// pictures to load and make small for its preview), the rest is sand.
class OwnMaps {
public:
    explicit OwnMaps(int count)
    {
        const auto &states = gw::Palette::states();
        for (int i = 0; i < count; ++i) {
            gw::MapDraft draft;
            draft.name = QString("Karte %1").arg(i, 3, 10, QChar('0')).toStdString();
            draft.cells = gw::filledCells("None_Sand");
            for (int n = 1; i % 2 && n <= gw::kCells; ++n) {
                const std::string &state = states[static_cast<std::size_t>(n) % states.size()];
                if (!state.empty())
                    draft.cells[static_cast<std::size_t>(n)] = state;
            }
            draft.cells[220] = gw::kBlueBase;
            gw::writeOwnMap(draft);
        }
    }
    ~OwnMaps() { QDir("mymaps").removeRecursively(); }
};

// Main menu to the skirmish screen, as the click on "Gefecht" does it: the
// own maps listed, the chosen map's record and the saved game looked up.
void BM_SkirmishScreenOpens(benchmark::State &st)
{
    const OwnMaps maps(static_cast<int>(st.range(0)));
    gw::Tgw window(std::make_unique<SilentSound>());
    auto *entry = window.findChild<gw::PictureBox *>("btnskirmish");
    for (auto _ : st) {
        entry->click();
        window.btnskirmishbackClick();
    }
}
BENCHMARK(BM_SkirmishScreenOpens)->Arg(0)->Arg(200)->Unit(benchmark::kMillisecond);

// Choosing an own map in the list: its file read, the preview drawn from
// its 220 cells, its statistics line.
void BM_OwnMapPreview(benchmark::State &st)
{
    const OwnMaps maps(200);
    gw::Tgw window(std::make_unique<SilentSound>());
    window.findChild<gw::PictureBox *>("btnskirmish")->click();
    auto *list = window.findChild<QComboBox *>("maplist");
    int index = 3;
    for (auto _ : st) {
        index = index == 3 ? 4 : 3;
        list->setCurrentIndex(index);
    }
}
BENCHMARK(BM_OwnMapPreview)->Unit(benchmark::kMillisecond);

// "Karteneditor" and back: the palette and the field drawn from the pictures.
void BM_EditorOpens(benchmark::State &st)
{
    const OwnMaps maps(200);
    gw::Tgw window(std::make_unique<SilentSound>());
    window.btnskirmishClick();
    for (auto _ : st) {
        window.btnmapeditorClick();
        window.editor().btneditorbackClick();
    }
}
BENCHMARK(BM_EditorOpens)->Unit(benchmark::kMillisecond);

// One stroke across a whole row of 20 cells, the window shown, each cell
// repainted: what a drag over the field costs.
void BM_EditorStroke(benchmark::State &st)
{
    gw::Tgw window(std::make_unique<SilentSound>());
    window.show();
    window.btnskirmishClick();
    window.btnmapeditorClick();
    QCoreApplication::processEvents();
    gw::MapEditorController &editor = window.editor();
    bool water = false;
    for (auto _ : st) {
        water = !water;
        editor.chooseBrush(water ? "None_Water" : "Red_Farm");
        editor.beginStroke();
        for (int n = 21; n <= 40; ++n)
            editor.strokeCell(n);
        editor.endStroke();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_EditorStroke)->Unit(benchmark::kMillisecond);

// "Speichern" of a map of the player's own, the lists refreshed after it;
// with 200 own maps beside it.
void BM_EditorSave(benchmark::State &st)
{
    const OwnMaps maps(static_cast<int>(st.range(0)));
    gw::Tgw window(std::make_unique<SilentSound>());
    window.btnskirmishClick();
    window.btnmapeditorClick();
    gw::MapEditorController &editor = window.editor();
    editor.chooseBrush(gw::kBlueBase);
    editor.strokeCell(220);
    window.findChild<QLineEdit *>("ededitorname")->setText("Bank");
    bool water = false;
    for (auto _ : st) {
        water = !water;
        editor.chooseBrush(water ? "None_Water" : "Red_Farm");
        editor.strokeCell(1);
        if (!editor.btneditorsaveClick())
            st.SkipWithError("not saved");
    }
}
BENCHMARK(BM_EditorSave)->Arg(0)->Arg(200)->Unit(benchmark::kMillisecond);

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
