// SPDX-License-Identifier: MIT
// The turn on the game screen: field clicks, the attack prompt, the
// round-end button and the result panels.
#include "ui/tgw.h"

#include "core/cells.h"
#include "rules/actions.h"
#include "rules/battle.h"
#include "rules/enemyturn.h"
#include "rules/report.h"
#include "ui/framewidgets.h"
#include "ui/pictures.h"
#include "ui/picturebox.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace gw {

void Tgw::roundEnd(const std::optional<BattleResult> &playerBattle)
{
    // An earlier report is out of date once the opponent moves again.
    panreport_->hide();
    const bool beaten = playerBattle && playerBattle->baseDestroyed();
    const EnemyTurnResult turn = enemyturn(state_, random_, *this, beaten);
    lablastmove_->setText(QString::fromStdString(lastMoveText(turn)));
    // The report comes after the battles' own boxes, the player's battle first.
    std::vector<BattleResult> battles;
    if (playerBattle)
        battles.push_back(*playerBattle);
    if (turn.battle)
        battles.push_back(*turn.battle);
    if (!battles.empty())
        showBattleReport(battles);
}

void Tgw::ImageClick(int n)
{
    if (decided_)
        return;
    switch (classifyFieldClick(state_, n)) {
    case FieldClick::Ignored:
        return;
    case FieldClick::NotEnoughGold:
        message("Sie besitzen nicht genügend Gold !", "Kasse");
        return;
    case FieldClick::BuyLand: {
        // The new picture is loaded before anything changes, so a missing
        // one costs neither the cell, the gold nor the turn.
        const QImage picture = loadBitmapFile(cellPicturePath(boughtLandState(state_)));
        buyLand(state_, n);
        showCounter(CounterLabel::Taxes, state_.taxes);
        showCounter(CounterLabel::Cash, state_.cash);
        cells_[static_cast<std::size_t>(n)]->setPicture(picture);
        roundEnd();
        return;
    }
    case FieldClick::NotAttackable:
        message("Dieses Feld kann nicht angegriffen werden!", "Grimsward");
        return;
    case FieldClick::Attack:
        roundEnd(playerattack(state_, random_, *this));
        return;
    }
}

void Tgw::btnfightClick()
{
    if (decided_)
        return;
    for (Panel *p : {panbuy_, pantrain_, panbuild_, paninfo_, pantax_, panenemyinfo_, panreport_})
        p->hide();
    panfight_->show();
}

void Tgw::btnletsfightClick()
{
    if (decided_)
        return;
    panfight_->hide();
    state_.fieldmode = 2;
}

void Tgw::btnendtryClick()
{
    if (decided_)
        return;
    hideGamePanels();
    roundEnd();
}

void Tgw::btnwinClick()
{
    panwin_->hide();
    returnToMainMenu();
}

void Tgw::btnloseClick()
{
    panlose_->hide();
    returnToMainMenu();
}

void Tgw::wireGameScreen()
{
    auto button = [this](const char *name) { return findChild<QPushButton *>(name); };
    const std::pair<const char *, void (Tgw::*)()> clicks[] = {
        {"btnendtry", &Tgw::btnendtryClick},
        {"btnendgame", &Tgw::btnendgameClick},
        {"btnwin", &Tgw::btnwinClick},
        {"btnlose", &Tgw::btnloseClick},
        {"btnfight", &Tgw::btnfightClick},
        {"btnletsfight", &Tgw::btnletsfightClick},
        {"btnbuyzone", &Tgw::btnbuyzoneClick},
        {"btnletsbuy", &Tgw::btnletsbuyClick},
        {"btncancel", &Tgw::btncancelClick},
        {"btnbuyland", &Tgw::btnbuylandClick},
        {"btntraining", &Tgw::btntrainingClick},
        {"btntrain", &Tgw::btntrainClick},
        {"btntraincancel", &Tgw::btntraincancelClick},
        {"btnbuild", &Tgw::btnbuildClick},
        {"btntower", &Tgw::btntowerClick},
        {"btnbunker", &Tgw::btnbunkerClick},
        {"btnmines", &Tgw::btnminesClick},
        {"btncancelbuild", &Tgw::btncancelbuildClick},
        {"btninfo", &Tgw::btninfoClick},
        {"btnfieldinfo", &Tgw::btnfieldinfoClick},
        {"btnenemyinfo", &Tgw::btnenemyinfoClick},
        {"btncloseinfo", &Tgw::btncloseinfoClick},
    };
    for (const auto &[name, handler] : clicks) {
        auto h = handler;
        onClick(button(name), [this, h] { (this->*h)(); });
    }

    void (Tgw::*const purchaseChanges[])() = {&Tgw::edrecChange, &Tgw::edmgsChange, &Tgw::edsnipsChange,
                                              &Tgw::edmortsChange, &Tgw::edspecsChange};
    for (std::size_t i = 0; i < purchaseEntries_.size(); ++i) {
        auto h = purchaseChanges[i];
        connect(purchaseEntries_[i], &QLineEdit::textChanged, this, [this, h] { guarded([this, h] { (this->*h)(); }); });
    }
    void (Tgw::*const trainingChanges[])() = {&Tgw::edinfChange, &Tgw::edsniperChange, &Tgw::edmortarChange,
                                              &Tgw::edspecialChange};
    for (std::size_t i = 0; i < trainingEntries_.size(); ++i) {
        auto h = trainingChanges[i];
        connect(trainingEntries_[i], &QLineEdit::textChanged, this, [this, h] { guarded([this, h] { (this->*h)(); }); });
    }

    for (int n = 1; n <= kCells; ++n)
        onClick(cells_[static_cast<std::size_t>(n)], [this, n] { ImageClick(n); });
}

} // namespace gw
