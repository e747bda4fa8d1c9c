// SPDX-License-Identifier: MIT
// The field redraw: the opponent's cell at the next tick, only changed cells
// drawn, a failed picture tried again and reported once per game.
#include "harness.h"

#include "ui/fieldredraw.h"
#include "ui/gamecontroller.h"
#include "ui/widgets/picturebox.h"

#include <QEvent>
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

QImage cellPicture(const Harness &h, int n)
{
    return h.find<gw::PictureBox>(QString("Image%1").arg(n))->picture();
}

QImage fileOfState(const ScratchDir &dir, const std::string &state)
{
    return QImage(dir.file(QString::fromStdString("images/" + state + ".bmp")), "BMP");
}

// The numbers of the cells that have been painted since it was made.
class CellPaints : public QObject {
public:
    explicit CellPaints(const Harness &h)
    {
        for (int n = 1; n <= 220; ++n) {
            QWidget *cell = h.widget(QString("Image%1").arg(n));
            cell->installEventFilter(this);
            numbers_[cell] = n;
        }
    }
    std::set<int> painted;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted.insert(numbers_.at(watched));
        return false;
    }

private:
    std::map<QObject *, int> numbers_;
};

class Redraw : public ::testing::Test {
protected:
    void SetUp() override
    {
        h.dir.writeOptions({"", "0", "0"});
        h.start();
    }
    Harness h;
};

TEST_F(Redraw, RedrawShowsTheOpponentsCellAtTheNextTickNotBefore)
{
    h.startSkirmish();
    const Lines file = mapLines(h.dir, "Mittelmeer");
    int target = 0;
    for (int n = 1; n <= 220 && !target; ++n) {
        if (file[static_cast<std::size_t>(n)].rfind("None_", 0) == 0)
            target = n;
    }
    ASSERT_NE(target, 0);
    const QImage before = cellPicture(h, target);
    h.gw->state().memgame.setLine(static_cast<std::size_t>(target), "Blue_Grass");
    auto *redraw = h.gw->findChild<QTimer *>("tfieldact");
    h.gw->game().enableRedraw();
    EXPECT_EQ(cellPicture(h, target), before) << "nothing drawn at once";
    pump(300);
    EXPECT_EQ(cellPicture(h, target), before) << "not before the tick";
    h.gw->game().enableRedraw();
    EXPECT_LT(redraw->remainingTime(), 900) << "enabling a running timer must not restart its rhythm";
    EXPECT_TRUE(waitUntil([&] { return cellPicture(h, target) != before; }, 3000));
    EXPECT_EQ(cellPicture(h, target), fileOfState(h.dir, "Blue_Grass"));
    EXPECT_TRUE(h.boxes.boxes().empty());
}

TEST_F(Redraw, ARedrawTickDrawsOnlyTheCellsWhoseStateChanged)
{
    h.startSkirmish();
    h.gw->show();
    pump(100);
    CellPaints paints(h);
    h.gw->game().redraw().tfieldactTimer();
    pump(100);
    EXPECT_EQ(paints.painted, std::set<int>{}) << "no cell changed, none is drawn";

    const int changed = 5;
    ASSERT_NE(h.gw->state().memgame.line(changed), "Blue_Grass");
    h.gw->state().memgame.setLine(changed, "Blue_Grass");
    h.gw->game().redraw().tfieldactTimer();
    pump(100);
    EXPECT_EQ(paints.painted, std::set<int>{changed});
    EXPECT_EQ(cellPicture(h, changed), fileOfState(h.dir, "Blue_Grass"));
}

TEST_F(Redraw, ACellWhosePictureFailedIsDrawnAtALaterTick)
{
    h.startSkirmish();
    const QImage kept = cellPicture(h, 8);
    QFile picture(h.dir.file("images/Blue_Sand.bmp"));
    ASSERT_TRUE(picture.open(QIODevice::ReadOnly));
    const QByteArray bytes = picture.readAll();
    picture.close();
    h.dir.remove("images/Blue_Sand.bmp");
    ASSERT_NE(h.gw->state().memgame.line(8), "Blue_Sand");
    h.gw->state().memgame.setLine(8, "Blue_Sand");
    h.gw->game().redraw().tfieldactTimer();
    ASSERT_EQ(h.boxes.boxes().size(), 1u);
    EXPECT_EQ(cellPicture(h, 8), kept);

    h.dir.write("images/Blue_Sand.bmp", bytes);
    h.gw->game().redraw().tfieldactTimer();
    EXPECT_EQ(cellPicture(h, 8), fileOfState(h.dir, "Blue_Sand")) << "a failed cell counts as not drawn";
    EXPECT_EQ(h.boxes.boxes().size(), 1u);
}

TEST_F(Redraw, AMissingPictureDuringTheRedrawIsReportedOncePerGame)
{
    h.startSkirmish();
    const QImage kept = cellPicture(h, 7);
    const std::string cell7 = h.gw->state().memgame.line(7);
    h.gw->state().memgame.setLine(7, "None_Lava");
    h.gw->state().memgame.setLine(8, "Blue_Sand");
    h.gw->game().redraw().tfieldactTimer();
    h.gw->game().redraw().tfieldactTimer();
    ASSERT_EQ(h.boxes.boxes().size(), 1u);
    EXPECT_EQ(h.boxes.boxes()[0].title, "Grimsward");
    EXPECT_EQ(h.boxes.boxes()[0].text, "Datei images\\None_Lava.bmp kann nicht geöffnet werden.");
    EXPECT_EQ(cellPicture(h, 7), kept) << "the failing cell keeps its picture";
    EXPECT_EQ(cellPicture(h, 8), fileOfState(h.dir, "Blue_Sand")) << "the other cells are drawn";

    // The next game reports it again. (The cell is put back first: a game
    // left with a state that has no picture leaves a save that cannot be
    // read, which the skirmish screen would report as well.)
    h.gw->state().memgame.setLine(7, cell7);
    h.click("btnendgame");
    h.startSkirmish();
    h.gw->state().memgame.setLine(7, "None_Lava");
    h.gw->game().redraw().tfieldactTimer();
    EXPECT_EQ(h.boxes.boxes().size(), 2u);
}

} // namespace
