// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QString>
#include <Qt>
#include <QtGlobal>

class QWidget;

// Keyboard and mouse input as the window system delivers it: to the widget
// under the mouse or with the focus, passing up to its parents while
// ignored, and through the application's event filters.

// Presses and releases a key on the widget, with the modifiers held.
void pressKey(QWidget *widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// The same for a key that types a character, as a keyboard sends it; a
// repeat is the press a held key sends again.
void pressCharacterKey(QWidget *widget, int key, const QString &text, bool repeat = false);

// Left-button press, move and release at a point inside the widget; the
// screen position is given separately, as the mouse sees it.
void mousePress(QWidget *widget, QPoint local, QPoint global);
void mouseMove(QWidget *widget, QPoint local, QPoint global);
void mouseRelease(QWidget *widget, QPoint local, QPoint global);

// A press and release in the middle of the widget, or at a point of it.
void mouseClick(QWidget *widget);
void mouseClickAt(QWidget *widget, QPoint local);
// A press and release of the right button at a point of the widget.
void mouseRightClick(QWidget *widget, QPoint local);
