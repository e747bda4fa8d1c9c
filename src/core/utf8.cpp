// SPDX-License-Identifier: MIT
#include "core/utf8.h"

namespace gw {

std::size_t utf8Character(const std::string &text, std::size_t at, uint32_t *code)
{
    if (at >= text.size())
        return 0;
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char first = byte(at);
    std::size_t length = 0;
    uint32_t value = 0;
    if (first < 0x80) {
        length = 1;
        value = first;
    } else if (first >= 0xC2 && first <= 0xDF) {
        length = 2;
        value = first & 0x1Fu;
    } else if (first >= 0xE0 && first <= 0xEF) {
        length = 3;
        value = first & 0x0Fu;
    } else if (first >= 0xF0 && first <= 0xF4) {
        length = 4;
        value = first & 0x07u;
    } else {
        return 0;
    }
    if (at + length > text.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
        value = (value << 6) | (byte(at + i) & 0x3Fu);
    }
    static const uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (value < smallest[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return 0;
    if (code)
        *code = value;
    return length;
}

} // namespace gw
