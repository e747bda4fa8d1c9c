// SPDX-License-Identifier: MIT
// Names beyond ASCII in the messages that quote a map's name or a line of a
// file: shown as written, in both languages.
#include "editing.h"
#include "gameplay.h"

#include "core/savegame.h"

#include <QComboBox>

#include <gtest/gtest.h>

namespace {

TEST(NamesInMessages, AMapNameOrLineBeyondAsciiIsShownAsWritten)
{
    for (const char *language : {"de", "en"}) {
        for (const QString &name : {QString("Prüfinsel"), QString("Νησί"), QString("Остров")}) {
            SCOPED_TRACE(std::string(language) + " " + name.toStdString());
            const bool german = std::string(language) == "de";
            const std::string bytes = name.toStdString();
            Harness h;
            // An own map whose income line holds the name, and a saved game
            // on a map of that name that is not there.
            writeOwnMapFile(h, bytes, "None_Grass");
            std::vector<std::string> lines = ownMapLines(h, bytes);
            lines[230] = bytes;
            h.dir.write(QString("mymaps/%1.gwm").arg(name), QByteArray::fromStdString(gw::joinLines(lines)));
            gw::SavedGame saved;
            saved.mapName = bytes + " 2";
            saved.state.memgame = gw::LineList(std::vector<std::string>(221, "None_Grass"));
            h.dir.write("savegame.gws", QByteArray::fromStdString(gw::saveText(saved)));
            h.dir.writeOptions({"", "0", "0", language});
            h.start();

            h.click("btnskirmish");
            ASSERT_EQ(h.boxes.boxes().size(), 1u);
            const QString unknown = german ? "Zeile 2: unbekannte Karte '%1 2'" : "line 2: unknown map '%1 2'";
            EXPECT_TRUE(h.boxes.texts()[0].contains(unknown.arg(name))) << h.boxes.texts()[0].toStdString();

            auto *list = h.find<QComboBox>("maplist");
            list->setCurrentIndex(list->findText(name));
            ASSERT_EQ(h.boxes.boxes().size(), 2u);
            const QString integer = german ? "'%1' ist kein gültiger Integerwert." : "'%1' is not a valid whole number.";
            EXPECT_EQ(h.boxes.texts()[1].toStdString(), integer.arg(name).toStdString());
        }
    }
}

} // namespace
