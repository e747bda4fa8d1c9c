// SPDX-License-Identifier: MIT
#include "gameplay.h"

#include "core/random.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

uint32_t seedForFirstAction(int action)
{
    for (uint32_t seed = 1;; ++seed) {
        gw::Random r(seed);
        if (r.drawbelow(12) + 1 == action)
            return seed;
    }
}

int firstCell(const gw::GameState &state, const std::function<bool(const std::string &)> &test)
{
    for (int n = 1; n <= 220; ++n) {
        if (test(state.memgame.line(static_cast<std::size_t>(n))))
            return n;
    }
    return 0;
}

QString textOf(const Harness &h, const char *name)
{
    QWidget *w = h.widget(name);
    if (auto *l = qobject_cast<QLabel *>(w))
        return l->text();
    if (auto *b = qobject_cast<QAbstractButton *>(w))
        return b->text();
    if (auto *e = qobject_cast<QLineEdit *>(w))
        return e->text();
    ADD_FAILURE() << name << " has no text";
    return {};
}

void startGame(Harness &h)
{
    // The hints for a new player are off: the line above "Information"
    // shows the opponent's last move (hints_test.cpp plays with them).
    h.dir.writeOptions({"", "0", "0", "de", "hints=0"});
    h.start();
    h.startSkirmish();
    ASSERT_FALSE(h.widget("pangame")->isHidden());
    ASSERT_TRUE(h.boxes.boxes().empty());
}

void typeInto(Harness &h, const char *entry, const QString &text)
{
    auto *e = h.find<QLineEdit>(entry);
    ASSERT_NE(e, nullptr) << entry;
    e->selectAll();
    e->del();
    e->insert(text);
}
