// SPDX-License-Identifier: MIT
// Input that goes on by itself: a held spin arrow repeats, a held key sends
// its repeats. Each deliberate act opens at most one box.
#include "gameplay.h"
#include "input.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

int boxesTitled(const Harness &h, const QString &title)
{
    int n = 0;
    for (const BoxWatcher::Box &b : h.boxes.boxes())
        n += b.title == title ? 1 : 0;
    return n;
}

void sendRepeatedEnter(QWidget *widget)
{
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), true);
    QApplication::sendEvent(widget, &repeat);
}

TEST(HeldInput, AHeldSpinArrowOpensOneBoxAndLetsGo)
{
    Harness h;
    startGame(h);
    h.gw->show();
    h.click("btntraining"); // and no machine guns in store
    auto *up = h.widget("UpDown1")->findChild<QToolButton *>("up");
    ASSERT_NE(up, nullptr);
    const QPoint middle = up->rect().center();
    // Pressed and never released: the box that opens takes the mouse.
    mousePress(up, middle, up->mapToGlobal(middle));
    pump(1500);
    EXPECT_EQ(boxesTitled(h, "Materiallager"), 1) << h.boxes.texts().join("; ").toStdString();
    EXPECT_FALSE(up->isDown());
    EXPECT_EQ(textOf(h, "edinf"), "0");
    EXPECT_EQ(h.gw->state().rounds, 0);
}

TEST(HeldInput, AHeldEnterKeyOrdersOnceAndItsRepeatsDoNotAnswerTheBox)
{
    Harness h;
    startGame(h);
    h.gw->show();
    h.click("btnbuyzone");
    typeInto(h, "edspecs", "999"); // far too dear
    bool boxStayedOpen = false;
    h.boxes.onBox = [&](const BoxWatcher::Box &) {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (int i = 0; i < 5; ++i)
            sendRepeatedEnter(box->buttons().value(0));
        boxStayedOpen = box->isVisible();
    };
    QWidget *entry = h.widget("edspecs");
    pressKey(entry, Qt::Key_Return);
    for (int i = 0; i < 20; ++i) {
        sendRepeatedEnter(entry);
        pump(10);
    }
    EXPECT_EQ(boxesTitled(h, "Kasse"), 1) << h.boxes.texts().join("; ").toStdString();
    EXPECT_TRUE(boxStayedOpen);
    EXPECT_FALSE(h.widget("panbuy")->isHidden());
}

} // namespace
