// SPDX-License-Identifier: MIT
// Benchmarks of the player's own maps and the map editor (part of
// bench_window): the skirmish screen with 200 own maps, an own map's
// preview, and the editor: opening it, a stroke, a save.
#include "silentsound.h"

#include "core/cells.h"
#include "map/mapwriter.h"
#include "ui/mapeditorcontroller.h"
#include "ui/panels/palette.h"
#include "ui/screenswitcher.h"
#include "ui/tgw.h"
#include "ui/widgets/picturebox.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QString>

#include <benchmark/benchmark.h>

namespace {

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
        window.screens().btnskirmishbackClick();
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
    window.screens().btnskirmishClick();
    for (auto _ : st) {
        window.screens().btnmapeditorClick();
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
    window.screens().btnskirmishClick();
    window.screens().btnmapeditorClick();
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
    window.screens().btnskirmishClick();
    window.screens().btnmapeditorClick();
    gw::MapEditorController &editor = window.editor();
    editor.chooseBrush(gw::kBlueBase);
    editor.strokeCell(220);
    editor.chooseBrush(gw::kRedBase);
    editor.strokeCell(219);
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
