// SPDX-License-Identifier: MIT
#pragma once

#include "rules/replay.h"
#include "rules/screen.h"
#include "ui/widgets/picturecache.h"

#include <QObject>
#include <QString>

#include <memory>

class QTimer;
class QWidget;

namespace gw {

class GameController;
class GameScreen;

// "Wiederholung": the last decided game ("lastgame.gwr") played back on the
// game screen, round by round, with play and pause, one step and a speed.
// Only the field, the strip and the replay's controls change; the panels
// stay closed, and nothing of the saved game, the statistics or the
// options is touched. Where the log and the game part, a box says so at
// that round. The timer runs only while the replay plays.
class ReplayController : public QObject {
    Q_OBJECT
public:
    ReplayController(GameController &game, GameScreen &screen, QWidget *window);
    ~ReplayController() override;

    // Reads the last game and opens the game screen at its start (opened).
    // A file that cannot be read at all says why in a box and opens nothing.
    void btnreplayClick();
    // The controls.
    void playClicked();
    void stepClicked();
    void speedChanged();
    // Back to the skirmish screen (closed).
    void backClicked();

    bool isPlaying() const;
    const Replay *replay() const { return replay_.get(); }

signals:
    void opened();
    void closed();
    void errorOccurred(const QString &text);

private:
    // One round; at the end or a parting, the replay stops.
    void advance();
    void stop();
    // The record as the replay has it, on the field and the strip.
    void showRecord();
    void showControls();
    QString readFault(const LogReadResult &read) const;
    QString parting(const ReplayStep &step) const;

    GameController &game_;
    GameScreen &screen_;
    QWidget *window_;
    QTimer *timer_;
    std::unique_ptr<Replay> replay_;
    SilentScreen silent_;
    PictureCache pictures_;
};

} // namespace gw
