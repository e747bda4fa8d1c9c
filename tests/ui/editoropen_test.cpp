// SPDX-License-Identifier: MIT
// The map editor opens with the map chosen on the skirmish screen (a shipped
// one as a copy), says "Gespeichert." after a save until the next change,
// and its list of maps to open reads like the enabled control it is.
#include "editing.h"
#include "gameplay.h"

#include "map/mapfile.h"
#include "ui/panels/editorfield.h"
#include "ui/widgets/gamestyle.h"

#include <QComboBox>
#include <QImage>

#include <gtest/gtest.h>

namespace {

void startOn(Harness &h)
{
    h.dir.writeOptions({"", "0", "0"});
    h.start();
}

TEST(EditorOpening, OpensTheMapChosenOnTheSkirmishScreenAShippedOneAsACopy)
{
    Harness h;
    writeOwnMapFile(h, "Insel", "None_Sand", 40, 70);
    startOn(h);
    Editor e(h);

    // The first map, chosen without a touch of the list.
    e.open(true);
    EXPECT_EQ(textOf(h, "ededitorname"), "Kopie von Mittelmeer");
    const gw::LoadedMap shipped = gw::readMap("Mittelmeer");
    for (int n : {1, 58, 220})
        EXPECT_EQ(e.field->cellPicture(n), e.picture(shipped.lines.at(static_cast<std::size_t>(n)))) << n;
    EXPECT_EQ(h.find<QComboBox>("editormaplist")->currentText(), "Mittelmeer (als Kopie)");
    EXPECT_FALSE(h.widget("btneditordelete")->isEnabled()) << "a copy has no file to delete";
    EXPECT_EQ(textOf(h, "labeditorstatus"), "");
    h.click("btneditorback");

    // An own map chosen: the editor holds that very map.
    h.find<QComboBox>("maplist")->setCurrentText("Insel");
    ASSERT_EQ(h.gw->state().memtemp.line(0), "Insel");
    h.click("btnmapeditor");
    EXPECT_EQ(textOf(h, "ededitorname"), "Insel");
    EXPECT_EQ(e.field->cellPicture(1), e.picture("None_Sand"));
    EXPECT_EQ(textOf(h, "ededitortaxes"), "40");
    EXPECT_EQ(textOf(h, "ededitorenemytaxes"), "70");
    EXPECT_EQ(h.find<QComboBox>("editormaplist")->currentText(), "Insel");
    EXPECT_TRUE(h.widget("btneditordelete")->isEnabled());
    EXPECT_TRUE(h.boxes.boxes().empty()) << h.boxes.texts().join("; ").toStdString();
}

TEST(EditorOpening, SaysSavedAfterASaveUntilTheNextChange)
{
    Harness h;
    startOn(h);
    Editor e(h);
    e.open();
    e.brush("Blue_Base");
    e.paint(220);
    e.brush("Red_Base");
    e.paint(1);
    e.type("ededitorname", "Bucht");
    EXPECT_EQ(textOf(h, "labeditorstatus"), "Nicht gespeichert");
    h.click("btneditorsave");
    EXPECT_EQ(textOf(h, "labeditorstatus"), "Gespeichert.");
    e.paint(219);
    EXPECT_EQ(textOf(h, "labeditorstatus"), "Nicht gespeichert");
    h.click("btneditorsave");
    EXPECT_EQ(textOf(h, "labeditorstatus"), "Gespeichert.");
    h.click("btneditornew");
    EXPECT_EQ(textOf(h, "labeditorstatus"), "") << "a new map is not the one saved";
    EXPECT_TRUE(h.boxes.boxes().empty()) << h.boxes.texts().join("; ").toStdString();
}

// Pixels of the list's face within reach of the captions' gold.
int goldPixels(QComboBox *list)
{
    const QImage face = list->grab().toImage();
    int count = 0;
    for (int y = 0; y < face.height(); ++y) {
        for (int x = 0; x < face.width(); ++x) {
            const QColor c = face.pixelColor(x, y);
            const QColor &g = gw::look::text;
            if (std::abs(c.red() - g.red()) + std::abs(c.green() - g.green()) + std::abs(c.blue() - g.blue()) < 60)
                ++count;
        }
    }
    return count;
}

TEST(EditorOpening, TheListOfMapsReadsAsEnabled)
{
    Harness h;
    startOn(h);
    Editor e(h);
    e.open(true);
    auto *list = h.find<QComboBox>("editormaplist");
    ASSERT_TRUE(list->isEnabled());
    const int enabled = goldPixels(list);
    EXPECT_GT(enabled, 20) << "its text in the captions' gold";
    list->setEnabled(false);
    EXPECT_LT(goldPixels(list), enabled / 4) << "a disabled list looks otherwise";
    list->setEnabled(true);
}

} // namespace
