// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <utility>

namespace gw {

// The program's errors. A handler that meets one of these stops where it
// is; the window shows the message, in the player's language, in a box
// captioned "Grimsward" and the program goes on. what() is the German
// message; the window builds its own from kind() and subject().
class GameError : public std::runtime_error {
public:
    enum class Kind {
        CannotOpen,    // "Datei %s kann nicht geöffnet werden"
        CannotCreate,  // "Datei %s kann nicht erstellt werden"
        NotAnInteger,  // "'%s' ist kein gültiger Integerwert"
        InvalidBitmap, // "Bitmap ist ungültig"
        NoAudio,       // "Datei %s enthält keine abspielbaren Audiodaten"
    };

    static GameError cannotOpen(const std::string &path);
    static GameError cannotCreate(const std::string &path);
    static GameError notAnInteger(const std::string &text);
    static GameError invalidBitmap();
    static GameError noAudio(const std::string &path);

    Kind kind() const { return kind_; }
    // The file name or text the message quotes, as quotedText gives it.
    const std::string &subject() const { return subject_; }

private:
    GameError(Kind kind, std::string subject, const std::string &message)
        : std::runtime_error(message), kind_(kind), subject_(std::move(subject))
    {
    }

    Kind kind_;
    std::string subject_;
};

// Text read from files is 8-bit; messages are UTF-8. Bytes of a file that
// end up inside a message are taken as Latin-1 so the message stays valid.
std::string latin1ToUtf8(const std::string &bytes);

// File text as it is put into a message: Latin-1 to UTF-8, control
// characters (a NUL byte, say) shown as '?', and cut after kMaxQuotedBytes
// with "..." so a line of a megabyte does not become a box of a megabyte.
constexpr std::size_t kMaxQuotedBytes = 200;
std::string quotedText(const std::string &bytes);

// A path as it is put into a message. The player's own map names are UTF-8
// ("mymaps\Küste.gwm") and are shown as such; a path that is no UTF-8 (a
// picture named by a Latin-1 map line) is quoted like file text.
std::string quotedPath(const std::string &bytes);

} // namespace gw
