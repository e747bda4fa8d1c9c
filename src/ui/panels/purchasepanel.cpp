// SPDX-License-Identifier: MIT
#include "ui/panels/purchasepanel.h"

#include "ui/panels/orderrows.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/layoutkit.h"

#include <QLineEdit>
#include <QPushButton>

namespace gw {

namespace {
// The prices are the rules' (kPurchasePrices), in row order.
const OrderRow kPurchaseRows[] = {
    {"picrecruits", "pic_recruits.bmp", 16, "Label1", QT_TRANSLATE_NOOP("gw::PurchasePanel", "Rekruten"), 24, "Label7", 40, "edrec", "recruitsupdown"},
    {"picmg", "pic_mg.bmp", 64, "Label2", QT_TRANSLATE_NOOP("gw::PurchasePanel", "MGs"), 72, "Label8", 88, "edmgs", "mgsupdown"},
    {"picsniper", "pic_sniper.bmp", 112, "Label3", QT_TRANSLATE_NOOP("gw::PurchasePanel", "Sniper"), 120, "Label9", 136, "edsnips", "snipsupdown"},
    {"picmortar", "pic_mortar.bmp", 160, "Label4", QT_TRANSLATE_NOOP("gw::PurchasePanel", "Mörser"), 168, "Label10", 184, "edmorts", "mortsupdown"},
    {"picspecial", "pic_special.bmp", 208, "Label5", QT_TRANSLATE_NOOP("gw::PurchasePanel", "Specialpacks"), 216, "Label11", 232, "edspecs", "specsupdown"},
};
} // namespace

PurchasePanel::PurchasePanel(QWidget *gameScreen) : Panel(gameScreen, "panbuy", {552, 16, 225, 417}, look::panelFace)
{
    rows_ = buildOrderRows(this, kPurchaseRows, 152);
    entries_ = rows_.entries;
    labcostsCaption_ = makeLabel(this, "Label6", 40, 272, QString(), windowFont(15, true));
    labcosts_ = makeLabel(this, "labcosts", 209, 272, "0", windowFont(15, true), QColor(), TextLabel::Anchor::Right);
    QPushButton *land = btnbuyland_ = makeButton(this, "btnbuyland", {32, 344, 75, 25}, QString(), windowFont());
    QPushButton *buy = btnletsbuy_ = makeButton(this, "btnletsbuy", {128, 344, 75, 25}, QString(), windowFont());
    QPushButton *cancel = btncancel_ = makeButton(this, "btncancel", {80, 384, 75, 25}, QString(), windowFont());
    stackWindowedOnTop(this);
    retranslate();

    void (PurchasePanel::*const changes[])() = {&PurchasePanel::edrecChange, &PurchasePanel::edmgsChange,
                                                &PurchasePanel::edsnipsChange, &PurchasePanel::edmortsChange,
                                                &PurchasePanel::edspecsChange};
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        connect(entries_[i], &QLineEdit::textChanged, this, changes[i]);
        connect(entries_[i], &QLineEdit::returnPressed, buy, &QPushButton::click);
    }
    connect(land, &QPushButton::clicked, this, &PurchasePanel::landClicked);
    connect(buy, &QPushButton::clicked, this, &PurchasePanel::buyClicked);
    connect(cancel, &QPushButton::clicked, this, &PurchasePanel::btncancelClick);
}

void PurchasePanel::retranslate()
{
    for (std::size_t i = 0; i < rows_.names.size(); ++i) {
        rows_.names[i]->setCaption(tr(kPurchaseRows[i].name));
        rows_.prices[i]->setCaption(tr("%1 Gold").arg(kPurchasePrices[i]));
    }
    labcostsCaption_->setCaption(tr("Kosten:"));
    btnbuyland_->setText(tr("Land kaufen"));
    btnletsbuy_->setText(tr("Kaufen"));
    btncancel_->setText(tr("Abbrechen"));
}

PurchaseOrder PurchasePanel::counts() const { return countsIn(entries_); }

void PurchasePanel::setCounts(const PurchaseOrder &counts) { putCountsIn(entries_, counts); }

void PurchasePanel::showTotal()
{
    shownTotal_ = purchaseTotal(counts());
    showCost(labcosts_, shownTotal_, gold_);
}

void PurchasePanel::setGold(int32_t gold)
{
    gold_ = gold;
    showCost(labcosts_, shownTotal_, gold_);
}

void PurchasePanel::reset()
{
    for (QLineEdit *e : entries_)
        e->setText("0");
    shownTotal_ = 0;
    showCost(labcosts_, 0, gold_);
}

void PurchasePanel::purchaseEntryChange()
{
    emit countsChanged(counts());
    showTotal();
}

} // namespace gw
