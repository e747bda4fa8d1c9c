// SPDX-License-Identifier: MIT
#pragma once

#include "rules/move.h"
#include "wire/codec.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace gw::wire {

// Walks a message body line by line, each line "key value" with the keys
// in a fixed order, and keeps the first fault. Every call after a fault
// fails at once, so a reader may check only at the end.
class BodyReader {
public:
    explicit BodyReader(std::string_view body);

    // The first line, the message's type ("" when the body has no line).
    std::string_view type();
    // The value of the next line, which must be `key`, a space and a value.
    bool field(const char *key, std::string_view &value);
    // A number within [lo, hi] as the next line's value.
    bool number(const char *key, int64_t lo, int64_t hi, int64_t &value);
    bool number(const char *key, int64_t lo, int64_t hi, int32_t &value);
    // `count` numbers separated by single spaces, each within [lo, hi].
    bool numbers(const char *key, std::size_t count, int64_t lo, int64_t hi, int32_t *values);
    // One of `count` words as the next line's value: its index.
    bool word(const char *key, const char *const *words, std::size_t count, int &index);
    // No line may follow.
    bool end();

    // Splits the numbers of a value that was read already.
    bool numbersIn(std::string_view value, const char *key, std::size_t count, int64_t lo, int64_t hi,
                   int32_t *values);

    bool fail(ReadFault fault, const char *field);
    bool ok() const { return error_.fault == ReadFault::None; }
    const ReadError &error() const { return error_; }

private:
    bool nextLine(std::string_view &line);

    std::string_view rest_;
    int line_ = 0;
    ReadError error_;
};

// A decimal number as the wire writes it: an optional '-', then "0" or
// digits without a leading zero. OutOfRange beyond [lo, hi] (or beyond ten
// digits), Malformed when it is no such number.
ReadFault parseNumber(std::string_view text, int64_t lo, int64_t hi, int64_t &value);

// Reads a move exactly as moveText writes it: None and the move, or
// OutOfRange when only a number lies outside its range ("land 221",
// "purchase 1000 0 0 0 0"), or Malformed.
ReadFault parseMoveText(const std::string &text, Move &move);

} // namespace gw::wire
