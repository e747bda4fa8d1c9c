// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace gw {

// The map editor's undo: the strokes painted, each with the states its
// cells had before it, newest last. A stroke that changed nothing is not
// kept, so every Ctrl+Z takes back something visible.
class StrokeHistory {
public:
    // A cell and the state it had.
    using Change = std::pair<int, std::string>;

    void begin();
    // Cell n is about to change from `before`; only its first change in a
    // stroke counts.
    void record(int n, const std::string &before);
    void end();
    // The newest stroke's cells with their states before it, taken off the
    // history (a stroke still being painted is ended first). Empty when
    // there is nothing to take back.
    std::vector<Change> undo();
    void clear();
    bool empty() const { return strokes_.empty() && open_.empty(); }

private:
    std::vector<std::vector<Change>> strokes_;
    std::vector<Change> open_;
    bool painting_ = false;
};

} // namespace gw
