// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <cstdint>

class QWidget;

namespace gw {

class Meter;
class TextLabel;

// The game at a glance: both bases' hit points as two short bars with their
// figures, red for the player's base and blue for the opponent's, in the row
// between the command buttons and the tax line, and the round under the
// round-end button.
class GlanceRow : public QObject {
    Q_OBJECT
public:
    explicit GlanceRow(QWidget *gameScreen);

    // "Runde 12" and the two bars, full at a base's 100 hit points; a
    // destroyed base shows 0.
    // In a game of two the bars name the sides ("Rot", "Blau") instead of
    // "Ihre Basis" and "Gegner".
    void show(int32_t rounds, int32_t basehp, int32_t enemybasehp, bool twoPlayers = false);

    // The texts in the current language.
    void retranslate();

    // A base's hit points at the start of a game: the bars' whole.
    static constexpr int32_t kFullHp = 100;

private:
    TextLabel *labround_;
    Meter *barbasehp_, *barenemybasehp_;
    int32_t rounds_ = 0, basehp_ = kFullHp, enemybasehp_ = kFullHp;
    bool twoPlayers_ = false;
};

} // namespace gw
