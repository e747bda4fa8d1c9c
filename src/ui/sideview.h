// SPDX-License-Identifier: MIT
#pragma once

#include "core/side.h"
#include "rules/movelog.h"
#include "rules/screen.h"

#include <initializer_list>

namespace gw {

class GameScreen;
struct GameState;

// The game screen as the side on turn sees it: its own counters in the
// strip, the other side's base as the target of an attack, its buildings
// and strength in "Information" and the other side's forces beside them.
// Against the computer the side on turn is always Red.
class SideView {
public:
    SideView(GameScreen &screen, GameState &state) : screen_(screen), state_(state) {}

    void showCounters(Side side, std::initializer_list<CounterLabel> labels) const;
    // Every counter, the line beside "Information" (the computer's level,
    // or the round and the side on turn), the attack prompt and the field
    // mode.
    void showTurn(Side side, Players players) const;
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
