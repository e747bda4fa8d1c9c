// SPDX-License-Identifier: MIT
#include "editing.h"

#include "gameplay.h"
#include "input.h"

#include "core/linelist.h"
#include "map/mapwriter.h"
#include "ui/panels/editorfield.h"
#include "ui/panels/palette.h"
#include "ui/widgets/pictures.h"

#include <QComboBox>

#include <gtest/gtest.h>

#include <algorithm>

Editor::Editor(Harness &harness) : h(harness) {}

void Editor::open(bool keepChosen)
{
    h.click("btnskirmish");
    h.click("btnmapeditor");
    field = h.find<gw::EditorField>("editorfield");
    palette = h.find<gw::Palette>("editorpalette");
    ASSERT_NE(field, nullptr);
    ASSERT_NE(palette, nullptr);
    ASSERT_FALSE(h.widget("paneditor")->isHidden());
    if (!keepChosen)
        h.click("btneditornew");
}

void Editor::brush(const std::string &state)
{
    const auto &states = gw::Palette::states();
    const auto it = std::find(states.begin(), states.end(), state);
    ASSERT_NE(it, states.end()) << state;
    mouseClickAt(palette, gw::Palette::slotRect(static_cast<std::size_t>(it - states.begin())).center());
}

void Editor::paint(int n) { mouseClickAt(field, gw::EditorField::cellRect(n).center()); }

void Editor::drag(int from, int to)
{
    const QPoint a = gw::EditorField::cellRect(from).center(), b = gw::EditorField::cellRect(to).center();
    mousePress(field, a, field->mapToGlobal(a));
    mouseMove(field, b, field->mapToGlobal(b));
    mouseRelease(field, b, field->mapToGlobal(b));
}

void Editor::pick(int n) { mouseRightClick(field, gw::EditorField::cellRect(n).center()); }

void Editor::undo() { pressKey(field, Qt::Key_Z, Qt::ControlModifier); }

void Editor::type(const char *entry, const QString &text) { typeInto(h, entry, text); }

void Editor::openMap(const QString &text)
{
    auto *list = h.find<QComboBox>("editormaplist");
    ASSERT_NE(list, nullptr);
    const int index = list->findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    list->setCurrentIndex(index);
    h.click("btneditoropen");
}

QImage Editor::picture(const std::string &state) const
{
    return gw::loadBitmapFile(gw::cellPicturePath(state));
}

std::vector<std::string> ownMapLines(const Harness &h, const std::string &name)
{
    return h.dir.readLines(QString::fromStdString("mymaps/" + name + ".gwm"));
}

void writeOwnMapFile(const Harness &h, const std::string &name, const std::string &fill, int taxes, int enemytaxes)
{
    gw::MapDraft draft;
    draft.name = name;
    draft.cells = gw::filledCells(fill);
    draft.cells[220] = gw::kBlueBase;
    draft.taxes = taxes;
    draft.enemytaxes = enemytaxes;
    h.dir.write(QString::fromStdString("mymaps/" + name + ".gwm"),
                QByteArray::fromStdString(gw::joinLines(gw::mapFileLines(draft))));
}
