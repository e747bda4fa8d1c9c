// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace gw {

// An ordered list of text lines indexed from 0. Reading past the end gives
// an empty line, writing past the end is ignored.
class LineList {
public:
    LineList() = default;
    explicit LineList(std::size_t emptyLines) : lines_(emptyLines) {}
    explicit LineList(std::vector<std::string> lines) : lines_(std::move(lines)) {}

    const std::string &line(std::size_t n) const;
    void setLine(std::size_t n, const std::string &text);
    void replace(std::vector<std::string> lines) { lines_ = std::move(lines); }

    std::size_t size() const { return lines_.size(); }
    const std::vector<std::string> &lines() const { return lines_; }

    bool operator==(const LineList &other) const { return lines_ == other.lines_; }
    bool operator!=(const LineList &other) const { return !(*this == other); }

private:
    std::vector<std::string> lines_;
};

// Splits 8-bit text into lines; a line ends at CR LF, a lone CR or a lone LF.
// A last line without an ending still counts; an ending at the very end does
// not start another line.
std::vector<std::string> splitLines(const std::string &text);

// Joins lines, each followed by CR LF.
std::string joinLines(const std::vector<std::string> &lines);

} // namespace gw
