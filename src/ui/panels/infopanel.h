// SPDX-License-Identifier: MIT
#pragma once

#include "ui/widgets/framewidgets.h"

#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>

class QPushButton;

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

protected:
    void retranslate() override;

private:
    TextLabel *title_;
    std::array<TextLabel *, 6> lines_{}; // labtow .. labbase
    std::optional<std::array<int32_t, 6>> figures_;
    QPushButton *btnfieldinfo_, *btnenemyinfo_, *btncloseinfo_;
};

// "Gegner - Info": the opponent's forces, its defences (gun towers, bunkers,
// minefields, which the player meets in every battle) and its base.
class EnemyInfoPanel : public Panel {
    Q_OBJECT
public:
    explicit EnemyInfoPanel(QWidget *gameScreen);

    void showFigures(const GameState &state);

protected:
    void retranslate() override;

private:
    std::array<TextLabel *, 9> lines_{}; // labrecb .. labspecb, labtowb .. labminb, labhp
    std::optional<std::array<int32_t, 9>> figures_;
};

} // namespace gw
