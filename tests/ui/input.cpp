// SPDX-License-Identifier: MIT
#include "input.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

void pressKey(QWidget *widget, int key, Qt::KeyboardModifiers modifiers)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(widget, &release);
}

void pressCharacterKey(QWidget *widget, int key, const QString &text, bool repeat)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text, repeat);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text, repeat);
    QApplication::sendEvent(widget, &release);
}

namespace {
void sendMouse(QWidget *widget, QEvent::Type type, QPoint local, QPoint global, Qt::MouseButton button,
               Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(local), QPointF(local), QPointF(global), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}
} // namespace

void mousePress(QWidget *widget, QPoint local, QPoint global)
{
    sendMouse(widget, QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton);
}

void mouseMove(QWidget *widget, QPoint local, QPoint global)
{
    sendMouse(widget, QEvent::MouseMove, local, global, Qt::NoButton, Qt::LeftButton);
}

void mouseRelease(QWidget *widget, QPoint local, QPoint global)
{
    sendMouse(widget, QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton);
}

void mouseClick(QWidget *widget)
{
    const QPoint middle = widget->rect().center();
    mousePress(widget, middle, widget->mapToGlobal(middle));
    mouseRelease(widget, middle, widget->mapToGlobal(middle));
}

void mouseClickAt(QWidget *widget, QPoint local)
{
    mousePress(widget, local, widget->mapToGlobal(local));
    mouseRelease(widget, local, widget->mapToGlobal(local));
}

void mouseRightClick(QWidget *widget, QPoint local)
{
    const QPoint global = widget->mapToGlobal(local);
    sendMouse(widget, QEvent::MouseButtonPress, local, global, Qt::RightButton, Qt::RightButton);
    sendMouse(widget, QEvent::MouseButtonRelease, local, global, Qt::RightButton, Qt::NoButton);
}
