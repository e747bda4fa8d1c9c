// SPDX-License-Identifier: MIT
#pragma once

#include "core/side.h"

#include <QObject>

namespace gw {

class GameController;
class TurnCover;

// Two players at one screen: whenever the turn passes, the cover hides the
// game screen and holds its input until the side on turn clicks it away;
// a continued game of two opens under the cover too. The game itself
// (whose turn it is, what a move does) is the controller's, so a game
// whose second player is elsewhere needs no cover. Made before the
// record keeper, so the cover is drawn before the move's save is written.
class HotSeatController : public QObject {
    Q_OBJECT
public:
    HotSeatController(GameController &game, TurnCover &cover, QObject *parent);

    // The turn passed to `next`.
    void turnPassed(Side next);
    // A saved game goes on.
    void gameContinued();

private:
    // Both sides are played at this screen.
    bool bothHere() const;
    void cover(Side next);

    GameController &game_;
    TurnCover &cover_;
};

} // namespace gw
