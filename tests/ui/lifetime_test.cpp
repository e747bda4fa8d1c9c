// SPDX-License-Identifier: MIT
// The window's own lifetime, as an embedder or a test meets it.
#include "harness.h"

#include <QComboBox>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

// Taking the window down while the map list's entry has the focus: the
// entry's last signals must not reach a window that is half gone.
TEST(WindowLifetime, DestroyingTheShownWindowWithTheMapListFocused)
{
    Harness h;
    h.dir.writeOptions({"", "0", "0"});
    h.start();
    h.gw->show();
    h.gw->activateWindow();
    h.click("btnskirmish");
    QLineEdit *entry = h.find<QComboBox>("maplist")->lineEdit();
    entry->setFocus();
    ASSERT_TRUE(waitUntil([&] { return entry->hasFocus(); }, 2000));
    entry->setText("Gest");
    h.gw.reset();
}

} // namespace
