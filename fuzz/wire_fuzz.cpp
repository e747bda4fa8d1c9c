// SPDX-License-Identifier: MIT
// Fuzz target: the network game's message reader, as a host or guest runs
// it on whatever a connection brings. The bytes go through the frame
// reader in pieces (the first byte sets their size) and every body through
// the message reader; the bytes are also read as one body. Nothing may
// crash, the frame reader never takes more than a message, and a message
// that reads writes back to a body that reads as the same message.
#include "wire/codec.h"
#include "wire/framereader.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void check(const std::string &body)
{
    const gw::wire::ReadResult r = gw::wire::read(body);
    if (!r)
        return;
    const std::string again = gw::wire::body(r.message);
    const gw::wire::ReadResult back = gw::wire::read(again);
    if (!back || !(back.message == r.message) || again != body)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    check(bytes);

    const std::size_t piece = size > 0 ? 1 + data[0] % 64 : 1;
    gw::wire::FrameReader frames;
    std::size_t at = 0;
    while (at < size && frames.state() == gw::wire::FrameReader::State::Reading) {
        const std::size_t wanted = frames.wanted();
        const std::size_t offered = std::min({piece, size - at, wanted});
        if (frames.feed(bytes.data() + at, offered) != offered)
            std::abort();
        at += offered;
        if (frames.state() == gw::wire::FrameReader::State::Ready) {
            const std::string body = frames.take();
            if (body.size() > gw::wire::kMaxBody)
                std::abort();
            check(body);
        }
    }
    return 0;
}
