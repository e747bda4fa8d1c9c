// SPDX-License-Identifier: MIT
// The window as the player first sees it: every widget at its place, with
// its parent, caption and visibility, and the timers with their rhythm.
#include "harness.h"

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

constexpr int kAuto = -1; // sized by its text
// Exactly the font's line height. Labels whose layout height is smaller
// than that (the menu captions) would cut off descenders, so they are made
// as tall as a line.
constexpr int kLine = -2;
// Taller than the layout's 16 pixels, which cut the descenders of the
// status strip's 15-pixel face ("Maschinengewehre"): these labels take the
// height of their text. NoLabelCutsOffItsText checks every glyph against
// the label and the window.
constexpr int kInk = -3;

struct Expected {
    const char *name;
    const char *parent;
    int left, top, width, height;
    bool shown;
    const char *caption; // nullptr: not checked
};

// Typed from the layout tables, not taken from the program's own tables.
const Expected kWidgets[] = {
    {"bground", "gw", 0, 0, 800, 600, true, nullptr},
    {"btnskirmish", "gw", 0, 0, 300, 188, true, nullptr},
    {"btnoptions", "gw", 0, 192, 300, 198, true, nullptr},
    {"btnend", "gw", 0, 392, 300, 201, true, nullptr},
    {"labversion", "gw", 728, 576, 53, kLine, true, "Version 1.1"},
    // Grown to 357 pixels for the rows below the two switches.
    {"panoptions", "gw", 184, 128, 425, 357, false, nullptr},
    {"panskirmish", "gw", 120, 56, 601, 449, false, nullptr},
    {"pangame", "gw", 0, 0, 800, 600, false, nullptr},
    // options screen
    {"labmusic", "panoptions", 112, 56, 72, kLine, true, "Musik:"},
    {"labsound", "panoptions", 104, 104, 81, kLine, true, "Sound:"},
    // Below the rows for the language, the opponent's level and the window.
    {"btnoptionsback", "panoptions", 24, 296, 192, 51, true, nullptr},
    {"btnmusic", "panoptions", 200, 56, 113, 25, true, "* Eingeschaltet *"},
    {"btnsound", "panoptions", 200, 104, 113, 25, true, "* Eingeschaltet *"},
    // The volumes beside the switches; their percentages a line of 13 px high.
    {"trkmusicvolume", "panoptions", 320, 56, 64, 25, true, nullptr},
    {"labmusicvolume", "panoptions", 388, 60, 36, kLine, true, "100 %"},
    {"trkeffectsvolume", "panoptions", 320, 104, 64, 25, true, nullptr},
    {"labeffectsvolume", "panoptions", 388, 108, 36, kLine, true, "100 %"},
    {"labwindow", "panoptions", 104, 248, 95, kLine, true, "Fenster:"},
    {"btnwindow", "panoptions", 200, 248, 113, 25, true, "* 100 % *"},
    // skirmish screen
    {"mappreview", "panskirmish", 184, 64, 265, 161, true, nullptr},
    {"mappreviewframe", "panskirmish", 176, 56, 281, 177, true, nullptr},
    {"labmap", "panskirmish", 112, 296, 79, kLine, true, "Karte:"},
    {"btnskirmishback", "panskirmish", 8, 392, 192, 51, true, nullptr},
    {"btnskirmishstart", "panskirmish", 400, 392, 192, 51, true, nullptr},
    {"maplist", "panskirmish", 232, 296, 209, 21, true, nullptr},
    // the player's record: filled when the screen opens
    {"labstats", "panskirmish", 0, 248, 601, kAuto, true, ""},
    {"btncontinue", "panskirmish", 112, 336, 105, 25, false, "Fortsetzen"},
    // the rules over the whole window (F1)
    {"panrules", "gw", 0, 0, 799, 595, false, nullptr},
    {"labrulestitle", "panrules", 16, 8, kAuto, kAuto, true, "Spielregeln"},
    {"txtrules", "panrules", 16, 40, 767, 507, true, nullptr},
    {"btncloserules", "panrules", 362, 558, 75, 25, true, "Schliessen"},
    // game screen: status strip
    {"labscash", "pangame", 8, 456, kAuto, kInk, true, "Gold:"},
    {"labcash", "pangame", 168, 456, kAuto, kInk, true, "0"},
    {"labsrecruits", "pangame", 8, 480, kAuto, kInk, true, "Rekruten:"},
    {"labrecruits", "pangame", 168, 480, kAuto, kInk, true, "0"},
    {"labsmg", "pangame", 8, 504, kAuto, kInk, true, "Maschinengewehre:"},
    {"labmg", "pangame", 168, 504, kAuto, kInk, true, "0"},
    {"labssniper", "pangame", 8, 528, kAuto, kInk, true, "Scharfschützengewehre:"},
    {"labsniper", "pangame", 168, 528, kAuto, kInk, true, "0"},
    {"labsmorse", "pangame", 8, 552, kAuto, kInk, true, "Mörser:"},
    {"labmorse", "pangame", 168, 552, kAuto, kInk, true, "0"},
    {"labsspecial", "pangame", 8, 576, kAuto, kInk, true, "Spezialausrüstung:"},
    {"labspecial", "pangame", 168, 576, kAuto, kInk, true, "0"},
    {"labssmg", "pangame", 272, 504, kAuto, kInk, true, "Infanteristen:"},
    {"labmgs", "pangame", 384, 504, kAuto, kInk, true, "0"},
    {"la", "pangame", 272, 528, kAuto, kInk, true, "Scharfschützen:"},
    {"labsnipers", "pangame", 384, 528, kAuto, kInk, true, "0"},
    {"labssmorse", "pangame", 272, 552, kAuto, kInk, true, "Mörser:"},
    {"labmorses", "pangame", 384, 552, kAuto, kInk, true, "0"},
    {"labssspecial", "pangame", 272, 576, kAuto, kInk, true, "Sondereinheiten:"},
    {"labspecials", "pangame", 384, 576, kAuto, kInk, true, "0"},
    {"labstaxes", "pangame", 504, 512, kAuto, kInk, true, "Monatliche Steuererträge:"},
    {"labtaxes", "pangame", 696, 512, kAuto, kInk, true, "0"},
    {"lablastmove", "pangame", 504, 535, 236, 33, true, ""},
    {"bevsplit", "pangame", 248, 448, 10, 153, true, nullptr},
    {"bevsplit2", "pangame", 472, 504, 17, 98, true, nullptr},
    // game screen: windowed children
    {"panfield", "pangame", 0, 0, 800, 449, true, nullptr},
    {"btnbuyzone", "pangame", 272, 456, 137, 41, true, "Kaufen"},
    {"btntraining", "pangame", 424, 456, 121, 41, true, "Ausbilden"},
    {"btnfight", "pangame", 680, 456, 105, 41, true, "Angreifen"},
    {"btnbuild", "pangame", 560, 456, 105, 41, true, "Bauen"},
    {"btnendgame", "pangame", 712, 568, 75, 25, true, "Beenden"},
    {"btnendtry", "pangame", 744, 512, 41, 41, true, ""},
    {"panbuy", "pangame", 552, 16, 225, 417, false, nullptr},
    {"pantrain", "pangame", 544, 16, 241, 417, false, nullptr},
    {"btninfo", "pangame", 504, 568, 65, 25, true, "Information"},
    {"panbuild", "pangame", 312, 120, 185, 233, false, nullptr},
    {"panfight", "pangame", 240, 152, 329, 129, false, nullptr},
    {"panenemyinfo", "pangame", 504, 128, 153, 201, false, nullptr},
    {"paninfo", "pangame", 304, 88, 201, 281, false, nullptr},
    {"pantax", "pangame", 56, 0, 249, 449, false, nullptr},
    {"panreport", "pangame", 120, 110, 560, 230, false, nullptr},
    {"panlose", "pangame", 144, 152, 465, 89, false, nullptr},
    {"panwin", "pangame", 144, 152, 465, 89, false, nullptr},
    // the field: corners and a middle cell
    {"Image1", "panfield", 0, 8, 35, 35, true, nullptr},
    {"Image20", "panfield", 760, 8, 35, 35, true, nullptr},
    {"Image21", "panfield", 0, 48, 35, 35, true, nullptr},
    {"Image118", "panfield", 680, 208, 35, 35, true, nullptr},
    {"Image201", "panfield", 0, 408, 35, 35, true, nullptr},
    {"Image220", "panfield", 760, 408, 35, 35, true, nullptr},
    // purchase panel
    {"picrecruits", "panbuy", 8, 16, 35, 35, true, nullptr},
    {"Label1", "panbuy", 48, 24, kAuto, kAuto, true, "Rekruten"},
    {"Label7", "panbuy", 48, 40, kAuto, kAuto, true, "10 Gold"},
    {"edrec", "panbuy", 152, 24, 49, 21, true, "0"},
    {"recruitsupdown", "panbuy", 201, 24, 16, 21, true, nullptr},
    {"picmg", "panbuy", 8, 64, 35, 35, true, nullptr},
    {"Label2", "panbuy", 48, 72, kAuto, kAuto, true, "MGs"},
    {"Label8", "panbuy", 48, 88, kAuto, kAuto, true, "50 Gold"},
    {"edmgs", "panbuy", 152, 72, 49, 21, true, "0"},
    {"mgsupdown", "panbuy", 201, 72, 16, 21, true, nullptr},
    {"picsniper", "panbuy", 8, 112, 35, 35, true, nullptr},
    {"Label3", "panbuy", 48, 120, kAuto, kAuto, true, "Sniper"},
    {"Label9", "panbuy", 48, 136, kAuto, kAuto, true, "100 Gold"},
    {"edsnips", "panbuy", 152, 120, 49, 21, true, "0"},
    {"snipsupdown", "panbuy", 201, 120, 16, 21, true, nullptr},
    {"picmortar", "panbuy", 8, 160, 35, 35, true, nullptr},
    {"Label4", "panbuy", 48, 168, kAuto, kAuto, true, "Mörser"},
    {"Label10", "panbuy", 48, 184, kAuto, kAuto, true, "300 Gold"},
    {"edmorts", "panbuy", 152, 168, 49, 21, true, "0"},
    {"mortsupdown", "panbuy", 201, 168, 16, 21, true, nullptr},
    {"picspecial", "panbuy", 8, 208, 35, 35, true, nullptr},
    {"Label5", "panbuy", 48, 216, kAuto, kAuto, true, "Specialpacks"},
    {"Label11", "panbuy", 48, 232, kAuto, kAuto, true, "500 Gold"},
    {"edspecs", "panbuy", 152, 216, 49, 21, true, "0"},
    {"specsupdown", "panbuy", 201, 216, 16, 21, true, nullptr},
    {"Label6", "panbuy", 40, 272, kAuto, kAuto, true, "Kosten:"},
    {"btnbuyland", "panbuy", 32, 344, 75, 25, true, "Land kaufen"},
    {"btnletsbuy", "panbuy", 128, 344, 75, 25, true, "Kaufen"},
    {"btncancel", "panbuy", 80, 384, 75, 25, true, "Abbrechen"},
    // training panel
    {"Image221", "pantrain", 8, 24, 35, 35, true, nullptr},
    {"Label12", "pantrain", 48, 32, kAuto, kAuto, true, "Infanteristen"},
    {"Label16", "pantrain", 48, 48, kAuto, kAuto, true, "25 Gold"},
    {"edinf", "pantrain", 168, 32, 49, 21, true, "0"},
    {"UpDown1", "pantrain", 217, 32, 16, 21, true, nullptr},
    {"Image222", "pantrain", 8, 88, 35, 35, true, nullptr},
    {"Label13", "pantrain", 48, 96, kAuto, kAuto, true, "Scharfschützen"},
    {"Label17", "pantrain", 48, 112, kAuto, kAuto, true, "50 Gold"},
    {"edsniper", "pantrain", 168, 96, 49, 21, true, "0"},
    {"UpDown2", "pantrain", 217, 96, 16, 21, true, nullptr},
    {"Image223", "pantrain", 8, 160, 35, 35, true, nullptr},
    {"Label14", "pantrain", 48, 168, kAuto, kAuto, true, "Mörser"},
    {"Label18", "pantrain", 48, 184, kAuto, kAuto, true, "150 Gold"},
    {"edmortar", "pantrain", 168, 168, 49, 21, true, "0"},
    {"UpDown3", "pantrain", 217, 168, 16, 21, true, nullptr},
    {"Image224", "pantrain", 8, 224, 35, 35, true, nullptr},
    {"Label15", "pantrain", 48, 232, kAuto, kAuto, true, "Sondereinheiten"},
    {"Label19", "pantrain", 48, 248, kAuto, kAuto, true, "300 Gold"},
    {"edspecial", "pantrain", 168, 232, 49, 21, true, "0"},
    {"UpDown4", "pantrain", 217, 232, 16, 21, true, nullptr},
    {"Label20", "pantrain", 32, 296, kAuto, kAuto, true, "Kosten:"},
    {"btntraincancel", "pantrain", 32, 352, 81, 25, true, "Abbrechen"},
    {"btntrain", "pantrain", 136, 352, 83, 25, true, "Ausbilden"},
    // construction panel
    {"btntower", "panbuild", 32, 8, 121, 33, true, "Geschützturm"},
    {"Label21", "panbuild", 64, 41, kAuto, kAuto, true, "2000 Gold"},
    {"btnbunker", "panbuild", 32, 72, 121, 33, true, "Bunker"},
    {"Label22", "panbuild", 64, 108, kAuto, kAuto, true, "1500 Gold"},
    {"btnmines", "panbuild", 32, 136, 121, 33, true, "Minenfeld"},
    {"Label23", "panbuild", 64, 169, kAuto, kAuto, true, "1000 Gold"},
    {"btncancelbuild", "panbuild", 56, 200, 75, 25, true, "Abbrechen"},
    // attack prompt
    {"Label58", "panfight", 16, 24, kAuto, kAuto, true, "Bitte klicken Sie auf die gegnerische (blaue)"},
    {"Label59", "panfight", 40, 56, kAuto, kAuto, true, "Basis, um den Angriff zu bestätigen !"},
    {"btnletsfight", "panfight", 128, 88, 75, 25, true, "Okay"},
    // opponent information: the captions until the panel is first filled
    {"labrecb", "panenemyinfo", 16, 16, kAuto, kAuto, true, "HP der Basis: ERROR"},
    {"labinfb", "panenemyinfo", 16, 48, kAuto, kAuto, true, "Rekruten: ERROR"},
    {"labsniperb", "panenemyinfo", 16, 80, kAuto, kAuto, true, "Infanteristen: ERROR"},
    {"labmortarb", "panenemyinfo", 16, 112, kAuto, kAuto, true, "Scharfschützen: ERROR"},
    {"labspecb", "panenemyinfo", 16, 144, kAuto, kAuto, true, "Mörser: ERROR"},
    {"labhp", "panenemyinfo", 16, 176, kAuto, kAuto, true, "Sondereinheiten: ERROR"},
    // information panel
    {"Label24", "paninfo", 48, 8, kAuto, kAuto, true, ". : Information : ."},
    {"labtow", "paninfo", 16, 40, kAuto, kAuto, true, "Geschütztürme:  ERROR"},
    {"labbun", "paninfo", 16, 64, kAuto, kAuto, true, "Bunker: ERROR"},
    {"labmin", "paninfo", 16, 88, kAuto, kAuto, true, "Minenfelder: ERROR"},
    {"laboff", "paninfo", 16, 112, kAuto, kAuto, true, "Offensivkampfkraft: ERROR"},
    {"labdef", "paninfo", 16, 136, kAuto, kAuto, true, "Defensivkampfkraft: ERROR"},
    {"labbase", "paninfo", 16, 160, kAuto, kAuto, true, "HP der Basis: ERROR"},
    {"btnfieldinfo", "paninfo", 16, 184, 169, 25, true, "<< Felderkosten und - steuern"},
    {"btnenemyinfo", "paninfo", 48, 216, 105, 25, true, "Gegner - Info >>"},
    {"btncloseinfo", "paninfo", 64, 248, 75, 25, true, "Schliessen"},
    // terrain table
    {"Label25", "pantax", 48, 16, kAuto, kAuto, true, "Gras"},
    {"Image231", "pantax", 8, 8, 35, 35, true, nullptr},
    {"Label36", "pantax", 88, 8, kAuto, kAuto, true, "Kosten: 50 Gold"},
    {"Label37", "pantax", 88, 24, kAuto, kAuto, true, "Steuern: 10 Gold"},
    {"Label26", "pantax", 48, 56, kAuto, kAuto, true, "Sand"},
    {"Image235", "pantax", 8, 48, 35, 35, true, nullptr},
    {"Label38", "pantax", 88, 48, kAuto, kAuto, true, "Kosten: 50 Gold"},
    {"Label39", "pantax", 88, 64, kAuto, kAuto, true, "Steuern: 10 Gold"},
    {"Label30", "pantax", 48, 96, kAuto, kAuto, true, "Wald"},
    {"Image226", "pantax", 8, 88, 35, 35, true, nullptr},
    {"Label48", "pantax", 88, 88, kAuto, kAuto, true, "Kosten: 50 Gold"},
    {"Label49", "pantax", 88, 104, kAuto, kAuto, true, "Steuern: 10 Gold"},
    {"Label34", "pantax", 48, 136, kAuto, kAuto, true, "Strasse"},
    {"Image227", "pantax", 8, 128, 35, 35, true, nullptr},
    {"Label51", "pantax", 104, 128, kAuto, kAuto, true, "Kosten: 50 Gold"},
    {"Label50", "pantax", 104, 144, kAuto, kAuto, true, "Steuern: 10 Gold"},
    {"Label31", "pantax", 48, 176, kAuto, kAuto, true, "Holz"},
    {"Image229", "pantax", 8, 168, 35, 35, true, nullptr},
    {"Label54", "pantax", 80, 168, kAuto, kAuto, true, "Kosten: 100 Gold"},
    {"Label55", "pantax", 80, 184, kAuto, kAuto, true, "Steuern: 50 Gold"},
    {"Label29", "pantax", 48, 216, kAuto, kAuto, true, "Blumen"},
    {"Image225", "pantax", 8, 208, 35, 35, true, nullptr},
    {"Label46", "pantax", 104, 208, kAuto, kAuto, true, "Kosten: 100 Gold"},
    {"Label47", "pantax", 104, 224, kAuto, kAuto, true, "Steuern: 50 Gold"},
    {"Label27", "pantax", 48, 256, kAuto, kAuto, true, "Wasser"},
    {"Image232", "pantax", 8, 248, 35, 35, true, nullptr},
    {"Label40", "pantax", 104, 248, kAuto, kAuto, true, "Kosten: 100 Gold"},
    {"Label41", "pantax", 104, 264, kAuto, kAuto, true, "Steuern: 50 Gold"},
    {"Label33", "pantax", 48, 293, kAuto, kAuto, true, "Heliport"},
    {"Image230", "pantax", 8, 288, 35, 35, true, nullptr},
    {"Label56", "pantax", 104, 288, kAuto, kAuto, true, "Kosten: 150 Gold"},
    {"Label57", "pantax", 104, 304, kAuto, kAuto, true, "Steuern: 75 Gold"},
    {"Label28", "pantax", 48, 336, kAuto, kAuto, true, "Oase"},
    {"Image233", "pantax", 8, 328, 35, 35, true, nullptr},
    {"Label42", "pantax", 88, 328, kAuto, kAuto, true, "Kosten: 250 Gold"},
    {"Label45", "pantax", 88, 344, kAuto, kAuto, true, "Steuern: 100 Gold"},
    {"Label32", "pantax", 48, 376, kAuto, kAuto, true, "Getreidefeld"},
    {"Image234", "pantax", 8, 368, 35, 35, true, nullptr},
    {"Label44", "pantax", 136, 368, kAuto, kAuto, true, "Kosten: 250 Gold"},
    {"Label43", "pantax", 136, 384, kAuto, kAuto, true, "Steuern: 100 Gold"},
    {"Label35", "pantax", 48, 413, kAuto, kAuto, true, "Wolkenkratzer"},
    {"Image228", "pantax", 8, 408, 35, 35, true, nullptr},
    {"Label52", "pantax", 152, 408, kAuto, kAuto, true, "Kosten: 500 Gold"},
    {"Label53", "pantax", 152, 424, kAuto, kAuto, true, "Steuern: 250 Gold"},
    // battle report: its lines and button are placed when it is shown
    {"labreporttitle", "panreport", 16, 8, kAuto, kLine, true, "Kampfbericht"},
    // result panels
    {"lablose", "panlose", 16, 16, kAuto, kAuto, true, "Sie haben verloren."},
    {"btnlose", "panlose", 192, 56, 75, 25, true, "Schade !"},
    {"labwin", "panwin", 16, 16, kAuto, kAuto, true, "Sie haben gewonnen."},
    {"btnwin", "panwin", 192, 56, 75, 25, true, "Jippieh !!"},
};

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
        EXPECT_EQ(w->x(), e.left);
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

TEST_F(Layout, TimersStartAsTheLayoutSays)
{
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
    EXPECT_EQ(text("labversion"), QColor(0x80, 0, 0));
    EXPECT_EQ(text("labmusic"), QColor(0, 0x80, 0));
    EXPECT_EQ(text("labscash"), QColor(0xFF, 0xFF, 0));
    EXPECT_EQ(text("labsrecruits"), QColor(0xFF, 0, 0));
    EXPECT_EQ(text("labsmg"), QColor(0xA6, 0xCA, 0xF0));
    EXPECT_EQ(text("labcash"), QColor(0xC0, 0xDC, 0xC0));
    EXPECT_EQ(text("Label6"), QColor(0, 0, 0x80));
    EXPECT_EQ(text("labcosts"), QColor(0x80, 0, 0));
    EXPECT_EQ(fill("pangame"), QColor(0, 0, 0));
    EXPECT_EQ(fill("panbuy"), QColor(0x80, 0x80, 0x80));
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
