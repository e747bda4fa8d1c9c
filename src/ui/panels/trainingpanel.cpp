// SPDX-License-Identifier: MIT
#include "ui/panels/trainingpanel.h"

#include "ui/panels/orderrows.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/layoutkit.h"

#include <QLineEdit>
#include <QPushButton>

namespace gw {

namespace {
// The training panel shows the last four purchase icons again.
// The fees are the rules' (kTrainingFees), in row order.
const OrderRow kTrainingRows[] = {
    {"Image221", "pic_mg.bmp", 24, "Label12", QT_TRANSLATE_NOOP("gw::TrainingPanel", "Infanteristen"), 32, "Label16",
     48, "edinf", "UpDown1"},
    {"Image222", "pic_sniper.bmp", 88, "Label13", QT_TRANSLATE_NOOP("gw::TrainingPanel", "Scharfschützen"), 96,
     "Label17", 112, "edsniper", "UpDown2"},
    {"Image223", "pic_mortar.bmp", 160, "Label14", QT_TRANSLATE_NOOP("gw::TrainingPanel", "Mörser"), 168, "Label18",
     184, "edmortar", "UpDown3"},
    {"Image224", "pic_special.bmp", 224, "Label15", QT_TRANSLATE_NOOP("gw::TrainingPanel", "Sondereinheiten"), 232,
     "Label19", 248, "edspecial", "UpDown4"},
};
} // namespace

TrainingPanel::TrainingPanel(QWidget *gameScreen) : Panel(gameScreen, "pantrain", {544, 16, 241, 417}, look::panelFace)
{
    rows_ = buildOrderRows(this, kTrainingRows, 168);
    entries_ = rows_.entries;
    labcostsCaption_ = makeLabel(this, "Label20", 32, 296, QString(), windowFont(15, true));
    labtraincosts_ =
        makeLabel(this, "labtraincosts", 217, 296, "0", windowFont(15, true), QColor(), TextLabel::Anchor::Right);
    QPushButton *cancel = btntraincancel_ = makeButton(this, "btntraincancel", {32, 352, 81, 25}, QString(), windowFont());
    QPushButton *train = btntrain_ = makeButton(this, "btntrain", {136, 352, 83, 25}, QString(), windowFont());
    stackWindowedOnTop(this);
    retranslate();

    void (TrainingPanel::*const changes[])() = {&TrainingPanel::edinfChange, &TrainingPanel::edsniperChange,
                                                &TrainingPanel::edmortarChange, &TrainingPanel::edspecialChange};
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        connect(entries_[i], &QLineEdit::textChanged, this, changes[i]);
        connect(entries_[i], &QLineEdit::returnPressed, train, &QPushButton::click);
    }
    connect(cancel, &QPushButton::clicked, this, &TrainingPanel::btntraincancelClick);
    connect(train, &QPushButton::clicked, this, &TrainingPanel::trainClicked);
}

void TrainingPanel::retranslate()
{
    for (std::size_t i = 0; i < rows_.names.size(); ++i) {
        rows_.names[i]->setCaption(tr(kTrainingRows[i].name));
        rows_.prices[i]->setCaption(tr("%1 Gold").arg(kTrainingFees[i]));
    }
    labcostsCaption_->setCaption(tr("Kosten:"));
    btntraincancel_->setText(tr("Abbrechen"));
    btntrain_->setText(tr("Ausbilden"));
}

TrainingOrder TrainingPanel::counts() const { return countsIn(entries_); }

void TrainingPanel::setCounts(const TrainingOrder &counts) { putCountsIn(entries_, counts); }

void TrainingPanel::showTotal()
{
    shownTotal_ = trainingTotal(counts());
    showCost(labtraincosts_, shownTotal_, gold_);
}

void TrainingPanel::setGold(int32_t gold)
{
    gold_ = gold;
    showCost(labtraincosts_, shownTotal_, gold_);
}

void TrainingPanel::clearEntry(int kind) { entries_.at(static_cast<std::size_t>(kind))->setText("0"); }

void TrainingPanel::reset()
{
    for (QLineEdit *e : entries_)
        e->setText("0");
    shownTotal_ = 0;
    showCost(labtraincosts_, 0, gold_);
}

void TrainingPanel::btntraincancelClick()
{
    hide();
    reset();
}

} // namespace gw
