// SPDX-License-Identifier: MIT
#include "ui/strokehistory.h"

#include <algorithm>

namespace gw {

void StrokeHistory::begin()
{
    end();
    painting_ = true;
}

void StrokeHistory::record(int n, const std::string &before)
{
    if (!painting_)
        begin();
    const bool seen = std::any_of(open_.begin(), open_.end(), [n](const Change &c) { return c.first == n; });
    if (!seen)
        open_.emplace_back(n, before);
}

void StrokeHistory::end()
{
    if (!open_.empty())
        strokes_.push_back(std::move(open_));
    open_.clear();
    painting_ = false;
}

std::vector<StrokeHistory::Change> StrokeHistory::undo()
{
    end();
    if (strokes_.empty())
        return {};
    std::vector<Change> last = std::move(strokes_.back());
    strokes_.pop_back();
    return last;
}

void StrokeHistory::clear()
{
    strokes_.clear();
    open_.clear();
    painting_ = false;
}

} // namespace gw
