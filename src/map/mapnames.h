// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace gw {

// The player's own maps are files in a folder of the player's own, beside
// options.cfg: "mymaps\<name>.gwm", in the shipped maps' format. The folder
// is made by the first save.
extern const char *const kOwnMapsFolder; // "mymaps"

// An own map's name is at most this many characters (not bytes).
constexpr std::size_t kMaxMapNameLength = 40;

// The three maps the skirmish screen offers first, in list order.
const std::vector<std::string> &shippedMapNames();
// Exactly one of them.
bool isShippedMap(const std::string &name);

// Why a name cannot be an own map's. Names are UTF-8 text, as the file
// system keeps them.
enum class MapNameProblem {
    None,
    Empty,            // nothing, or blanks only
    NotText,          // bytes that are no UTF-8 text
    ControlCharacter, // a NUL, a tab, a line break or another control character
    PathSeparator,    // "/" or "\"
    OnlyDots,         // ".", "..", "..."
    TooLong,          // more than kMaxMapNameLength characters
    Shipped,          // a shipped map's name, in any case ("mittelmeer")
};
MapNameProblem ownMapNameProblem(const std::string &name);

// The own maps in the folder: every regular file (or link to one) named
// "<name>.gwm" whose name the rules take, sorted by name without regard to
// the case of A-Z. A missing or unreadable folder lists nothing.
std::vector<std::string> listOwnMaps();

} // namespace gw
