// SPDX-License-Identifier: MIT
#pragma once

namespace gw {

// Why a network game's connection did not start or came to an end. The
// host's refusals (WrongCode, Version, Full) and a goodbye's reasons (Left
// to Unexpected) travel in messages; the rest each side finds out itself.
enum class NetReason {
    WrongCode,     // the greeting's game code is not this game's
    Version,       // the two programs' or protocols' versions differ
    Full,          // the game has its guest already (or too many knock at once)
    Left,          // the other side ended the game or left it
    Malformed,     // a message that could not be read: a bad or missing field, an
                   // unknown type, a number out of range, a cell that is no cell
    TooLarge,      // a message over 64 KB
    OutOfTurn,     // a move while the other side is on turn or a move is being answered
    WrongSide,     // a move for the other side
    Unexpected,    // a message of a type that has no place at that moment
    Rejected,      // the other side closed the connection over a message of ours
                   // (the detail names its reason)
    TimedOut,      // nothing heard for 20 seconds, or the other side reads nothing
    Lost,          // the connection broke
    CannotConnect, // no game at that address and port
    NoGreeting,    // a connection that sent no greeting in time
};

} // namespace gw
