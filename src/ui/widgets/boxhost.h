// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

class QDialog;
class QObject;
class QWidget;

namespace gw {

// Boxes over a window that is drawn larger (see WindowScaler) are drawn at
// the same factor: the box lives in a view of its own, a modal window titled
// with the box's caption and centred over the game, so it is as large as the
// game around it and as much a window of its own as at 100 %.

// The parent a box of `owner` is made with: the owner itself, or, where the
// owner is drawn larger, the window on the screen (a box inside the game's
// view could not have a window of its own).
QWidget *boxParent(QWidget *owner);

// Runs the box modally, as QDialog::exec does, at the owner's factor.
int execBox(QDialog &box, QWidget *owner);

// Whether a box is open now (its modal loop runs).
bool anyBoxOpen();
// Runs `then` from the event loop once no box is open: at its next turn
// when none is, else after the last open box is answered and the handler
// that opened it is done. Nothing runs when `context` is gone by then.
void afterBoxes(QObject *context, std::function<void()> then);

} // namespace gw
