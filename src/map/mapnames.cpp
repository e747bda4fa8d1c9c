// SPDX-License-Identifier: MIT
#include "map/mapnames.h"

#include "core/textfile.h"
#include "core/utf8.h"
#include "core/translatable.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <system_error>

namespace gw {

const char *const kOwnMapsFolder = "mymaps";

namespace {

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool equalIgnoringAsciiCase(const std::string &a, const std::string &b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

bool beforeIgnoringAsciiCase(const std::string &a, const std::string &b)
{
    const auto lower = [](char x, char y) {
        return static_cast<unsigned char>(lowerAscii(x)) < static_cast<unsigned char>(lowerAscii(y));
    };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), lower))
        return true;
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), lower))
        return false;
    return a < b; // "Karte" and "karte" both listed, always in the same order
}

} // namespace

const std::vector<std::string> &shippedMapNames()
{
    // The names are the files' names; the list shows them translated.
    static const std::vector<std::string> names = {QT_TRANSLATE_NOOP("gw::Map", "Mittelmeer"),
                                                   QT_TRANSLATE_NOOP("gw::Map", "Big City Crisis"),
                                                   QT_TRANSLATE_NOOP("gw::Map", "Gestrandet")};
    return names;
}

bool isShippedMap(const std::string &name)
{
    const auto &names = shippedMapNames();
    return std::find(names.begin(), names.end(), name) != names.end();
}

MapNameProblem ownMapNameProblem(const std::string &name)
{
    if (name.find_first_not_of(' ') == std::string::npos)
        return MapNameProblem::Empty;
    std::size_t characters = 0;
    bool separator = false, onlyDots = true;
    for (std::size_t at = 0; at < name.size();) {
        uint32_t c = 0;
        const std::size_t length = utf8Character(name, at, &c);
        if (length == 0)
            return MapNameProblem::NotText;
        at += length;
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F))
            return MapNameProblem::ControlCharacter;
        separator = separator || c == '/' || c == '\\';
        onlyDots = onlyDots && c == '.';
        ++characters;
    }
    if (separator)
        return MapNameProblem::PathSeparator;
    if (onlyDots)
        return MapNameProblem::OnlyDots;
    if (characters > kMaxMapNameLength)
        return MapNameProblem::TooLong;
    for (const std::string &shipped : shippedMapNames()) {
        if (equalIgnoringAsciiCase(name, shipped))
            return MapNameProblem::Shipped;
    }
    return MapNameProblem::None;
}

std::vector<std::string> listOwnMaps()
{
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(nativePath(kOwnMapsFolder), ec);
    const std::string suffix = ".gwm";
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const std::string file = it->path().filename().string();
        if (file.size() <= suffix.size() || file.compare(file.size() - suffix.size(), suffix.size(), suffix) != 0)
            continue;
        const std::string name = file.substr(0, file.size() - suffix.size());
        std::error_code typeError;
        if (ownMapNameProblem(name) == MapNameProblem::None && it->is_regular_file(typeError))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end(), beforeIgnoringAsciiCase);
    return names;
}

} // namespace gw
