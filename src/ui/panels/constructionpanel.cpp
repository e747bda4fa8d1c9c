// SPDX-License-Identifier: MIT
#include "ui/panels/constructionpanel.h"

#include "ui/widgets/fonts.h"
#include "ui/widgets/layoutkit.h"

#include <QPushButton>

namespace gw {

namespace {

// One building: its button, and its price (the rules' buildingPrice) below.
struct Row {
    Building building;
    const char *button, *caption;
    int top;
    const char *priceLabel;
    int priceTop;
    void (ConstructionPanel::*handler)();
};

const Row kRows[] = {
    {Building::Tower, "btntower", QT_TRANSLATE_NOOP("gw::ConstructionPanel", "Geschützturm"), 8, "Label21", 41,
     &ConstructionPanel::btntowerClick},
    {Building::Bunker, "btnbunker", QT_TRANSLATE_NOOP("gw::ConstructionPanel", "Bunker"), 72, "Label22", 108,
     &ConstructionPanel::btnbunkerClick},
    {Building::Minefield, "btnmines", QT_TRANSLATE_NOOP("gw::ConstructionPanel", "Minenfeld"), 136, "Label23", 169,
     &ConstructionPanel::btnminesClick},
};

} // namespace

ConstructionPanel::ConstructionPanel(QWidget *gameScreen)
    : Panel(gameScreen, "panbuild", {312, 120, 185, 233}, look::panelFace)
{
    for (std::size_t i = 0; i < std::size(kRows); ++i) {
        const Row &r = kRows[i];
        buttons_[i] = makeButton(this, r.button, {32, r.top, 121, 33}, QString(), windowFont(13, true));
        connect(buttons_[i], &QPushButton::clicked, this, r.handler);
        prices_[i] = makeLabel(this, r.priceLabel, 64, r.priceTop, QString(), windowFont());
    }
    btncancelbuild_ = makeButton(this, "btncancelbuild", {56, 200, 75, 25}, QString(), windowFont());
    connect(btncancelbuild_, &QPushButton::clicked, this, &ConstructionPanel::btncancelbuildClick);
    stackWindowedOnTop(this);
    retranslate();
}

void ConstructionPanel::retranslate()
{
    for (std::size_t i = 0; i < std::size(kRows); ++i) {
        buttons_[i]->setText(tr(kRows[i].caption));
        prices_[i]->setCaption(tr("%1 Gold").arg(buildingPrice(kRows[i].building)));
    }
    btncancelbuild_->setText(tr("Abbrechen"));
}

} // namespace gw
