// SPDX-License-Identifier: MIT
#pragma once

#include "core/side.h"
#include "map/mapnames.h"
#include "rules/screen.h"

#include <QColor>
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
    static QString noticeCaption(Notice notice, bool twoPlayers = false);
    // The same box between two players: "Rot hat die blaue Basis zerstört!"
    static QString winnerNoticeText(Notice notice);
    // "Sie haben in 27 Runden gewonnen!", "... verloren!"
    static QString victory(int32_t rounds);
    static QString defeat(int32_t rounds);

    // Two players at one screen: "Rot", "Blau"; "Rot ist am Zug"; the
    // cover between the halves; the winner ("Blau hat gewonnen!") and the
    // round it won in; the box of a map without both bases.
    static QString sideName(Side side);
    static QColor sideColour(Side side);
    static QString onTurn(Side side);
    static QString cover(Side next);
    static QString winner(Side side);
    static QString wonInRound(int32_t round);
    static QString noBasesForTwo(Side missing);

    // What the opponent did in a round end: "Der Gegner hat 50 Rekruten
    // gekauft." and the like.
    static QString lastMove(const EnemyTurnResult &turn);
    // The battle report: a heading, one line per stage with the attacking
    // force and its count, the defenders met, the rolls, the losses on each
    // side and the damage, then the base's hit points before and after.
    // Between two players the heading names the sides instead of "Ihr".
    static QStringList battleReport(const BattleResult &battle, bool namedSides = false);

    // The opponent's level: "Leicht", "Mittel", "Schwer".
    static QString levelName(int32_t level);

    // A terrain's name ("Gras"), and a map's as the lists show it: a
    // shipped map's translated ("Mittelmeer"), an own map's as it is.
    static QString terrainName(const Terrain &terrain);
    static QString mapName(const std::string &name);
    // Whether a name is a shipped map's in any language the game speaks,
    // in any case ("mittelmeer", "Stranded"): no own map may take it, or
    // the lists would show two maps of one name.
    static bool isShippedMapName(const QString &name);
    // Why the editor refuses a map's name, as a box says it.
    static QString mapNameRefusal(MapNameProblem problem);
    // A cell state as the editor's brush line shows it: "Getreidefeld (Rot)",
    // "Basis (Blau)", "Wasser (frei)"; a state of a map's own as it is.
    static QString cellStateName(const std::string &state);
};

} // namespace gw
