// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace gw {

// The two sides of a game: Red (the player at the window, the host of a
// network game) and Blue (the computer opponent, or a second player).
enum class Side : int32_t { Red = 0, Blue = 1 };

constexpr Side otherSide(Side s) { return s == Side::Red ? Side::Blue : Side::Red; }

} // namespace gw
