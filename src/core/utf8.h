// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace gw {

// The well-formed UTF-8 character that starts at byte `at` of the text: its
// length in bytes, and its code point in `code` when asked for. 0 when the
// bytes there are no UTF-8 (a stray or cut byte, an overlong form, a
// surrogate, anything beyond U+10FFFF) or `at` is past the end.
std::size_t utf8Character(const std::string &text, std::size_t at, uint32_t *code = nullptr);

} // namespace gw
