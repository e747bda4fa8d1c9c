// SPDX-License-Identifier: MIT
// Moving the borderless window by dragging anything that is not a control.
// The offscreen platform offers no system move, so the window follows the
// mouse itself there.
#include "gameplay.h"
#include "input.h"

#include "ui/widgets/windowdrag.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

class Drag : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(QGuiApplication::platformName(), "offscreen");
        h.dir.writeOptions({"", "0", "0"});
        h.start();
        h.gw->show();
        h.gw->move(100, 80);
        drag = h.gw->findChild<gw::WindowDrag *>();
        ASSERT_NE(drag, nullptr);
    }

    // Drags from a point of the widget by the offset, in three moves.
    void dragBy(QWidget *w, QPoint from, QPoint offset)
    {
        const QPoint start = w->mapToGlobal(from);
        mousePress(w, from, start);
        for (int step = 1; step <= 3; ++step)
            mouseMove(w, from + offset * step / 3, start + offset * step / 3);
        mouseRelease(w, from + offset, start + offset);
    }

    Harness h;
    gw::WindowDrag *drag = nullptr;
};

TEST_F(Drag, ThePictureBehindTheMenuMovesTheWindowAndClicksNothing)
{
    QWidget *background = h.widget("bground");
    dragBy(background, {600, 300}, {45, -30});
    EXPECT_EQ(h.gw->pos(), QPoint(145, 50));
    EXPECT_EQ(h.gw->state().menustate, 0);
    for (const char *p : {"panoptions", "panskirmish", "pangame"})
        EXPECT_TRUE(h.widget(p)->isHidden()) << p;
    EXPECT_TRUE(h.boxes.boxes().empty());

    // A press and release in one place moves nothing.
    const QPoint at = background->mapToGlobal(QPoint(700, 500));
    mousePress(background, {700, 500}, at);
    mouseRelease(background, {700, 500}, at);
    EXPECT_EQ(h.gw->pos(), QPoint(145, 50));
    EXPECT_TRUE(h.boxes.boxes().empty());
}

TEST_F(Drag, ThePanelsAndLabelsOfTheGameScreenMoveItToo)
{
    h.startSkirmish();
    dragBy(h.widget("panfield"), {38, 4}, {10, 10}); // between the cells
    EXPECT_EQ(h.gw->pos(), QPoint(110, 90));
    dragBy(h.widget("labscash"), {5, 5}, {-20, 5});
    EXPECT_EQ(h.gw->pos(), QPoint(90, 95));
    EXPECT_EQ(h.gw->state().rounds, 0);
    EXPECT_TRUE(h.boxes.boxes().empty());
}

TEST_F(Drag, ControlsAndClickablePicturesKeepTheirClicks)
{
    // The menu picture opens the skirmish screen; the window stays put.
    mouseClick(h.widget("btnskirmish"));
    EXPECT_FALSE(h.widget("panskirmish")->isHidden());
    mouseClick(h.widget("btnskirmishstart"));
    ASSERT_FALSE(h.widget("pangame")->isHidden());

    // A cell in buy mode buys the land; the round-end button ends the round.
    gw::GameState &s = h.gw->state();
    s.memgame.setLine(3, "None_Grass");
    h.gw->random().seed(seedForFirstAction(1));
    mouseClick(h.widget("btnbuyzone"));
    mouseClick(h.widget("btnbuyland"));
    mouseClick(h.widget("Image3"));
    EXPECT_EQ(s.memgame.line(3), "Red_Grass");
    EXPECT_EQ(s.rounds, 1);
    h.gw->random().seed(seedForFirstAction(1));
    mouseClick(h.widget("btnendtry"));
    EXPECT_EQ(s.rounds, 2);
    EXPECT_EQ(h.gw->pos(), QPoint(100, 80));
}

TEST_F(Drag, OnlyWhatDoesNothingWhenPressedIsAHandle)
{
    for (const char *name : {"bground", "panfield", "pangame", "labcash", "labscash", "picrecruits", "mappreview",
                             "panbuy", "Label1", "labreporttitle", "lablastmove", "mappreviewframe", "labversion"})
        EXPECT_TRUE(drag->isDragHandle(h.widget(name))) << name;
    for (const char *name : {"btnskirmish", "btnoptions", "btnend", "btnskirmishstart", "btnoptionsback", "Image1",
                             "Image220", "btnendtry", "btnbuyzone", "edrec", "recruitsupdown", "maplist",
                             "btnclosereport", "btnmusic"})
        EXPECT_FALSE(drag->isDragHandle(h.widget(name))) << name;
    // The parts inside controls.
    EXPECT_FALSE(drag->isDragHandle(h.find<QComboBox>("maplist")->lineEdit()));
    EXPECT_FALSE(drag->isDragHandle(h.widget("recruitsupdown")->findChild<QToolButton *>()));
    // Another window is none of its business.
    QWidget other;
    EXPECT_FALSE(drag->isDragHandle(&other));
}

} // namespace
