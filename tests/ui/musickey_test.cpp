// SPDX-License-Identifier: MIT
// M switches the music on every screen, as the music button does, unless
// the key is meant for a text field or the rules are open.
#include "gameplay.h"
#include "input.h"

#include <QComboBox>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

// "m" typed where the window system sends it: to the focused widget.
void typeM(Harness &h, bool repeat = false)
{
    QWidget *focus = h.gw->focusWidget();
    pressCharacterKey(focus ? focus : h.gw.get(), Qt::Key_M, "m", repeat);
}

TEST(MusicKey, SwitchesTheMusicOnEveryScreenLikeTheButton)
{
    Harness h;
    h.dir.writeOptions({"Mittelmeer", "1", "0", "de"});
    h.start();
    gw::GameState &s = h.gw->state();
    h.sounds->clear();

    // The main menu.
    typeM(h);
    EXPECT_EQ(s.musicon, 0);
    EXPECT_EQ(*h.sounds, (Lines{"stop sbgmusic"}));
    // A held key switches once.
    typeM(h, true);
    EXPECT_EQ(s.musicon, 0);

    // The options screen, with the focus on a button: the caption follows.
    h.click("btnoptions");
    h.widget("btnsound")->setFocus();
    typeM(h);
    EXPECT_EQ(s.musicon, 1);
    EXPECT_EQ(textOf(h, "btnmusic"), "* Eingeschaltet *");
    h.click("btnoptionsback");

    // The game screen, with the focus on the round-end button.
    h.startSkirmish();
    ASSERT_FALSE(h.widget("pangame")->isHidden());
    h.widget("btnendtry")->setFocus();
    h.sounds->clear();
    typeM(h);
    EXPECT_EQ(s.musicon, 0);
    EXPECT_EQ(*h.sounds, (Lines{"stop sbgmusic"}));
    EXPECT_EQ(s.rounds, 0) << "the key costs no turn";
    // Kept as the music button keeps it: when the options screen is left.
    h.click("btnendgame");
    h.click("btnoptions");
    EXPECT_EQ(textOf(h, "btnmusic"), "* Ausgeschaltet *");
    h.click("btnoptionsback");
    EXPECT_EQ(h.dir.readLines("options.cfg").at(1), "0");
}

TEST(MusicKey, IsLeftToTextFieldsAndDoesNothingUnderTheRules)
{
    Harness h;
    startGame(h);
    gw::GameState &s = h.gw->state();
    const int32_t music = s.musicon;

    // A count entry of the purchase panel.
    h.click("btnbuyzone");
    auto *entry = h.find<QLineEdit>("edrec");
    entry->setFocus();
    ASSERT_EQ(h.gw->focusWidget(), entry);
    typeM(h);
    EXPECT_EQ(s.musicon, music);
    EXPECT_EQ(entry->text(), "0");

    // The rules, whatever has the focus beneath them.
    pressKey(h.gw.get(), Qt::Key_F1);
    ASSERT_FALSE(h.widget("panrules")->isHidden());
    typeM(h);
    EXPECT_EQ(s.musicon, music);
    pressCharacterKey(h.gw.get(), Qt::Key_M, "m");
    EXPECT_EQ(s.musicon, music);
    h.click("btncloserules");

    // The map list's edit field takes the letter.
    h.click("btnendgame");
    h.click("btnskirmish");
    auto *list = h.find<QComboBox>("maplist");
    list->setFocus();
    typeM(h);
    EXPECT_EQ(s.musicon, music);
    EXPECT_TRUE(list->currentText().contains('m')) << list->currentText().toStdString();
}

} // namespace
