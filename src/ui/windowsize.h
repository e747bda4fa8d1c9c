// SPDX-License-Identifier: MIT
#pragma once

#include <QSize>

#include <optional>
#include <string>
#include <vector>

namespace gw {

// How large the window is drawn: its layout stays 799 x 595 logical pixels,
// drawn at one, one and a half or two times that, or as large as the screen
// allows (full screen, centred, black around).
enum class WindowSize { Normal, OneAndAHalf, Double, Full };

// The layout's own size.
inline constexpr QSize kLayoutSize{799, 595};

// The sizes the options screen offers on a screen with this available area
// (the screen's area without panels, in the desktop's own logical pixels):
// each fixed size whose window fits it whole, then full screen, which always
// fits. On a screen smaller than the 100 % window that is full screen alone.
std::vector<WindowSize> offeredWindowSizes(QSize available);

// The factor the layout is drawn with; full screen takes the largest factor
// at which the layout fits the screen.
double windowScale(WindowSize size, QSize screen);

// The window's size on the screen at a fixed size (not full screen):
// 799 x 595 times the factor, rounded.
QSize scaledWindowSize(WindowSize size);

// The size in force when `wanted` is asked for but only `offered` fit: the
// wanted size itself, or else the largest offered one below it, or else
// full screen.
WindowSize fittingWindowSize(WindowSize wanted, const std::vector<WindowSize> &offered);

// The next size round the offered ones, after `current`.
WindowSize nextWindowSize(WindowSize current, const std::vector<WindowSize> &offered);

// The options file's words: "100", "150", "200", "full".
std::string windowSizeKey(WindowSize size);
std::optional<WindowSize> windowSizeFromKey(const std::string &key);

} // namespace gw
