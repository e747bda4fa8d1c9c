// SPDX-License-Identifier: MIT
// Fuzz target: splitting text into lines. No line holds a line ending, and
// writing the lines back and splitting again gives the same lines.
#include "core/linelist.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    const auto lines = gw::splitLines(text);
    std::size_t bytes = 0;
    for (const std::string &l : lines) {
        if (l.find_first_of("\r\n") != std::string::npos)
            std::abort();
        bytes += l.size();
    }
    if (bytes > size)
        std::abort();
    if (gw::splitLines(gw::joinLines(lines)) != lines)
        std::abort();
    gw::LineList list(lines);
    list.setLine(lines.size(), "x"); // past the end: ignored
    if (list.size() != lines.size() || !list.line(lines.size()).empty())
        std::abort();
    return 0;
}
