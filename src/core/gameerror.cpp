// SPDX-License-Identifier: MIT
#include "core/gameerror.h"

#include "core/utf8.h"

namespace gw {

GameError GameError::cannotOpen(const std::string &path)
{
    const std::string shown = quotedText(path);
    return GameError(Kind::CannotOpen, shown, "Datei " + shown + " kann nicht ge\xc3\xb6""ffnet werden");
}

GameError GameError::cannotCreate(const std::string &path)
{
    const std::string shown = quotedText(path);
    return GameError(Kind::CannotCreate, shown, "Datei " + shown + " kann nicht erstellt werden");
}

GameError GameError::notAnInteger(const std::string &text)
{
    const std::string shown = quotedText(text);
    return GameError(Kind::NotAnInteger, shown, "'" + shown + "' ist kein g\xc3\xbcltiger Integerwert");
}

GameError GameError::invalidBitmap()
{
    return GameError(Kind::InvalidBitmap, {}, "Bitmap ist ung\xc3\xbcltig");
}

GameError GameError::noAudio(const std::string &path)
{
    const std::string shown = quotedText(path);
    return GameError(Kind::NoAudio, shown, "Datei " + shown + " enth\xc3\xa4lt keine abspielbaren Audiodaten");
}

std::string quotedText(const std::string &bytes)
{
    // Text is shown as written: UTF-8 (a map called "Prüfinsel") stays as it
    // is; a byte that starts no UTF-8 character is taken as Latin-1, so the
    // message stays valid whatever the file holds.
    std::string shown;
    for (std::size_t at = 0; at < bytes.size();) {
        std::size_t length = utf8Character(bytes, at);
        const bool utf8 = length > 0;
        if (!utf8)
            length = 1;
        if (at + length > kMaxQuotedBytes) {
            shown += "...";
            break;
        }
        const unsigned char c = static_cast<unsigned char>(bytes[at]);
        if (c < 0x20 || c == 0x7F)
            shown += '?';
        else if (utf8)
            shown.append(bytes, at, length);
        else
            shown += latin1ToUtf8(std::string(1, static_cast<char>(c)));
        at += length;
    }
    return shown;
}

std::string latin1ToUtf8(const std::string &bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (unsigned char c : bytes) {
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

} // namespace gw
