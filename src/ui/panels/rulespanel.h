// SPDX-License-Identifier: MIT
#pragma once

#include "ui/widgets/framewidgets.h"

#include <QPointer>

#include <vector>

class QPushButton;
class QTextBrowser;

namespace gw {

class TextLabel;

// "Spielregeln": the rules and prices of the game over the whole window.
// F1 opens it on any screen; "Schliessen" or Escape closes it. While it is
// open, nothing behind it takes a click or a key, so it never ends a turn.
class RulesPanel : public Panel {
    Q_OBJECT
public:
    // Lies over everything made before it and watches the window's keys.
    explicit RulesPanel(QWidget *window);

    // F1: the panel with the text in the language in force.
    void open();
    // "Schliessen", or Escape: everything behind works again.
    void btncloserulesClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *window_;
    TextLabel *title_;
    QTextBrowser *text_;
    QPushButton *close_;
    // What the panel switched off, and the widget that had the focus.
    std::vector<QPointer<QWidget>> disabled_;
    QPointer<QWidget> focus_;
};

} // namespace gw
