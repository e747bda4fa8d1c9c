// SPDX-License-Identifier: MIT
#pragma once
// A two-player game kept the way the host's program keeps it: one record,
// Red's moves played here, Blue's arriving from the network guest; after
// every move the guest gets Blue's view. Used by the network tests and the
// network benchmark.

#include "core/gamestate.h"
#include "core/random.h"
#include "net/nethost.h"
#include "rules/move.h"
#include "rules/screen.h"
#include "rules/sideview.h"
#include "wire/message.h"

#include <string>
#include <vector>

namespace gw::test {

class HostedGame {
public:
    // A new game on the shipped map of this name, read from the sources.
    HostedGame(NetHost &host, const std::string &mapName, uint32_t seed = 1);

    // Opens the game on the host, on 127.0.0.1 at a port the system picks.
    bool open();

    // Red's move: carried out, the round's second half opened, Blue's view sent.
    MoveResult playRed(const Move &move);

    const GameState &state() const { return state_; }
    Side onTurn() const { return onTurn_; }
    SideView blueView() const { return viewFor(state_, Side::Blue, onTurn_, recent_); }
    const wire::GameMap &map() const { return map_; }
    // Blue's moves as the host received them, refused ones included.
    const std::vector<Move> &received() const { return received_; }
    int refusals() const { return refusals_; }

private:
    void playBlue(const Move &move);
    void remember(const PlayedMove &played);

    NetHost &host_;
    GameState state_;
    Random random_;
    SilentScreen screen_;
    wire::GameMap map_;
    Side onTurn_ = Side::Red;
    std::vector<PlayedMove> recent_;
    std::vector<Move> received_;
    int refusals_ = 0;
};

} // namespace gw::test
