// SPDX-License-Identifier: MIT
// The information panels: the player's figures, the opponent's forces and
// the terrain table. None of them costs the turn.
#include "ui/tgw.h"

#include "rules/actions.h"
#include "ui/framewidgets.h"

namespace gw {

void Tgw::btninfoClick()
{
    paninfo_->show();
    for (Panel *p : {panbuild_, panbuy_, pantrain_, panreport_})
        p->hide();
    computeStrength(state_);

    const std::pair<const char *, int32_t> own[] = {
        {"Geschütztürme: ", state_.towers},        {"Bunker: ", state_.bunkers},
        {"Minenfelder: ", state_.minefields},      {"Offensivstärke: ca. ", state_.offense},
        {"Defensivstärke: ca. ", state_.defense}, {"HP der Basis: ", state_.basehp},
    };
    for (std::size_t i = 0; i < infoLines_.size(); ++i)
        infoLines_[i]->setCaption(QString::fromUtf8(own[i].first) + QString::number(own[i].second));

    // The opponent's panel is filled even while it stays hidden.
    const std::pair<const char *, int32_t> enemy[] = {
        {"Rekruten: ", state_.enemyrecruits},         {"Infanteristen: ", state_.enemyinfantry},
        {"Scharfschützen: ", state_.enemysnipers},    {"Mörser: ", state_.enemymortarcrews},
        {"Sondereinheiten: ", state_.enemyspecialunits}, {"HP der Basis: ", state_.enemybasehp},
    };
    for (std::size_t i = 0; i < enemyInfoLines_.size(); ++i)
        enemyInfoLines_[i]->setCaption(QString::fromUtf8(enemy[i].first) + QString::number(enemy[i].second));
}

void Tgw::btnfieldinfoClick() { pantax_->setVisible(pantax_->isHidden()); }

void Tgw::btnenemyinfoClick() { panenemyinfo_->setVisible(panenemyinfo_->isHidden()); }

void Tgw::btncloseinfoClick()
{
    for (Panel *p : {paninfo_, pantax_, panenemyinfo_})
        p->hide();
}

} // namespace gw
