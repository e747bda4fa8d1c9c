// SPDX-License-Identifier: MIT
#pragma once

#include "core/side.h"
#include "rules/forecast.h"
#include "ui/widgets/framewidgets.h"

#include <array>
#include <cstdint>
#include <optional>

class QPushButton;

namespace gw {

class Meter;
class TextLabel;

// "Angreifen": asks the player to click the opponent's base, and shows what
// the dice's odds say of this attack with the forces as they stand: each
// stage's chance to get through to the base, the damage to expect and the
// chance to destroy the base.
class AttackPanel : public Panel {
    Q_OBJECT
public:
    explicit AttackPanel(QWidget *gameScreen);

    // Whose base the prompt asks for: Blue's ("blaue"), or Red's when Blue
    // attacks in a game of two.
    void setTarget(Side side);

    // The forecast for these attacking forces (stage 1..5) against a base of
    // `enemybasehp` hit points.
    void showForecast(const Forces &forces, const BattleForecast &forecast, int32_t enemybasehp);

    // "Abbrechen", or Escape: the prompt closes and nothing else changes.
    void btncancelfightClick() { hide(); }

    // "12 %", "< 1 %", "> 99 %": a chance as the prompt words it.
    static QString percent(double chance);

signals:
    // "Okay": the next click on the base attacks it.
    void confirmClicked();

protected:
    void retranslate() override;

private:
    struct Shown {
        Forces forces;
        BattleForecast forecast;
        int32_t enemybasehp;
    };
    TextLabel *line1_, *line2_, *title_, *damage_, *destroy_;
    std::array<TextLabel *, 5> stages_{}, chances_{};
    std::array<Meter *, 5> bars_{};
    QPushButton *btnletsfight_, *btncancelfight_;
    std::optional<Shown> shown_;
    Side target_ = Side::Blue;
};

} // namespace gw
