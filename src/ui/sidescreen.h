// SPDX-License-Identifier: MIT
#pragma once

#include "core/side.h"
#include "rules/movelog.h"
#include "rules/screen.h"

#include <initializer_list>

namespace gw {

class GameScreen;
struct GameState;

// The game screen as one side sees it: its own counters in the strip, the
// other side's base as the target of an attack, its buildings and strength
// in "Information" and the other side's forces beside them. At one screen
// that is the side on turn (against the computer always Red); in a network
// game the side played at this screen, on turn or not.
class SideScreen {
public:
    SideScreen(GameScreen &screen, GameState &state) : screen_(screen), state_(state) {}

    void showCounters(Side side, std::initializer_list<CounterLabel> labels) const;
    // Every counter of `viewer`, the line beside "Information" (the
    // computer's level, or the round and the side on turn), the attack
    // prompt and the field mode. While the other side is on turn (a network
    // game) the last-move line says so ("Blau ist am Zug …") and the turn's
    // commands are off, unless a result has decided the game; a decided
    // game shows the round it was decided in.
    void showTurn(Side viewer, Side onTurn, Players players, bool decided = false) const;
    // What the field awaits while a mode holds: the strip's line and the
    // pointer over the cells that take the click (free land to buy, the
    // other side's base to attack); nothing once the mode has ended.
    void showFieldMode(Side side) const;
    // "Information" with the side's strength computed afresh (Red's into
    // the record's offense and defense, as always).
    void showInformation(Side side) const;

private:
    GameScreen &screen_;
    GameState &state_;
};

} // namespace gw
