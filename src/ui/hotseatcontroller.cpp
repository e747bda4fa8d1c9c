// SPDX-License-Identifier: MIT
#include "ui/hotseatcontroller.h"

#include "ui/gamecontroller.h"
#include "ui/panels/turncover.h"

namespace gw {

HotSeatController::HotSeatController(GameController &game, TurnCover &cover, QObject *parent)
    : QObject(parent), game_(game), cover_(cover)
{
    connect(&game, &GameController::turnPassed, this, [this](Side next) { turnPassed(next); });
    connect(&cover, &TurnCover::revealed, this, [this] { game_.setInputHeld(false); });
}

void HotSeatController::turnPassed(Side next)
{
    if (bothHere())
        cover(next);
}

void HotSeatController::gameContinued()
{
    if (bothHere())
        cover(game_.turn());
}

bool HotSeatController::bothHere() const
{
    // A network game plays one side at the other program: nothing to hide.
    return game_.players() == Players::SameScreen && !game_.remoteSide();
}

void HotSeatController::cover(Side next)
{
    game_.setInputHeld(true);
    cover_.showFor(next);
    // On the screen at once, before anything slower of the move (its save)
    // runs.
    cover_.repaint();
}

} // namespace gw
