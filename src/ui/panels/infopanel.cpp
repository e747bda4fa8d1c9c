// SPDX-License-Identifier: MIT
#include "ui/panels/infopanel.h"

#include "core/gamestate.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/layoutkit.h"

#include <QPushButton>

namespace gw {

namespace {
// Until the panels are first filled their lines say so.
const char *const kOwnUnfilled[] = {"Geschütztürme:  ERROR",     "Bunker: ERROR",
                                    "Minenfelder: ERROR",        "Offensivkampfkraft: ERROR",
                                    "Defensivkampfkraft: ERROR", "HP der Basis: ERROR"};
const char *const kEnemyUnfilled[] = {"HP der Basis: ERROR",   "Rekruten: ERROR",   "Infanteristen: ERROR",
                                      "Scharfschützen: ERROR", "Mörser: ERROR",     "Geschütztürme: ERROR",
                                      "Bunker: ERROR",         "Minenfelder: ERROR", "Sondereinheiten: ERROR"};
// The opponent's lines from the top: its forces, a gap, its defences, its base.
constexpr int kEnemyTops[] = {12, 33, 54, 75, 96, 123, 144, 165, 192};
} // namespace

InfoPanel::InfoPanel(QWidget *gameScreen) : Panel(gameScreen, "paninfo", {304, 88, 201, 281}, look::panelFace)
{
    title_ = makeLabel(this, "Label24", 48, 8, QString(), windowFont(13, true));
    const char *const names[] = {"labtow", "labbun", "labmin", "laboff", "labdef", "labbase"};
    for (std::size_t i = 0; i < lines_.size(); ++i)
        lines_[i] = makeLabel(this, names[i], 16, 40 + 24 * int(i), QString::fromUtf8(kOwnUnfilled[i]), windowFont());
    btnfieldinfo_ = makeButton(this, "btnfieldinfo", {16, 184, 169, 25}, QString(), windowFont());
    btnenemyinfo_ = makeButton(this, "btnenemyinfo", {48, 216, 105, 25}, QString(), windowFont());
    btncloseinfo_ = makeButton(this, "btncloseinfo", {64, 248, 75, 25}, QString(), windowFont());
    connect(btnfieldinfo_, &QPushButton::clicked, this, &InfoPanel::fieldInfoClicked);
    connect(btnenemyinfo_, &QPushButton::clicked, this, &InfoPanel::enemyInfoClicked);
    connect(btncloseinfo_, &QPushButton::clicked, this, &InfoPanel::closeClicked);
    stackWindowedOnTop(this);
    retranslate();
}

void InfoPanel::showFigures(const GameState &s)
{
    figures_ = {s.towers, s.bunkers, s.minefields, s.offense, s.defense, s.basehp};
    retranslate();
}

void InfoPanel::retranslate()
{
    title_->setCaption(tr(". : Information : ."));
    btnfieldinfo_->setText(tr("<< Felderkosten und - steuern"));
    btnenemyinfo_->setText(tr("Gegner - Info >>"));
    btncloseinfo_->setText(tr("Schliessen"));
    if (!figures_)
        return;
    const std::array<int32_t, 6> &f = *figures_;
    const QString lines[] = {tr("Geschütztürme: %1").arg(f[0]),        tr("Bunker: %1").arg(f[1]),
                             tr("Minenfelder: %1").arg(f[2]),          tr("Offensivstärke: ca. %1").arg(f[3]),
                             tr("Defensivstärke: ca. %1").arg(f[4]), tr("HP der Basis: %1").arg(f[5])};
    for (std::size_t i = 0; i < lines_.size(); ++i)
        lines_[i]->setCaption(lines[i]);
}

EnemyInfoPanel::EnemyInfoPanel(QWidget *gameScreen)
    : Panel(gameScreen, "panenemyinfo", {504, 128, 153, 216}, look::panelFace)
{
    const char *const names[] = {"labrecb", "labinfb", "labsniperb", "labmortarb", "labspecb",
                                 "labtowb", "labbunb",  "labminb",    "labhp"};
    for (std::size_t i = 0; i < lines_.size(); ++i)
        lines_[i] = makeLabel(this, names[i], 16, kEnemyTops[i], QString::fromUtf8(kEnemyUnfilled[i]), windowFont());
}

void EnemyInfoPanel::showFigures(const GameState &s)
{
    figures_ = {s.enemyrecruits, s.enemyinfantry, s.enemysnipers,   s.enemymortarcrews, s.enemyspecialunits,
                s.enemytowers,   s.enemybunkers,  s.enemyminefields, s.enemybasehp};
    retranslate();
}

void EnemyInfoPanel::retranslate()
{
    if (!figures_)
        return;
    const std::array<int32_t, 9> &f = *figures_;
    const QString lines[] = {tr("Rekruten: %1").arg(f[0]),       tr("Infanteristen: %1").arg(f[1]),
                             tr("Scharfschützen: %1").arg(f[2]), tr("Mörser: %1").arg(f[3]),
                             tr("Sondereinheiten: %1").arg(f[4]), tr("Geschütztürme: %1").arg(f[5]),
                             tr("Bunker: %1").arg(f[6]),         tr("Minenfelder: %1").arg(f[7]),
                             tr("HP der Basis: %1").arg(f[8])};
    for (std::size_t i = 0; i < lines_.size(); ++i)
        lines_[i]->setCaption(lines[i]);
}

} // namespace gw
