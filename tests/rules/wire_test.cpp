// SPDX-License-Identifier: MIT
// The network game's messages: every kind reads back as it was written,
// and a body with anything wrong in it is refused with the fault and the
// field, whatever the field.

#include "wire/codec.h"
#include "wire_samples.h"

#include <gtest/gtest.h>

#include <string>

using namespace gw;
using namespace gw::wire;

namespace {

const char *typeOf(const Message &m)
{
    static const char *const names[] = {"hello", "welcome", "refused", "goodbye", "move",
                                        "moverefused", "view", "ping", "pong"};
    return names[m.index()];
}

std::string sampleBody(std::size_t type) { return body(gw::test::sampleMessages().at(type)); }

// The body with its line of `key` replaced by `line` (removed when empty).
std::string withLine(std::string text, const std::string &key, const std::string &line)
{
    const std::size_t found = text.find("\n" + key + " ");
    EXPECT_NE(found, std::string::npos) << key << " not in\n" << text;
    if (found == std::string::npos)
        return text;
    const std::size_t at = found + 1;
    const std::size_t end = text.find('\n', at);
    text.replace(at, end - at + 1, line.empty() ? "" : line + "\n");
    return text;
}

enum Sample { kHello, kWelcome, kRefused, kGoodbye, kMove, kMoveRefused, kView, kPing, kPong };

} // namespace

TEST(Wire, EveryMessageReadsBackAsItWasWritten)
{
    for (const Message &m : gw::test::sampleMessages()) {
        const std::string text = body(m);
        const ReadResult r = read(text);
        ASSERT_TRUE(r) << typeOf(m) << ": line " << r.error.line << " " << r.error.field << "\n" << text;
        EXPECT_EQ(r.message, m) << typeOf(m);
        EXPECT_EQ(text.substr(0, text.find('\n')), typeOf(m));

        const std::string framed = encode(m);
        ASSERT_EQ(framed.size(), text.size() + 4);
        const auto length = static_cast<std::size_t>(static_cast<unsigned char>(framed[2])) * 256
                            + static_cast<unsigned char>(framed[3]);
        EXPECT_EQ(framed.substr(0, 2), std::string(2, '\0'));
        EXPECT_EQ(length, text.size());
    }
    // A view without a last move, battles or winner, for Red.
    SideView plain;
    plain.cells.fill("None_Forest");
    EXPECT_EQ(read(body(ViewMessage{plain})).message, Message(ViewMessage{plain}));
}

TEST(Wire, EveryMoveAPlayerMakesTravelsAndTheComputersOwnDoNot)
{
    const Move moves[] = {Move::endRound(), Move::land(1), Move::land(220), Move::order({0, 0, 0, 0, 999}),
                          Move::train({999, 0, 1, 0}), Move::construction(Building::Minefield),
                          Move::attack(), Move::attack(200)};
    for (const Move &m : moves) {
        const ReadResult r = read(body(MoveMessage{Side::Blue, m}));
        ASSERT_TRUE(r) << moveText(m);
        EXPECT_EQ(std::get<MoveMessage>(r.message).move, m);
    }
    for (const Move &m : {Move::expand(5), Move::tier(3)}) {
        const ReadResult r = read(body(MoveMessage{Side::Blue, m}));
        EXPECT_EQ(r.error.fault, ReadFault::Malformed) << moveText(m);
        EXPECT_EQ(r.error.field, "move");
    }
}

TEST(Wire, AFieldOutOfItsFormOrRangeIsRefusedByName)
{
    struct Case {
        Sample sample;
        const char *key;
        std::string line; // "" removes the line
        ReadFault fault;
    };
    // 220 cells of None_Grass with `pair` in place of cell 111.
    auto cellsWith = [](const std::string &pair) {
        std::string codes;
        for (int n = 1; n <= kCells; ++n)
            codes += n == 111 ? pair : "na";
        return codes;
    };
    const Case cases[] = {
        {kView, "round", "round -1", ReadFault::OutOfRange},
        {kView, "round", "round 2147483648", ReadFault::OutOfRange},
        {kView, "cash", "cash 2147483648", ReadFault::OutOfRange},
        {kView, "cash", "cash -2147483649", ReadFault::OutOfRange},
        {kView, "cash", "cash 12345678901", ReadFault::OutOfRange},
        {kView, "cash", "cash 00", ReadFault::Malformed},
        {kView, "cash", "cash +5", ReadFault::Malformed},
        {kView, "cash", "cash -0", ReadFault::Malformed},
        {kView, "cash", "cash 1 2", ReadFault::Malformed},
        {kView, "cash", "cash  5", ReadFault::Malformed},
        {kView, "cash", "cash", ReadFault::Malformed},
        {kView, "cash", "Cash 5", ReadFault::Malformed},
        {kView, "cash", "cash 0x10", ReadFault::Malformed},
        {kView, "side", "side green", ReadFault::Malformed},
        {kView, "winner", "winner both", ReadFault::Malformed},
        {kView, "cells", "cells " + cellsWith("zz"), ReadFault::NotACell},
        {kView, "cells", "cells " + cellsWith("nz"), ReadFault::NotACell},
        {kView, "cells", "cells " + cellsWith("bl"), ReadFault::NotACell},
        {kView, "cells", "cells " + cellsWith("n\xC3"), ReadFault::NotACell},
        {kView, "cells", "cells " + cellsWith(""), ReadFault::Malformed},
        {kView, "cells", "cells " + cellsWith("nana"), ReadFault::Malformed},
        {kView, "battles", "battles 3", ReadFault::OutOfRange},
        {kView, "last", "last blue 0 0 0 0 end", ReadFault::Malformed},
        {kView, "last", "last red 4 0 0 0 end", ReadFault::OutOfRange},
        {kView, "last", "last red 0 0 221 0 land 5", ReadFault::OutOfRange},
        {kView, "last", "last red 0 0 0 0 land 0", ReadFault::OutOfRange},
        {kView, "last", "last red 0 0 0 0 land 05", ReadFault::Malformed},
        {kView, "last", "last red 0 0 0 0 purchase 1000 0 0 0 0", ReadFault::OutOfRange},
        {kView, "last", "last red 0 0 0 0 purchase 1 0 0 0", ReadFault::Malformed},
        {kView, "last", "last red 0 0 0 0 dig 1", ReadFault::Malformed},
        {kView, "last", "last red 0 0 0 end", ReadFault::Malformed},
        {kView, "stage", "stage 2 1 1 1 5 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0", ReadFault::OutOfRange},
        {kView, "stage", "stage 1 1 1 1 6 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0", ReadFault::OutOfRange},
        {kView, "stage", "stage 1 1 1 -1 5 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0", ReadFault::OutOfRange},
        {kView, "stage", "stage 1 1 1 1 5 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0", ReadFault::Malformed},
        {kView, "battle", "battle green 5 0", ReadFault::Malformed},
        {kView, "other.basehp", "", ReadFault::Malformed},
        {kMove, "move", "move expand 5", ReadFault::Malformed},
        {kMove, "move", "move land 221", ReadFault::OutOfRange},
        {kMove, "move", "move build 3", ReadFault::OutOfRange},
        {kMove, "move", "move training 0 0 99999999999 0", ReadFault::OutOfRange},
        {kMove, "move", "move land 007", ReadFault::Malformed},
        {kMove, "move", "move land -5", ReadFault::Malformed},
        {kMove, "move", "move end 0", ReadFault::Malformed},
        {kMove, "move", "move land  5", ReadFault::Malformed},
        {kMove, "side", "side purple", ReadFault::Malformed},
        {kHello, "code", "code k7mzq4", ReadFault::Malformed},
        {kHello, "code", "code K7MZQ0", ReadFault::Malformed},
        {kHello, "code", "code K7MZQ44", ReadFault::Malformed},
        {kHello, "program", "program 1.1 beta", ReadFault::Malformed},
        {kHello, "protocol", "protocol -1", ReadFault::OutOfRange},
        {kWelcome, "map", "map Kap/Nord", ReadFault::Malformed},
        {kWelcome, "map", "map Kap\xC3", ReadFault::Malformed},
        {kWelcome, "map", "map " + std::string(41, 'x'), ReadFault::Malformed},
        {kWelcome, "map", "map    ", ReadFault::Malformed},
        {kWelcome, "maptaxes", "maptaxes 1", ReadFault::Malformed},
        {kWelcome, "mapcells", "mapcells " + cellsWith("??"), ReadFault::NotACell},
        {kRefused, "reason", "reason left", ReadFault::Malformed},
        {kGoodbye, "reason", "reason code", ReadFault::Malformed},
        {kMoveRefused, "refusal", "refusal none", ReadFault::Malformed},
        {kMoveRefused, "kind", "kind 4", ReadFault::OutOfRange},
        {kPing, "number", "number -1", ReadFault::OutOfRange},
        {kPong, "number", "number 4294967296", ReadFault::OutOfRange},
    };
    for (const Case &c : cases) {
        const std::string text = withLine(sampleBody(c.sample), c.key, c.line);
        const ReadResult r = read(text);
        EXPECT_EQ(r.error.fault, c.fault) << c.line;
        EXPECT_EQ(r.error.field, c.key) << c.line;
        EXPECT_GT(r.error.line, 0) << c.line;
    }
}

TEST(Wire, ABodyThatIsNoMessageIsRefusedAsAWhole)
{
    const std::string view = sampleBody(kView);
    struct Case {
        std::string text;
        ReadFault fault;
    };
    const Case cases[] = {
        {"", ReadFault::NotText},
        {"ping\nnumber 5", ReadFault::NotText},
        {"ping\r\nnumber 5\r\n", ReadFault::NotText},
        {"ping\nnumber\t5\n", ReadFault::NotText},
        {std::string("ping\nnumber 5\0\n", 15), ReadFault::NotText},
        {"ping\nnumber 5\x7F\n", ReadFault::NotText},
        {"hullo\nnumber 5\n", ReadFault::UnknownType},
        {"\n", ReadFault::UnknownType},
        {"PING\nnumber 5\n", ReadFault::UnknownType},
        {"view\n", ReadFault::Malformed},
        {"ping\nnumber 5\n\n", ReadFault::Malformed},
        {view + "extra 1\n", ReadFault::Malformed},
        {view + std::string(kMaxBody, 'x') + "\n", ReadFault::TooLarge},
    };
    for (const Case &c : cases)
        EXPECT_EQ(read(c.text).error.fault, c.fault) << c.text.substr(0, 40);
}

TEST(Wire, AMapOrViewWithACellTheGameDoesNotDrawIsNotSentAndNotRead)
{
    wire::GameMap map = gw::test::sampleMap();
    EXPECT_TRUE(sendable(map));
    map.cells[77] = "None_Lava";
    EXPECT_FALSE(sendable(map));
    Welcome w{kProtocolVersion, "1.1", map, gw::test::sampleView()};
    const ReadResult r = read(body(w));
    EXPECT_EQ(r.error.fault, ReadFault::NotACell);
    EXPECT_EQ(r.error.field, "mapcells");

    SideView v = gw::test::sampleView();
    EXPECT_TRUE(sendable(v));
    v.cells[3] = "";
    EXPECT_FALSE(sendable(v));
    v = gw::test::sampleView();
    v.lastMove->side = v.side;
    EXPECT_FALSE(sendable(v));
    map = gw::test::sampleMap();
    map.name = "a/b";
    EXPECT_FALSE(sendable(map));
    map.name = "Mittelmeer";
    EXPECT_TRUE(sendable(map));
}

TEST(Wire, GameCodesAreSixOfThirtyTwoCharactersAndTypedOnesAreTidied)
{
    EXPECT_TRUE(isGameCode("K7MZQ4"));
    for (const char *bad : {"", "K7MZQ", "K7MZQ44", "K7MZQ0", "K7MZQO", "K7MZQ1", "K7MZQI", "k7mzq4", "K7 MZQ"})
        EXPECT_FALSE(isGameCode(bad)) << bad;
    EXPECT_EQ(normalizedCode(" k7m-zq4 "), "K7MZQ4");
    EXPECT_EQ(std::string(kCodeAlphabet).size(), 32u);
    EXPECT_TRUE(isProgramVersion("1.1"));
    EXPECT_FALSE(isProgramVersion(std::string(33, '1')));
    EXPECT_FALSE(isProgramVersion("1.1/2"));
}
