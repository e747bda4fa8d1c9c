// SPDX-License-Identifier: MIT
// The last map started is offered again after a restart: the options file's
// line 0 names it, and it is written when a skirmish starts.
#include "harness.h"

#include "core/linelist.h"
#include "ui/widgets/picturebox.h"

#include <QComboBox>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

std::unique_ptr<gw::Tgw> newWindow(const Harness &h)
{
    return std::make_unique<gw::Tgw>(std::make_unique<RecordingSound>(h.sounds));
}

QImage previewOf(const gw::Tgw &w) { return w.findChild<gw::PictureBox *>("mappreview")->picture(); }

QImage previewFile(const ScratchDir &dir, const char *map)
{
    return QImage(dir.file(QString("maps/skirmish/%1.bmp").arg(map))).convertToFormat(QImage::Format_RGB32);
}

TEST(RememberedMap, TheMapStartedLastIsShownAndStartedAfterARestart)
{
    Harness h;
    h.dir.writeOptions({"", "0", "1", "", "kept"});
    h.start();
    h.click("btnskirmish");
    h.find<QComboBox>("maplist")->setCurrentIndex(2);
    h.click("btnskirmishstart");
    ASSERT_FALSE(h.widget("pangame")->isHidden());
    const Lines saved = h.dir.readLines("options.cfg");
    ASSERT_GE(saved.size(), 5u);
    EXPECT_EQ(saved[0], "Gestrandet");
    EXPECT_EQ(saved[1], "0");
    EXPECT_EQ(saved[2], "1");
    EXPECT_EQ(saved[4], "kept");
    const gw::LineList played = h.gw->state().memgame;

    // A second window in the same directory, as after a restart.
    auto second = newWindow(h);
    EXPECT_TRUE(h.boxes.boxes().empty()) << h.boxes.texts().join("; ").toStdString();
    auto *list = second->findChild<QComboBox *>("maplist");
    EXPECT_EQ(list->currentIndex(), 2);
    EXPECT_EQ(list->currentText(), "Gestrandet");
    EXPECT_EQ(previewOf(*second).convertToFormat(QImage::Format_RGB32), previewFile(h.dir, "Gestrandet"));
    second->findChild<gw::PictureBox *>("btnskirmish")->click();
    EXPECT_EQ(list->currentText(), "Gestrandet");
    EXPECT_EQ(second->state().memtemp.line(0), "Gestrandet");
    h.boxes.answerNext("&Ja"); // the first window's game may be replaced
    second->findChild<gw::PictureBox *>("btnskirmishstart")->click();
    EXPECT_EQ(second->state().memgame, played);
    EXPECT_EQ(second->state().soundon, 1);
}

TEST(RememberedMap, ANameThatIsNoMapLeavesTheFirstMap)
{
    for (const char *name : {"", "gestrandet", "Atlantis", "Gestrandet "}) {
        SCOPED_TRACE(name);
        Harness h;
        h.dir.writeOptions({name, "0", "0"});
        h.start();
        auto *list = h.find<QComboBox>("maplist");
        EXPECT_EQ(list->currentIndex(), -1);
        EXPECT_EQ(list->currentText(), "Mittelmeer");
        EXPECT_EQ(previewOf(*h.gw).size(), QSize(798, 435)) << "the stored preview";
        h.startSkirmish();
        EXPECT_EQ(h.gw->state().memtemp.line(0), "Mittelmeer");
        EXPECT_TRUE(h.boxes.boxes().empty());
    }
}

TEST(RememberedMap, AMapWhosePreviewIsGoneIsQuietlyForgotten)
{
    Harness h;
    h.dir.writeOptions({"Big City Crisis", "0", "0"});
    h.dir.remove("maps/skirmish/Big City Crisis.bmp");
    h.start();
    EXPECT_TRUE(h.boxes.boxes().empty()) << h.boxes.texts().join("; ").toStdString();
    EXPECT_EQ(h.find<QComboBox>("maplist")->currentText(), "Mittelmeer");
    h.startSkirmish();
    EXPECT_EQ(h.gw->state().memtemp.line(0), "Mittelmeer");
}

TEST(RememberedMap, TheChosenNameIsSavedWhateverTheMapFileSaysInItsFirstLine)
{
    Harness h;
    h.dir.writeOptions({"", "0", "0"});
    Lines map = h.dir.readLines("maps/skirmish/Gestrandet.gwm");
    map[0] = "Mittelmeer";
    h.dir.write("maps/skirmish/Gestrandet.gwm", QByteArray::fromStdString(gw::joinLines(map)));
    h.start();
    h.click("btnskirmish");
    h.find<QComboBox>("maplist")->setCurrentIndex(2);
    h.click("btnskirmishstart");
    ASSERT_FALSE(h.widget("pangame")->isHidden());
    EXPECT_EQ(h.dir.readLines("options.cfg").at(0), "Gestrandet");
}

TEST(RememberedMap, AStartNeverRewritesTheSwitchLines)
{
    {
        // Line 1 is no number, so both switches fall back to off; line 2
        // still says on, and only the options screen may change it.
        Harness h;
        h.dir.writeOptions({"", "ja", "1", "kept"});
        h.start();
        ASSERT_EQ(h.boxes.boxes().size(), 1u);
        h.startSkirmish();
        EXPECT_EQ(h.dir.readLines("options.cfg"), (Lines{"Mittelmeer", "ja", "1", "kept"}));
    }
    // Without a file there are no lines to keep: nothing is written.
    Harness none;
    none.start();
    none.startSkirmish();
    EXPECT_FALSE(QFile::exists(none.dir.file("options.cfg")));
    EXPECT_EQ(none.boxes.boxes().size(), 1u) << "only the start-up's";
}

TEST(RememberedMap, AnOptionsFileThatCannotBeWrittenDoesNotStopTheGame)
{
    Harness h;
    h.dir.writeOptions({"", "0", "0"});
    h.start();
    // A directory in the file's place cannot be written.
    h.dir.remove("options.cfg");
    QDir(h.dir.path()).mkdir("options.cfg");
    bool gameUpDuringBox = false;
    h.boxes.onBox = [&](const BoxWatcher::Box &) { gameUpDuringBox = !h.widget("pangame")->isHidden(); };
    h.startSkirmish();
    ASSERT_EQ(h.boxes.boxes().size(), 1u);
    EXPECT_EQ(h.boxes.boxes()[0].title, "Grimsward");
    EXPECT_EQ(h.boxes.boxes()[0].text, "Datei options.cfg kann nicht erstellt werden.");
    EXPECT_TRUE(gameUpDuringBox) << "the game screen is up before the error shows";
    EXPECT_FALSE(h.widget("pangame")->isHidden());
    EXPECT_EQ(h.gw->state().cash, 1000);
    EXPECT_EQ(h.gw->state().fieldactive, 1);
}

TEST(RememberedMap, AContinuedGameOfAnotherMapIsTheMapRemembered)
{
    Harness h;
    h.dir.writeOptions({"Gestrandet", "0", "0", "de"});
    h.start();
    h.startSkirmish();
    h.click("btnendtry");
    h.click("btnendgame");
    // The list shows another map when the Gestrandet game is continued.
    h.click("btnskirmish");
    h.find<QComboBox>("maplist")->setCurrentIndex(0);
    h.click("btncontinue");
    ASSERT_FALSE(h.widget("pangame")->isHidden());
    h.click("btnendgame");
    h.click("btnoptions");
    h.click("btnoptionsback");
    EXPECT_EQ(h.dir.readLines("options.cfg").at(0), "Gestrandet");
    h.click("btnskirmish");
    EXPECT_EQ(h.find<QComboBox>("maplist")->currentText(), "Gestrandet") << "the list offers the map played";
    EXPECT_TRUE(h.boxes.boxes().empty()) << h.boxes.texts().join("; ").toStdString();
}

} // namespace
