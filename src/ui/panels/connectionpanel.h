// SPDX-License-Identifier: MIT
#pragma once

#include "ui/widgets/framewidgets.h"

#include <QStringList>

#include <cstdint>

class QPushButton;
class QTimer;

namespace gw {

class TextLabel;

// A network game's connection on the game screen. The host's panel while
// it waits for its guest (at first, or after the line dropped): the game
// code and the addresses to tell, what was turned away, and the ways on:
// against the computer at a level, or save and leave. The guest's panel
// once the line dropped: join again, or leave. Beside it a line over the
// field's foot tells what happened meanwhile (the host's status line); it
// takes no click and goes after a while.
class ConnectionPanel : public Panel {
    Q_OBJECT
public:
    explicit ConnectionPanel(QWidget *gameScreen);

    // The host waits: `title` ("Warte auf Blau …"), the code and where the
    // game is reached; `level` the computer's level offered.
    void showHostWaiting(const QString &title, const QString &code, const QStringList &addresses, int32_t level);
    // The guest's line is gone: `title`; `canRejoin` offers to join again.
    void showGuestLost(const QString &title, bool canRejoin);
    // The panel's status line (cleared by the next showing).
    void showStatus(const QString &text);
    // The line over the field's foot, for a few seconds.
    void showNote(const QString &text);
    int32_t level() const { return level_; }

signals:
    // "Gegen den Computer weiterspielen", at the level shown.
    void computerClicked(int32_t level);
    // "Speichern und beenden", or the guest's "Beenden".
    void leaveClicked();
    // "Erneut beitreten".
    void rejoinClicked();

protected:
    void retranslate() override;

private:
    void showLevel();

    TextLabel *title_, *code_, *addresses_, *hint_, *status_;
    TextLabel *note_;
    QTimer *noteTimer_;
    QPushButton *btncomputer_, *btnlevel_, *btnleave_, *btnrejoin_;
    bool host_ = true;
    bool rejoin_ = true;
    int32_t level_ = 0;
    QString codeText_;
    QStringList addressList_;
};

} // namespace gw
