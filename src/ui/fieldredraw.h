// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <set>
#include <string>

class QTimer;

namespace gw {

class FieldPanel;
struct GameState;

// The field redraw: once switched on (by the opponent's expansion), every
// second each cell whose state has changed since it was last drawn shows
// its new state's picture, until the game is left. A tick in which no cell
// changed draws nothing.
class FieldRedraw : public QObject {
    Q_OBJECT
public:
    FieldRedraw(const GameState &state, FieldPanel &field, QObject *parent);

    // Switches the timer on; a running timer keeps its rhythm.
    void enable();
    void stop();
    bool isActive() const;
    // A new game: pictures that failed in the last one are reported again.
    void forgetFailures() { reported_.clear(); }

    // One tick. A picture that fails is reported once per game; its cell
    // keeps the picture it had (and is tried again at the next tick), and
    // the other cells are drawn all the same.
    void tfieldactTimer();

signals:
    void pictureFailed(const QString &message);

private:
    const GameState &state_;
    FieldPanel &field_;
    QTimer *tfieldact_;
    std::set<std::string> reported_;
};

} // namespace gw
