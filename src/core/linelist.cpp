// SPDX-License-Identifier: MIT
#include "core/linelist.h"

namespace gw {

const std::string &LineList::line(std::size_t n) const
{
    static const std::string empty;
    return n < lines_.size() ? lines_[n] : empty;
}

void LineList::setLine(std::size_t n, const std::string &text)
{
    if (n < lines_.size())
        lines_[n] = text;
}

std::vector<std::string> splitLines(const std::string &text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(text, start, i - start);
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            ++i;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < text.size())
        lines.emplace_back(text, start, text.size() - start);
    return lines;
}

std::string joinLines(const std::vector<std::string> &lines)
{
    std::string out;
    for (const std::string &l : lines) {
        out += l;
        out += "\r\n";
    }
    return out;
}

} // namespace gw
