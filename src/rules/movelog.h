// SPDX-License-Identifier: MIT
#pragma once

#include "core/gamestate.h"
#include "core/side.h"
#include "rules/move.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace gw {

// Who plays Blue.
enum class Players : int32_t {
    Computer = 1,   // the computer opponent of the record's level
    SameScreen = 2, // a second person at the same screen, taking turns with Red
};

// The last decided game's log, beside the saved game.
extern const char *const kLastGamePath; // "lastgame.gwr"
constexpr int kLogFormatVersion = 1;

// One round as it was played: Red's move, then Blue's (none when Red's
// attack destroyed Blue's base), then the record's hash once both sides'
// income and the clamps of the round end are done.
struct LoggedRound {
    int32_t number = 0; // the record's `rounds` once the round is over
    std::optional<Move> red, blue;
    std::optional<uint64_t> hash; // none while the round is being played
    int line = 0;                 // its first line in the text, from 1 (0 when not read from one)
};

// A whole game as plain text (see moveLogText): the record at its start,
// the generator's state at its start and every move of both sides in
// order, the computer's included. The game is deterministic from these, so
// a replay repeats it exactly and the hashes prove that it does.
struct MoveLog {
    std::string mapName;
    Players players = Players::Computer;
    uint32_t seed = 0;
    // The counters of both sides, rounds, enemylevel and cells 1..220 as
    // the game began; nothing else of it is read.
    GameState start;
    std::vector<LoggedRound> rounds;
    std::optional<Side> winner; // a decided game: its last round decided it

    // Recording a game as it is played.
    void begin(const std::string &map, Players who, uint32_t generatorState, const GameState &record);
    // Red's move opens a round, Blue's joins it.
    void addMove(Side side, const Move &move);
    // The round end is over: the record's hash closes the round.
    void closeRound(const GameState &record);
    void finish(Side won) { winner = won; }
    bool empty() const { return mapName.empty(); }
};

// The hash of everything a move can change: both sides' counters, the
// round, the level and cells 1..220 (64-bit FNV-1a). Scratch values the
// window writes (cost lines, the last cell clicked) are not part of it.
uint64_t recordHash(const GameState &state);

// The log's text, one line each, without line ends:
//
//   grimsward-replay 1        the format and its version
//   map Mittelmeer            the map's name
//   players 1                 1 against the computer, 2 at one screen
//   seed 0x2A41C3F0           the generator's state at the start
//   level 2                   the computer's level (0 Leicht, 1 Mittel, 2 Schwer)
//   rounds 0                  the record at the start: the round, ...
//   cash 1000 1000            ... each counter, Red's then Blue's, ...
//   ...                       (taxes, recruits, ..., basehp)
//   cells                     ... then the 220 cells, one state a line
//   moves
//   1 red purchase 100 0 0 0 0    round 1: Red's move (rules/move.h's words)
//   1 blue tier 3                 Blue's move
//   1 hash 5D2C0A11E39F6B27       the record's hash after the round
//   ...
//   result red 17             a decided game: the winner and the last round
//   end
std::vector<std::string> moveLogLines(const MoveLog &log);
// The same, lines ended by CR LF.
std::string moveLogText(const MoveLog &log);

// Why a log could not be read, as far as it could be.
enum class LogFault {
    None,
    NotALog,      // the first line is not the header
    WrongVersion, // another version of the format (text)
    Binary,       // control characters where text belongs
    BadEntry,     // a line of the start that is not what belongs there (text)
    BadLine,      // a line of the moves that does not fit where it stands (text)
    CutOff,       // the text ends before "end"
    ExtraText,    // text after "end"
};

struct LogReadResult {
    LogFault fault = LogFault::None;
    int line = 0;       // the faulty line, from 1
    std::string text;   // what it holds
    int32_t round = 0;  // the round the fault falls in; 0 while the start is being read
    // Everything up to the fault: the start and the whole rounds before it.
    MoveLog log;
    // Whether the start was read whole, so the rounds before the fault can
    // be played back.
    bool playable() const { return fault == LogFault::None || round > 0; }
};

// Reads a log's text with every line checked: the header, each entry of
// the start, the rounds in order (each round's number, Red's move before
// Blue's, the hash closing it), the result and the end.
LogReadResult readMoveLog(const std::string &bytes);
LogReadResult readMoveLog(const std::vector<std::string> &lines);

} // namespace gw
