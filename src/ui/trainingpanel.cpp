// SPDX-License-Identifier: MIT
#include "ui/trainingpanel.h"

#include "ui/fonts.h"
#include "ui/layoutkit.h"
#include "ui/orderrows.h"

#include <QLineEdit>
#include <QPushButton>

namespace gw {

namespace {
// The training panel shows the last four purchase icons again.
const OrderRow kTrainingRows[] = {
    {"Image221", "pic_mg.bmp", 24, "Label12", "Infanteristen", 32, "Label16", "25 Gold", 48, "edinf", "UpDown1"},
    {"Image222", "pic_sniper.bmp", 88, "Label13", "Scharfschützen", 96, "Label17", "50 Gold", 112, "edsniper", "UpDown2"},
    {"Image223", "pic_mortar.bmp", 160, "Label14", "Mörser", 168, "Label18", "150 Gold", 184, "edmortar", "UpDown3"},
    {"Image224", "pic_special.bmp", 224, "Label15", "Sondereinheiten", 232, "Label19", "300 Gold", 248, "edspecial", "UpDown4"},
};
} // namespace

TrainingPanel::TrainingPanel(QWidget *gameScreen) : Panel(gameScreen, "pantrain", {544, 16, 241, 417}, colour::gray)
{
    entries_ = buildOrderRows(this, kTrainingRows, 168);
    makeLabel(this, "Label20", 32, 296, "Kosten:", windowFont(15, true), colour::navy);
    labtraincosts_ =
        makeLabel(this, "labtraincosts", 217, 296, "0", windowFont(15, true), colour::maroon, TextLabel::Anchor::Right);
    QPushButton *cancel = makeButton(this, "btntraincancel", {32, 352, 81, 25}, "Abbrechen", windowFont());
    QPushButton *train = makeButton(this, "btntrain", {136, 352, 83, 25}, "Ausbilden", windowFont());
    stackWindowedOnTop(this);

    void (TrainingPanel::*const changes[])() = {&TrainingPanel::edinfChange, &TrainingPanel::edsniperChange,
                                                &TrainingPanel::edmortarChange, &TrainingPanel::edspecialChange};
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        connect(entries_[i], &QLineEdit::textChanged, this, changes[i]);
        connect(entries_[i], &QLineEdit::returnPressed, train, &QPushButton::click);
    }
    connect(cancel, &QPushButton::clicked, this, &TrainingPanel::btntraincancelClick);
    connect(train, &QPushButton::clicked, this, &TrainingPanel::trainClicked);
}

TrainingOrder TrainingPanel::counts() const { return countsIn(entries_); }

void TrainingPanel::setCounts(const TrainingOrder &counts) { putCountsIn(entries_, counts); }

void TrainingPanel::showTotal() { labtraincosts_->setCaption(QString::number(trainingTotal(counts()))); }

void TrainingPanel::clearEntry(int kind) { entries_.at(static_cast<std::size_t>(kind))->setText("0"); }

void TrainingPanel::reset()
{
    for (QLineEdit *e : entries_)
        e->setText("0");
    labtraincosts_->setCaption("0");
}

void TrainingPanel::btntraincancelClick()
{
    hide();
    reset();
}

} // namespace gw
