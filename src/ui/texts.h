// SPDX-License-Identifier: MIT
#pragma once

#include "rules/screen.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <exception>
#include <string>

namespace gw {

class GameError;
struct BattleResult;
struct EnemyTurnResult;
struct Terrain;

// The words the window builds from what the rules and the library return,
// in the player's language: error messages, refusals, the opponent's last
// move, the battle report, the results.
class Texts {
    Q_DECLARE_TR_FUNCTIONS(gw::Texts)
public:
    // "Datei maps\skirmish\x.gwm kann nicht geöffnet werden" and the like;
    // any other error's own text.
    static QString error(const std::exception &e);

    // "Nicht genügend MGs vorhanden !" and its siblings, per unit kind.
    static QString shortage(int kind);
    // The box a notice of the rules opens: its text and its caption.
    static QString noticeText(Notice notice);
    static QString noticeCaption(Notice notice);
    // "Sie haben in 27 Runden gewonnen!", "... verloren!"
    static QString victory(int32_t rounds);
    static QString defeat(int32_t rounds);

    // What the opponent did in a round end: "Der Gegner hat 50 Rekruten
    // gekauft." and the like.
    static QString lastMove(const EnemyTurnResult &turn);
    // The battle report: a heading, one line per stage with the attacking
    // force and its count, the defenders met, the rolls, the losses on each
    // side and the damage, then the base's hit points before and after.
    static QStringList battleReport(const BattleResult &battle);

    // The opponent's level: "Leicht", "Mittel", "Schwer".
    static QString levelName(int32_t level);

    // A terrain's name ("Gras") and a shipped map's ("Mittelmeer").
    static QString terrainName(const Terrain &terrain);
    static QString mapName(const std::string &name);
};

} // namespace gw
