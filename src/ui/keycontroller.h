// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QWidget;

namespace gw {

class OptionsController;
class RulesPanel;
class ScreenSwitcher;

// The window's own keys, those no widget takes itself: Escape (what it does
// depends on the screen, see ScreenSwitcher::escapePressed), M (the music
// switch, as if "btnmusic" were pressed; not while a text field has the
// focus) and F11 (full screen, or back to the size before it), on every
// screen. While the rules are open, Escape and M are theirs (F1 opens them,
// see RulesPanel); a box takes every key itself. A handler's error goes to
// `report`.
class KeyController : public QObject {
    Q_OBJECT
public:
    KeyController(QWidget *window, ScreenSwitcher &screens, OptionsController &options, const RulesPanel &rules,
                  std::function<void(const QString &)> report);

    void musicKeyPressed();
    void f11Pressed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *window_;
    ScreenSwitcher &screens_;
    OptionsController &options_;
    const RulesPanel &rules_;
    std::function<void(const QString &)> report_;
};

} // namespace gw
