// SPDX-License-Identifier: MIT
#include "ui/keycontroller.h"

#include "ui/optionscontroller.h"
#include "ui/panels/rulespanel.h"
#include "ui/screenswitcher.h"
#include "ui/widgets/guard.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include <utility>

namespace gw {

KeyController::KeyController(QWidget *window, ScreenSwitcher &screens, OptionsController &options,
                             const RulesPanel &rules, std::function<void(const QString &)> report)
    : QObject(window), window_(window), screens_(screens), options_(options), rules_(rules),
      report_(std::move(report))
{
    window->installEventFilter(this);
}

bool KeyController::eventFilter(QObject *watched, QEvent *event)
{
    // Keys reach the window when the focused widget has no use for them.
    if (watched != window_ || event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    const Qt::KeyboardModifiers others = key->modifiers() & ~Qt::ShiftModifier;
    const bool rulesOpen = !rules_.isHidden();
    if (key->key() == Qt::Key_M && others == Qt::NoModifier && !rulesOpen) {
        // A held key switches once.
        if (!key->isAutoRepeat())
            runGuarded(report_, [this] { musicKeyPressed(); });
        return true;
    }
    if (key->modifiers() != Qt::NoModifier)
        return false;
    if (key->key() == Qt::Key_Escape && !rulesOpen) {
        runGuarded(report_, [this] { screens_.escapePressed(); });
        return true;
    }
    if (key->key() == Qt::Key_F11) {
        if (!key->isAutoRepeat()) // one switch per press
            runGuarded(report_, [this] { f11Pressed(); });
        return true;
    }
    return false;
}

void KeyController::musicKeyPressed()
{
    const QWidget *focused = window_->focusWidget();
    const auto *list = qobject_cast<const QComboBox *>(focused);
    if (!rules_.isHidden() || qobject_cast<const QLineEdit *>(focused) || (list && list->isEditable()))
        return;
    options_.btnmusicClick();
}

void KeyController::f11Pressed() { options_.toggleFullScreen(); }

} // namespace gw
