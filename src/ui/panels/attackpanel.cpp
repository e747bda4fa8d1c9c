// SPDX-License-Identifier: MIT
#include "ui/panels/attackpanel.h"

#include "ui/widgets/fonts.h"
#include "ui/widgets/layoutkit.h"

#include <QPushButton>

namespace gw {

AttackPanel::AttackPanel(QWidget *gameScreen) : Panel(gameScreen, "panfight", {240, 152, 329, 129}, look::panelFace)
{
    line1_ = makeLabel(this, "Label58", 16, 24, QString(), windowFont(13, true));
    line2_ = makeLabel(this, "Label59", 40, 56, QString(), windowFont(13, true));
    btnletsfight_ = makeButton(this, "btnletsfight", {128, 88, 75, 25}, QString(), windowFont());
    connect(btnletsfight_, &QPushButton::clicked, this, &AttackPanel::confirmClicked);
    stackWindowedOnTop(this);
    retranslate();
}

void AttackPanel::retranslate()
{
    line1_->setCaption(tr("Bitte klicken Sie auf die gegnerische (blaue)"));
    line2_->setCaption(tr("Basis, um den Angriff zu bestätigen !"));
    btnletsfight_->setText(tr("Okay"));
}

} // namespace gw
