// SPDX-License-Identifier: MIT
#pragma once

#include "core/gamestate.h"
#include "core/side.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace gw {

// The game in progress as the file "savegame.gws" keeps it, plain text:
//
//   grimsward-save 1          the format and its version
//   map Mittelmeer            the map the game was started on
//   random 0x2A41C3F0         the random generator's state
//   redraw 1                  the field redraw runs (1) or not (0)
//   cash 1250                 every counter of the record by name, ...
//   cellstate None_Grass      ... the last cell clicked ...
//   enemylevel 2              ... the opponent's level (0 when missing) ...
//   lastmove 1                ... and the opponent's last move (lastmove.*;
//   lastmove.counts 120 3 0 0 0   its order's counts by kind, only after an order)
//   players 2                 two players at one screen (only then written)
//   turn 1                    Blue is on turn (only then written)
//   log grimsward-replay 1    the game's move log, one "log" line for each
//   log ...                   of its lines (rules/movelog.h)
//   cells                     then the 220 cells, one state a line
//   Red_Farm
//   ...
//   end
//
// Every name is there exactly once, in any order; numbers follow the
// program's text-to-integer rule. Names added since the first version may be
// missing (a file written before them); they then take their default.

extern const char *const kSavePath; // "savegame.gws"
constexpr int kSaveFormatVersion = 1;

// What the opponent did in its last move, as much as the last-move line
// needs to be written again.
struct SavedMove {
    bool shown = false;   // false before the first round end: the line is empty
    int32_t action = 0;   // 0..12
    int32_t tier = 0;     // 0..3
    int32_t amount = 0;
    int32_t damage = 0;   // hit points the player's base lost in an attack
    bool cellTaken = false;
    std::string cell;     // the state of the cell it went for ("" or a cell state)
    bool troops = true;   // the attack had troops to attack with
    // Actions 1..9: the count of each kind the order bought (recruits, then
    // the four kinds of equipment) or the training trained (the first four:
    // infantry, snipers, mortar crews, special units); all 0 in files
    // written before orders of several kinds.
    std::array<int32_t, 5> counts{};
};

struct SavedGame {
    std::string mapName;
    // The counters, cellstate and the field list lines 1..220. The program
    // switches (menustate, musicon, soundon) belong to the program and are
    // neither written nor read.
    GameState state;
    uint32_t random = 0;
    bool redraw = false;
    SavedMove lastMove;
    // Who plays Blue (1 the computer, 2 a second player at the screen) and
    // whose move the game awaits.
    int32_t players = 1;
    Side turn = Side::Red;
    // The game's move log, line by line; empty for a game saved without one.
    std::vector<std::string> log;
};

// Why a save could not be read; `line` counts from 1, `text` is the
// offending text as the file has it.
enum class SaveFault {
    None,
    NotASave,       // the first line is not the header
    WrongVersion,   // the header names another version (text)
    Binary,         // control characters or bytes outside ASCII (a NUL byte in a cell)
    BadNumber,      // not an integer (text)
    BadValue,       // an integer the entry does not take (text)
    UnknownEntry,   // a name the format does not have (text)
    DuplicateEntry, // a name given twice (text)
    MissingEntry,   // a name never given (text)
    UnknownMap,     // no name, or no map of that name (text)
    CutOff,         // the file ends early, or cells are missing
    ExtraText,      // a line where "end" or the end of the file belongs (text)
};

struct SaveReadResult {
    SaveFault fault = SaveFault::None;
    int line = 0;
    std::string text;
    SavedGame game; // complete only when fault is None
};

// The file's text, lines ended by CR LF.
std::string saveText(const SavedGame &game);

// Reads a file's bytes. Checks the form of every line and every value, and
// the map's name with mapExists when one is given; not whether the cells'
// pictures exist. It takes whatever saveText writes: any map name and any
// cell state the game can hold.
SaveReadResult readSaveText(const std::string &bytes,
                            const std::function<bool(const std::string &)> &mapExists = nullptr);

// Puts a saved game into the record: every counter, cellstate, the field
// list (line 0 the map name, 1..220 the cells) and the scratch list (the
// same lines). The program switches stay as they are.
void restoreGame(GameState &state, const SavedGame &saved);

} // namespace gw
