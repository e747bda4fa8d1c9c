// SPDX-License-Identifier: MIT
#include "core/gameerror.h"

#include "core/utf8.h"

namespace gw {

GameError GameError::cannotOpen(const std::string &path)
{
    const std::string shown = quotedPath(path);
    return GameError(Kind::CannotOpen, shown, "Datei " + shown + " kann nicht ge\xc3\xb6""ffnet werden");
}

GameError GameError::cannotCreate(const std::string &path)
{
    const std::string shown = quotedPath(path);
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
    const std::string shown = quotedPath(path);
    return GameError(Kind::NoAudio, shown, "Datei " + shown + " enth\xc3\xa4lt keine abspielbaren Audiodaten");
}

std::string quotedText(const std::string &bytes)
{
    std::string shown = bytes.substr(0, kMaxQuotedBytes);
    for (char &c : shown) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = '?';
    }
    shown = latin1ToUtf8(shown);
    if (bytes.size() > kMaxQuotedBytes)
        shown += "...";
    return shown;
}

std::string quotedPath(const std::string &bytes)
{
    std::string shown;
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t length = utf8Character(bytes, at);
        if (length == 0)
            return quotedText(bytes);
        if (at + length > kMaxQuotedBytes) {
            shown += "...";
            break;
        }
        const unsigned char c = static_cast<unsigned char>(bytes[at]);
        shown += c < 0x20 || c == 0x7F ? std::string("?") : bytes.substr(at, length);
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
