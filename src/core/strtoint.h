// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

namespace gw {

// Converts a text to a 32-bit integer. Leading spaces are skipped; then a
// signed decimal number, or a hexadecimal one after "$", "x", "X", "0x" or
// "0X" (at most eight digits, taken as a 32-bit pattern). Nothing may follow.
// Anything else throws GameError::notAnInteger(text).
int32_t strtoint(const std::string &text);

// The same rule without the exception; false when the text is refused.
bool tryStrtoint(const std::string &text, int32_t &value);

} // namespace gw
