// SPDX-License-Identifier: MIT
#include "ui/attackpanel.h"

#include "ui/fonts.h"
#include "ui/layoutkit.h"

#include <QPushButton>

namespace gw {

AttackPanel::AttackPanel(QWidget *gameScreen) : Panel(gameScreen, "panfight", {240, 152, 329, 129}, colour::gray)
{
    makeLabel(this, "Label58", 16, 24, "Bitte klicken Sie auf die gegnerische (blaue)", windowFont(13, true));
    makeLabel(this, "Label59", 40, 56, QString::fromUtf8("Basis, um den Angriff zu bestätigen !"), windowFont(13, true));
    QPushButton *okay = makeButton(this, "btnletsfight", {128, 88, 75, 25}, "Okay", windowFont());
    connect(okay, &QPushButton::clicked, this, &AttackPanel::confirmClicked);
    stackWindowedOnTop(this);
}

} // namespace gw
