// SPDX-License-Identifier: MIT
#include "ui/constructionpanel.h"

#include "ui/fonts.h"
#include "ui/layoutkit.h"

#include <QPushButton>

namespace gw {

ConstructionPanel::ConstructionPanel(QWidget *gameScreen)
    : Panel(gameScreen, "panbuild", {312, 120, 185, 233}, colour::gray)
{
    struct Row {
        const char *button, *caption;
        int top;
        const char *priceLabel, *price;
        int priceTop;
        void (ConstructionPanel::*handler)();
    };
    const Row rows[] = {
        {"btntower", "Geschützturm", 8, "Label21", "2000 Gold", 41, &ConstructionPanel::btntowerClick},
        {"btnbunker", "Bunker", 72, "Label22", "1500 Gold", 108, &ConstructionPanel::btnbunkerClick},
        {"btnmines", "Minenfeld", 136, "Label23", "1000 Gold", 169, &ConstructionPanel::btnminesClick},
    };
    for (const Row &r : rows) {
        QPushButton *b = makeButton(this, r.button, {32, r.top, 121, 33}, QString::fromUtf8(r.caption), windowFont(13, true));
        connect(b, &QPushButton::clicked, this, r.handler);
        makeLabel(this, r.priceLabel, 64, r.priceTop, r.price, windowFont());
    }
    QPushButton *cancel = makeButton(this, "btncancelbuild", {56, 200, 75, 25}, "Abbrechen", windowFont());
    connect(cancel, &QPushButton::clicked, this, &ConstructionPanel::btncancelbuildClick);
    stackWindowedOnTop(this);
}

} // namespace gw
