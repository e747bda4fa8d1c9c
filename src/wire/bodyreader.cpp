// SPDX-License-Identifier: MIT
#include "wire/bodyreader.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace gw::wire {

ReadFault parseNumber(std::string_view text, int64_t lo, int64_t hi, int64_t &value)
{
    const bool negative = !text.empty() && text[0] == '-';
    const std::string_view digits = negative ? text.substr(1) : text;
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos)
        return ReadFault::Malformed;
    if (digits.size() > 1 && digits[0] == '0')
        return ReadFault::Malformed;
    if (negative && digits == "0")
        return ReadFault::Malformed;
    if (digits.size() > 10)
        return ReadFault::OutOfRange;
    int64_t v = 0;
    for (char c : digits)
        v = v * 10 + (c - '0');
    v = negative ? -v : v;
    if (v < lo || v > hi)
        return ReadFault::OutOfRange;
    value = v;
    return ReadFault::None;
}

ReadFault parseMoveText(const std::string &text, Move &move)
{
    if (const std::optional<Move> m = parseMove(text); m && moveText(*m) == text) {
        move = *m;
        return ReadFault::None;
    }
    // The same text with every plain number made 1: a move then, and only
    // a number was out of its range.
    std::string shape;
    std::size_t at = 0;
    while (at <= text.size()) {
        const std::size_t space = std::min(text.find(' ', at), text.size());
        const std::string_view word = std::string_view(text).substr(at, space - at);
        const bool number = at > 0 && !word.empty() && word.find_first_not_of("0123456789") == std::string_view::npos
                            && (word.size() == 1 || word[0] != '0');
        shape += number ? std::string_view("1") : word;
        if (space < text.size())
            shape += ' ';
        at = space + 1;
    }
    const std::optional<Move> m = parseMove(shape);
    return m && moveText(*m) == shape ? ReadFault::OutOfRange : ReadFault::Malformed;
}

BodyReader::BodyReader(std::string_view body) : rest_(body) {}

bool BodyReader::fail(ReadFault fault, const char *field)
{
    if (ok()) {
        error_.fault = fault;
        error_.line = line_;
        error_.field = field;
    }
    return false;
}

bool BodyReader::nextLine(std::string_view &line)
{
    const std::size_t end = rest_.find('\n');
    if (end == std::string_view::npos)
        return false;
    line = rest_.substr(0, end);
    rest_ = rest_.substr(end + 1);
    ++line_;
    return true;
}

std::string_view BodyReader::type()
{
    std::string_view line;
    if (!ok() || !nextLine(line)) {
        fail(ReadFault::Malformed, "type");
        return {};
    }
    return line;
}

bool BodyReader::field(const char *key, std::string_view &value)
{
    if (!ok())
        return false;
    std::string_view line;
    if (!nextLine(line)) {
        ++line_;
        return fail(ReadFault::Malformed, key);
    }
    const std::size_t n = std::strlen(key);
    if (line.size() <= n + 1 || line.compare(0, n, key) != 0 || line[n] != ' ')
        return fail(ReadFault::Malformed, key);
    value = line.substr(n + 1);
    return true;
}

bool BodyReader::number(const char *key, int64_t lo, int64_t hi, int64_t &value)
{
    std::string_view text;
    if (!field(key, text))
        return false;
    const ReadFault f = parseNumber(text, lo, hi, value);
    return f == ReadFault::None || fail(f, key);
}

bool BodyReader::number(const char *key, int64_t lo, int64_t hi, int32_t &value)
{
    int64_t v = 0;
    if (!number(key, lo, hi, v))
        return false;
    value = static_cast<int32_t>(v);
    return true;
}

bool BodyReader::numbersIn(std::string_view value, const char *key, std::size_t count, int64_t lo, int64_t hi,
                           int32_t *values)
{
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t space = value.find(' ');
        const bool last = i + 1 == count;
        if (last != (space == std::string_view::npos))
            return fail(ReadFault::Malformed, key);
        int64_t v = 0;
        const ReadFault f = parseNumber(value.substr(0, space), lo, hi, v);
        if (f != ReadFault::None)
            return fail(f, key);
        values[i] = static_cast<int32_t>(v);
        if (!last)
            value = value.substr(space + 1);
    }
    return true;
}

bool BodyReader::numbers(const char *key, std::size_t count, int64_t lo, int64_t hi, int32_t *values)
{
    std::string_view value;
    return field(key, value) && numbersIn(value, key, count, lo, hi, values);
}

bool BodyReader::word(const char *key, const char *const *words, std::size_t count, int &index)
{
    std::string_view value;
    if (!field(key, value))
        return false;
    for (std::size_t i = 0; i < count; ++i) {
        if (value == words[i]) {
            index = static_cast<int>(i);
            return true;
        }
    }
    return fail(ReadFault::Malformed, key);
}

bool BodyReader::end()
{
    if (!ok())
        return false;
    if (!rest_.empty()) {
        ++line_;
        return fail(ReadFault::Malformed, "end");
    }
    return true;
}

} // namespace gw::wire
