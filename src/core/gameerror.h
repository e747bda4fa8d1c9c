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

// Bytes taken as Latin-1, as UTF-8.
std::string latin1ToUtf8(const std::string &bytes);

// File text or a path as it is put into a message: shown as written, UTF-8
// as UTF-8 (a map called "Prüfinsel", "mymaps\Küste.gwm"), a byte that
// starts no UTF-8 character as Latin-1 (a picture named by a Latin-1 map
// line), control characters (a NUL byte, say) as '?', and cut after
// kMaxQuotedBytes with "..." so a line of a megabyte does not become a box
// of a megabyte.
constexpr std::size_t kMaxQuotedBytes = 200;
std::string quotedText(const std::string &bytes);

} // namespace gw
