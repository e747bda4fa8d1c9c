// SPDX-License-Identifier: MIT
#pragma once

#include "ui/framewidgets.h"

class QString;

namespace gw {

class TextLabel;

// The victory or the defeat panel: the result in large type and the button
// that leaves the game.
class ResultPanel : public Panel {
    Q_OBJECT
public:
    enum class Result { Victory, Defeat };
    ResultPanel(QWidget *gameScreen, Result result);

    // The label's text, then the panel shown; no note.
    void showResult(const QString &text);
    // The victory's second line ("Neuer Rekord!"); empty hides it.
    void showNote(const QString &text);

signals:
    void confirmClicked();

private:
    TextLabel *label_;
    TextLabel *note_ = nullptr;
};

} // namespace gw
