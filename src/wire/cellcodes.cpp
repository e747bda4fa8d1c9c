// SPDX-License-Identifier: MIT
#include "wire/cellcodes.h"

#include "core/cells.h"

#include <cstring>

namespace gw::wire {

namespace {

const char kOwners[] = {'n', 'r', 'b'};
const char *const kOwnerWords[] = {"None_", "Red_", "Blue_"};
constexpr char kBase = 'z';

} // namespace

std::string cellCode(const std::string &state)
{
    for (std::size_t o = 0; o < std::size(kOwners); ++o) {
        const std::size_t prefix = std::strlen(kOwnerWords[o]);
        if (state.compare(0, prefix, kOwnerWords[o]) != 0)
            continue;
        const std::string word = state.substr(prefix);
        if (word == "Base")
            return o == 0 ? std::string() : std::string{kOwners[o], kBase};
        const auto &table = terrains();
        for (std::size_t t = 0; t < table.size(); ++t) {
            if (word == table[t].word)
                return std::string{kOwners[o], static_cast<char>('a' + t)};
        }
        return {};
    }
    return {};
}

std::string cellStateOf(const char *code)
{
    std::size_t o = 0;
    while (o < std::size(kOwners) && kOwners[o] != code[0])
        ++o;
    if (o == std::size(kOwners))
        return {};
    const char t = code[1];
    if (t == kBase)
        return o == 0 ? std::string() : std::string(kOwnerWords[o]) + "Base";
    const auto &table = terrains();
    if (t < 'a' || t >= static_cast<char>('a' + table.size()))
        return {};
    return std::string(kOwnerWords[o]) + table[static_cast<std::size_t>(t - 'a')].word;
}

} // namespace gw::wire
