// SPDX-License-Identifier: MIT
#include "ui/windowsize.h"

#include <algorithm>
#include <cmath>

namespace gw {

namespace {

constexpr WindowSize kFixedSizes[] = {WindowSize::Normal, WindowSize::OneAndAHalf, WindowSize::Double};

double fixedFactor(WindowSize size)
{
    switch (size) {
    case WindowSize::OneAndAHalf:
        return 1.5;
    case WindowSize::Double:
        return 2.0;
    case WindowSize::Normal:
    case WindowSize::Full:
        break;
    }
    return 1.0;
}

} // namespace

QSize scaledWindowSize(WindowSize size)
{
    const double f = fixedFactor(size);
    return {int(std::lround(kLayoutSize.width() * f)), int(std::lround(kLayoutSize.height() * f))};
}

std::vector<WindowSize> offeredWindowSizes(QSize available)
{
    std::vector<WindowSize> offered;
    for (WindowSize s : kFixedSizes) {
        const QSize window = scaledWindowSize(s);
        if (window.width() <= available.width() && window.height() <= available.height())
            offered.push_back(s);
    }
    offered.push_back(WindowSize::Full);
    return offered;
}

double windowScale(WindowSize size, QSize screen)
{
    if (size != WindowSize::Full)
        return fixedFactor(size);
    if (screen.isEmpty())
        return 1.0;
    return std::min(double(screen.width()) / kLayoutSize.width(), double(screen.height()) / kLayoutSize.height());
}

WindowSize fittingWindowSize(WindowSize wanted, const std::vector<WindowSize> &offered)
{
    if (std::find(offered.begin(), offered.end(), wanted) != offered.end())
        return wanted;
    std::optional<WindowSize> best;
    for (WindowSize s : offered) {
        if (s < wanted && (!best || s > *best))
            best = s;
    }
    // Nothing smaller fits: full screen, which always does.
    return best.value_or(WindowSize::Full);
}

WindowSize nextWindowSize(WindowSize current, const std::vector<WindowSize> &offered)
{
    if (offered.empty())
        return WindowSize::Normal;
    const auto at = std::find(offered.begin(), offered.end(), current);
    if (at == offered.end() || at + 1 == offered.end())
        return offered.front();
    return *(at + 1);
}

std::string windowSizeKey(WindowSize size)
{
    switch (size) {
    case WindowSize::OneAndAHalf:
        return "150";
    case WindowSize::Double:
        return "200";
    case WindowSize::Full:
        return "full";
    case WindowSize::Normal:
        break;
    }
    return "100";
}

std::optional<WindowSize> windowSizeFromKey(const std::string &key)
{
    for (WindowSize s : {WindowSize::Normal, WindowSize::OneAndAHalf, WindowSize::Double, WindowSize::Full}) {
        if (windowSizeKey(s) == key)
            return s;
    }
    return std::nullopt;
}

} // namespace gw
