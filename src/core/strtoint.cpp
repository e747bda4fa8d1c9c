// SPDX-License-Identifier: MIT
#include "core/strtoint.h"

#include "core/gameerror.h"

namespace gw {

namespace {

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool parseHex(const std::string &text, std::size_t pos, int32_t &value)
{
    const std::size_t digits = text.size() - pos;
    if (digits == 0 || digits > 8)
        return false;
    uint32_t pattern = 0;
    for (; pos < text.size(); ++pos) {
        const int d = hexDigit(text[pos]);
        if (d < 0)
            return false;
        pattern = (pattern << 4) | static_cast<uint32_t>(d);
    }
    value = static_cast<int32_t>(pattern); // two's-complement pattern
    return true;
}

bool parseDecimal(const std::string &text, std::size_t pos, int32_t &value)
{
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    if (pos == text.size())
        return false;
    // Accumulate the magnitude; 2^31 is the largest that fits (negative only).
    const uint64_t limit = negative ? 2147483648ULL : 2147483647ULL;
    uint64_t magnitude = 0;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c < '0' || c > '9')
            return false;
        magnitude = magnitude * 10 + static_cast<uint64_t>(c - '0');
        if (magnitude > limit)
            return false;
    }
    value = negative ? static_cast<int32_t>(-static_cast<int64_t>(magnitude))
                     : static_cast<int32_t>(magnitude);
    return true;
}

} // namespace

bool tryStrtoint(const std::string &text, int32_t &value)
{
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    if (pos == text.size())
        return false;

    const char c = text[pos];
    if (c == '$' || c == 'x' || c == 'X')
        return parseHex(text, pos + 1, value);
    if (c == '0' && pos + 1 < text.size() && (text[pos + 1] == 'x' || text[pos + 1] == 'X'))
        return parseHex(text, pos + 2, value);
    return parseDecimal(text, pos, value);
}

int32_t strtoint(const std::string &text)
{
    int32_t value = 0;
    if (!tryStrtoint(text, value))
        throw GameError::notAnInteger(text);
    return value;
}

} // namespace gw
