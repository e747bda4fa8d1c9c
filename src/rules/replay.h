// SPDX-License-Identifier: MIT
#pragma once

#include "core/gamestate.h"
#include "core/random.h"
#include "rules/enemyturn.h"
#include "rules/movelog.h"

#include <cstdint>
#include <optional>
#include <string>

namespace gw {

class Screen;

// Why a replay parted from its log.
enum class ReplayParting {
    None,
    Refused,       // a player's move the rules refuse (detail: the move)
    ChoiceDiffers, // the computer chooses another move than the log holds (detail: chosen, logged)
    MoveMissing,   // the round lacks Blue's move
    MoveAfterEnd,  // a move after Red's attack destroyed Blue's base
    HashDiffers,   // the record after the round is not the one the log recorded
    Unreadable,    // the log's text breaks off here (the reader's fault)
    CutOff,        // the log ends before the game was decided
    ResultDiffers, // the game is decided otherwise than the log says, or goes on past its result
};

// One round played back.
struct ReplayStep {
    enum class Outcome {
        Played,   // the round repeated the log; more follow
        Finished, // the round repeated the log and decided the game as it says
        Parted,   // the log and the game part here (`parting`); nothing further plays
    };
    Outcome outcome = Outcome::Played;
    int32_t round = 0;
    ReplayParting parting = ReplayParting::None;
    std::string detail;
    // What the two sides did, as far as it happened.
    std::optional<Move> red, blue;
    MoveResult redResult, blueResult;
};

// A logged game played again from its start, round by round, by the same
// rules and the same generator: the computer's moves are chosen afresh
// (drawing what they drew) and must equal the logged ones; after every
// round the record must have the logged hash.
class Replay {
public:
    // The log as far as it could be read (read.playable() must hold); a
    // fault of the text parts the replay at its round.
    explicit Replay(const LogReadResult &read);

    const GameState &state() const { return state_; }
    const MoveLog &log() const { return log_; }
    // The last round the log holds (the round of its result when decided).
    int32_t lastRound() const;
    // Whether nothing further plays (finished or parted).
    bool over() const { return over_; }

    // Plays the next round; the rules report to `screen`.
    ReplayStep step(Screen &screen);
    // Plays every round still to come; returns the last step.
    ReplayStep playToEnd(Screen &screen);

private:
    ReplayStep part(ReplayStep step, ReplayParting why, std::string detail = std::string());

    MoveLog log_;
    LogReadResult readFault_;
    GameState state_;
    Random random_;
    std::size_t next_ = 0;
    bool over_ = false;
};

} // namespace gw
