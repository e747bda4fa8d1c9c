// SPDX-License-Identifier: MIT
// Start-up, the main menu, the options screen with its file, the quit
// question and the music.
#include "harness.h"
#include "input.h"

#include "ui/optionscontroller.h"

#include "core/gameerror.h"
#include "ui/widgets/picturebox.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

Lines optionsWith(const std::string &music, const std::string &sound, const std::string &language = "")
{
    Lines lines(50);
    lines[0] = "Gestrandet";
    lines[1] = music;
    lines[2] = sound;
    lines[3] = language;
    lines[7] = "kept as it is";
    return lines;
}

QString caption(Harness &h, const char *button) { return h.find<QPushButton>(button)->text(); }

bool menuPicturesShown(Harness &h)
{
    return !h.widget("btnskirmish")->isHidden() && !h.widget("btnoptions")->isHidden() &&
           !h.widget("btnend")->isHidden();
}

TEST(StartUp, WithoutAnOptionsFileBothSwitchesAreOffAndLeavingOptionsWritesFiftyLines)
{
    Harness h;
    h.start();
    ASSERT_EQ(h.boxes.boxes().size(), 1u);
    EXPECT_EQ(h.boxes.boxes()[0].title, "Grimsward");
    EXPECT_EQ(h.boxes.boxes()[0].text, "Datei options.cfg kann nicht geöffnet werden.");
    EXPECT_EQ(h.boxes.boxes()[0].owner, h.gw.get());
    EXPECT_EQ(h.gw->state().musicon, 0);
    EXPECT_EQ(h.gw->state().soundon, 0);
    EXPECT_TRUE(callsOf(h.sounds, {"play"}).empty());
    EXPECT_EQ(h.gw->state().menustate, 0);
    EXPECT_TRUE(h.gw->findChild<QTimer *>("mainmenuslide")->isActive());

    h.click("btnoptions");
    EXPECT_EQ(caption(h, "btnmusic"), "* Ausgeschaltet *");
    EXPECT_EQ(caption(h, "btnsound"), "* Ausgeschaltet *");
    h.click("btnoptionsback");
    const Lines written = h.dir.readLines("options.cfg");
    ASSERT_EQ(written.size(), 50u);
    EXPECT_EQ(written[0], "Mittelmeer");
    EXPECT_EQ(written[1], "0");
    EXPECT_EQ(written[2], "0");
    EXPECT_EQ(h.boxes.boxes().size(), 1u) << "no further error";
}

TEST(StartUp, MusicPlaysOnlyWhenLineOneIsOne)
{
    struct Case {
        const char *music;
        bool plays;
        const char *shown;
    };
    for (const Case &c : {Case{"1", true, "* Eingeschaltet *"}, Case{"0", false, "* Ausgeschaltet *"},
                          Case{"2", false, "* Ausgeschaltet *"}, Case{"$1", true, "* Eingeschaltet *"}}) {
        SCOPED_TRACE(c.music);
        Harness h;
        h.dir.writeOptions(optionsWith(c.music, "0"));
        h.start();
        EXPECT_TRUE(h.boxes.boxes().empty());
        EXPECT_EQ(callsOf(h.sounds, {"play"}).size(), c.plays ? 1u : 0u);
        h.click("btnoptions");
        EXPECT_EQ(caption(h, "btnmusic"), c.shown);
    }
}

TEST(StartUp, AllFourSoundsAreOpenedBeforeTheMenu)
{
    Harness h;
    h.dir.writeOptions(optionsWith("1", "1"));
    h.start();
    const auto opens = callsOf(h.sounds, {"open"});
    EXPECT_EQ(opens.size(), 4u);
    for (const char *name : {"open sbgmusic", "open sfightbg", "open sfight", "open sdefend"})
        EXPECT_NE(std::find(opens.begin(), opens.end(), name), opens.end()) << name;
    // The opens come before the music starts.
    EXPECT_EQ(h.sounds->at(4), "play sbgmusic");
    h.gw.reset();
    EXPECT_EQ(callsOf(h.sounds, {"close"}).size(), 4u);
}

TEST(StartUp, AnUnopenableSoundStopsTheWindowBeingBuilt)
{
    Harness h;
    h.dir.writeOptions(optionsWith("1", "1"));
    EXPECT_THROW(h.start({gw::Sound::Defend}), gw::GameError);
    EXPECT_TRUE(callsOf(h.sounds, {"play"}).empty());
}

TEST(StartUp, ABadSoundSwitchKeepsTheMusicSwitchButStartsNoMusic)
{
    Harness h;
    h.dir.writeOptions(optionsWith("1", "an"));
    h.start();
    ASSERT_EQ(h.boxes.boxes().size(), 1u);
    EXPECT_EQ(h.boxes.boxes()[0].text, "'an' ist kein gültiger Integerwert.");
    EXPECT_EQ(h.gw->state().musicon, 1);
    EXPECT_EQ(h.gw->state().soundon, 0);
    EXPECT_TRUE(callsOf(h.sounds, {"play"}).empty());
}

TEST(StartUp, ABadMusicSwitchLeavesBothOff)
{
    Harness h;
    h.dir.writeOptions(optionsWith("1 ", "1"));
    h.start();
    ASSERT_EQ(h.boxes.boxes().size(), 1u);
    EXPECT_EQ(h.boxes.boxes()[0].text, "'1 ' ist kein gültiger Integerwert.");
    EXPECT_EQ(h.gw->state().musicon, 0);
    EXPECT_EQ(h.gw->state().soundon, 0);
}

TEST(Options, SavingKeepsTheFilesOwnLines)
{
    Harness h;
    h.dir.writeOptions(optionsWith("0", "1"));
    h.start();
    h.click("btnoptions");
    EXPECT_EQ(h.gw->state().menustate, 1);
    EXPECT_EQ(caption(h, "btnsound"), "* Eingeschaltet *");
    h.click("btnmusic");
    h.click("btnsound");
    EXPECT_EQ(caption(h, "btnmusic"), "* Eingeschaltet *");
    EXPECT_EQ(caption(h, "btnsound"), "* Ausgeschaltet *");
    h.click("btnoptionsback");
    EXPECT_EQ(h.gw->state().menustate, 0);
    EXPECT_TRUE(h.widget("panoptions")->isHidden());

    // Line 0 keeps the remembered map, line 3 takes the language, the other
    // lines stay as they were.
    EXPECT_EQ(h.dir.readLines("options.cfg"), optionsWith("1", "0", "de"));
}

TEST(Options, AfterAGameTheFileStillHoldsItsOwnLines)
{
    Harness h;
    h.dir.writeOptions(optionsWith("0", "0"));
    h.start();
    h.startSkirmish();
    ASSERT_FALSE(h.widget("pangame")->isHidden());
    h.click("btnendgame");
    EXPECT_EQ(h.dir.readLines("options.cfg"), optionsWith("0", "0")) << "the start saved the options, not the map";
    h.click("btnoptions");
    h.click("btnoptionsback");
    EXPECT_EQ(h.dir.readLines("options.cfg"), optionsWith("0", "0", "de")) << "not the map file";
}

TEST(Options, AnUnwritableFileKeepsTheScreenOpen)
{
    Harness h;
    // A directory in the file's place can be neither read nor written.
    QDir(h.dir.path()).mkdir("options.cfg");
    h.start();
    h.click("btnoptions");
    h.click("btnsound");
    h.boxes.clear();
    h.click("btnoptionsback");
    ASSERT_EQ(h.boxes.boxes().size(), 1u);
    EXPECT_EQ(h.boxes.boxes()[0].title, "Grimsward");
    EXPECT_EQ(h.boxes.boxes()[0].text, "Datei options.cfg kann nicht erstellt werden.");
    EXPECT_EQ(h.gw->state().menustate, 1);
    EXPECT_FALSE(h.widget("panoptions")->isHidden());
    EXPECT_EQ(h.gw->state().soundon, 1) << "the new value stays in memory";

    // The player is never trapped: the next try leaves the screen all the
    // same, by Escape as by the back button, and the quit question is there.
    for (const bool escape : {true, false}) {
        SCOPED_TRACE(escape ? "Escape" : "back button");
        h.click("btnoptions");
        h.boxes.clear();
        h.click("btnoptionsback");
        ASSERT_EQ(h.boxes.boxes().size(), 1u);
        EXPECT_FALSE(h.widget("panoptions")->isHidden());
        if (escape)
            pressKey(h.gw.get(), Qt::Key_Escape);
        else
            h.click("btnoptionsback");
        EXPECT_EQ(h.boxes.boxes().size(), 1u) << "told once";
        EXPECT_TRUE(h.widget("panoptions")->isHidden());
        EXPECT_EQ(h.gw->state().menustate, 0);
        EXPECT_EQ(h.gw->state().soundon, 1) << "kept for this run";
    }
    h.boxes.answerNext("&Nein");
    pressKey(h.gw.get(), Qt::Key_Escape);
    EXPECT_EQ(h.boxes.boxes().back().text, "Möchten Sie wirklich beenden?");
}

TEST(Options, MusicSwitchStopsAndPlays)
{
    Harness h;
    h.dir.writeOptions(optionsWith("1", "0"));
    h.start();
    h.click("btnoptions");
    h.sounds->clear();
    h.click("btnmusic");
    h.click("btnmusic");
    EXPECT_EQ(*h.sounds, (Lines{"stop sbgmusic", "play sbgmusic"}));
    h.sounds->clear();
    h.click("btnsound");
    EXPECT_TRUE(h.sounds->empty()) << "the sound switch touches no player";
}

TEST(Options, MusicRestartsAtEveryRewindTickOnlyWhenSwitchedOn)
{
    Harness h;
    h.dir.writeOptions(optionsWith("1", "0"));
    h.start();
    h.sounds->clear();
    h.gw->options().tmusicrewindTimer();
    EXPECT_EQ(*h.sounds, (Lines{"rewind sbgmusic", "play sbgmusic"}));
    h.gw->state().musicon = 0;
    h.sounds->clear();
    h.gw->options().tmusicrewindTimer();
    EXPECT_EQ(*h.sounds, (Lines{"rewind sbgmusic"}));
}

TEST(MainMenu, PicturesFollowTheMenuStateAtTheNextTick)
{
    Harness h;
    h.start();
    auto *slide = h.gw->findChild<QTimer *>("mainmenuslide");
    h.click("btnoptions");
    EXPECT_TRUE(menuPicturesShown(h)) << "not before the tick";
    EXPECT_TRUE(waitUntil([&] { return !menuPicturesShown(h); }, 1000));
    EXPECT_FALSE(slide->isActive());
    h.click("btnoptionsback");
    EXPECT_TRUE(slide->isActive());
    EXPECT_TRUE(waitUntil([&] { return menuPicturesShown(h); }, 1000));
    pump(60);
    EXPECT_TRUE(menuPicturesShown(h)) << "the entries stay on the main menu";

    h.click("btnskirmish");
    EXPECT_EQ(h.gw->state().menustate, 2);
    EXPECT_FALSE(h.widget("panskirmish")->isHidden());
    EXPECT_TRUE(waitUntil([&] { return !menuPicturesShown(h); }, 1000));
    h.click("btnskirmishback");
    EXPECT_EQ(h.gw->state().menustate, 0);
    EXPECT_TRUE(h.widget("panskirmish")->isHidden());
    EXPECT_TRUE(waitUntil([&] { return menuPicturesShown(h); }, 1000));
}

TEST(MainMenu, TheTimerRestsOnceTheEntriesFollowTheScreenAndWakesAtEveryChange)
{
    Harness h;
    h.dir.writeOptions(optionsWith("0", "0"));
    h.start();
    auto *slide = h.gw->findChild<QTimer *>("mainmenuslide");
    const auto restsWithEntries = [&](bool shown) {
        EXPECT_TRUE(waitUntil([&] { return !slide->isActive(); }, 1000)) << "the timer goes on ticking";
        EXPECT_EQ(menuPicturesShown(h), shown);
        pump(100);
        EXPECT_FALSE(slide->isActive()) << "started again with nothing changed";
        EXPECT_EQ(menuPicturesShown(h), shown);
    };
    restsWithEntries(true);

    h.click("btnoptions");
    EXPECT_TRUE(slide->isActive());
    restsWithEntries(false);
    h.click("btnoptionsback");
    EXPECT_TRUE(slide->isActive());
    restsWithEntries(true);

    h.click("btnskirmish");
    EXPECT_TRUE(slide->isActive());
    restsWithEntries(false);
    h.click("btnskirmishstart");
    ASSERT_FALSE(h.widget("pangame")->isHidden());
    restsWithEntries(false);
    h.click("btnendgame");
    EXPECT_TRUE(slide->isActive());
    restsWithEntries(true);
}

TEST(MainMenu, QuitQuestionAnsweredNoKeepsTheWindowAndYesClosesIt)
{
    Harness h;
    h.dir.writeOptions(optionsWith("0", "0"));
    h.start();
    h.gw->show();
    h.boxes.answerNext("&Nein");
    h.click("btnend");
    ASSERT_EQ(h.boxes.boxes().size(), 1u);
    const BoxWatcher::Box &box = h.boxes.boxes()[0];
    EXPECT_EQ(box.title, "Bestätigung");
    EXPECT_EQ(box.text, "Möchten Sie wirklich beenden?");
    EXPECT_EQ(box.icon, QMessageBox::Question);
    EXPECT_EQ(box.buttons, (QStringList{"&Ja", "&Nein"}));
    EXPECT_EQ(box.defaultButton, "&Ja");
    EXPECT_EQ(box.escapeButton, "&Nein");
    EXPECT_TRUE(h.gw->isVisible());
    EXPECT_EQ(h.gw->state().menustate, 0);

    h.boxes.answerNext("&Ja");
    h.click("btnend");
    EXPECT_FALSE(h.gw->isVisible());
    EXPECT_EQ(h.dir.readLines("options.cfg"), optionsWith("0", "0")) << "quitting saves nothing";
}

TEST(SkirmishScreen, ChoosingAMapShowsItsPreviewAndKeepsItForTheNextVisit)
{
    Harness h;
    Lines noMap = optionsWith("0", "0");
    noMap[0] = "Atlantis"; // no map remembered
    h.dir.writeOptions(noMap);
    h.start();
    auto *list = h.find<QComboBox>("maplist");
    auto *preview = h.find<gw::PictureBox>("mappreview");
    h.click("btnskirmish");
    EXPECT_EQ(h.gw->state().memtemp.line(0), "Mittelmeer");
    EXPECT_EQ(preview->picture().size(), QSize(798, 435)) << "the stored preview until a map is chosen";

    list->setCurrentIndex(2);
    EXPECT_EQ(h.gw->state().memtemp.line(0), "Gestrandet");
    const QImage expected(h.dir.file("maps/skirmish/Gestrandet.bmp"));
    EXPECT_EQ(preview->picture().size(), expected.size());
    EXPECT_EQ(preview->picture().convertToFormat(QImage::Format_RGB32), expected.convertToFormat(QImage::Format_RGB32));

    h.click("btnskirmishback");
    EXPECT_EQ(h.gw->state().memtemp.line(0), "Gestrandet");
    h.click("btnskirmish");
    EXPECT_EQ(h.gw->state().memtemp.line(0), "Gestrandet") << "the list's choice stays in force";
    EXPECT_EQ(list->currentText(), "Gestrandet");
}

TEST(SkirmishScreen, TypedTextThatNamesNoMapLeavesTheChoice)
{
    Harness h;
    h.dir.writeOptions(optionsWith("0", "0"));
    h.start();
    auto *list = h.find<QComboBox>("maplist");
    h.click("btnskirmish");
    list->setCurrentIndex(1);
    list->lineEdit()->setText("Atlantis");
    EXPECT_EQ(h.gw->state().memtemp.line(0), "Big City Crisis");
    emit list->lineEdit()->editingFinished();
    EXPECT_EQ(list->currentText(), "Big City Crisis") << "the map in force comes back into view";

    // The exact name of a map chooses it.
    list->lineEdit()->setText("Gestrandet");
    EXPECT_EQ(list->currentIndex(), 2);
    EXPECT_EQ(h.gw->state().memtemp.line(0), "Gestrandet");
}

TEST(SkirmishScreen, APreviewThatCannotBeLoadedLeavesThePreviousChoice)
{
    Harness h;
    h.dir.writeOptions(optionsWith("0", "0"));
    h.start();
    h.dir.remove("maps/skirmish/Big City Crisis.bmp");
    auto *list = h.find<QComboBox>("maplist");
    auto *preview = h.find<gw::PictureBox>("mappreview");
    h.click("btnskirmish");
    list->setCurrentIndex(2);
    const QImage before = preview->picture();
    list->setCurrentIndex(1);
    ASSERT_EQ(h.boxes.boxes().size(), 1u);
    EXPECT_EQ(h.boxes.boxes()[0].text, "Datei maps\\skirmish\\Big City Crisis.bmp kann nicht geöffnet werden.");
    EXPECT_EQ(h.gw->state().memtemp.line(0), "Gestrandet");
    EXPECT_EQ(preview->picture(), before);
    EXPECT_EQ(list->currentIndex(), 2) << "the list shows the map that will be started";
}

} // namespace
