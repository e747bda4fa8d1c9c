// SPDX-License-Identifier: MIT
#include "rules/replay.h"

#include "rules/opponent.h"

#include <utility>

namespace gw {

Replay::Replay(const LogReadResult &read) : log_(read.log), readFault_(read), random_(read.log.seed)
{
    readFault_.log = MoveLog{};
    state_ = log_.start;
    state_.fieldactive = 1;
}

int32_t Replay::lastRound() const { return log_.rounds.empty() ? log_.start.rounds : log_.rounds.back().number; }

ReplayStep Replay::part(ReplayStep step, ReplayParting why, std::string detail)
{
    over_ = true;
    step.outcome = ReplayStep::Outcome::Parted;
    step.parting = why;
    step.detail = std::move(detail);
    return step;
}

ReplayStep Replay::step(Screen &screen)
{
    ReplayStep s;
    s.round = state_.rounds + 1;
    if (over_)
        return part(s, ReplayParting::CutOff);
    if (next_ >= log_.rounds.size()) {
        // Past the last whole round: the text broke off, or the game had
        // not been decided when the log ended.
        if (readFault_.fault != LogFault::None)
            return part(s, ReplayParting::Unreadable, std::to_string(readFault_.line));
        return part(s, ReplayParting::CutOff);
    }
    const LoggedRound &r = log_.rounds[next_++];
    s.round = r.number;
    s.red = r.red;
    s.redResult = applyMove(state_, Side::Red, *r.red, random_, screen);
    if (!s.redResult)
        return part(s, ReplayParting::Refused, moveText(*r.red));
    const bool blueBeaten = s.redResult.battle && s.redResult.battle->baseDestroyed();
    openSecondHalf(state_, screen);
    bool redBeaten = false;
    if (blueBeaten) {
        if (r.blue)
            return part(s, ReplayParting::MoveAfterEnd, moveText(*r.blue));
    } else if (log_.players == Players::Computer) {
        // The computer decides again, drawing what it drew then.
        const Move chosen = opponentFor(state_.enemylevel).choose(state_, random_);
        if (!r.blue || *r.blue != chosen)
            return part(s, ReplayParting::ChoiceDiffers, moveText(chosen) + "\n" + (r.blue ? moveText(*r.blue) : ""));
        s.blue = chosen;
        s.blueResult = applyMove(state_, Side::Blue, chosen, random_, screen);
        redBeaten = s.blueResult.battle && s.blueResult.battle->baseDestroyed();
    } else {
        if (!r.blue)
            return part(s, ReplayParting::MoveMissing);
        s.blue = r.blue;
        s.blueResult = applyMove(state_, Side::Blue, *r.blue, random_, screen);
        if (!s.blueResult)
            return part(s, ReplayParting::Refused, moveText(*r.blue));
        redBeaten = s.blueResult.battle && s.blueResult.battle->baseDestroyed();
    }
    closeRound(state_, screen);
    if (!r.hash) // a round the log left open
        return part(s, ReplayParting::CutOff);
    if (*r.hash != recordHash(state_))
        return part(s, ReplayParting::HashDiffers);
    const bool decided = blueBeaten || redBeaten;
    const bool last = next_ == log_.rounds.size() && readFault_.fault == LogFault::None;
    if (decided || (last && log_.winner)) {
        const Side won = blueBeaten ? Side::Red : Side::Blue;
        if (!decided || !last || !log_.winner || *log_.winner != won)
            return part(s, ReplayParting::ResultDiffers);
        over_ = true;
        s.outcome = ReplayStep::Outcome::Finished;
    }
    return s;
}

ReplayStep Replay::playToEnd(Screen &screen)
{
    ReplayStep s;
    while (!over_)
        s = step(screen);
    return s;
}

} // namespace gw
