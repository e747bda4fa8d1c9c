// SPDX-License-Identifier: MIT
#pragma once
// The words the message bodies use for the values of a few fields.

#include "rules/move.h"
#include "wire/reason.h"

#include <cstddef>
#include <iterator>

namespace gw::wire::words {

// By Side: red 0, blue 1.
inline const char *const kSides[] = {"red", "blue"};
// A view's winner: none, then the sides.
inline const char *const kWinners[] = {"none", "red", "blue"};

// A refusal's reasons and a goodbye's, with the NetReason each stands for.
inline const char *const kRefusals[] = {"code", "version", "full"};
inline const NetReason kRefusalReasons[] = {NetReason::WrongCode, NetReason::Version, NetReason::Full};
inline const char *const kGoodbyes[] = {"left", "malformed", "toolarge", "outofturn", "wrongside", "unexpected"};
inline const NetReason kGoodbyeReasons[] = {NetReason::Left,      NetReason::Malformed, NetReason::TooLarge,
                                            NetReason::OutOfTurn, NetReason::WrongSide, NetReason::Unexpected};

// MoveRefusal::NotFreeLand .. Invalid (None is no refusal).
inline const char *const kMoveRefusals[] = {"notfreeland",    "notenoughgold", "outofrange", "equipment",
                                            "goldorrecruits", "notattackable", "invalid"};

// The index of a reason in one of the lists above, -1 when it is not there.
template <std::size_t N>
int indexOf(const NetReason (&reasons)[N], NetReason reason)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (reasons[i] == reason)
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace gw::wire::words
