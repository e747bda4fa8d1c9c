// SPDX-License-Identifier: MIT
#pragma once

#include "ui/framewidgets.h"

#include <array>

namespace gw {

class TextLabel;
struct GameState;

// "Information": the player's buildings, strength and base, with the ways
// to the terrain table and the opponent's figures.
class InfoPanel : public Panel {
    Q_OBJECT
public:
    explicit InfoPanel(QWidget *gameScreen);

    // The lines from the counters (offense and defense as last computed).
    void showFigures(const GameState &state);

signals:
    void fieldInfoClicked();
    void enemyInfoClicked();
    void closeClicked();

private:
    std::array<TextLabel *, 6> lines_{}; // labtow .. labbase
};

// "Gegner - Info": the opponent's forces and base.
class EnemyInfoPanel : public Panel {
    Q_OBJECT
public:
    explicit EnemyInfoPanel(QWidget *gameScreen);

    void showFigures(const GameState &state);

private:
    std::array<TextLabel *, 6> lines_{}; // labrecb .. labhp
};

} // namespace gw
