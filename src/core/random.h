// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace gw {

// The game's one random generator: a 32-bit linear congruential state.
class Random {
public:
    explicit Random(uint32_t seed = 0) : state_(seed) {}

    void seed(uint32_t value) { state_ = value; }
    uint32_t state() const { return state_; }

    // Advances the state, then returns a number from 0 to n - 1
    // (the upper half of the 64-bit product state * n). n must be > 0.
    int32_t drawbelow(int32_t n);

    // Sets the state from the UTC time of day in milliseconds.
    void clockreseed();

private:
    uint32_t state_;
};

} // namespace gw
