// SPDX-License-Identifier: MIT
#pragma once

#include "rules/enemyturn.h"
#include "rules/screen.h"

#include <QObject>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <utility>

class QColor;
class QLabel;

namespace gw {

class TextLabel;

// The game screen's status strip below the field: the player's gold,
// forces and equipment, the tax income, and what the opponent did last.
class StatusStrip : public QObject {
    Q_OBJECT
public:
    explicit StatusStrip(QWidget *gameScreen);

    // Writes the value as decimal text into the counter's label.
    void showCounter(CounterLabel label, int32_t value);
    // The line above "Information": what the opponent did in the last
    // round end; empty at a skirmish start.
    void showLastMove(const EnemyTurnResult &turn);
    void clearLastMove();
    // While a field click is awaited (1 buy land, 2 attack the base of
    // `target`), the line says so instead of the last move; 0 shows the
    // last move again.
    void showFieldMode(int32_t mode, Side target = Side::Blue);
    // A hint for a new player takes the line above "Information" until it
    // is cleared; a field mode's line still comes first. The hint is shown as
    // it is given, "Tipp: ..." included.
    void showHint(const QString &hint);
    void clearHint();
    const QString &hint() const { return hint_; }
    // The opponent's level of the game, between "Information" and "Beenden".
    void showLevel(int32_t level);
    // Instead of the level, in a game of two: the round and the side on
    // turn in its colour ("Runde 4 · Rot ist am Zug").
    void showTurn(Side side, int32_t round);
    // In a network game, while the other side is on turn: "Blau ist am
    // Zug …" (or "Rot …") instead of the last move; nullopt shows it again.
    void showWaiting(std::optional<Side> onTurn);
    // Instead of the level, in the replay of a game of two: "Zu zweit".
    void showTwoPlayers();

    // Every caption and the last-move line in the current language.
    void retranslate();

signals:
    // The gold as labcash now shows it.
    void goldShown(int32_t gold);

private:
    std::array<TextLabel *, 12> captions_{}; // the status rows', then the tax line's
    std::array<TextLabel *, 11> counters_{}; // by CounterLabel
    QLabel *lablastmove_ = nullptr;
    TextLabel *labenemylevel_ = nullptr;
    int32_t level_ = 0;
    // The side on turn and its round, in a game of two.
    std::optional<std::pair<Side, int32_t>> turn_;
    bool twoPlayers_ = false;
    std::optional<EnemyTurnResult> lastMove_;
    std::optional<Side> waiting_;
    int32_t fieldMode_ = 0;
    Side target_ = Side::Blue;
    QString hint_;
    // The line's text for the mode, the hint or the last move, broken
    // between phrases.
    void showLine();
    void setLine(const QString &text, const QColor &colour);

    static constexpr int kLineFontSize = 12;
    static constexpr int kSmallestLineFontSize = 8;
};

} // namespace gw
