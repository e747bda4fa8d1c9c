// SPDX-License-Identifier: MIT
#pragma once

#include "core/side.h"
#include "rules/movelog.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace gw {

struct BattleResult;
struct GameState;

// What one side had when a round was over (income paid, counters below
// zero set back to 0).
struct SideFigures {
    int32_t income = 0;   // taxes
    int32_t gold = 0;     // cash
    int64_t strength = 0; // the army's strength as "Information" counts it (armyStrength)
    int32_t basehp = 0;
};

// One point of the course: the figures of both sides, Red's first.
struct CoursePoint {
    int32_t round = 0; // the rounds over (the start: the log's first round - 1)
    std::array<SideFigures, 2> side{};
};

// What one side did over the whole game.
struct SideTotals {
    int32_t attacks = 0;     // battles the side began with troops
    int32_t battlesWon = 0;  // its attacks that hurt the other base, and the other's that did not hurt its own
    int64_t damageDealt = 0; // hit points it took from the other base
    int64_t damageTaken = 0; // hit points its base lost
    int32_t land = 0;        // cells it held at the end, its base not counted
    int64_t largestArmy = 0; // the most soldiers (recruits and trained units) it had at one time
};

// A game's course worked out from its move log by playing it again: the
// figures of both sides after every round and the totals of the battles.
// Nothing of it is stored; the log is the game.
struct GameCourse {
    std::string mapName;
    Players players = Players::Computer;
    int32_t level = 0;
    std::vector<CoursePoint> points; // the start, then one a round played back
    std::array<SideTotals, 2> totals{};
    std::optional<Side> winner; // the log's result: the game was decided so
    int32_t endRound = 0;       // the log's last round (the deciding one of a decided game)
    // The round at which the log no longer fitted the game (0: none); the
    // course ends before it.
    int32_t partedAt = 0;

    const SideTotals &of(Side side) const { return totals[static_cast<std::size_t>(side)]; }
    int32_t lastRound() const { return points.empty() ? 0 : points.back().round; }
};

// recruits + 2 infantry + 3 snipers + 4 mortar crews + 5 special units, of
// the side's counters at 0 or above.
int64_t armyStrength(const GameState &state, Side side);
// Recruits and trained units, of the side's counters at 0 or above.
int64_t soldiers(const GameState &state, Side side);
// The cells the side holds, its base not counted.
int32_t landHeld(const GameState &state, Side side);

// Plays the log back from its start (as a replay does, the computer's
// choices made afresh) and gathers the course. A log that parts from the
// game gives the course up to the round before.
GameCourse gameCourse(const MoveLog &log);

} // namespace gw
