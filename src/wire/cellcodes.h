// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace gw::wire {

// A cell state travels as two letters: its owner ('n' None, 'r' Red,
// 'b' Blue), then its terrain by the land table's order ('a' Grass to
// 'k' SkyScraper) or 'z' for a base. "na" is None_Grass, "bz" Blue_Base.
// The 35 states the game draws have a code; nothing else has one.

// The code of a state, "" when it has none.
std::string cellCode(const std::string &state);

// The state of the two letters at `code` (at least two characters), ""
// when they are no code.
std::string cellStateOf(const char *code);

} // namespace gw::wire
