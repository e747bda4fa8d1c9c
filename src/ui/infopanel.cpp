// SPDX-License-Identifier: MIT
#include "ui/infopanel.h"

#include "core/gamestate.h"
#include "ui/fonts.h"
#include "ui/layoutkit.h"

#include <QPushButton>

#include <utility>

namespace gw {

namespace {
template <std::size_t N>
void showLines(const std::array<TextLabel *, N> &lines, const std::pair<const char *, int32_t> (&figures)[N])
{
    for (std::size_t i = 0; i < N; ++i)
        lines[i]->setCaption(QString::fromUtf8(figures[i].first) + QString::number(figures[i].second));
}
} // namespace

InfoPanel::InfoPanel(QWidget *gameScreen) : Panel(gameScreen, "paninfo", {304, 88, 201, 281}, colour::gray)
{
    makeLabel(this, "Label24", 48, 8, ". : Information : .", windowFont(13, true));
    const char *const names[] = {"labtow", "labbun", "labmin", "laboff", "labdef", "labbase"};
    const char *const captions[] = {"Geschütztürme:  ERROR", "Bunker: ERROR", "Minenfelder: ERROR",
                                    "Offensivkampfkraft: ERROR", "Defensivkampfkraft: ERROR", "HP der Basis: ERROR"};
    for (std::size_t i = 0; i < lines_.size(); ++i)
        lines_[i] = makeLabel(this, names[i], 16, 40 + 24 * int(i), QString::fromUtf8(captions[i]), windowFont());
    QPushButton *field = makeButton(this, "btnfieldinfo", {16, 184, 169, 25}, "<< Felderkosten und - steuern", windowFont());
    QPushButton *enemy = makeButton(this, "btnenemyinfo", {48, 216, 105, 25}, "Gegner - Info >>", windowFont());
    QPushButton *close = makeButton(this, "btncloseinfo", {64, 248, 75, 25}, "Schliessen", windowFont());
    connect(field, &QPushButton::clicked, this, &InfoPanel::fieldInfoClicked);
    connect(enemy, &QPushButton::clicked, this, &InfoPanel::enemyInfoClicked);
    connect(close, &QPushButton::clicked, this, &InfoPanel::closeClicked);
    stackWindowedOnTop(this);
}

EnemyInfoPanel::EnemyInfoPanel(QWidget *gameScreen)
    : Panel(gameScreen, "panenemyinfo", {504, 128, 153, 201}, colour::gray)
{
    const char *const names[] = {"labrecb", "labinfb", "labsniperb", "labmortarb", "labspecb", "labhp"};
    const char *const captions[] = {"HP der Basis: ERROR", "Rekruten: ERROR", "Infanteristen: ERROR",
                                    "Scharfschützen: ERROR", "Mörser: ERROR", "Sondereinheiten: ERROR"};
    for (std::size_t i = 0; i < lines_.size(); ++i)
        lines_[i] = makeLabel(this, names[i], 16, 16 + 32 * int(i), QString::fromUtf8(captions[i]), windowFont());
}

void EnemyInfoPanel::showFigures(const GameState &s)
{
    const std::pair<const char *, int32_t> figures[] = {
        {"Rekruten: ", s.enemyrecruits},         {"Infanteristen: ", s.enemyinfantry},
        {"Scharfschützen: ", s.enemysnipers},    {"Mörser: ", s.enemymortarcrews},
        {"Sondereinheiten: ", s.enemyspecialunits}, {"HP der Basis: ", s.enemybasehp},
    };
    showLines(lines_, figures);
}

void InfoPanel::showFigures(const GameState &s)
{
    const std::pair<const char *, int32_t> figures[] = {
        {"Geschütztürme: ", s.towers},        {"Bunker: ", s.bunkers},
        {"Minenfelder: ", s.minefields},      {"Offensivstärke: ca. ", s.offense},
        {"Defensivstärke: ca. ", s.defense}, {"HP der Basis: ", s.basehp},
    };
    showLines(lines_, figures);
}

} // namespace gw
