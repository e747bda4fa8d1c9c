// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace gw::wire {

// Cuts the bytes of a connection into message bodies: four bytes of
// length, most significant first, then that many bytes of body. It holds
// at most one message (4 + kMaxBody bytes) and takes no byte beyond the
// message it is reading, so a caller that reads what `wanted` asks never
// buffers more. A length of 0 or over kMaxBody is a fault found as soon as
// the four bytes are in; after a fault it takes nothing more.
class FrameReader {
public:
    enum class State {
        Reading, // give it more
        Ready,   // a whole body is there: take it
        Empty,   // a length of 0
        TooLarge // a length over kMaxBody
    };

    // How many bytes the message being read still needs (0 when Ready or
    // after a fault).
    std::size_t wanted() const;
    // Takes up to `wanted` bytes of `data`; returns how many it took.
    std::size_t feed(const char *data, std::size_t size);
    State state() const { return state_; }
    // The body once Ready; the reader then starts on the next message.
    std::string take();
    // The length the last four bytes gave (for a fault's report).
    uint32_t length() const { return length_; }

private:
    State state_ = State::Reading;
    unsigned char header_[4] = {};
    std::size_t headerBytes_ = 0;
    uint32_t length_ = 0;
    std::string body_;
};

} // namespace gw::wire
