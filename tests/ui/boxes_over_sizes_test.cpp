// SPDX-License-Identifier: MIT
// A size change asked for while a box is open, at full screen: the box and
// the window it stands on stay, the change comes once the box is answered.
#include "harness.h"
#include "input.h"

#include "ui/optionscontroller.h"
#include "ui/windowscaler.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

using gw::WindowSize;

// The key goes where the window system sends it: to the widget with the
// keyboard focus, which is in the box while the box is open.
void pressOnFocus(int key)
{
    QWidget *focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    pressKey(focus, key);
}

TEST(BoxesOverSizes, F11WhileTheQuitQuestionIsOpenAtFullScreenWaitsForTheAnswer)
{
    Harness h;
    h.dir.writeOptions({"Mittelmeer", "0", "0", "de", "window=full"});
    h.start();
    h.gw->show();
    pump(50);
    bool askedAtFull = false;
    h.boxes.onBox = [&](const BoxWatcher::Box &box) {
        if (box.title != "Bestätigung")
            return;
        askedAtFull = h.gw->scaler().size() == WindowSize::Full;
        pressOnFocus(Qt::Key_F11);
        pump(100);
        // Still full screen under the open box, and the box still there.
        EXPECT_EQ(h.gw->scaler().size(), WindowSize::Full);
    };
    h.boxes.answerNext("&Nein");
    pressKey(h.gw.get(), Qt::Key_Escape);
    pump(100);
    EXPECT_TRUE(askedAtFull);
    ASSERT_EQ(h.boxes.boxes().size(), 1u);
    // The answer closed the box; then the window went back to 100 %.
    EXPECT_EQ(h.gw->scaler().size(), WindowSize::Normal);
    EXPECT_EQ(gw::screenWindowOf(h.gw.get()), h.gw.get());
    EXPECT_TRUE(h.gw->isVisible());
}

} // namespace
