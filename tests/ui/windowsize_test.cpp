// SPDX-License-Identifier: MIT
// The window drawn larger: which sizes the options screen offers, the
// options file's "window=" line, and the game through the scaling view:
// every widget kept, clicks and keys landing where they land at 100 %,
// boxes at the game's size, the drag moving the window on the screen.
#include "gameplay.h"
#include "input.h"

#include "ui/optionscontroller.h"
#include "ui/screens/skirmishscreen.h"
#include "ui/windowscaler.h"
#include "ui/windowsize.h"

#include <QApplication>
#include <QComboBox>
#include <QGraphicsProxyWidget>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QScreen>

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace {

using gw::WindowSize;
using Sizes = std::vector<WindowSize>;
using Lines = std::vector<std::string>;

// ---- The sizes offered -----------------------------------------------------

TEST(WindowSizes, OnlyThoseThatFitTheAvailableAreaAreOffered)
{
    const QSize at150 = gw::scaledWindowSize(WindowSize::OneAndAHalf);
    const QSize at200 = gw::scaledWindowSize(WindowSize::Double);
    EXPECT_EQ(at200, QSize(1598, 1190));
    // A 2560 x 1440 screen holds all; a 1280 x 800 one neither 150 % (893
    // rows) nor 200 %; a 1080-row screen with a panel holds 150 % only.
    EXPECT_EQ(gw::offeredWindowSizes({2560, 1440}),
              (Sizes{WindowSize::Normal, WindowSize::OneAndAHalf, WindowSize::Double, WindowSize::Full}));
    EXPECT_EQ(gw::offeredWindowSizes({1280, 800}), (Sizes{WindowSize::Normal, WindowSize::Full}));
    EXPECT_EQ(gw::offeredWindowSizes({1920, 1040}), (Sizes{WindowSize::Normal, WindowSize::OneAndAHalf, WindowSize::Full}));
    // The window must fit whole, in both directions; a pixel short is too small.
    EXPECT_EQ(gw::offeredWindowSizes(at200).size(), 4u);
    EXPECT_EQ(gw::offeredWindowSizes(at200 - QSize(1, 0)).size(), 3u);
    EXPECT_EQ(gw::offeredWindowSizes(at200 - QSize(0, 1)).size(), 3u);
    EXPECT_EQ(gw::offeredWindowSizes(at150 - QSize(0, 1)), (Sizes{WindowSize::Normal, WindowSize::Full}));
    // A screen smaller than the window offers full screen alone, and a
    // window asked for at 100 % starts there.
    EXPECT_EQ(gw::offeredWindowSizes({640, 480}), (Sizes{WindowSize::Full}));
    EXPECT_EQ(gw::fittingWindowSize(WindowSize::Normal, gw::offeredWindowSizes({640, 480})), WindowSize::Full);
}

TEST(WindowSizes, FullScreenIsTheLargestFactorAtWhichTheLayoutFits)
{
    for (const QSize screen : {QSize(2560, 1440), QSize(1280, 800), QSize(1024, 768), QSize(3840, 2160)}) {
        SCOPED_TRACE(screen.width());
        const double f = gw::windowScale(WindowSize::Full, screen);
        EXPECT_LE(799 * f, screen.width() + 1e-9);
        EXPECT_LE(595 * f, screen.height() + 1e-9);
        // One side is filled exactly.
        EXPECT_TRUE(std::abs(799 * f - screen.width()) < 1e-9 || std::abs(595 * f - screen.height()) < 1e-9);
    }
}

TEST(WindowSizes, AWantedSizeThatNoLongerFitsFallsBackToTheLargestThatDoes)
{
    const Sizes small = gw::offeredWindowSizes({1920, 1040});
    EXPECT_EQ(gw::fittingWindowSize(WindowSize::Double, small), WindowSize::OneAndAHalf);
    EXPECT_EQ(gw::fittingWindowSize(WindowSize::Double, gw::offeredWindowSizes({1280, 800})), WindowSize::Normal);
    EXPECT_EQ(gw::fittingWindowSize(WindowSize::Full, small), WindowSize::Full);
    // Round the offered ones, skipping what does not fit.
    EXPECT_EQ(gw::nextWindowSize(WindowSize::OneAndAHalf, small), WindowSize::Full);
    EXPECT_EQ(gw::nextWindowSize(WindowSize::Full, small), WindowSize::Normal);
}

// ---- The options file --------------------------------------------------------

// The offscreen platform's screen is 800 x 600: 100 % and full screen fit.
TEST(WindowOption, ReadFromTheFileKeptWithUnknownKeysAndWrittenBack)
{
    Harness h;
    h.dir.writeOptions({"Mittelmeer", "0", "0", "de", "colour=blue", "window=full"});
    h.start();
    EXPECT_EQ(h.gw->scaler().size(), WindowSize::Full);
    EXPECT_NE(gw::screenWindowOf(h.gw.get()), h.gw.get()) << "drawn by the view from the start";
    h.click("btnoptions");
    EXPECT_EQ(textOf(h, "btnwindow"), "* Vollbild *");
    h.click("btnoptionsback");
    EXPECT_EQ(h.dir.readLines("options.cfg"), (Lines{"Mittelmeer", "0", "0", "de", "colour=blue", "window=full"}));

    // Round the sizes this screen offers; the line follows.
    h.click("btnoptions");
    h.click("btnwindow");
    EXPECT_EQ(textOf(h, "btnwindow"), "* 100 % *");
    h.click("btnoptionsback");
    EXPECT_EQ(h.dir.readLines("options.cfg"), (Lines{"Mittelmeer", "0", "0", "de", "colour=blue", "window=100"}));
    EXPECT_TRUE(h.boxes.boxes().empty()) << h.boxes.texts().join("; ").toStdString();
}

TEST(WindowOption, AnUnknownValueOrASizeTheScreenCannotHoldIsTheDefaultWithoutABox)
{
    for (const char *line : {"window=300", "window=", "window=Full", "window=200"}) {
        SCOPED_TRACE(line);
        Harness h;
        h.dir.writeOptions({"Mittelmeer", "0", "0", "de", line});
        h.start();
        EXPECT_EQ(h.gw->scaler().size(), WindowSize::Normal);
        EXPECT_EQ(gw::screenWindowOf(h.gw.get()), h.gw.get());
        h.click("btnoptions");
        EXPECT_EQ(textOf(h, "btnwindow"), "* 100 % *");
        EXPECT_TRUE(h.boxes.boxes().empty()) << h.boxes.texts().join("; ").toStdString();
    }
    // No line for the default unless the file had one.
    Harness h;
    h.dir.writeOptions({"Mittelmeer", "0", "0", "de"});
    h.start();
    h.click("btnoptions");
    h.click("btnoptionsback");
    EXPECT_EQ(h.dir.readLines("options.cfg"), (Lines{"Mittelmeer", "0", "0", "de"}));
}

// ---- Through the view --------------------------------------------------------

QGraphicsView *viewOf(Harness &h) { return qobject_cast<QGraphicsView *>(gw::screenWindowOf(h.gw.get())); }

// Where a point of a widget lands in the view's viewport.
QPoint inView(QGraphicsView *view, QWidget *w, QPoint local)
{
    const QPoint inWindow = w->mapTo(w->window(), local);
    return view->mapFromScene(QPointF(inWindow));
}

void clickInView(QGraphicsView *view, QWidget *w)
{
    const QPoint at = inView(view, w, w->rect().center());
    mousePress(view->viewport(), at, view->viewport()->mapToGlobal(at));
    mouseRelease(view->viewport(), at, view->viewport()->mapToGlobal(at));
}

// The window's object tree: every object's class, name and parent, and the
// place and visibility of every named widget (the toolkit's own unnamed
// parts, such as the drop-down's list, lay themselves out when first shown).
using TreeRow = std::tuple<std::string, std::string, std::string, QRect, bool>;
std::vector<TreeRow> objectTree(QWidget *window)
{
    std::vector<TreeRow> rows;
    for (QObject *o : window->findChildren<QObject *>()) {
        auto *w = qobject_cast<QWidget *>(o);
        const bool placed = w && !w->objectName().isEmpty() && !w->objectName().startsWith("qt_");
        rows.emplace_back(o->metaObject()->className(), o->objectName().toStdString(),
                          o->parent()->objectName().toStdString(), placed ? w->geometry() : QRect(),
                          placed && w->isHidden());
    }
    return rows;
}

// The rows of one tree that the other lacks, for the failure message.
std::string differences(const std::vector<TreeRow> &a, const std::vector<TreeRow> &b)
{
    std::string out;
    for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
        if (i < a.size() && i < b.size() && a[i] == b[i])
            continue;
        for (const auto *row : {i < a.size() ? &a[i] : nullptr, i < b.size() ? &b[i] : nullptr}) {
            if (!row) {
                out += " (none) |";
                continue;
            }
            const QRect r = std::get<3>(*row);
            out += " " + std::get<0>(*row) + " " + std::get<1>(*row) + " in " + std::get<2>(*row) + " at " +
                   std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) + "x" +
                   std::to_string(r.height()) + (std::get<4>(*row) ? " hidden" : "") + " |";
        }
        out += "\n";
    }
    return out;
}

class Scaled : public ::testing::Test {
protected:
    void SetUp() override
    {
        startGame(h);
        h.gw->show();
    }

    // A size is taken as the player's choice is: once the event loop runs.
    void choose(WindowSize size)
    {
        h.gw->scaler().apply(size);
        pump(20);
    }

    Harness h;
};

TEST_F(Scaled, SwitchingTo200AndBackKeepsEveryWidgetTheGameAndTheFocus)
{
    h.click("btnbuyzone");
    auto *entry = h.find<QLineEdit>("edrec");
    typeInto(h, "edrec", "7");
    entry->setFocus();
    // Parts never shown yet lay their children out when first shown; that
    // happens before the snapshot, not because of the switch.
    for (QWidget *w : h.gw->findChildren<QWidget *>()) {
        if (w->isHidden() && w->parentWidget() == h.widget("pangame")) {
            w->show();
            w->hide();
        }
    }
    pump(60); // the menu entries follow the screen at the menu timer's tick
    const gw::GameState before = h.gw->state();
    const auto tree = objectTree(h.gw.get());

    choose(WindowSize::Double);
    QGraphicsView *view = viewOf(h);
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->isVisible());
    EXPECT_EQ(view->size(), QSize(1598, 1190));
    EXPECT_EQ(view->windowTitle(), "Grimsward");
    EXPECT_EQ(h.gw->size(), QSize(799, 595)) << "the layout keeps its logical size";
    EXPECT_EQ(objectTree(h.gw.get()), tree) << differences(objectTree(h.gw.get()), tree);
    EXPECT_NE(h.find<QWidget>("btnskirmish"), nullptr);
    EXPECT_EQ(h.gw->focusWidget(), entry);
    EXPECT_EQ(entry->text(), "7");
    EXPECT_EQ(h.gw->state().cash, before.cash);
    EXPECT_EQ(h.gw->state().memgame.lines(), before.memgame.lines());

    choose(WindowSize::Normal);
    EXPECT_EQ(gw::screenWindowOf(h.gw.get()), h.gw.get());
    EXPECT_TRUE(h.gw->isVisible());
    EXPECT_TRUE(h.gw->isWindow());
    EXPECT_TRUE(h.gw->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(h.gw->size(), QSize(799, 595));
    EXPECT_EQ(objectTree(h.gw.get()), tree) << differences(objectTree(h.gw.get()), tree);
    EXPECT_EQ(h.gw->focusWidget(), entry);
    EXPECT_TRUE(h.gw->testAttribute(Qt::WA_QuitOnClose)) << "closing it ends the program again";
}

TEST_F(Scaled, ClicksAndKeysAt200LandWhereTheyLandAt100)
{
    choose(WindowSize::Double);
    QGraphicsView *view = viewOf(h);
    ASSERT_NE(view, nullptr);
    gw::GameState &s = h.gw->state();

    // "Kaufen", then "Land kaufen", then a free cell, each at twice its place.
    clickInView(view, h.widget("btnbuyzone"));
    ASSERT_FALSE(h.widget("panbuy")->isHidden());
    clickInView(view, h.widget("btnbuyland"));
    EXPECT_EQ(s.fieldmode, 1);
    const int n = firstCell(s, [](const std::string &c) { return c == "None_Grass"; });
    ASSERT_GT(n, 0);
    const QPoint cell = inView(view, h.widget(QString("Image%1").arg(n)), {17, 17});
    EXPECT_EQ(cell, h.widget(QString("Image%1").arg(n))->mapTo(h.gw.get(), QPoint(17, 17)) * 2);
    mousePress(view->viewport(), cell, view->viewport()->mapToGlobal(cell));
    mouseRelease(view->viewport(), cell, view->viewport()->mapToGlobal(cell));
    EXPECT_EQ(s.memgame.line(n), "Red_Grass");
    EXPECT_EQ(s.rounds, 1);

    // Keys the focused widget does not take reach the window through the view.
    clickInView(view, h.widget("btnbuyzone"));
    view->activateWindow();
    h.find<QLineEdit>("edrec")->setFocus();
    pressKey(view, Qt::Key_Escape);
    EXPECT_TRUE(h.widget("panbuy")->isHidden());
    EXPECT_TRUE(h.boxes.boxes().empty()) << h.boxes.texts().join("; ").toStdString();
}

TEST_F(Scaled, TheMapListsDropDownOpensInTheViewAndChoosesAMap)
{
    h.click("btnendgame");
    h.click("btnskirmish");
    choose(WindowSize::Double);
    QGraphicsView *view = viewOf(h);
    ASSERT_NE(view, nullptr);
    auto *list = h.find<QComboBox>("maplist");
    list->showPopup();
    pump(20);
    QAbstractItemView *entries = list->view();
    ASSERT_TRUE(entries->isVisible());
    EXPECT_EQ(gw::screenWindowOf(entries), view) << "the drop-down is drawn by the view, at its size";
    // The entry "Gestrandet", clicked where the view shows it.
    const QRect item = entries->visualRect(list->model()->index(2, 0));
    const QPoint inWindow = entries->viewport()->mapTo(entries->window(), item.center());
    const QGraphicsProxyWidget *popup = entries->window()->graphicsProxyWidget();
    ASSERT_NE(popup, nullptr);
    const QPoint at = view->mapFromScene(popup->mapToScene(QPointF(inWindow)));
    EXPECT_GT(at.y(), inView(view, list, {0, list->height()}).y()) << "below the list";
    mousePress(view->viewport(), at, view->viewport()->mapToGlobal(at));
    mouseRelease(view->viewport(), at, view->viewport()->mapToGlobal(at));
    pump(20);
    EXPECT_EQ(list->currentIndex(), 2);
    EXPECT_EQ(h.gw->findChild<gw::SkirmishScreen *>()->chosenMap(), "Gestrandet");
}

TEST_F(Scaled, BoxesComeOverTheGameAtItsSizeAsAWindowOfTheirOwn)
{
    choose(WindowSize::Double);
    QGraphicsView *view = viewOf(h);
    ASSERT_NE(view, nullptr);
    // The box's window, as it stands while the box is open.
    struct Seen {
        QSize box, window;
        QPoint centre;
        Qt::WindowModality modality = Qt::NonModal;
        bool found = false;
    } seen;
    h.boxes.onBox = [&](const BoxWatcher::Box &) {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *box = qobject_cast<QMessageBox *>(w); box && box->isVisible())
                seen.box = box->size();
            if (w->isVisible() && w->windowTitle() == "Kasse" && qobject_cast<QGraphicsView *>(w))
                seen = {seen.box, w->size(), w->frameGeometry().center(), w->windowModality(), true};
        }
    };
    h.click("btnbuyzone");
    typeInto(h, "edspecs", "999");
    h.click("btnletsbuy");
    ASSERT_EQ(h.boxes.texts(), QStringList{"Sie besitzen nicht genügend Gold !"});
    ASSERT_TRUE(seen.found) << "no window titled Kasse";
    EXPECT_NEAR(seen.window.width(), 2 * seen.box.width(), 1);
    EXPECT_NEAR(seen.window.height(), 2 * seen.box.height(), 1);
    EXPECT_EQ(seen.modality, Qt::ApplicationModal);
    EXPECT_LE((seen.centre - view->frameGeometry().center()).manhattanLength(), 2) << "over the game";
    EXPECT_EQ(h.boxes.boxes().front().owner, view) << "owned by the window on the screen";
}

TEST_F(Scaled, TheDragMovesTheWindowOnTheScreenButNotAFullScreen)
{
    choose(WindowSize::Double);
    QWidget *view = gw::screenWindowOf(h.gw.get());
    view->move(40, 30);
    QWidget *strip = h.widget("labscash");
    const QPoint from(5, 5), start = QPoint(300, 300);
    mousePress(strip, from, start);
    mouseMove(strip, from, start + QPoint(25, 10));
    mouseRelease(strip, from, start + QPoint(25, 10));
    EXPECT_EQ(view->pos(), QPoint(65, 40));

    choose(WindowSize::Full);
    const QPoint full = view->pos();
    mousePress(strip, from, start);
    mouseMove(strip, from, start + QPoint(25, 10));
    mouseRelease(strip, from, start + QPoint(25, 10));
    EXPECT_EQ(view->pos(), full);
    EXPECT_EQ(view->geometry(), QGuiApplication::primaryScreen()->geometry());
}

TEST_F(Scaled, F11TogglesFullScreenFromTheFocusedEntryAndBack)
{
    h.click("btnbuyzone");
    QWidget *entry = h.widget("edrec");
    entry->setFocus();
    pressKey(entry, Qt::Key_F11);
    pump(20);
    EXPECT_EQ(h.gw->scaler().size(), WindowSize::Full);
    EXPECT_EQ(h.gw->options().windowSize(), WindowSize::Full);
    EXPECT_TRUE(gw::screenWindowOf(h.gw.get())->isFullScreen());
    EXPECT_FALSE(h.widget("panbuy")->isHidden()) << "F11 is not Escape";
    pressKey(entry, Qt::Key_F11);
    pump(20);
    EXPECT_EQ(h.gw->scaler().size(), WindowSize::Normal);
    EXPECT_EQ(gw::screenWindowOf(h.gw.get()), h.gw.get());
    EXPECT_EQ(h.gw->focusWidget(), entry);
}

} // namespace
