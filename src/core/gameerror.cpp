#include "core/gameerror.h"

namespace gw {

GameError GameError::cannotOpen(const std::string &path)
{
    return GameError("Datei " + latin1ToUtf8(path) + " kann nicht ge\xc3\xb6""ffnet werden");
}

GameError GameError::cannotCreate(const std::string &path)
{
    return GameError("Datei " + latin1ToUtf8(path) + " kann nicht erstellt werden");
}

GameError GameError::notAnInteger(const std::string &text)
{
    return GameError("'" + latin1ToUtf8(text) + "' ist kein g\xc3\xbcltiger Integerwert");
}

GameError GameError::invalidBitmap()
{
    return GameError("Bitmap ist ung\xc3\xbcltig");
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
