// SPDX-License-Identifier: MIT
#pragma once

#include "rules/actions.h"
#include "ui/framewidgets.h"

namespace gw {

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
};

} // namespace gw
