// SPDX-License-Identifier: MIT
#include "ui/purchasepanel.h"

#include "ui/fonts.h"
#include "ui/layoutkit.h"
#include "ui/orderrows.h"

#include <QLineEdit>
#include <QPushButton>

namespace gw {

namespace {
const OrderRow kPurchaseRows[] = {
    {"picrecruits", "pic_recruits.bmp", 16, "Label1", "Rekruten", 24, "Label7", "10 Gold", 40, "edrec", "recruitsupdown"},
    {"picmg", "pic_mg.bmp", 64, "Label2", "MGs", 72, "Label8", "50 Gold", 88, "edmgs", "mgsupdown"},
    {"picsniper", "pic_sniper.bmp", 112, "Label3", "Sniper", 120, "Label9", "100 Gold", 136, "edsnips", "snipsupdown"},
    {"picmortar", "pic_mortar.bmp", 160, "Label4", "Mörser", 168, "Label10", "300 Gold", 184, "edmorts", "mortsupdown"},
    {"picspecial", "pic_special.bmp", 208, "Label5", "Specialpacks", 216, "Label11", "500 Gold", 232, "edspecs", "specsupdown"},
};
} // namespace

PurchasePanel::PurchasePanel(QWidget *gameScreen) : Panel(gameScreen, "panbuy", {552, 16, 225, 417}, colour::gray)
{
    entries_ = buildOrderRows(this, kPurchaseRows, 152);
    makeLabel(this, "Label6", 40, 272, "Kosten:", windowFont(15, true), colour::navy);
    labcosts_ = makeLabel(this, "labcosts", 209, 272, "0", windowFont(15, true), colour::maroon, TextLabel::Anchor::Right);
    QPushButton *land = makeButton(this, "btnbuyland", {32, 344, 75, 25}, "Land kaufen", windowFont());
    QPushButton *buy = makeButton(this, "btnletsbuy", {128, 344, 75, 25}, "Kaufen", windowFont());
    QPushButton *cancel = makeButton(this, "btncancel", {80, 384, 75, 25}, "Abbrechen", windowFont());
    stackWindowedOnTop(this);

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

PurchaseOrder PurchasePanel::counts() const { return countsIn(entries_); }

void PurchasePanel::setCounts(const PurchaseOrder &counts) { putCountsIn(entries_, counts); }

void PurchasePanel::showTotal() { labcosts_->setCaption(QString::number(purchaseTotal(counts()))); }

void PurchasePanel::reset()
{
    for (QLineEdit *e : entries_)
        e->setText("0");
    labcosts_->setCaption("0");
}

void PurchasePanel::purchaseEntryChange()
{
    emit countsChanged(counts());
    showTotal();
}

} // namespace gw
