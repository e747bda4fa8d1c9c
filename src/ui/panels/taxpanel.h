// SPDX-License-Identifier: MIT
#pragma once

#include "ui/widgets/framewidgets.h"

#include <array>

namespace gw {

class TextLabel;

// "Felderkosten und - steuern": every terrain with its price and its tax,
// from the land table; the prices and taxes in one column right of the
// longest name in the language shown.
class TaxPanel : public Panel {
    Q_OBJECT
public:
    explicit TaxPanel(QWidget *gameScreen);

protected:
    void retranslate() override;

private:
    struct Row {
        TextLabel *name, *cost, *tax;
    };
    std::array<Row, 11> rows_{};
};

} // namespace gw
