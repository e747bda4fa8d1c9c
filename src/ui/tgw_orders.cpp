// SPDX-License-Identifier: MIT
// The purchase, training and construction panels. Each panel keeps its
// own cost lines; its total follows every change of its entries and is
// computed from the entries again when the order is booked.
#include "ui/tgw.h"

#include "rules/actions.h"
#include "ui/framewidgets.h"

#include <QLineEdit>

namespace gw {

namespace {

// The entries take digits only; an empty one counts as 0.
int32_t countIn(const QLineEdit *entry)
{
    const QString text = entry->text();
    return text.isEmpty() ? 0 : text.toInt();
}

template <std::size_t N> std::array<int32_t, N> countsIn(const std::array<QLineEdit *, N> &entries)
{
    std::array<int32_t, N> counts{};
    for (std::size_t i = 0; i < N; ++i)
        counts[i] = countIn(entries[i]);
    return counts;
}

} // namespace

// ---- Purchase ------------------------------------------------------------

void Tgw::btnbuyzoneClick()
{
    if (decided_)
        return;
    panbuy_->show();
    for (Panel *p : {pantrain_, panbuild_, paninfo_, pantax_, panenemyinfo_, panfight_, panreport_})
        p->hide();
    showPurchaseTotal();
    showTrainingTotal();
    state_.fieldmode = 0;
}

void Tgw::edrecChange() { purchaseEntryChange(); }
void Tgw::edmgsChange() { purchaseEntryChange(); }
void Tgw::edsnipsChange() { purchaseEntryChange(); }
void Tgw::edmortsChange() { purchaseEntryChange(); }
void Tgw::edspecsChange() { purchaseEntryChange(); }

void Tgw::purchaseEntryChange()
{
    setPurchaseSlots(state_, countsIn(purchaseEntries_));
    showPurchaseTotal();
}

void Tgw::showPurchaseTotal()
{
    labcosts_->setCaption(QString::number(purchaseTotal(countsIn(purchaseEntries_))));
}

void Tgw::btnletsbuyClick()
{
    if (decided_)
        return;
    if (!bookPurchase(state_, countsIn(purchaseEntries_))) {
        message("Sie besitzen nicht genügend Gold !", "Kasse");
        return;
    }
    showCounter(CounterLabel::Cash, state_.cash);
    showCounter(CounterLabel::Recruits, state_.recruits);
    showCounter(CounterLabel::Mgs, state_.mgs);
    showCounter(CounterLabel::Rifles, state_.rifles);
    showCounter(CounterLabel::Mortars, state_.mortars);
    showCounter(CounterLabel::Specpacks, state_.specpacks);
    panbuy_->hide();
    resetPurchaseEntries();
    roundEnd();
}

void Tgw::btncancelClick()
{
    resetPurchaseEntries();
    panbuy_->hide();
    state_.fieldmode = 0;
}

void Tgw::btnbuylandClick()
{
    if (decided_)
        return;
    resetPurchaseEntries();
    state_.fieldmode = 1;
    panbuy_->hide();
}

void Tgw::resetPurchaseEntries()
{
    for (QLineEdit *e : purchaseEntries_)
        e->setText("0");
    setPurchaseSlots(state_, {});
    labcosts_->setCaption("0");
}

// ---- Training ------------------------------------------------------------

void Tgw::btntrainingClick()
{
    if (decided_)
        return;
    panbuy_->hide();
    pantrain_->show();
    for (Panel *p : {panbuild_, paninfo_, pantax_, panenemyinfo_, panfight_, panreport_})
        p->hide();
    showTrainingTotal();
    showPurchaseTotal();
}

void Tgw::edinfChange() { trainingEntryChange(0); }
void Tgw::edsniperChange() { trainingEntryChange(1); }
void Tgw::edmortarChange() { trainingEntryChange(2); }
void Tgw::edspecialChange() { trainingEntryChange(3); }

void Tgw::trainingEntryChange(int kind)
{
    QLineEdit *entry = trainingEntries_[static_cast<std::size_t>(kind)];
    if (equipmentFor(state_, kind) < countIn(entry)) {
        message(shortageMessage(kind), "Materiallager");
        // Raises this change again, which stores the 0.
        entry->setText("0");
        return;
    }
    setTrainingSlots(state_, countsIn(trainingEntries_));
    showTrainingTotal();
}

void Tgw::showTrainingTotal()
{
    labtraincosts_->setCaption(QString::number(trainingTotal(countsIn(trainingEntries_))));
}

void Tgw::btntrainClick()
{
    if (decided_)
        return;
    if (!train(state_, countsIn(trainingEntries_))) {
        message("Sie besitzen nicht genügend Gold oder Rekruten !", "Kasse");
        return;
    }
    showCounter(CounterLabel::Cash, state_.cash);
    showCounter(CounterLabel::Infantry, state_.infantry);
    showCounter(CounterLabel::Mgs, state_.mgs);
    showCounter(CounterLabel::Snipers, state_.snipers);
    showCounter(CounterLabel::Rifles, state_.rifles);
    showCounter(CounterLabel::Mortarcrews, state_.mortarcrews);
    showCounter(CounterLabel::Mortars, state_.mortars);
    showCounter(CounterLabel::Specialunits, state_.specialunits);
    showCounter(CounterLabel::Specpacks, state_.specpacks);
    showCounter(CounterLabel::Recruits, state_.recruits);
    pantrain_->hide();
    resetTrainingEntries();
    roundEnd();
}

void Tgw::btntraincancelClick()
{
    pantrain_->hide();
    resetTrainingEntries();
}

void Tgw::resetTrainingEntries()
{
    for (QLineEdit *e : trainingEntries_)
        e->setText("0");
    setTrainingSlots(state_, {});
    labtraincosts_->setCaption("0");
}

void Tgw::resetEntries()
{
    resetPurchaseEntries();
    resetTrainingEntries();
}

// ---- Construction --------------------------------------------------------

void Tgw::btnbuildClick()
{
    if (decided_)
        return;
    panbuild_->show();
    for (Panel *p : {panbuy_, pantrain_, paninfo_, pantax_, panenemyinfo_, panfight_, panreport_})
        p->hide();
}

void Tgw::btntowerClick() { construct(Building::Tower); }
void Tgw::btnbunkerClick() { construct(Building::Bunker); }
void Tgw::btnminesClick() { construct(Building::Minefield); }

void Tgw::construct(Building building)
{
    if (decided_)
        return;
    if (!build(state_, building)) {
        message("Sie besitzen nicht genügend Gold!", "Kasse");
        return;
    }
    showCounter(CounterLabel::Cash, state_.cash);
    panbuild_->hide();
    roundEnd();
}

void Tgw::btncancelbuildClick() { panbuild_->hide(); }

} // namespace gw
