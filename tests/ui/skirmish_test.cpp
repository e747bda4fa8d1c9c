// SPDX-License-Identifier: MIT
// Starting a skirmish on each map, the failures that leave everything as it
// was and the way back to the main menu. The field redraw is in
// redraw_test.cpp.
#include "harness.h"

#include "ui/fieldredraw.h"
#include "ui/gamecontroller.h"

#include "core/linelist.h"
#include "core/strtoint.h"
#include "ui/widgets/picturebox.h"

#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

using Lines = std::vector<std::string>;

Lines mapLines(const ScratchDir &dir, const std::string &name)
{
    return dir.readLines(QString::fromStdString("maps/skirmish/" + name + ".gwm"));
}

void writeMap(const ScratchDir &dir, const std::string &name, const Lines &lines)
{
    dir.write(QString::fromStdString("maps/skirmish/" + name + ".gwm"), QByteArray::fromStdString(gw::joinLines(lines)));
}

QImage cellPicture(const Harness &h, int n)
{
    return h.find<gw::PictureBox>(QString("Image%1").arg(n))->picture();
}

QImage fileOfState(const ScratchDir &dir, const std::string &state)
{
    return QImage(dir.file(QString::fromStdString("images/" + state + ".bmp")), "BMP");
}

QString labelText(const Harness &h, const char *name) { return h.find<QLabel>(name)->text(); }

void chooseMap(Harness &h, int index)
{
    h.click("btnskirmish");
    h.find<QComboBox>("maplist")->setCurrentIndex(index);
}

class Skirmish : public ::testing::Test {
protected:
    void SetUp() override
    {
        h.dir.writeOptions({"", "0", "0"});
        h.start();
    }
    Harness h;
};

TEST_F(Skirmish, EachShippedMapStartsWithItsCellsTaxesAndThousandGold)
{
    const char *const names[] = {"Mittelmeer", "Big City Crisis", "Gestrandet"};
    for (int index = 0; index < 3; ++index) {
        const std::string name = names[index];
        SCOPED_TRACE(name);
        // Each start is a new game, not one to ask about.
        QFile::remove(h.dir.file("savegame.gws"));
        chooseMap(h, index);
        h.click("btnskirmishstart");
        ASSERT_TRUE(h.boxes.boxes().empty()) << h.boxes.texts().join("; ").toStdString();

        const Lines file = mapLines(h.dir, name);
        ASSERT_GE(file.size(), 232u);
        const gw::GameState &s = h.gw->state();
        EXPECT_EQ(s.taxes, gw::strtoint(file[230]));
        EXPECT_EQ(s.enemytaxes, gw::strtoint(file[231]));
        EXPECT_EQ(s.cash, 1000);
        EXPECT_EQ(s.enemycash, 1000);
        EXPECT_EQ(s.basehp, 100);
        EXPECT_EQ(s.enemybasehp, 100);
        EXPECT_EQ(s.rounds, 0);
        EXPECT_EQ(s.fieldactive, 1);
        EXPECT_EQ(s.memgame.lines(), file);
        EXPECT_NE(std::find(file.begin() + 1, file.begin() + 221, "Blue_Base"), file.begin() + 221)
            << "a map needs the opponent's base";

        EXPECT_EQ(labelText(h, "labcash"), "1000");
        EXPECT_EQ(labelText(h, "labtaxes").toStdString(), std::to_string(s.taxes));
        for (const char *l : {"labrecruits", "labmg", "labsniper", "labmorse", "labspecial", "labmgs", "labsnipers",
                              "labmorses", "labspecials"})
            EXPECT_EQ(labelText(h, l), "0") << l;

        for (int n = 1; n <= 220; ++n) {
            const QImage expected = fileOfState(h.dir, file[static_cast<std::size_t>(n)]);
            ASSERT_FALSE(expected.isNull()) << file[static_cast<std::size_t>(n)];
            EXPECT_EQ(cellPicture(h, n), expected) << "cell " << n;
        }
        EXPECT_FALSE(h.widget("pangame")->isHidden());
        EXPECT_TRUE(h.widget("panskirmish")->isHidden());
        EXPECT_EQ(h.gw->state().menustate, 2);
        h.click("btnendgame");
    }
}

TEST_F(Skirmish, FirstVisitWithoutTouchingTheListStartsMittelmeer)
{
    h.startSkirmish();
    EXPECT_EQ(h.gw->state().memgame.lines(), mapLines(h.dir, "Mittelmeer"));
}

TEST_F(Skirmish, ReturnToTheMainMenuStopsTheRedrawAndResetsNothing)
{
    h.startSkirmish();
    h.gw->game().enableRedraw();
    h.gw->state().cash = 777;
    h.click("btnendgame");
    EXPECT_TRUE(h.widget("pangame")->isHidden());
    EXPECT_EQ(h.gw->state().menustate, 0);
    EXPECT_TRUE(h.gw->findChild<QTimer *>("mainmenuslide")->isActive());
    EXPECT_FALSE(h.gw->findChild<QTimer *>("tfieldact")->isActive());
    EXPECT_EQ(h.gw->state().cash, 777);
    EXPECT_TRUE(waitUntil([&] { return !h.widget("btnskirmish")->isHidden(); }, 1000));
}

TEST_F(Skirmish, ANewSkirmishStartsClean)
{
    h.startSkirmish();
    h.gw->game().showVictory(3);
    h.gw->game().showDefeat(4);
    for (const char *panel : {"panbuy", "pantrain", "panbuild", "panfight", "paninfo", "pantax", "panenemyinfo"})
        h.widget(panel)->show();
    h.find<QLineEdit>("edrec")->setText("5");
    h.find<QLineEdit>("edinf")->setText("7");
    h.gw->state().fieldmode = 2;
    h.click("btnendgame");

    h.startSkirmish();
    for (const char *panel : {"panbuy", "pantrain", "panbuild", "panfight", "paninfo", "pantax", "panenemyinfo",
                              "panwin", "panlose"})
        EXPECT_TRUE(h.widget(panel)->isHidden()) << panel;
    for (const char *entry : {"edrec", "edmgs", "edsnips", "edmorts", "edspecs", "edinf", "edsniper", "edmortar",
                              "edspecial"})
        EXPECT_EQ(h.find<QLineEdit>(entry)->text(), "0") << entry;
    EXPECT_EQ(labelText(h, "labcosts"), "0");
    EXPECT_EQ(labelText(h, "labtraincosts"), "0");
    EXPECT_EQ(h.gw->state().fieldmode, 0);
    EXPECT_FALSE(h.widget("panfield")->isHidden());
}

// What a failed start must not change.
struct Snapshot {
    explicit Snapshot(const Harness &h) : state(h.gw->state())
    {
        for (int n = 1; n <= 220; ++n)
            cells.push_back(cellPicture(h, n));
        labels = {labelText(h, "labcash"), labelText(h, "labtaxes")};
        skirmishOpen = !h.widget("panskirmish")->isHidden();
        gameOpen = !h.widget("pangame")->isHidden();
    }
    void expectSame(const Snapshot &o) const
    {
        EXPECT_EQ(state.rounds, o.state.rounds);
        EXPECT_EQ(state.cash, o.state.cash);
        EXPECT_EQ(state.taxes, o.state.taxes);
        EXPECT_EQ(state.enemytaxes, o.state.enemytaxes);
        EXPECT_EQ(state.basehp, o.state.basehp);
        EXPECT_EQ(state.recruits, o.state.recruits);
        EXPECT_EQ(state.fieldactive, o.state.fieldactive);
        EXPECT_EQ(state.fieldmode, o.state.fieldmode);
        EXPECT_EQ(state.menustate, o.state.menustate);
        EXPECT_EQ(state.memgame, o.state.memgame);
        EXPECT_EQ(state.memtemp, o.state.memtemp);
        EXPECT_EQ(labels, o.labels);
        EXPECT_EQ(skirmishOpen, o.skirmishOpen);
        EXPECT_EQ(gameOpen, o.gameOpen);
        for (std::size_t i = 0; i < cells.size(); ++i)
            EXPECT_EQ(cells[i], o.cells[i]) << "cell " << i + 1;
    }
    gw::GameState state;
    std::vector<QImage> cells;
    QStringList labels;
    bool skirmishOpen, gameOpen;
};

struct Failure {
    const char *what;
    std::function<void(const ScratchDir &)> spoil;
    const char *message;
};

const std::vector<Failure> &failures()
{
    static const std::vector<Failure> list = {
        {"map file missing", [](const ScratchDir &d) { d.remove("maps/skirmish/Mittelmeer.gwm"); },
         "Datei maps\\skirmish\\Mittelmeer.gwm kann nicht geöffnet werden."},
        {"player's tax line with a trailing blank",
         [](const ScratchDir &d) {
             Lines l = mapLines(d, "Mittelmeer");
             l[230] = "120 ";
             writeMap(d, "Mittelmeer", l);
         },
         "'120 ' ist kein gültiger Integerwert."},
        {"opponent's tax line missing",
         [](const ScratchDir &d) {
             Lines l = mapLines(d, "Mittelmeer");
             l.resize(231);
             writeMap(d, "Mittelmeer", l);
         },
         "'' ist kein gültiger Integerwert."},
        {"a cell picture missing",
         [](const ScratchDir &d) {
             Lines l = mapLines(d, "Mittelmeer");
             l[200] = "None_Lava";
             writeMap(d, "Mittelmeer", l);
         },
         "Datei images\\None_Lava.bmp kann nicht geöffnet werden."},
        {"an empty cell line",
         [](const ScratchDir &d) {
             Lines l = mapLines(d, "Mittelmeer");
             l[3] = "";
             writeMap(d, "Mittelmeer", l);
         },
         "Datei images\\.bmp kann nicht geöffnet werden."},
        {"a cell picture that is no bitmap",
         [](const ScratchDir &d) {
             Lines l = mapLines(d, "Mittelmeer");
             l[220] = "Broken_Thing";
             writeMap(d, "Mittelmeer", l);
             d.write("images/Broken_Thing.bmp", "BM but not really");
         },
         "Bitmap ist ungültig."},
    };
    return list;
}

TEST(SkirmishFailure, AFailedFirstStartChangesNothing)
{
    for (const Failure &f : failures()) {
        SCOPED_TRACE(f.what);
        Harness fresh;
        fresh.dir.writeOptions({"", "0", "0"});
        fresh.start();
        f.spoil(fresh.dir);
        fresh.click("btnskirmish");
        const Snapshot before(fresh);
        fresh.click("btnskirmishstart");
        ASSERT_EQ(fresh.boxes.boxes().size(), 1u);
        EXPECT_EQ(fresh.boxes.boxes()[0].title, "Grimsward");
        EXPECT_EQ(fresh.boxes.boxes()[0].text.toStdString(), f.message);
        Snapshot(fresh).expectSame(before);
        EXPECT_TRUE(before.skirmishOpen);
        EXPECT_EQ(fresh.gw->state().fieldactive, 0);
    }
}

TEST(SkirmishFailure, AFailedSecondStartKeepsTheEarlierGame)
{
    for (const Failure &f : failures()) {
        SCOPED_TRACE(f.what);
        Harness played;
        played.dir.writeOptions({"", "0", "0"});
        played.start();
        played.startSkirmish();
        played.gw->state().cash = 1234;
        played.gw->state().rounds = 9;
        played.gw->state().memgame.setLine(5, "Blue_Grass");
        played.click("btnendgame");
        // The earlier game as the record holds it, not as a save.
        QFile::remove(played.dir.file("savegame.gws"));
        f.spoil(played.dir);
        played.click("btnskirmish");
        const Snapshot before(played);
        played.click("btnskirmishstart");
        ASSERT_EQ(played.boxes.boxes().size(), 1u);
        EXPECT_EQ(played.boxes.boxes()[0].text.toStdString(), f.message);
        Snapshot(played).expectSame(before);
    }
}

} // namespace
