// SPDX-License-Identifier: MIT
#pragma once

#include <QFontMetrics>
#include <QString>

namespace gw {

// A text set for a label of `width` pixels that holds two lines: unchanged
// when it fits one line; else broken into two lines that fit, between
// phrases where that works (after a full stop, a semicolon, a colon or a
// comma, before a dash or an arrow), else between words (a number kept with
// the word after it), and never with a
// single word alone on the second line. A text that needs more than two
// lines comes back unchanged, for the label's own word wrap.
QString phraseWrapped(const QString &text, const QFontMetrics &metrics, int width);

} // namespace gw
