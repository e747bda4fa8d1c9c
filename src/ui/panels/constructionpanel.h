// SPDX-License-Identifier: MIT
#pragma once

#include "rules/actions.h"
#include "ui/widgets/framewidgets.h"

#include <array>

class QPushButton;

namespace gw {

class TextLabel;

// "Bauen": a gun tower, a bunker or a minefield for the home base.
class ConstructionPanel : public Panel {
    Q_OBJECT
public:
    explicit ConstructionPanel(QWidget *gameScreen);

    void btntowerClick() { emit buildClicked(Building::Tower); }
    void btnbunkerClick() { emit buildClicked(Building::Bunker); }
    void btnminesClick() { emit buildClicked(Building::Minefield); }
    void btncancelbuildClick() { hide(); }

signals:
    void buildClicked(Building building);

protected:
    void retranslate() override;

private:
    std::array<QPushButton *, 3> buttons_{};
    std::array<TextLabel *, 3> prices_{};
    QPushButton *btncancelbuild_;
};

} // namespace gw
