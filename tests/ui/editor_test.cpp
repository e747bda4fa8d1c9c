// SPDX-License-Identifier: MIT
// The map editor as the player uses it: painting, dragging, picking and
// taking back, saving and opening again, the refusals, copies of the
// shipped maps, deleting, and leaving with changes not saved.
#include "editing.h"
#include "gameplay.h"
#include "input.h"

#include "ui/panels/editorfield.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>

#include <sys/resource.h>

namespace {

using Lines = std::vector<std::string>;

bool shown(const Harness &h, const char *name) { return !h.widget(name)->isHidden(); }

QByteArray bytesOf(const Harness &h, const QString &relative)
{
    QFile f(h.dir.file(relative));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void startEditor(Harness &h, Editor &e)
{
    h.dir.writeOptions({"", "0", "0"});
    h.start();
    e.open();
}

TEST(MapEditor, WhatIsPaintedDraggedAndPickedIsSavedAndOpensAgainAfterTakingBack)
{
    Harness h;
    Editor e(h);
    startEditor(h, e);
    Lines painted(221, "None_Grass");
    EXPECT_EQ(textOf(h, "ededitortaxes"), "0");

    e.brush("Red_Farm");
    e.paint(1);
    painted[1] = "Red_Farm";
    EXPECT_EQ(e.field->cellPicture(1), e.picture("Red_Farm"));
    EXPECT_EQ(textOf(h, "ededitortaxes"), "100") << "the income follows the land the player owns";

    // One move of the mouse across a whole row paints every cell on the way.
    e.brush("None_Water");
    e.drag(21, 40);
    for (int n = 21; n <= 40; ++n)
        EXPECT_EQ(e.field->cellPicture(n), e.picture("None_Water")) << n;
    e.brush("Blue_SkyScraper");
    e.drag(41, 201); // down the first column
    EXPECT_EQ(e.field->cellPicture(121), e.picture("Blue_SkyScraper"));
    EXPECT_EQ(textOf(h, "ededitorenemytaxes"), "2250");

    // Ctrl+Z takes back one stroke at a time, the incomes with it.
    e.undo();
    EXPECT_EQ(e.field->cellPicture(121), e.picture("None_Grass"));
    EXPECT_EQ(textOf(h, "ededitorenemytaxes"), "0");
    e.undo();
    EXPECT_EQ(e.field->cellPicture(30), e.picture("None_Grass"));
    EXPECT_EQ(e.field->cellPicture(1), e.picture("Red_Farm")) << "the first stroke is still there";

    // A right click takes the cell's state into the brush.
    e.pick(1);
    e.paint(2);
    painted[2] = "Red_Farm";
    e.brush("Blue_Base");
    e.paint(220);
    painted[220] = "Blue_Base";
    e.brush("Red_Base");
    e.paint(219);
    painted[219] = "Red_Base";
    e.type("ededitorname", QString::fromUtf8("Küste"));
    EXPECT_EQ(textOf(h, "labeditorstatus"), "Nicht gespeichert");
    h.click("btneditorsave");
    ASSERT_TRUE(h.boxes.boxes().empty()) << h.boxes.texts().join("; ").toStdString();
    EXPECT_EQ(textOf(h, "labeditorstatus"), "Gespeichert.");

    Lines file(232);
    file[0] = "K\xc3\xbcste";
    for (int n = 1; n <= 220; ++n)
        file[static_cast<std::size_t>(n)] = painted[static_cast<std::size_t>(n)];
    file[230] = "200";
    file[231] = "0";
    EXPECT_EQ(ownMapLines(h, "K\xc3\xbcste"), file);

    h.click("btneditornew");
    EXPECT_EQ(e.field->cellPicture(1), e.picture("None_Grass"));
    e.openMap(QString::fromUtf8("Küste"));
    for (int n = 1; n <= 220; ++n)
        EXPECT_EQ(e.field->cellPicture(n), e.picture(painted[static_cast<std::size_t>(n)])) << n;
    EXPECT_EQ(textOf(h, "ededitorname"), QString::fromUtf8("Küste"));
    EXPECT_EQ(textOf(h, "ededitortaxes"), "200");
    EXPECT_TRUE(h.boxes.boxes().empty()) << "nothing unsaved, nothing asked";
}

// One row per refusal: the box that says why, and no file written (or the
// old one whole).
TEST(MapEditor, EveryRefusalSaysWhyAndWritesNothing)
{
    const QString tooLong(41, 'x');
    struct Row {
        const char *what;
        QString name;
        std::function<void(Harness &, Editor &)> setup;
        QString caption, box;
    };
    const QString editor = "Karteneditor";
    const QString named = "Der Name darf weder \"/\" noch \"\\\" enthalten.";
    const QString shipped = "So heißt schon eine mitgelieferte Karte. Bitte wählen Sie einen anderen Namen.";
    const auto none = [](Harness &, Editor &) {};
    const Row rows[] = {
        {"empty name", "", none, editor, "Bitte geben Sie der Karte einen Namen."},
        {"blanks only", "   ", none, editor, "Bitte geben Sie der Karte einen Namen."},
        {"41 characters", tooLong, none, editor, "Der Name ist zu lang: höchstens 40 Zeichen."},
        {"a slash", "a/b", none, editor, named},
        {"a backslash", "a\\b", none, editor, named},
        {"a tab", "a\tb", none, editor,
         "Der Name darf keine Steuerzeichen (Tabulator, Zeilenumbruch und dergleichen) enthalten."},
        {"dots only", "..", none, editor, "Der Name darf nicht nur aus Punkten bestehen."},
        {"a shipped map", "Mittelmeer", none, editor, shipped},
        {"a shipped map in another case", "GESTRANDET", none, editor, shipped},
        {"a shipped map's English name", "Stranded", none, editor, shipped},
        {"no Blue_Base", "Gut",
         [](Harness &, Editor &e) {
             e.brush("Red_Base");
             e.paint(220);
         },
         editor,
         "Die Karte kann so nicht gespeichert werden: Sie braucht mindestens ein Feld der blauen Basis "
         "(Blue_Base), denn nur wer die gegnerische Basis zerstört, gewinnt."},
        {"no Red_Base", "Gut",
         [](Harness &, Editor &e) {
             e.brush("None_Grass");
             e.paint(1);
         },
         editor,
         "Die Karte kann so nicht gespeichert werden: Sie braucht mindestens ein Feld der roten Basis "
         "(Red_Base), denn das ist die Basis, die der Gegner angreift."},
        {"a bad income", "Gut", [](Harness &, Editor &e) { e.type("ededitortaxes", "12x"); }, "Grimsward",
         "'12x' ist kein gültiger Integerwert."},
        {"a file where the folder belongs", "Gut", [](Harness &h, Editor &) { h.dir.write("mymaps", "x"); },
         "Grimsward", "Datei mymaps\\Gut.gwm kann nicht erstellt werden."},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        Harness h;
        Editor e(h);
        startEditor(h, e);
        e.brush("Red_Base");
        e.paint(1);
        e.brush("Blue_Base");
        e.paint(220);
        e.type("ededitorname", row.name);
        row.setup(h, e);
        h.click("btneditorsave");
        ASSERT_EQ(h.boxes.boxes().size(), 1u) << h.boxes.texts().join("; ").toStdString();
        EXPECT_EQ(h.boxes.boxes()[0].title, row.caption);
        EXPECT_EQ(h.boxes.boxes()[0].text, row.box);
        EXPECT_EQ(h.boxes.boxes()[0].buttons, QStringList{"OK"});
        EXPECT_FALSE(QFile::exists(h.dir.file("mymaps/" + row.name.trimmed() + ".gwm")));
        EXPECT_FALSE(QFile::exists(h.dir.file("maps/skirmish/Gut.gwm")));
        EXPECT_EQ(textOf(h, "labeditorstatus"), "Nicht gespeichert") << "the map is still there to be saved";
    }
}

TEST(MapEditor, AnotherOwnMapIsReplacedOnlyAfterAQuestionAndAFailedWriteLeavesItWhole)
{
    Harness h;
    writeOwnMapFile(h, "Gut", "None_Sand");
    const QByteArray old = bytesOf(h, "mymaps/Gut.gwm");
    Editor e(h);
    startEditor(h, e);
    e.brush("Blue_Base");
    e.paint(220);
    e.brush("Red_Base");
    e.paint(1);
    e.type("ededitorname", "Gut");
    h.click("btneditorsave");
    ASSERT_EQ(h.boxes.boxes().size(), 1u);
    EXPECT_EQ(h.boxes.boxes()[0].text, "Eine eigene Karte \"Gut\" gibt es schon. Soll sie überschrieben werden?");
    EXPECT_EQ(h.boxes.boxes()[0].defaultButton, "&Nein");
    EXPECT_EQ(bytesOf(h, "mymaps/Gut.gwm"), old);

    // The map opened is saved over without a question; a disk that fills
    // up midway leaves the old file whole.
    h.boxes.answerNext("&Ja");
    e.openMap("Gut");
    ASSERT_EQ(h.boxes.boxes().size(), 2u) << "the unsaved map was given up only after a question";
    h.boxes.clear();
    e.brush("None_Forest");
    e.paint(5);
    e.brush("Red_Base"); // a map of an older version may have none
    e.paint(6);
    rlimit limit{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &limit), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = limit;
    small.rlim_cur = 1000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    h.click("btneditorsave");
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, oldHandler);
    ASSERT_EQ(h.boxes.boxes().size(), 1u) << h.boxes.texts().join("; ").toStdString();
    EXPECT_EQ(h.boxes.boxes()[0].text, "Datei mymaps\\Gut.gwm kann nicht erstellt werden.");
    EXPECT_EQ(bytesOf(h, "mymaps/Gut.gwm"), old);
    h.click("btneditorsave");
    EXPECT_EQ(ownMapLines(h, "Gut").at(5), "None_Forest");
}

TEST(MapEditor, AShippedMapOpensAsACopyAndAnOwnMapGoesOnlyAfterAQuestion)
{
    Harness h;
    Editor e(h);
    startEditor(h, e);
    const QByteArray shipped = bytesOf(h, "maps/skirmish/Mittelmeer.gwm");
    e.openMap("Mittelmeer (als Kopie)");
    EXPECT_EQ(textOf(h, "ededitorname"), "Kopie von Mittelmeer");
    EXPECT_EQ(textOf(h, "ededitortaxes"), "130");
    EXPECT_FALSE(h.widget("btneditordelete")->isEnabled()) << "a copy has no file of its own yet";
    h.click("btneditorsave");
    ASSERT_TRUE(h.boxes.boxes().empty()) << h.boxes.texts().join("; ").toStdString();
    Lines copy = ownMapLines(h, "Kopie von Mittelmeer");
    Lines original = h.dir.readLines("maps/skirmish/Mittelmeer.gwm");
    copy[0] = original[0];
    EXPECT_EQ(copy, original) << "everything but the name as the shipped map has it";
    EXPECT_EQ(bytesOf(h, "maps/skirmish/Mittelmeer.gwm"), shipped);

    h.click("btneditorback");
    auto *list = h.find<QComboBox>("maplist");
    ASSERT_EQ(list->count(), 4);
    EXPECT_EQ(list->itemText(3), "Kopie von Mittelmeer");
    EXPECT_EQ(list->currentIndex(), 3) << "the map just saved is offered";
    EXPECT_EQ(h.gw->state().memtemp.line(0), "Kopie von Mittelmeer");

    h.click("btnmapeditor");
    ASSERT_TRUE(h.widget("btneditordelete")->isEnabled());
    h.boxes.answerNext("&Nein");
    h.click("btneditordelete");
    ASSERT_EQ(h.boxes.boxes().size(), 1u);
    EXPECT_EQ(h.boxes.boxes()[0].text, "Die Karte \"Kopie von Mittelmeer\" löschen? Die Datei "
                                       "mymaps\\Kopie von Mittelmeer.gwm wird entfernt.");
    EXPECT_EQ(h.boxes.boxes()[0].defaultButton, "&Nein");
    EXPECT_TRUE(QFile::exists(h.dir.file("mymaps/Kopie von Mittelmeer.gwm")));
    h.boxes.answerNext("&Ja");
    h.click("btneditordelete");
    EXPECT_FALSE(QFile::exists(h.dir.file("mymaps/Kopie von Mittelmeer.gwm")));
    EXPECT_EQ(list->count(), 3);
    EXPECT_EQ(textOf(h, "ededitorname"), "");
}

TEST(MapEditor, LeavingWithChangesNotSavedAsksFirst)
{
    Harness h;
    Editor e(h);
    startEditor(h, e);
    // Nothing changed: back without a question.
    h.click("btneditorback");
    EXPECT_TRUE(h.boxes.boxes().empty());
    ASSERT_TRUE(shown(h, "panskirmish"));
    h.click("btnmapeditor");

    e.brush("None_Oasis");
    e.paint(7);
    h.boxes.answerNext("&Nein");
    pressKey(e.field, Qt::Key_Escape);
    ASSERT_EQ(h.boxes.boxes().size(), 1u);
    EXPECT_EQ(h.boxes.boxes()[0].defaultButton, "&Nein");
    EXPECT_TRUE(shown(h, "paneditor"));
    EXPECT_EQ(e.field->cellPicture(7), e.picture("None_Oasis"));

    h.boxes.answerNext("&Ja");
    pressKey(e.field, Qt::Key_Escape);
    EXPECT_FALSE(shown(h, "paneditor"));
    EXPECT_TRUE(shown(h, "panskirmish"));
    h.click("btnmapeditor");
    EXPECT_EQ(e.field->cellPicture(7), e.picture("None_Grass")) << "what was given up is gone";
}

} // namespace

namespace {

TEST(MapEditor, ALinkInTheFolderIsOpenedButNeverWrittenThrough)
{
    Harness h;
    writeOwnMapFile(h, "Shared", "None_Sand");
    h.dir.write("elsewhere/Shared.gwm", bytesOf(h, "mymaps/Shared.gwm"));
    const QByteArray shared = bytesOf(h, "elsewhere/Shared.gwm");
    h.dir.remove("mymaps/Shared.gwm");
    ASSERT_TRUE(QFile::link(h.dir.file("elsewhere/Shared.gwm"), h.dir.file("mymaps/Shared.gwm")));
    Editor e(h);
    startEditor(h, e);

    // Opened from the link and changed: saving asks before the link goes;
    // "Nein" writes nothing.
    e.openMap("Shared");
    e.brush("Red_Base");
    e.paint(1);
    h.click("btneditorsave");
    ASSERT_EQ(h.boxes.boxes().size(), 1u);
    EXPECT_EQ(h.boxes.boxes()[0].text, "mymaps\\Shared.gwm ist ein Verweis auf eine andere Datei. Soll er durch "
                                       "eine eigene Datei mit dieser Karte ersetzt werden? Die andere Datei "
                                       "bleibt, wie sie ist.");
    EXPECT_EQ(h.boxes.boxes()[0].defaultButton, "&Nein");
    EXPECT_TRUE(QFileInfo(h.dir.file("mymaps/Shared.gwm")).isSymLink());

    // "Ja": the map is a file of its own in the folder, the other file and
    // its folder stay as they were.
    h.boxes.answerNext("&Ja");
    h.click("btneditorsave");
    EXPECT_FALSE(QFileInfo(h.dir.file("mymaps/Shared.gwm")).isSymLink());
    EXPECT_EQ(ownMapLines(h, "Shared").at(1), "Red_Base");
    EXPECT_EQ(bytesOf(h, "elsewhere/Shared.gwm"), shared);
    EXPECT_EQ(QDir(h.dir.file("elsewhere")).entryList(QDir::Files | QDir::System), QStringList{"Shared.gwm"});
}

} // namespace
