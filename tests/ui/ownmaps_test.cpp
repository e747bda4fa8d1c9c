// SPDX-License-Identifier: MIT
// The player's own maps in the map choice: listed after the shipped ones,
// previewed from their cells, started, saved, continued and counted like
// the shipped ones; a broken one says why and keeps the others.
#include "editing.h"
#include "gameplay.h"

#include "ui/gamecontroller.h"
#include "ui/widgets/picturebox.h"

#include <QComboBox>
#include <QFile>

#include <gtest/gtest.h>

namespace {

bool shown(const Harness &h, const char *name) { return !h.widget(name)->isHidden(); }

TEST(OwnMaps, TwoHundredAreListedPreviewedAndStartedAndABrokenOneSaysWhy)
{
    Harness h;
    for (int i = 0; i < 200; ++i)
        writeOwnMapFile(h, QString("Karte %1").arg(i, 3, 10, QChar('0')).toStdString(),
                        i % 2 ? "None_Water" : "None_Sand", i, 7);
    h.dir.write("mymaps/Kaputt.gwm", "nur eine Zeile\r\n");
    // Neither a shipped map's name nor anything but a map is listed.
    h.dir.write("mymaps/Mittelmeer.gwm", "x");
    h.dir.write("mymaps/Notizen.txt", "x");
    h.dir.writeOptions({"", "0", "0"});
    h.start();
    h.click("btnskirmish");
    auto *list = h.find<QComboBox>("maplist");
    ASSERT_EQ(list->count(), 3 + 201);
    EXPECT_EQ(list->itemText(1), "Big City Crisis");
    EXPECT_EQ(list->itemText(3), "Kaputt");
    EXPECT_EQ(list->itemText(4), "Karte 000");
    EXPECT_EQ(list->itemText(203), "Karte 199");

    auto *preview = h.find<gw::PictureBox>("mappreview");
    list->setCurrentIndex(4);
    const QImage sand = preview->picture();
    list->setCurrentIndex(5);
    const QImage water = preview->picture();
    EXPECT_EQ(water.size(), QSize(265, 144)) << "drawn at the size it is shown, so nothing is scaled";
    EXPECT_NE(water, sand);
    list->setCurrentIndex(7);
    EXPECT_EQ(preview->picture(), water) << "Karte 003 has the cells of Karte 001";
    EXPECT_EQ(h.gw->state().memtemp.line(0), "Karte 003");
    EXPECT_EQ(textOf(h, "labstats"), "Siege: 0 · Niederlagen: 0 · Rekord: – (Leicht)");

    list->setCurrentIndex(3);
    ASSERT_EQ(h.boxes.boxes().size(), 1u);
    EXPECT_EQ(h.boxes.boxes()[0].title, "Grimsward");
    EXPECT_EQ(h.boxes.boxes()[0].text, "'' ist kein gültiger Integerwert.");
    EXPECT_EQ(list->currentIndex(), 7) << "the map in force stays chosen";
    EXPECT_EQ(h.gw->state().memtemp.line(0), "Karte 003");
    EXPECT_EQ(preview->picture(), water);

    h.click("btnskirmishstart");
    ASSERT_TRUE(shown(h, "pangame"));
    EXPECT_EQ(h.gw->state().memgame.line(1), "None_Water");
    EXPECT_EQ(h.gw->state().memgame.line(220), "Blue_Base");
    EXPECT_EQ(h.gw->state().taxes, 3);
    EXPECT_EQ(h.gw->state().enemytaxes, 7);
}

TEST(OwnMaps, AMapMadeInTheEditorPlaysContinuesAndCountsItsResult)
{
    Harness h;
    h.dir.writeOptions({"", "0", "0"});
    h.start();
    Editor e(h);
    e.open();
    e.brush("Red_Base");
    e.paint(1);
    e.brush("Red_Farm");
    e.paint(2);
    e.brush("Blue_Oasis");
    e.paint(219);
    e.brush("Blue_Base");
    e.paint(220);
    e.type("ededitorname", QString::fromUtf8("Öde Insel")); // a name beyond ASCII
    h.click("btneditorplay");
    ASSERT_TRUE(h.boxes.boxes().empty()) << h.boxes.texts().join("; ").toStdString();
    ASSERT_TRUE(shown(h, "pangame"));
    EXPECT_FALSE(shown(h, "paneditor"));
    const gw::GameState &s = h.gw->state();
    EXPECT_EQ(s.memgame.line(1), "Red_Base");
    EXPECT_EQ(s.memgame.line(2), "Red_Farm");
    EXPECT_EQ(s.memgame.line(220), "Blue_Base");
    EXPECT_EQ(s.taxes, 100);
    EXPECT_EQ(s.enemytaxes, 100);
    h.click("btnendtry");
    h.click("btnendgame");

    // "Spielen" with a game saved asks first; "Nein" keeps the saved game.
    h.click("btnskirmish");
    h.click("btnmapeditor");
    h.click("btneditorplay");
    ASSERT_EQ(h.boxes.boxes().size(), 1u);
    EXPECT_EQ(h.boxes.boxes()[0].text,
              QString::fromUtf8("Das gespeicherte Spiel (Öde Insel, Runde 1) geht dabei verloren. Neues Spiel starten?"));
    EXPECT_TRUE(shown(h, "paneditor"));
    h.click("btneditorback");

    ASSERT_TRUE(shown(h, "btncontinue"));
    EXPECT_EQ(textOf(h, "labsavegame"), QString::fromUtf8("Öde Insel, Runde 1"));
    h.click("btncontinue");
    ASSERT_TRUE(shown(h, "pangame"));
    EXPECT_EQ(s.rounds, 1);
    EXPECT_EQ(s.memgame.line(2), "Red_Farm");

    h.gw->game().showVictory(s.rounds);
    h.click("btnwin");
    h.click("btnskirmish");
    EXPECT_EQ(h.find<QComboBox>("maplist")->currentText(), QString::fromUtf8("Öde Insel"));
    EXPECT_EQ(textOf(h, "labstats"), "Siege: 1 · Niederlagen: 0 · Rekord: 1 Runden (Leicht)");
    EXPECT_FALSE(shown(h, "btncontinue"));

    // The next start offers it again, as the map played last.
    h.gw.reset();
    h.start();
    h.click("btnskirmish");
    EXPECT_EQ(h.find<QComboBox>("maplist")->currentText(), QString::fromUtf8("Öde Insel"));
    EXPECT_EQ(h.gw->state().memtemp.line(0), "\xc3\x96" "de Insel");
}

} // namespace

namespace {

TEST(OwnMaps, DeletingAMapWithAGameSavedOnItSaysSoAndTakesTheSaveAlong)
{
    Harness h;
    h.dir.writeOptions({"", "0", "0"});
    h.start();
    Editor e(h);
    e.open();
    e.brush("Red_Base");
    e.paint(1);
    e.brush("Blue_Base");
    e.paint(220);
    e.type("ededitorname", QString::fromUtf8("Prüfinsel"));
    h.click("btneditorplay");
    ASSERT_TRUE(shown(h, "pangame"));
    for (int round = 0; round < 3; ++round)
        h.click("btnendtry");
    h.click("btnendgame");

    h.click("btnskirmish");
    h.click("btnmapeditor");
    e.openMap(QString::fromUtf8("Prüfinsel"));
    h.boxes.answerNext("&Ja");
    h.click("btneditordelete");
    ASSERT_EQ(h.boxes.boxes().size(), 1u);
    const BoxWatcher::Box &question = h.boxes.boxes()[0];
    EXPECT_TRUE(question.text.endsWith(QString::fromUtf8(
        "Das gespeicherte Spiel auf dieser Karte (Runde 3) kann danach nicht fortgesetzt werden.")))
        << question.text.toStdString();
    EXPECT_EQ(question.defaultButton, "&Nein");
    EXPECT_FALSE(QFile::exists(h.dir.file("savegame.gws")));
    EXPECT_FALSE(QFile::exists(h.dir.file(QString::fromUtf8("mymaps/Prüfinsel.gwm"))));

    // Nothing reports a save that cannot be continued, now or at the next start.
    h.click("btneditorback");
    EXPECT_FALSE(shown(h, "btncontinue"));
    h.gw.reset();
    h.start();
    h.click("btnskirmish");
    EXPECT_EQ(h.boxes.boxes().size(), 1u) << h.boxes.texts().join("; ").toStdString();
}

} // namespace
