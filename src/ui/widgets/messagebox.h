// SPDX-License-Identifier: MIT
#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace gw {

// Every box of the game goes through here. The text is shown as plain text,
// so a line from a file such as "<b>1</b>" is quoted as it stands and never
// rendered as markup. A key held down when the box opens (Enter in a count
// field, say) does not answer it by its repeats: the box waits for a
// deliberate press. Over a window drawn larger the box is drawn at the same
// size (see boxhost.h).

// A modal box with an OK button only.
void showMessageBox(QWidget *owner, QMessageBox::Icon icon, const QString &caption, const QString &text);

// Every error the program shows also goes to the error output as one line,
// "Grimsward: <text>", where a run without a screen leaves a trace.
void writeErrorLine(const QString &text);

// A modal question with the buttons "&Ja" and "&Nein" (Escape); "Ja" is the
// default unless a "Ja" would lose something of the player's. True when the
// answer is "Ja".
enum class DefaultAnswer { Yes, No };
bool askYesNo(QWidget *owner, const QString &caption, const QString &text,
              DefaultAnswer defaultAnswer = DefaultAnswer::Yes);

} // namespace gw
