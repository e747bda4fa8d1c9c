// SPDX-License-Identifier: MIT
// The game in English: the language switch on the options screen, line 3 of
// options.cfg, and no German left anywhere the player looks.
#include "gameplay.h"
#include "input.h"

#include "ui/language.h"
#include "ui/widgets/picturebox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QRegularExpression>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace {

// Words that only German texts of the game contain (whole words).
const char *const kGermanWords[] = {
    "Kaufen", "kaufen", "Runden", "Bestätigung", "Ausbilden", "Bauen", "Angreifen", "Beenden", "Rekruten",
    "Maschinengewehre", "Scharfschützen", "Scharfschützengewehre", "Mörser", "Sondereinheiten", "Spezialausrüstung",
    "Steuern", "Kosten", "Abbrechen", "Schliessen", "Gegner", "Basis", "Karte", "Musik", "Sprache",
    "Eingeschaltet", "Ausgeschaltet", "Mittelmeer", "Gestrandet", "Gras", "Wald", "Wasser", "Oase",
    "Getreidefeld", "Wolkenkratzer", "Kampfbericht", "Würfe", "Verluste", "Schaden", "Jippieh", "Schade", "Sie",
    "Ihre", "nicht", "genügend", "Geschütztürme", "Minenfelder", "Felderkosten", "Strasse", "Holz", "Blumen",
    "Deutsch", "Okay", "Infanteristen", "Gegner", "hat", "Siege", "Niederlagen", "Rekord", "Fortsetzen", "Runde",
    "Spielregeln", "Spielstand", "und", "Würfel", "Zug", "Stufe",
};

// Every text a visible widget of the window shows: labels, buttons, their
// tooltips, the map list.
QStringList visibleTexts(const Harness &h)
{
    QStringList texts;
    for (QWidget *w : h.gw->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(h.gw.get()))
            continue;
        if (auto *l = qobject_cast<QLabel *>(w))
            texts << l->text();
        if (auto *b = qobject_cast<QAbstractButton *>(w))
            texts << b->text();
        if (auto *t = qobject_cast<QTextBrowser *>(w))
            texts << t->toPlainText();
        if (auto *c = qobject_cast<QComboBox *>(w)) {
            for (int i = 0; i < c->count(); ++i)
                texts << c->itemText(i);
        }
        texts << w->toolTip();
    }
    return texts;
}

void expectNoGerman(const Harness &h, const char *where)
{
    for (const QString &text : visibleTexts(h)) {
        for (const char *word : kGermanWords) {
            const QRegularExpression whole("\\b" + QString::fromUtf8(word) + "\\b");
            EXPECT_FALSE(text.contains(whole)) << where << ": \"" << text.toStdString() << "\"";
        }
    }
}

// Through the options screen, as the player does it: two clicks and back.
void switchLanguage(Harness &h)
{
    h.click("btnoptions");
    h.click("btnlanguage");
    pump(20); // the widgets hear of the new language from the event loop
    h.click("btnoptionsback");
}

QString text(const Harness &h, const char *name) { return textOf(h, name); }

TEST(Language, EnglishEverywhereAndBackToTheExactGerman)
{
    Harness h;
    h.dir.writeOptions({"", "0", "0", "de", "hints=0"});
    h.start();
    const QImage germanEntry = h.find<gw::PictureBox>("btnskirmish")->picture();
    switchLanguage(h);
    EXPECT_EQ(gw::currentLanguage(), "en");
    EXPECT_EQ(h.dir.readLines("options.cfg").at(3), "en");
    EXPECT_NE(h.find<gw::PictureBox>("btnskirmish")->picture(), germanEntry) << "the English menu picture";
    pump(40);
    expectNoGerman(h, "main menu");

    h.click("btnoptions");
    EXPECT_EQ(text(h, "btnlanguage"), "* English *");
    EXPECT_EQ(text(h, "labmusic"), "Music:");
    expectNoGerman(h, "options");
    h.click("btnoptionsback");
    h.click("btnskirmish");
    EXPECT_EQ(h.find<QComboBox>("maplist")->currentText(), "Mediterranean");
    expectNoGerman(h, "skirmish screen");
    pressKey(h.gw.get(), Qt::Key_F1);
    ASSERT_FALSE(h.widget("panrules")->isHidden());
    expectNoGerman(h, "the rules");
    pressKey(h.gw.get(), Qt::Key_Escape);
    h.click("btnskirmishstart");

    gw::GameState &s = h.gw->state();
    EXPECT_EQ(text(h, "btnbuyzone"), "Buy");
    EXPECT_EQ(text(h, "labsmg"), "Machine guns:");
    expectNoGerman(h, "game screen");
    for (const char *button : {"btnbuyzone", "btntraining", "btnbuild", "btnfight"}) {
        h.click(button);
        expectNoGerman(h, button);
    }
    h.click("btninfo");
    h.click("btnfieldinfo");
    h.click("btnenemyinfo");
    EXPECT_EQ(text(h, "labtow"), "Gun towers: 0");
    expectNoGerman(h, "information");
    h.click("btncloseinfo");

    // A refusal, then an attack answered by the opponent's: boxes, the
    // battle report and the last move in English.
    h.click("btnbuyzone");
    typeInto(h, "edspecs", "999");
    h.click("btnletsbuy");
    ASSERT_EQ(h.boxes.boxes().size(), 1u);
    EXPECT_EQ(h.boxes.boxes()[0].title, "Treasury");
    EXPECT_EQ(h.boxes.boxes()[0].text, "Not enough gold!");
    h.click("btncancel");
    s.recruits = 30;
    s.enemyrecruits = 5;
    h.gw->random().seed(12345);
    h.click("btnfight");
    h.click("btnletsfight");
    h.click(QString("Image%1").arg(firstCell(s, [](const std::string &c) { return c == "Blue_Base"; })));
    ASSERT_FALSE(h.widget("panreport")->isHidden());
    EXPECT_EQ(text(h, "labreporthead1"), "Your attack on the enemy base");
    EXPECT_TRUE(text(h, "lablastmove").startsWith("The enemy")) << text(h, "lablastmove").toStdString();
    expectNoGerman(h, "battle report");
    s.enemybasehp = 5;
    s.recruits = 50;
    s.enemyrecruits = s.enemyinfantry = s.enemysnipers = s.enemymortarcrews = s.enemyspecialunits = 0;
    s.enemytowers = s.enemybunkers = s.enemyminefields = 0;
    h.click("btnfight");
    h.click("btnletsfight");
    h.click(QString("Image%1").arg(firstCell(s, [](const std::string &c) { return c == "Blue_Base"; })));
    ASSERT_FALSE(h.widget("panwin")->isHidden());
    EXPECT_EQ(h.boxes.boxes().back().title, "Congratulations!");
    EXPECT_TRUE(text(h, "labwin").startsWith("You won in ")) << text(h, "labwin").toStdString();
    expectNoGerman(h, "victory");
    for (const BoxWatcher::Box &b : h.boxes.boxes())
        EXPECT_FALSE(b.text.contains("Sie") || b.title.contains("Glückwunsch")) << b.title.toStdString() << " | " << b.text.toStdString();
    const QString lastMove = text(h, "lablastmove");
    h.click("btnwin");

    // Back to German: the texts are the game's own again, the ones shown
    // from a turn included.
    switchLanguage(h);
    EXPECT_EQ(gw::currentLanguage(), "de");
    EXPECT_EQ(h.dir.readLines("options.cfg").at(3), "de");
    EXPECT_EQ(text(h, "btnbuyzone"), "Kaufen");
    EXPECT_EQ(text(h, "labsmg"), "Maschinengewehre:");
    EXPECT_EQ(text(h, "labwin"), QString("Sie haben in %1 Runden gewonnen!").arg(s.rounds - 1));
    EXPECT_EQ(text(h, "labreporttitle"), "Kampfbericht");
    EXPECT_EQ(text(h, "labtow"), "Geschütztürme: 0");
    EXPECT_TRUE(text(h, "lablastmove").startsWith("Der Gegner")) << lastMove.toStdString();
    h.click("btnskirmish");
    EXPECT_EQ(h.find<QComboBox>("maplist")->currentText(), "Mittelmeer");
}

TEST(Language, LineThreeOfTheOptionsFileChoosesIt)
{
    struct Case {
        std::vector<std::string> lines;
        const char *language;
        const char *caption;
    };
    const Case cases[] = {
        {{"", "0", "0", "en"}, "en", "Buy"},
        {{"", "0", "0"}, "de", "Kaufen"},        // an older file
        {{"", "0", "0", ""}, "de", "Kaufen"},
        {{"", "0", "0", "xx"}, "de", "Kaufen"},  // no such translation
        {{"", "0", "0", "EN "}, "de", "Kaufen"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.lines.size() > 3 ? c.lines[3] : "(no line 3)");
        Harness h;
        h.dir.writeOptions(c.lines);
        h.start();
        pump(20);
        EXPECT_TRUE(h.boxes.boxes().empty()) << h.boxes.texts().join("; ").toStdString();
        EXPECT_EQ(gw::currentLanguage(), c.language);
        EXPECT_EQ(text(h, "btnbuyzone"), c.caption);
    }
}

} // namespace
