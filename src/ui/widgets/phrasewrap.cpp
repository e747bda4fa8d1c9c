// SPDX-License-Identifier: MIT
#include "ui/widgets/phrasewrap.h"

#include <QStringList>

namespace gw {

namespace {

// How strongly a break at the blank `at` ends a phrase: 4 after a full stop
// (or ! and ?), 3 after a semicolon, 2 after a colon or before a dash or an
// arrow, 1 after a comma, 0 between words of one phrase (and -1 between a
// number and what it counts).
int phraseEnd(const QString &text, int at)
{
    const QChar before = at > 0 ? text.at(at - 1) : QChar();
    const QChar after = at + 1 < text.size() ? text.at(at + 1) : QChar();
    if (before == '.' || before == '!' || before == '?')
        return 4;
    if (before == ';')
        return 3;
    if (before == ':' || after == QChar(0x2013) || after == QChar(0x2192))
        return 2;
    if (before == ',')
        return 1;
    return 0;
}

} // namespace

QString phraseWrapped(const QString &text, const QFontMetrics &metrics, int width)
{
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    int best = -1, bestEnd = -1, bestFirst = -1;
    for (int at = text.indexOf(' '); at >= 0; at = text.indexOf(' ', at + 1)) {
        const QString first = text.left(at).trimmed();
        const QString second = text.mid(at + 1).trimmed();
        if (first.isEmpty() || !second.contains(' '))
            continue; // the second line would be one word
        const int firstWidth = metrics.horizontalAdvance(first);
        if (firstWidth > width || metrics.horizontalAdvance(second) > width)
            continue;
        // The strongest phrase end wins; between equals, the fuller first line.
        // A number stays with the word it counts.
        const QString lastWord = first.section(' ', -1);
        bool number = false;
        lastWord.toInt(&number);
        const int end = number ? -1 : phraseEnd(text, at);
        if (end > bestEnd || (end == bestEnd && firstWidth > bestFirst)) {
            best = at;
            bestEnd = end;
            bestFirst = firstWidth;
        }
    }
    if (best < 0)
        return text;
    return text.left(best).trimmed() + '\n' + text.mid(best + 1).trimmed();
}

} // namespace gw
