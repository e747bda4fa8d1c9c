// SPDX-License-Identifier: MIT
// The player's record through the window: a game saved, the window gone,
// the game continued exactly; saves that cannot be read; a save that cannot
// be written. The statistics are in statistics_test.cpp.
#include "gameplay.h"
#include "input.h"

#include "core/cells.h"
#include "core/linelist.h"
#include "core/random.h"
#include "rules/enemyturn.h"
#include "rules/recording_screen.h"
#include "rules/state_snapshot.h"
#include "ui/fieldredraw.h"
#include "ui/gamecontroller.h"
#include "ui/widgets/picturebox.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <map>

#include <sys/resource.h>

namespace {

QByteArray bytesOf(const ScratchDir &dir, const QString &name)
{
    QFile f(dir.file(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool shown(const Harness &h, const char *name) { return !h.widget(name)->isHidden(); }

// While it lives, files grow to no more than 100 bytes, as on a full disk.
class FullDisk {
public:
    FullDisk()
    {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        handler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = old_;
        small.rlim_cur = 100;
        ::setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FullDisk()
    {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, handler_);
    }

private:
    rlimit old_{};
    void (*handler_)(int) = nullptr;
};

// The record as far as it belongs to the game: the lines of the field list
// beyond the cells and of the scratch list beyond the map name hold what
// the map file had there and are never read during play, so a save does
// not keep them.
gw::test::Snapshot gameSnapshot(const gw::GameState &s)
{
    gw::test::Snapshot m = gw::test::snapshot(s);
    for (auto it = m.begin(); it != m.end();) {
        const std::string &key = it->first;
        const bool tempLine = key.rfind("memtemp", 0) == 0 && key != "memtemp0";
        const bool beyondCells = key.rfind("memgame", 0) == 0 && std::stoi(key.substr(7)) > gw::kCells;
        it = tempLine || beyondCells ? m.erase(it) : std::next(it);
    }
    return m;
}

// What the game screen shows: every label's and entry's text, every cell's
// picture and the redraw timer.
struct ScreenShot {
    std::map<QString, QString> texts;
    std::vector<QImage> cells;
    bool redraw = false;
};

ScreenShot screenOf(const Harness &h)
{
    ScreenShot shot;
    QWidget *game = h.widget("pangame");
    for (QLabel *l : game->findChildren<QLabel *>())
        shot.texts[l->objectName()] = l->text();
    for (QLineEdit *e : game->findChildren<QLineEdit *>())
        shot.texts[e->objectName()] = e->text();
    for (int n = 1; n <= gw::kCells; ++n)
        shot.cells.push_back(h.find<gw::PictureBox>(QString("Image%1").arg(n))->picture());
    shot.redraw = h.gw->findChild<QTimer *>("tfieldact")->isActive();
    return shot;
}

void clickCell(Harness &h, int n) { h.click(QString("Image%1").arg(n)); }

TEST(ContinueGame, ASeededGameComesBackExactlyInANewWindowAndGoesOnTheSame)
{
    Harness h;
    startGame(h);
    gw::GameState &s = h.gw->state();
    // The opponent expands first, so the redraw runs.
    h.gw->random().seed(seedForFirstAction(12));
    h.click("btnendtry");
    // Land, equipment and a minefield, each a round.
    h.click("btnbuyzone");
    h.click("btnbuyland");
    clickCell(h, firstCell(s, [](const std::string &c) { return c == "None_Sand"; }));
    h.click("btnbuyzone");
    typeInto(h, "edrec", "12");
    typeInto(h, "edmgs", "2");
    h.click("btnletsbuy");
    h.click("btnbuild");
    h.click("btnmines");
    // Counts typed but not bought, a round ended, land chosen to buy next.
    h.click("btntraining");
    typeInto(h, "edinf", "2");
    h.click("btnendtry");
    h.click("btnbuyzone");
    h.click("btnbuyland");
    ASSERT_TRUE(h.boxes.boxes().empty()) << h.boxes.texts().join("; ").toStdString();
    ASSERT_EQ(s.rounds, 5);
    ASSERT_TRUE(h.gw->findChild<QTimer *>("tfieldact")->isActive());

    // The opponent's new cell shows at the redraw's next tick; a continued
    // game shows it at once.
    h.gw->game().redraw().tfieldactTimer();
    const gw::test::Snapshot before = gameSnapshot(s);
    const ScreenShot screenBefore = screenOf(h);
    gw::GameState record = s;
    gw::Random generator = h.gw->random();
    h.click("btnendgame");
    h.gw.reset();

    h.start();
    h.click("btnskirmish");
    ASSERT_TRUE(shown(h, "btncontinue"));
    EXPECT_EQ(textOf(h, "labsavegame"), "Mittelmeer, Runde 5");
    h.click("btncontinue");
    ASSERT_TRUE(h.boxes.boxes().empty()) << h.boxes.texts().join("; ").toStdString();
    ASSERT_TRUE(shown(h, "pangame"));
    EXPECT_TRUE(h.widget("panskirmish")->isHidden());
    EXPECT_EQ(gameSnapshot(h.gw->state()), before);
    EXPECT_EQ(h.gw->random().state(), generator.state());
    const ScreenShot screenAfter = screenOf(h);
    EXPECT_EQ(screenAfter.texts, screenBefore.texts);
    EXPECT_TRUE(screenAfter.cells == screenBefore.cells);
    EXPECT_EQ(screenAfter.redraw, screenBefore.redraw);

    // The next round end: the same as the rules give the old record.
    gw::test::RecordingScreen rules;
    gw::enemyturn(record, generator, rules);
    h.click("btnendtry");
    EXPECT_EQ(gameSnapshot(h.gw->state()), gameSnapshot(record));
    EXPECT_EQ(h.gw->random().state(), generator.state());
}

TEST(ContinueGame, StartingANewGameReplacesTheSaveAndAResultRemovesIt)
{
    Harness h;
    startGame(h);
    h.gw->random().seed(seedForFirstAction(1));
    h.click("btnendtry");
    h.click("btnendgame");
    h.click("btnskirmish");
    EXPECT_EQ(textOf(h, "labsavegame"), "Mittelmeer, Runde 1");
    // A misclick must not lose the game: "Nein" (the default, and Escape)
    // keeps it and the skirmish screen.
    h.boxes.answerNext("&Nein");
    h.click("btnskirmishstart");
    ASSERT_EQ(h.boxes.boxes().size(), 1u);
    const BoxWatcher::Box question = h.boxes.boxes()[0];
    EXPECT_EQ(question.text, "Das gespeicherte Spiel (Mittelmeer, Runde 1) geht dabei verloren. Neues Spiel starten?");
    EXPECT_EQ(question.buttons, (QStringList{"&Ja", "&Nein"}));
    EXPECT_EQ(question.defaultButton, "&Nein");
    EXPECT_EQ(question.escapeButton, "&Nein");
    EXPECT_TRUE(h.widget("pangame")->isHidden());
    EXPECT_EQ(h.dir.readLines("savegame.gws").at(4), "rounds 1");
    h.boxes.answerNext("&Ja");
    h.click("btnskirmishstart");
    EXPECT_EQ(h.boxes.boxes().size(), 2u);
    EXPECT_EQ(h.dir.readLines("savegame.gws").at(4), "rounds 0") << "saved as it starts";

    h.gw->game().showDefeat(0);
    EXPECT_FALSE(QFile::exists(h.dir.file("savegame.gws")));
    h.click("btnlose");
    h.click("btnskirmish");
    EXPECT_FALSE(shown(h, "btncontinue"));
    EXPECT_EQ(h.boxes.boxes().size(), 2u) << h.boxes.texts().join("; ").toStdString();
    // Without a save nothing is asked.
    h.click("btnskirmishstart");
    EXPECT_EQ(h.boxes.boxes().size(), 2u);
    EXPECT_FALSE(h.widget("pangame")->isHidden());
}

TEST(ContinueGame, AMapWithCellStatesOfItsOwnIsSavedAndContinued)
{
    Harness h;
    // An own map whose cells hold a state of its own, with its picture.
    QByteArray map = bytesOf(h.dir, "maps/skirmish/Gestrandet.gwm");
    std::vector<std::string> lines = gw::splitLines(map.toStdString());
    lines[0] = "Eigene Insel";
    lines[5] = "Haus_Links";
    h.dir.write("mymaps/Eigene Insel.gwm", QByteArray::fromStdString(gw::joinLines(lines)));
    h.dir.write("images/Haus_Links.bmp", bytesOf(h.dir, "images/None_Grass.bmp"));
    h.dir.writeOptions({"", "0", "0"});
    h.start();
    h.click("btnskirmish");
    h.gw->game().chooseMap("Eigene Insel");
    h.click("btnskirmishstart");
    h.click("btnendtry");
    const gw::test::Snapshot before = gameSnapshot(h.gw->state());
    h.click("btnendgame");
    h.gw.reset();

    h.start();
    h.click("btnskirmish");
    ASSERT_TRUE(h.boxes.boxes().empty()) << h.boxes.texts().join("; ").toStdString();
    ASSERT_TRUE(shown(h, "btncontinue"));
    EXPECT_EQ(textOf(h, "labsavegame"), "Eigene Insel, Runde 1");
    h.click("btncontinue");
    ASSERT_TRUE(shown(h, "pangame"));
    EXPECT_EQ(gameSnapshot(h.gw->state()), before);
    EXPECT_EQ(h.gw->state().memgame.line(5), "Haus_Links");

    // A save whose map file has gone cannot be continued.
    h.click("btnendgame");
    h.dir.remove("mymaps/Eigene Insel.gwm");
    h.click("btnskirmish");
    EXPECT_FALSE(shown(h, "btncontinue"));
    ASSERT_EQ(h.boxes.boxes().size(), 1u);
    EXPECT_TRUE(h.boxes.boxes()[0].text.contains("Zeile 2: unbekannte Karte 'Eigene Insel'"));
}

TEST(ContinueGame, TheClickOnFortsetzenContinuesEvenWhenTheListsPreviewIsBroken)
{
    Harness h;
    h.dir.writeOptions({"Mittelmeer", "0", "0"});
    h.start();
    h.startSkirmish();
    h.click("btnendtry");
    h.click("btnendgame");
    // The remembered map's preview is damaged: the list starts with no map
    // chosen, its name in view.
    h.dir.write("maps/skirmish/Mittelmeer.bmp", "BM broken");
    h.gw.reset();
    h.start();
    h.gw->show();
    h.gw->activateWindow();
    h.click("btnskirmish");
    QLineEdit *entry = h.find<QComboBox>("maplist")->lineEdit();
    entry->setFocus();
    ASSERT_TRUE(waitUntil([&] { return entry->hasFocus(); }, 2000));
    // A click as the window system delivers it: the press first takes the
    // focus from the list to the button, then the button is clicked.
    QWidget *button = h.widget("btncontinue");
    button->setFocus(Qt::MouseFocusReason);
    mouseClick(button);
    pump(50);
    EXPECT_TRUE(h.boxes.boxes().empty()) << h.boxes.texts().join("; ").toStdString();
    EXPECT_TRUE(shown(h, "pangame"));
    EXPECT_EQ(h.gw->state().rounds, 1);
}

// One row per kind of damage: what is done to a good save, and the reason
// the message gives.
struct BadSave {
    const char *what;
    std::function<void(Harness &, QByteArray &)> damage;
    const char *reason;
};

QByteArray replaced(QByteArray bytes, const char *from, const char *to) { return bytes.replace(from, to); }

TEST(ContinueGame, ASaveThatCannotBeReadIsReportedOnceChangesNothingAndIsSetAsideByANewGame)
{
    const BadSave rows[] = {
        {"wrong version", [](Harness &, QByteArray &b) { b = replaced(b, "grimsward-save 1", "grimsward-save 7"); },
         "das Dateiformat hat die Version 7, gelesen wird Version 1"},
        {"bad number", [](Harness &, QByteArray &b) { b = replaced(b, "\r\ncash ", "\r\ncash Gold"); },
         "Zeile 6: 'Gold1130' ist keine gültige Zahl"},
        {"cell state without a picture",
         [](Harness &, QByteArray &b) { b = replaced(b, "\r\nRed_Farm\r\n", "\r\nRed_Lava\r\n"); },
         "Datei images\\Red_Lava.bmp kann nicht geöffnet werden"},
        {"missing picture", [](Harness &h, QByteArray &) { h.dir.remove("images/Red_Farm.bmp"); },
         "Datei images\\Red_Farm.bmp kann nicht geöffnet werden"},
        {"cut off", [](Harness &, QByteArray &b) { b.truncate(b.size() / 2); }, "die Datei ist unvollständig"},
        {"binary", [](Harness &, QByteArray &b) { b = QByteArray::fromHex("89504e470d0a1a0a0000000d49484452"); },
         "Zeile 1 enthält Steuerzeichen oder Binärdaten"},
    };
    for (const BadSave &row : rows) {
        SCOPED_TRACE(row.what);
        Harness h;
        startGame(h);
        h.gw->random().seed(seedForFirstAction(1));
        h.click("btnendtry");
        h.click("btnendgame");
        QByteArray bytes = bytesOf(h.dir, "savegame.gws");
        row.damage(h, bytes);
        h.dir.write("savegame.gws", bytes);
        gw::test::Snapshot expected = gw::test::snapshot(h.gw->state());
        expected["menustate"] = "2";

        h.click("btnskirmish");
        ASSERT_EQ(h.boxes.boxes().size(), 1u);
        EXPECT_EQ(h.boxes.boxes()[0].title, "Grimsward");
        EXPECT_EQ(h.boxes.boxes()[0].text,
                  QString("Der gespeicherte Spielstand kann nicht fortgesetzt werden: %1. Die Datei savegame.gws "
                          "bleibt unverändert; ein neues Spiel legt sie als savegame.gws.bad beiseite.")
                      .arg(QString::fromUtf8(row.reason)));
        EXPECT_FALSE(shown(h, "btncontinue"));
        EXPECT_EQ(gw::test::snapshot(h.gw->state()), expected);
        EXPECT_EQ(bytesOf(h.dir, "savegame.gws"), bytes);
        // Told once: the screen opens again without a box.
        h.click("btnskirmishback");
        h.click("btnskirmish");
        EXPECT_EQ(h.boxes.boxes().size(), 1u);

        if (std::string(row.what) == "missing picture")
            continue; // no new game starts without the picture
        h.click("btnskirmishstart");
        EXPECT_EQ(bytesOf(h.dir, "savegame.gws.bad"), bytes);
        EXPECT_EQ(h.dir.readLines("savegame.gws").at(0), "grimsward-save 1");
        EXPECT_EQ(h.boxes.boxes().size(), 1u);
    }
}

TEST(ContinueGame, ASaveThatCannotBeWrittenIsReportedOncePerGameAndTheGameGoesOn)
{
    Harness h;
    h.dir.writeOptions({"", "0", "0"});
    h.start();
    h.gw->random().seed(seedForFirstAction(1));
    // A disk that is full: no file of more than a few bytes can be written.
    FullDisk full;
    h.startSkirmish();
    for (int i = 0; i < 3; ++i)
        h.click("btnendtry");
    EXPECT_EQ(h.gw->state().rounds, 3);
    h.click("btnendgame");
    ASSERT_EQ(h.boxes.boxes().size(), 1u);
    EXPECT_EQ(h.boxes.boxes()[0].text, "Datei savegame.gws kann nicht erstellt werden.");

    h.startSkirmish();
    EXPECT_EQ(h.boxes.boxes().size(), 2u) << "once more for the next game";
    EXPECT_FALSE(QFile::exists(h.dir.file("savegame.gws")));
}

} // namespace
