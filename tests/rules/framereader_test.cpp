// SPDX-License-Identifier: MIT
// Cutting a connection's bytes into messages: however the bytes arrive, the
// same bodies come out, and a length that no message may have is found as
// soon as its four bytes are in, before any of its body is taken.

#include "wire/codec.h"
#include "wire/framereader.h"
#include "wire_samples.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace gw::wire;

namespace {

std::string lengthBytes(uint32_t n)
{
    return {static_cast<char>(n >> 24), static_cast<char>((n >> 16) & 0xFF), static_cast<char>((n >> 8) & 0xFF),
            static_cast<char>(n & 0xFF)};
}

// Feeds the stream in pieces of `piece` bytes, as a socket would hand them
// over when asked for at most `wanted`, and collects the bodies.
std::vector<std::string> cut(const std::string &stream, std::size_t piece, std::size_t &mostHeld)
{
    FrameReader reader;
    std::vector<std::string> bodies;
    std::size_t at = 0, held = 0;
    mostHeld = 0;
    while (at < stream.size()) {
        const std::size_t offered = std::min({piece, reader.wanted(), stream.size() - at});
        const std::size_t taken = reader.feed(stream.data() + at, offered);
        EXPECT_EQ(taken, offered);
        at += taken;
        held += taken;
        mostHeld = std::max(mostHeld, held);
        if (reader.state() == FrameReader::State::Ready) {
            bodies.push_back(reader.take());
            held = 0;
        }
        if (reader.state() != FrameReader::State::Reading && reader.state() != FrameReader::State::Ready)
            break;
    }
    return bodies;
}

} // namespace

TEST(FrameReader, TheSameBodiesComeOutHoweverTheBytesArrive)
{
    std::string stream;
    std::vector<std::string> expected;
    for (const Message &m : gw::test::sampleMessages()) {
        stream += encode(m);
        expected.push_back(body(m));
    }
    for (std::size_t piece : {std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{5}, std::size_t{4096},
                              stream.size()}) {
        std::size_t mostHeld = 0;
        EXPECT_EQ(cut(stream, piece, mostHeld), expected) << piece;
        EXPECT_LE(mostHeld, 4 + body(gw::test::sampleMessages()[1]).size()) << piece;
    }

    // Offered everything at once, it takes one message and no byte more.
    FrameReader reader;
    const std::size_t first = encode(gw::test::sampleMessages()[0]).size();
    EXPECT_EQ(reader.feed(stream.data(), stream.size()), first);
    ASSERT_EQ(reader.state(), FrameReader::State::Ready);
    EXPECT_EQ(reader.wanted(), 0u);
    EXPECT_EQ(reader.feed(stream.data() + first, 10), 0u);
    EXPECT_EQ(reader.take(), expected[0]);
    EXPECT_EQ(reader.wanted(), 4u);
}

TEST(FrameReader, ALengthOfNothingOrOver64KilobytesIsAFaultBeforeAnyBody)
{
    struct Case {
        std::string header;
        FrameReader::State state;
    };
    const Case cases[] = {
        {lengthBytes(0), FrameReader::State::Empty},
        {lengthBytes(static_cast<uint32_t>(kMaxBody) + 1), FrameReader::State::TooLarge},
        {lengthBytes(0xFFFFFFFFu), FrameReader::State::TooLarge},
        {"GET ", FrameReader::State::TooLarge}, // someone speaking another protocol
    };
    for (const Case &c : cases) {
        FrameReader reader;
        const std::string stream = c.header + std::string(100, 'x');
        EXPECT_EQ(reader.feed(stream.data(), stream.size()), 4u);
        EXPECT_EQ(reader.state(), c.state);
        EXPECT_EQ(reader.wanted(), 0u);
        EXPECT_EQ(reader.feed(stream.data() + 4, 10), 0u);
        EXPECT_EQ(reader.take(), "");
    }

    // The largest body there may be is read whole.
    FrameReader reader;
    const std::string largest = lengthBytes(static_cast<uint32_t>(kMaxBody)) + std::string(kMaxBody, 'x');
    EXPECT_EQ(reader.feed(largest.data(), largest.size()), largest.size());
    ASSERT_EQ(reader.state(), FrameReader::State::Ready);
    EXPECT_EQ(reader.take().size(), kMaxBody);
}
