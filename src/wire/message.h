// SPDX-License-Identifier: MIT
#pragma once

#include "core/cells.h"
#include "rules/move.h"
#include "rules/sideview.h"
#include "wire/reason.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>

namespace gw {

struct LoadedMap;

// The messages of a network game, as plain values. How they travel (a
// length before every message, one text body each) is the README's section
// on the network protocol; encode and read in wire/codec.h carry them.
namespace wire {

// The protocol's version. The framing, the greeting's first three lines and
// the refusal keep their form in every version, so two programs of
// different versions always tell each other so.
constexpr int32_t kProtocolVersion = 1;

// A message body is at most this long: with its 4-byte length, 64 KB.
constexpr std::size_t kMaxBody = 65536 - 4;

// The port a host listens on unless told otherwise.
constexpr uint16_t kDefaultPort = 47474;

// A game code: six characters of these 32 (no 0/O, 1/I to mix up).
constexpr std::size_t kCodeLength = 6;
extern const char *const kCodeAlphabet;
bool isGameCode(const std::string &code);
// What a player typed as a code, in the form the wire carries: blanks and
// dashes dropped, letters in upper case. Not checked.
std::string normalizedCode(const std::string &typed);

// A program version as the greeting carries it: 1 to 32 of 0-9 A-Z a-z . + ~ -
bool isProgramVersion(const std::string &version);

// The map of a game, whole: the guest needs no file.
struct GameMap {
    std::string name;                      // UTF-8, 1 to 40 characters, no control characters
    std::array<std::string, kCells> cells; // the starting states of cells 1..220
    int32_t taxes = 0, enemytaxes = 0;     // the two sides' starting incomes
    bool operator==(const GameMap &o) const;
};

// The map of a name as read from its file.
GameMap gameMap(const std::string &name, const LoadedMap &map);

// Whether the map, and a view, can be sent: every cell one of the 35 states
// the game draws, a name the reader takes.
bool sendable(const GameMap &map);
bool sendable(const SideView &view);

// guest -> host, first: the versions and the code.
struct Hello {
    int32_t protocol = kProtocolVersion;
    std::string program;
    std::string code;
};

// host -> guest, the answer to a Hello that may join: the map and the
// guest's view of the game as it stands.
struct Welcome {
    int32_t protocol = kProtocolVersion;
    std::string program;
    GameMap map;
    SideView view;
};

// host -> guest, the answer to a Hello that may not join (WrongCode,
// Version or Full), with the host's versions. The connection then closes.
struct Refused {
    NetReason reason = NetReason::WrongCode;
    int32_t protocol = kProtocolVersion;
    std::string program;
};

// either way, last: why the sender closes the connection (Left, Malformed,
// TooLarge, OutOfTurn, WrongSide or Unexpected).
struct Goodbye {
    NetReason reason = NetReason::Left;
};

// guest -> host: the guest's move (a player's kind: no expansion or tier move).
struct MoveMessage {
    Side side = Side::Blue;
    Move move;
};

// host -> guest: the guest's move refused, with the refusal the rules gave
// (kind: the unit kind short of equipment). Nothing changed.
struct MoveRefused {
    Move move;
    MoveRefusal refusal = MoveRefusal::Invalid;
    int kind = 0;
};

// host -> guest: the guest's view after any change.
struct ViewMessage {
    SideView view;
};

// either way: a sign of life, answered by a Pong with the same number.
struct Ping {
    uint32_t number = 0;
};
struct Pong {
    uint32_t number = 0;
};

using Message = std::variant<Hello, Welcome, Refused, Goodbye, MoveMessage, MoveRefused, ViewMessage, Ping, Pong>;

bool operator==(const Hello &a, const Hello &b);
bool operator==(const Welcome &a, const Welcome &b);
bool operator==(const Refused &a, const Refused &b);
bool operator==(const Goodbye &a, const Goodbye &b);
bool operator==(const MoveMessage &a, const MoveMessage &b);
bool operator==(const MoveRefused &a, const MoveRefused &b);
bool operator==(const ViewMessage &a, const ViewMessage &b);
bool operator==(const Ping &a, const Ping &b);
bool operator==(const Pong &a, const Pong &b);

// Whether a move is one a player makes (what a MoveMessage may carry).
bool isPlayersMove(const Move &move);

} // namespace wire
} // namespace gw
