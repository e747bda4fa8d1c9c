// SPDX-License-Identifier: MIT
#pragma once

#include "ui/framewidgets.h"

namespace gw {

// "Felderkosten und - steuern": every terrain with its price and its tax,
// from the land table.
class TaxPanel : public Panel {
    Q_OBJECT
public:
    explicit TaxPanel(QWidget *gameScreen);
};

} // namespace gw
