// SPDX-License-Identifier: MIT
#pragma once

#include "core/sound.h"

#include <cstdint>

namespace gw {

// The game screen's value labels that the rules write.
enum class CounterLabel {
    Cash,         // labcash
    Taxes,        // labtaxes
    Recruits,     // labrecruits
    Mgs,          // labmg (machine guns)
    Rifles,       // labsniper (sniper rifles)
    Mortars,      // labmorse
    Specpacks,    // labspecial
    Infantry,     // labmgs
    Snipers,      // labsnipers
    Mortarcrews,  // labmorses
    Specialunits, // labspecials
};

// Every value label.
constexpr CounterLabel kCounterLabels[] = {
    CounterLabel::Cash,     CounterLabel::Taxes,     CounterLabel::Recruits,    CounterLabel::Mgs,
    CounterLabel::Rifles,   CounterLabel::Mortars,   CounterLabel::Specpacks,   CounterLabel::Infantry,
    CounterLabel::Snipers,  CounterLabel::Mortarcrews, CounterLabel::Specialunits,
};

struct GameState;

// The boxes the rules open; the window words them.
enum class Notice {
    BaseDestroyed,    // "Sie haben die gegnerische Basis zerstört!", captioned "Herzlichen Glückwunsch !!!"
    OwnBaseDestroyed, // "Ihre Basis wurde zerstört!", captioned "Niederlage !"
};

// The record's counter that a value label shows (Red's; rules/side.h has
// either side's).
int32_t counterValue(const GameState &state, CounterLabel label);

// How the rules talk to the screen. The main window implements it; tests use
// a recording fake. Every call happens at the moment the rules reach that step.
class Screen {
public:
    virtual ~Screen() = default;

    // Writes the value as decimal text into the label.
    virtual void showCounter(CounterLabel label, int32_t value) = 0;
    // A modal box with an OK button only; returns when it is closed.
    virtual void notify(Notice notice) = 0;
    virtual void playSound(Sound sound) = 0;
    virtual void stopSound(Sound sound) = 0;
    // labwin := "Sie haben in <rounds> Runden gewonnen!", then panwin shown.
    virtual void showVictory(int32_t rounds) = 0;
    // lablose := "Sie haben in <rounds> Runden verloren!", then panlose shown.
    virtual void showDefeat(int32_t rounds) = 0;
    // Switches the field redraw timer on (no restart when it already runs).
    virtual void enableRedraw() = 0;
};

// A screen that shows nothing: for moves the opponent only tries, and for
// games played without a window.
struct SilentScreen : Screen {
    void showCounter(CounterLabel, int32_t) override {}
    void notify(Notice) override {}
    void playSound(Sound) override {}
    void stopSound(Sound) override {}
    void showVictory(int32_t) override {}
    void showDefeat(int32_t) override {}
    void enableRedraw() override {}
};

} // namespace gw
