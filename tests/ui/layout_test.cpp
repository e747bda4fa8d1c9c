// SPDX-License-Identifier: MIT
// The window as the player first sees it: every widget at its place, with
// its parent, caption and visibility, and the timers with their rhythm.
#include "harness.h"
#include "layout_table.h"

#include "ui/widgets/framewidgets.h"
#include "ui/widgets/picturebox.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

QString captionOf(QWidget *w)
{
    if (auto *l = qobject_cast<QLabel *>(w))
        return l->text();
    if (auto *b = qobject_cast<QPushButton *>(w))
        return b->text();
    if (auto *e = qobject_cast<QLineEdit *>(w))
        return e->text();
    return {};
}

class Layout : public ::testing::Test {
protected:
    void SetUp() override { h.start(); }
    Harness h;
};

TEST_F(Layout, EveryWidgetSitsWhereTheLayoutPutsIt)
{
    for (const Expected &e : kWidgets) {
        SCOPED_TRACE(e.name);
        QWidget *w = h.widget(e.name);
        ASSERT_NE(w, nullptr);
        ASSERT_NE(w->parentWidget(), nullptr);
        EXPECT_EQ(w->parentWidget()->objectName().toStdString(), e.parent);
        if (e.left != kAuto) {
            EXPECT_EQ(w->x(), e.left);
        }
        EXPECT_EQ(w->y(), e.top);
        if (e.width != kAuto) {
            EXPECT_EQ(w->width(), e.width);
        } else {
            EXPECT_GT(w->width(), 0);
        }
        if (e.height == kLine) {
            EXPECT_EQ(w->height(), QFontMetrics(w->font()).height());
        } else if (e.height == kInk) {
            EXPECT_GT(w->height(), 16);
        } else if (e.height != kAuto) {
            EXPECT_EQ(w->height(), e.height);
        }
        EXPECT_EQ(!w->isHidden(), e.shown);
        if (e.caption) {
            EXPECT_EQ(captionOf(w).toStdString(), e.caption);
        }
    }
}

TEST_F(Layout, TheFieldHasTwoHundredTwentyCellsOnAFortyPixelPitch)
{
    QWidget *field = h.widget("panfield");
    for (int n = 1; n <= 220; ++n) {
        QWidget *cell = h.widget(QString("Image%1").arg(n));
        ASSERT_NE(cell, nullptr) << n;
        EXPECT_EQ(cell->parentWidget(), field);
        const int row = (n - 1) / 20, column = (n - 1) % 20;
        EXPECT_EQ(cell->geometry(), QRect(40 * column, 8 + 40 * row, 35, 35)) << n;
        EXPECT_TRUE(static_cast<gw::PictureBox *>(cell)->picture().isNull()) << "cells start empty";
    }
    EXPECT_EQ(h.gw->findChildren<gw::PictureBox *>(QRegularExpression("^Image\\d+$")).size(), 235);
}

TEST_F(Layout, WindowIsBorderlessFixedAndNamed)
{
    EXPECT_EQ(h.gw->objectName(), "gw");
    EXPECT_EQ(h.gw->windowTitle(), "Grimsward");
    EXPECT_TRUE(h.gw->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(h.gw->minimumSize(), QSize(799, 595));
    EXPECT_EQ(h.gw->maximumSize(), QSize(799, 595));
    EXPECT_EQ(h.gw->size(), QSize(799, 595));
}

TEST(LayoutTimers, TimersStartAsTheLayoutSays)
{
    // With an options file no box opens while the window is built, so no
    // box's event loop lets the menu timer tick (and rest) before the check.
    Harness h;
    h.dir.writeOptions({"", "0", "0"});
    h.start();
    struct T {
        const char *name;
        int interval;
        bool active;
    };
    for (const T &t : {T{"mainmenuslide", 25, true}, T{"tfieldact", 1000, false}, T{"tmusicrewind", 116000, true}}) {
        SCOPED_TRACE(t.name);
        auto *timer = h.gw->findChild<QTimer *>(t.name);
        ASSERT_NE(timer, nullptr);
        EXPECT_EQ(timer->interval(), t.interval);
        EXPECT_EQ(timer->isActive(), t.active);
    }
    // The music restart keeps its rhythm to the millisecond, not to a coarse
    // timer's half second.
    EXPECT_EQ(h.gw->findChild<QTimer *>("tmusicrewind")->timerType(), Qt::PreciseTimer);
    // The purchase and training totals are kept live; no polling timers.
    EXPECT_EQ(h.gw->findChild<QTimer *>("tbuy"), nullptr);
    EXPECT_EQ(h.gw->findChild<QTimer *>("ttrain"), nullptr);
}

int stackIndex(QWidget *w)
{
    return static_cast<int>(w->parentWidget()->children().indexOf(w));
}

TEST_F(Layout, PanelsAndButtonsLieAboveLabelsAndLaterPanelsAboveEarlierOnes)
{
    // Later in the children list means drawn on top.
    EXPECT_GT(stackIndex(h.widget("pangamereport")), stackIndex(h.widget("panwin")));
    EXPECT_GT(stackIndex(h.widget("panwin")), stackIndex(h.widget("panlose")));
    EXPECT_GT(stackIndex(h.widget("panlose")), stackIndex(h.widget("panreport")));
    EXPECT_GT(stackIndex(h.widget("panreport")), stackIndex(h.widget("pantax")));
    EXPECT_GT(stackIndex(h.widget("panreport")), stackIndex(h.widget("panbuy")));
    EXPECT_GT(stackIndex(h.widget("paninfo")), stackIndex(h.widget("panenemyinfo")));
    EXPECT_GT(stackIndex(h.widget("panbuy")), stackIndex(h.widget("panfield")));
    for (const char *label : {"labcash", "labstaxes", "bevsplit"})
        EXPECT_LT(stackIndex(h.widget(label)), stackIndex(h.widget("panfield"))) << label;
    EXPECT_LT(stackIndex(h.widget("labversion")), stackIndex(h.widget("panoptions")));
    EXPECT_GT(stackIndex(h.widget("pangame")), stackIndex(h.widget("panskirmish")));
    EXPECT_GT(stackIndex(h.widget("panrules")), stackIndex(h.widget("pangame")));
    // The bevel frame lies above the preview it surrounds.
    EXPECT_GT(stackIndex(h.widget("mappreviewframe")), stackIndex(h.widget("mappreview")));
}

TEST_F(Layout, OnlyTheRoundEndButtonHasATooltip)
{
    EXPECT_EQ(h.widget("btnendtry")->toolTip(), "Runde beenden");
    for (QWidget *w : h.gw->findChildren<QWidget *>()) {
        if (w->objectName() != "btnendtry") {
            EXPECT_TRUE(w->toolTip().isEmpty()) << w->objectName().toStdString();
        }
    }
}

TEST_F(Layout, FontsHaveTheLayoutsPixelHeights)
{
    struct F {
        const char *name;
        int pixels;
        bool bold;
    };
    for (const F &f : {F{"labversion", 11, false}, F{"labmusic", 18, false}, F{"labmap", 20, true},
                       F{"btnmusic", 15, false}, F{"labcash", 15, false}, F{"labstaxes", 15, true},
                       F{"labtaxes", 15, true}, F{"Label1", 13, true}, F{"Label7", 11, false},
                       F{"Label6", 15, true}, F{"btntower", 13, true}, F{"labwin", 25, true},
                       F{"lablastmove", 12, false}, F{"labreporttitle", 15, true}}) {
        SCOPED_TRACE(f.name);
        const QFont font = h.widget(f.name)->font();
        EXPECT_EQ(font.pixelSize(), f.pixels);
        EXPECT_EQ(font.bold(), f.bold);
    }
    // The decorative face differs from the plain one.
    EXPECT_NE(h.widget("labmusic")->font().family(), h.widget("labversion")->font().family());
}

TEST_F(Layout, ColoursOfLabelsAndPanels)
{
    auto text = [&](const char *n) { return h.widget(n)->palette().color(QPalette::WindowText); };
    auto fill = [&](const char *n) { return h.widget(n)->palette().color(QPalette::Window); };
    // Light enough to read on the title picture and on black.
    EXPECT_EQ(text("labversion"), QColor(0xF2, 0xD7, 0x95));
    EXPECT_EQ(text("labmusic"), QColor(0x40, 0xB0, 0x40));
    EXPECT_EQ(text("labscash"), QColor(0xFF, 0xFF, 0));
    EXPECT_EQ(text("labsrecruits"), QColor(0xFF, 0, 0));
    EXPECT_EQ(text("labsmg"), QColor(0xA6, 0xCA, 0xF0));
    EXPECT_EQ(text("labcash"), QColor(0xC0, 0xDC, 0xC0));
    // The panels over the field have the game's dark face and light text.
    EXPECT_EQ(text("Label6"), QColor(0xF2, 0xD7, 0x95));
    EXPECT_EQ(text("labcosts"), QColor(0xF2, 0xD7, 0x95));
    EXPECT_EQ(fill("pangame"), QColor(0, 0, 0));
    for (const char *panel : {"panbuy", "pantrain", "panbuild", "panfight", "paninfo", "panenemyinfo", "pantax",
                              "panreport"}) {
        EXPECT_EQ(fill(panel), QColor(0x24, 0x20, 0x1B)) << panel;
        EXPECT_EQ(text(panel), QColor(0xF2, 0xD7, 0x95)) << panel;
    }
    EXPECT_EQ(fill("panlose"), QColor(0x80, 0, 0));
    EXPECT_EQ(fill("panwin"), QColor(0, 0x80, 0));
    EXPECT_TRUE(h.widget("pangame")->autoFillBackground());
}

TEST_F(Layout, NoLabelCutsOffItsText)
{
    // Every glyph of every one-line label lies inside the label and inside
    // the window, measured from where the label draws its baseline.
    for (QLabel *label : h.gw->findChildren<QLabel *>()) {
        const QString text = label->text();
        if (text.isEmpty())
            continue;
        SCOPED_TRACE(label->objectName().toStdString());
        if (label->wordWrap()) {
            EXPECT_GE(label->height(), label->heightForWidth(label->width()));
            continue;
        }
        const QFontMetrics metrics(label->font());
        ASSERT_TRUE(label->alignment() & Qt::AlignTop);
        const auto *own = qobject_cast<gw::TextLabel *>(label);
        const int raise = own ? own->textRaise() : 0;
        const QRect contents = label->contentsRect();
        QRect ink = metrics.tightBoundingRect(text);
        ink.translate(contents.left(), contents.top() - raise + metrics.ascent());
        // Vertically exact; sideways the outward-rounded ink box may touch
        // one pixel beyond the text's advance.
        EXPECT_GE(ink.top(), 0);
        EXPECT_LE(ink.bottom(), label->height() - 1) << "descenders cut";
        EXPECT_GE(ink.left(), -1);
        EXPECT_LE(ink.right(), label->width());
        const QRect inWindow(label->mapTo(h.gw.get(), ink.topLeft()), ink.size());
        EXPECT_TRUE(h.gw->rect().contains(inWindow)) << "bottom " << inWindow.bottom();
    }
}

TEST_F(Layout, CostLabelsGrowToTheLeft)
{
    for (auto [name, right] : {std::pair{"labcosts", 209}, std::pair{"labtraincosts", 217}}) {
        SCOPED_TRACE(name);
        auto *label = h.find<gw::TextLabel>(name);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), "0");
        EXPECT_EQ(label->y(), name == std::string("labcosts") ? 272 : 296);
        EXPECT_EQ(label->geometry().right() + 1, right);
        const int narrow = label->width();
        label->setCaption("123456");
        EXPECT_EQ(label->geometry().right() + 1, right);
        EXPECT_GT(label->width(), narrow);
        EXPECT_TRUE(label->alignment() & Qt::AlignRight);
    }
}

TEST_F(Layout, MapListShowsTheFirstMapWithNoEntrySelected)
{
    auto *list = h.find<QComboBox>("maplist");
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->isEditable());
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->itemText(0), "Mittelmeer");
    EXPECT_EQ(list->itemText(1), "Big City Crisis");
    EXPECT_EQ(list->itemText(2), "Gestrandet");
    EXPECT_EQ(list->currentIndex(), -1);
    EXPECT_EQ(list->currentText(), "Mittelmeer");
}

} // namespace
