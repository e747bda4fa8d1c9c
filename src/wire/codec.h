// SPDX-License-Identifier: MIT
#pragma once

#include "wire/message.h"

#include <string>
#include <string_view>

namespace gw::wire {

// Why a message body could not be read.
enum class ReadFault {
    None,
    TooLarge,    // longer than kMaxBody
    NotText,     // a byte that is no text: a control character, a CR, bytes that are no
                 // UTF-8, anything beyond ASCII outside the map's name; no LF at the end
    UnknownType, // a first line that names no message
    Malformed,   // a line missing, extra, out of order, or of the wrong form
    OutOfRange,  // a number outside its field's range
    NotACell,    // a cell code that is no cell state
};

struct ReadError {
    ReadFault fault = ReadFault::None;
    int line = 0;      // counted from 1; 0 for the body as a whole
    std::string field; // the field (or the type) where reading stopped
};

struct ReadResult {
    Message message; // whole only when error.fault is None
    ReadError error;
    explicit operator bool() const { return error.fault == ReadFault::None; }
};

// The body of a message: its type on the first line, then one field a line
// ("cash 1250"), each line ended by LF. Whatever encode writes, read takes
// back equal; a message whose cells or map name cannot be sent (see
// sendable) is written with a placeholder the reader refuses.
std::string body(const Message &message);

// The whole message as it travels: the body's length in four bytes, most
// significant first, then the body.
std::string encode(const Message &message);

// Reads a body, checking every field before anything uses it. Never throws;
// an error names the first fault.
ReadResult read(std::string_view body);

} // namespace gw::wire
