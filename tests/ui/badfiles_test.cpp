// SPDX-License-Identifier: MIT
// Bad files the game may meet, beyond the ordinary failures tested beside
// the screens they belong to: each gives a clear German message, changes
// nothing and never crashes or hangs. These rows back the README's
// reliability table.
#include "harness.h"

#include "core/linelist.h"
#include "core/textfile.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

using Lines = std::vector<std::string>;

Lines mittelmeer(const ScratchDir &dir) { return dir.readLines("maps/skirmish/Mittelmeer.gwm"); }

void writeMittelmeer(const ScratchDir &dir, const Lines &lines)
{
    dir.write("maps/skirmish/Mittelmeer.gwm", QByteArray::fromStdString(gw::joinLines(lines)));
}

QString onlyBoxText(const Harness &h)
{
    if (h.boxes.boxes().size() != 1)
        return QString("%1 boxes: %2").arg(h.boxes.boxes().size()).arg(h.boxes.texts().join(" | "));
    return h.boxes.boxes()[0].text;
}

// ---- options.cfg ----------------------------------------------------------

struct OptionsCase {
    const char *what;
    QByteArray bytes;
    QString message;
};

TEST(BadOptionsFile, StartsSilentWithAClearMessageAndWritesAGoodFileBack)
{
    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary.append(static_cast<char>((i * 131 + 7) % 256));
    const OptionsCase cases[] = {
        {"empty", QByteArray(), "'' ist kein gültiger Integerwert."},
        {"binary", binary, QString()}, // the text depends on the bytes; any integer error will do
        {"huge", QByteArray(static_cast<int>(gw::kMaxTextFileBytes) + 1, '1'),
         "Datei options.cfg kann nicht geöffnet werden."},
        {"switch with a NUL byte", QByteArray("Mittelmeer\r\n1\0\r\n1\r\n", 19), "'1?' ist kein gültiger Integerwert."},
    };
    for (const OptionsCase &c : cases) {
        SCOPED_TRACE(c.what);
        Harness h;
        h.dir.write("options.cfg", c.bytes);
        h.start();
        ASSERT_EQ(h.boxes.boxes().size(), 1u) << h.boxes.texts().join(" | ").toStdString();
        EXPECT_EQ(h.boxes.boxes()[0].title, "Grimsward");
        if (c.message.isEmpty()) {
            EXPECT_TRUE(h.boxes.boxes()[0].text.contains("ist kein gültiger Integerwert")) << onlyBoxText(h).toStdString();
        } else {
            EXPECT_EQ(h.boxes.boxes()[0].text, c.message);
        }
        EXPECT_EQ(h.gw->state().musicon, 0);
        EXPECT_EQ(h.gw->state().soundon, 0);
        EXPECT_TRUE(callsOf(h.sounds, {"play"}).empty());

        // The menu works, and leaving the options writes a file that reads back.
        h.click("btnoptions");
        h.click("btnmusic");
        h.click("btnoptionsback");
        EXPECT_EQ(h.gw->state().menustate, 0);
        const Lines written = h.dir.readLines("options.cfg");
        ASSERT_GE(written.size(), 3u);
        EXPECT_EQ(written[1], "1");
        EXPECT_EQ(written[2], "0");
    }
}

// ---- map files ------------------------------------------------------------

struct MapCase {
    const char *what;
    std::function<void(const ScratchDir &)> spoil;
    QString message;
};

TEST(BadMapFile, EachIsRefusedWithItsMessageAndChangesNothing)
{
    const std::string longLine(1000000, 'W');
    const MapCase cases[] = {
        {"empty file", [](const ScratchDir &d) { d.write("maps/skirmish/Mittelmeer.gwm", ""); },
         "'' ist kein gültiger Integerwert."},
        {"huge file",
         [](const ScratchDir &d) {
             d.write("maps/skirmish/Mittelmeer.gwm", QByteArray(static_cast<int>(gw::kMaxTextFileBytes) + 10, 'x'));
         },
         "Datei maps\\skirmish\\Mittelmeer.gwm kann nicht geöffnet werden."},
        {"a megabyte-long cell line",
         [&](const ScratchDir &d) {
             Lines l = mittelmeer(d);
             l[5] = longLine;
             writeMittelmeer(d, l);
         },
         "Datei images\\" + QString(200 - 7, 'W') + "... kann nicht geöffnet werden."},
        {"a megabyte-long tax line",
         [&](const ScratchDir &d) {
             Lines l = mittelmeer(d);
             l[231] = std::string(1000000, '9');
             writeMittelmeer(d, l);
         },
         "'" + QString(200, '9') + "...' ist kein gültiger Integerwert."},
        {"a NUL byte in a cell line",
         [](const ScratchDir &d) {
             Lines l = mittelmeer(d);
             l[17] = std::string("None_Gr\0ass", 11);
             writeMittelmeer(d, l);
         },
         "Datei images\\None_Gr?ass.bmp kann nicht geöffnet werden."},
        {"a NUL byte in a tax line",
         [](const ScratchDir &d) {
             Lines l = mittelmeer(d);
             l[230] = std::string("1\0" "2", 3);
             writeMittelmeer(d, l);
         },
         "'1?2' ist kein gültiger Integerwert."},
        {"markup in a tax line, quoted as it stands",
         [](const ScratchDir &d) {
             Lines l = mittelmeer(d);
             l[230] = "<b>1</b><img src=x>";
             writeMittelmeer(d, l);
         },
         "'<b>1</b><img src=x>' ist kein gültiger Integerwert."},
        {"binary garbage",
         [](const ScratchDir &d) {
             QByteArray bytes;
             for (int i = 0; i < 20000; ++i)
                 bytes.append(static_cast<char>((i * 7919) % 251));
             d.write("maps/skirmish/Mittelmeer.gwm", bytes);
         },
         QString()},
    };
    for (const MapCase &c : cases) {
        SCOPED_TRACE(c.what);
        Harness h;
        h.dir.writeOptions({"", "0", "0"});
        h.start();
        c.spoil(h.dir);
        h.click("btnskirmish");
        const gw::GameState before = h.gw->state();
        h.click("btnskirmishstart");
        ASSERT_EQ(h.boxes.boxes().size(), 1u) << h.boxes.texts().join(" | ").toStdString();
        EXPECT_EQ(h.boxes.boxes()[0].title, "Grimsward");
        if (!c.message.isEmpty()) {
            EXPECT_EQ(h.boxes.boxes()[0].text, c.message);
        }
        EXPECT_LE(h.boxes.boxes()[0].text.size(), 300);
        EXPECT_EQ(h.boxes.boxes()[0].textFormat, Qt::PlainText);
        // Nothing of the game or the screen changed.
        EXPECT_EQ(h.gw->state().memgame, before.memgame);
        EXPECT_EQ(h.gw->state().cash, before.cash);
        EXPECT_EQ(h.gw->state().fieldactive, before.fieldactive);
        EXPECT_FALSE(h.widget("panskirmish")->isHidden());
        EXPECT_TRUE(h.widget("pangame")->isHidden());
    }
}

// ---- cell pictures ----------------------------------------------------------

TEST(BadCellPicture, TruncatedOrNonBitmapFilesAreInvalidBitmaps)
{
    struct PictureCase {
        const char *what;
        std::function<QByteArray(const QByteArray &good)> spoil;
        QString message;
    };
    const PictureCase cases[] = {
        {"cut in half", [](const QByteArray &good) { return good.left(good.size() / 2); }, "Bitmap ist ungültig."},
        {"header only", [](const QByteArray &good) { return good.left(54); }, "Bitmap ist ungültig."},
        {"empty", [](const QByteArray &) { return QByteArray(); }, "Bitmap ist ungültig."},
        {"a PNG", [](const QByteArray &) { return QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(100, 'p'); },
         "Bitmap ist ungültig."},
        {"a header that claims a giant picture",
         [](const QByteArray &good) {
             QByteArray b = good;
             // width and height fields of the info header
             for (int i : {18, 22}) {
                 b[i] = '\xff';
                 b[i + 1] = '\xff';
                 b[i + 2] = '\x00';
                 b[i + 3] = '\x00';
             }
             return b;
         },
         "Bitmap ist ungültig."},
    };
    for (const PictureCase &c : cases) {
        SCOPED_TRACE(c.what);
        Harness h;
        h.dir.writeOptions({"", "0", "0"});
        h.start();
        QFile good(h.dir.file("images/None_Grass.bmp"));
        ASSERT_TRUE(good.open(QIODevice::ReadOnly));
        const QByteArray goodBytes = good.readAll();
        h.dir.write("images/None_Grass.bmp", c.spoil(goodBytes));
        h.click("btnskirmish");
        const gw::GameState before = h.gw->state();
        h.click("btnskirmishstart");
        EXPECT_EQ(onlyBoxText(h), c.message);
        EXPECT_EQ(h.gw->state().memgame, before.memgame);
        EXPECT_FALSE(h.widget("panskirmish")->isHidden());
    }
}

} // namespace

namespace {

// A kill exactly between writing a file's temporary copy and its rename
// leaves the copy behind; the next write of that file takes it away.
TEST(StaleTemporaryFiles, TheNextWriteOfTheFileRemovesThem)
{
    Harness h;
    h.dir.writeOptions({"Mittelmeer", "0", "0"});
    for (const char *name : {"options.cfg.tmp.Ab12Cd", "options.cfg.tmp.zz9ZZ9", "savegame.gws.tmp.q1W2e3",
                             "stats.cfg.tmp.Xy7Xy7", "options.cfg.tmp.short"})
        h.dir.write(name, "left by a killed copy");
    ASSERT_EQ(::mkfifo(h.dir.file("options.cfg.tmp.PIPE00").toLocal8Bit().constData(), 0600), 0);
    h.start();
    h.click("btnoptions");
    h.click("btnoptionsback");
    h.click("btnskirmish");
    h.click("btnskirmishstart");
    const QStringList left = QDir(h.dir.path()).entryList({"*.tmp.*"}, QDir::Files | QDir::System);
    EXPECT_EQ(left, (QStringList{"options.cfg.tmp.PIPE00", "options.cfg.tmp.short", "stats.cfg.tmp.Xy7Xy7"}))
        << "a pipe, a name the game never makes, and a file not written yet stay";
}

} // namespace
