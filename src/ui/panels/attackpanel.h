// SPDX-License-Identifier: MIT
#pragma once

#include "core/side.h"
#include "ui/widgets/framewidgets.h"

class QPushButton;

namespace gw {

class TextLabel;

// "Angreifen": asks the player to click the opponent's base.
class AttackPanel : public Panel {
    Q_OBJECT
public:
    explicit AttackPanel(QWidget *gameScreen);

    // Whose base the prompt asks for: Blue's ("blaue"), or Red's when Blue
    // attacks in a game of two.
    void setTarget(Side side);

signals:
    // "Okay": the next click on the base attacks it.
    void confirmClicked();

protected:
    void retranslate() override;

private:
    TextLabel *line1_, *line2_;
    QPushButton *btnletsfight_;
    Side target_ = Side::Blue;
};

} // namespace gw
