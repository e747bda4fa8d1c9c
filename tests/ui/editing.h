// SPDX-License-Identifier: MIT
#pragma once

#include "harness.h"

#include <QString>

#include <string>
#include <vector>

namespace gw {
class EditorField;
class Palette;
} // namespace gw

// Drives the map editor the way the player does: with the mouse on the
// palette and the field, keys, the entries and the buttons.
struct Editor {
    explicit Editor(Harness &h);

    // Main menu, skirmish screen, "Karteneditor", which opens the map chosen
    // there; then "Neu" for an empty map, unless `keepChosen`.
    void open(bool keepChosen = false);
    // A click on the state in the palette.
    void brush(const std::string &state);
    // A click on cell n, a drag from one cell to another in one move of the
    // mouse, a right click.
    void paint(int n);
    void drag(int from, int to);
    void pick(int n);
    // Ctrl+Z with the field focused.
    void undo();
    // Types into an entry ("ededitorname" ...).
    void type(const char *entry, const QString &text);
    // Chooses the map shown as `text` in the editor's list and opens it.
    void openMap(const QString &text);

    // What a cell shows: the picture of a state.
    QImage picture(const std::string &state) const;

    Harness &h;
    gw::EditorField *field = nullptr;
    gw::Palette *palette = nullptr;
};

// The lines of the own map file of this name, as the disk has them.
std::vector<std::string> ownMapLines(const Harness &h, const std::string &name);

// Writes an own map file: every cell `fill`, the opponent's base in cell
// 220, the incomes as given.
void writeOwnMapFile(const Harness &h, const std::string &name, const std::string &fill, int taxes = 0,
                     int enemytaxes = 0);
