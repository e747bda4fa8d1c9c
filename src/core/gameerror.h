// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

namespace gw {

// The program's German error messages. A handler that meets one of these
// stops where it is; the window shows the text in a box captioned
// "Grimsward" and the program goes on.
class GameError : public std::runtime_error {
public:
    explicit GameError(const std::string &message) : std::runtime_error(message) {}

    // "Datei %s kann nicht geöffnet werden"
    static GameError cannotOpen(const std::string &path);
    // "Datei %s kann nicht erstellt werden"
    static GameError cannotCreate(const std::string &path);
    // "'%s' ist kein gültiger Integerwert"
    static GameError notAnInteger(const std::string &text);
    // "Bitmap ist ungültig"
    static GameError invalidBitmap();
};

// Text read from files is 8-bit; messages are UTF-8. Bytes of a file that
// end up inside a message are taken as Latin-1 so the message stays valid.
std::string latin1ToUtf8(const std::string &bytes);

// File text as it is put into a message: Latin-1 to UTF-8, control
// characters (a NUL byte, say) shown as '?', and cut after kMaxQuotedBytes
// with "..." so a line of a megabyte does not become a box of a megabyte.
constexpr std::size_t kMaxQuotedBytes = 200;
std::string quotedText(const std::string &bytes);

} // namespace gw
