// SPDX-License-Identifier: MIT
#include "ui/sidescreen.h"

#include "core/cells.h"
#include "core/gamestate.h"
#include "rules/actions.h"
#include "rules/side.h"
#include "ui/panels/attackpanel.h"
#include "ui/panels/fieldpanel.h"
#include "ui/panels/statusstrip.h"
#include "ui/screens/gamescreen.h"

namespace gw {

void SideScreen::showCounters(Side side, std::initializer_list<CounterLabel> labels) const
{
    for (CounterLabel l : labels)
        screen_.strip().showCounter(l, counterValue(state_, l, side));
}

void SideScreen::showTurn(Side viewer, Side onTurn, Players players, bool decided) const
{
    for (CounterLabel label : kCounterLabels)
        screen_.strip().showCounter(label, counterValue(state_, label, viewer));
    if (players == Players::Computer)
        screen_.strip().showLevel(state_.enemylevel);
    else // the round is counted between Red's half and Blue's, and a decided one is over
        screen_.strip().showTurn(onTurn, onTurn == Side::Red && !decided ? state_.rounds + 1 : state_.rounds);
    const bool waiting = viewer != onTurn && !decided;
    screen_.strip().showWaiting(waiting ? std::optional<Side>(onTurn) : std::nullopt);
    screen_.setTurnCommandsEnabled(!waiting);
    screen_.attack().setTarget(otherSide(viewer));
    showFieldMode(viewer);
}

void SideScreen::showFieldMode(Side side) const
{
    const int32_t mode = state_.fieldmode == 1 || state_.fieldmode == 2 ? state_.fieldmode : 0;
    screen_.strip().showFieldMode(mode, otherSide(side));
    for (int n = 1; n <= kCells; ++n) {
        const std::string &cell = state_.memgame.line(static_cast<std::size_t>(n));
        Qt::CursorShape shape = Qt::ArrowCursor;
        if (mode == 1 && freeTerrain(cell))
            shape = Qt::PointingHandCursor;
        else if (mode == 2 && cell == baseState(otherSide(side)))
            shape = Qt::CrossCursor;
        screen_.field().setCellCursor(n, shape);
    }
}

void SideScreen::showInformation(Side side) const
{
    if (side == Side::Red) {
        computeStrength(state_);
        screen_.showInformation(state_);
        return;
    }
    // Blue's figures as its own, Red's as the other side's.
    GameState blue = mirrored(state_);
    computeStrength(blue);
    screen_.showInformation(blue);
}

} // namespace gw
