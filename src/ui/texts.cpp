// SPDX-License-Identifier: MIT
#include "ui/texts.h"

#include "core/cells.h"
#include "core/gameerror.h"
#include "rules/battle.h"
#include "rules/enemyturn.h"
#include "ui/language.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace gw {

namespace {
const char *const kTerrainScope = "gw::Terrain";
const char *const kMapScope = "gw::Map";

// What the opponent's actions 1 to 9 bought or trained, for one and for
// more (%1).
struct Counted {
    const char *one, *many;
};
const Counted kGoods[] = {
    {QT_TRANSLATE_NOOP("gw::Texts", "Der Gegner hat 1 Rekruten gekauft."),
     QT_TRANSLATE_NOOP("gw::Texts", "Der Gegner hat %1 Rekruten gekauft.")},
    {QT_TRANSLATE_NOOP("gw::Texts", "Der Gegner hat 1 MG gekauft."),
     QT_TRANSLATE_NOOP("gw::Texts", "Der Gegner hat %1 MGs gekauft.")},
    {QT_TRANSLATE_NOOP("gw::Texts", "Der Gegner hat 1 Scharfschützengewehr gekauft."),
     QT_TRANSLATE_NOOP("gw::Texts", "Der Gegner hat %1 Scharfschützengewehre gekauft.")},
    {QT_TRANSLATE_NOOP("gw::Texts", "Der Gegner hat 1 Mörser gekauft."),
     QT_TRANSLATE_NOOP("gw::Texts", "Der Gegner hat %1 Mörser gekauft.")},
    {QT_TRANSLATE_NOOP("gw::Texts", "Der Gegner hat 1 Spezialausrüstung gekauft."),
     QT_TRANSLATE_NOOP("gw::Texts", "Der Gegner hat %1 Spezialausrüstungen gekauft.")},
    {QT_TRANSLATE_NOOP("gw::Texts", "Der Gegner hat 1 Infanteristen ausgebildet."),
     QT_TRANSLATE_NOOP("gw::Texts", "Der Gegner hat %1 Infanteristen ausgebildet.")},
    {QT_TRANSLATE_NOOP("gw::Texts", "Der Gegner hat 1 Scharfschützen ausgebildet."),
     QT_TRANSLATE_NOOP("gw::Texts", "Der Gegner hat %1 Scharfschützen ausgebildet.")},
    {QT_TRANSLATE_NOOP("gw::Texts", "Der Gegner hat 1 Mörsertrupp ausgebildet."),
     QT_TRANSLATE_NOOP("gw::Texts", "Der Gegner hat %1 Mörsertrupps ausgebildet.")},
    {QT_TRANSLATE_NOOP("gw::Texts", "Der Gegner hat 1 Sondereinheit ausgebildet."),
     QT_TRANSLATE_NOOP("gw::Texts", "Der Gegner hat %1 Sondereinheiten ausgebildet.")},
};

// The same goods as parts of a list, for an order of several kinds.
const Counted kGoodsInOrder[] = {
    {QT_TRANSLATE_NOOP("gw::Texts", "1 Rekruten"), QT_TRANSLATE_NOOP("gw::Texts", "%1 Rekruten")},
    {QT_TRANSLATE_NOOP("gw::Texts", "1 MG"), QT_TRANSLATE_NOOP("gw::Texts", "%1 MGs")},
    {QT_TRANSLATE_NOOP("gw::Texts", "1 Scharfschützengewehr"), QT_TRANSLATE_NOOP("gw::Texts", "%1 Scharfschützengewehre")},
    {QT_TRANSLATE_NOOP("gw::Texts", "1 Mörser"), QT_TRANSLATE_NOOP("gw::Texts", "%1 Mörser")},
    {QT_TRANSLATE_NOOP("gw::Texts", "1 Spezialausrüstung"), QT_TRANSLATE_NOOP("gw::Texts", "%1 Spezialausrüstungen")},
    {QT_TRANSLATE_NOOP("gw::Texts", "1 Infanteristen"), QT_TRANSLATE_NOOP("gw::Texts", "%1 Infanteristen")},
    {QT_TRANSLATE_NOOP("gw::Texts", "1 Scharfschützen"), QT_TRANSLATE_NOOP("gw::Texts", "%1 Scharfschützen")},
    {QT_TRANSLATE_NOOP("gw::Texts", "1 Mörsertrupp"), QT_TRANSLATE_NOOP("gw::Texts", "%1 Mörsertrupps")},
    {QT_TRANSLATE_NOOP("gw::Texts", "1 Sondereinheit"), QT_TRANSLATE_NOOP("gw::Texts", "%1 Sondereinheiten")},
};

// The kinds of an order that name a count, as the goods 0..8 (a training's
// kinds follow the five of the shop); empty for any other move.
std::vector<std::pair<int, int32_t>> orderedGoods(const Move &move)
{
    std::vector<std::pair<int, int32_t>> goods;
    if (move.kind == Move::Kind::Purchase) {
        for (std::size_t k = 0; k < move.purchase.size(); ++k) {
            if (move.purchase[k] > 0)
                goods.emplace_back(static_cast<int>(k), move.purchase[k]);
        }
    } else if (move.kind == Move::Kind::Training) {
        for (std::size_t k = 0; k < move.training.size(); ++k) {
            if (move.training[k] > 0)
                goods.emplace_back(5 + static_cast<int>(k), move.training[k]);
        }
    }
    return goods;
}
} // namespace

QString Texts::error(const std::exception &e)
{
    const auto *g = dynamic_cast<const GameError *>(&e);
    if (!g)
        return QString::fromUtf8(e.what());
    const QString subject = QString::fromStdString(g->subject());
    switch (g->kind()) {
    case GameError::Kind::CannotOpen: return tr("Datei %1 kann nicht geöffnet werden").arg(subject);
    case GameError::Kind::CannotCreate: return tr("Datei %1 kann nicht erstellt werden").arg(subject);
    case GameError::Kind::NotAnInteger: return tr("'%1' ist kein gültiger Integerwert").arg(subject);
    case GameError::Kind::InvalidBitmap: return tr("Bitmap ist ungültig");
    case GameError::Kind::NoAudio: return tr("Datei %1 enthält keine abspielbaren Audiodaten").arg(subject);
    }
    return QString::fromUtf8(e.what());
}

QString Texts::shortage(int kind)
{
    switch (kind) {
    case 0: return tr("Nicht genügend MGs vorhanden !");
    case 1: return tr("Nicht genügend Sniper vorhanden !");
    case 2: return tr("Nicht genügend Mörser vorhanden !");
    case 3: return tr("Nicht genügend Spezialausrüstung vorhanden !");
    }
    return {};
}

QString Texts::noticeText(Notice notice)
{
    return notice == Notice::BaseDestroyed ? tr("Sie haben die gegnerische Basis zerstört!")
                                           : tr("Ihre Basis wurde zerstört!");
}

QString Texts::noticeCaption(Notice notice, bool twoPlayers)
{
    // Between two players the box congratulates the winner at the screen.
    return notice == Notice::BaseDestroyed || twoPlayers ? tr("Herzlichen Glückwunsch !!!") : tr("Niederlage !");
}

QString Texts::winnerNoticeText(Notice notice)
{
    return notice == Notice::BaseDestroyed ? tr("Rot hat die blaue Basis zerstört!")
                                           : tr("Blau hat die rote Basis zerstört!");
}

QString Texts::sideName(Side side) { return side == Side::Red ? tr("Rot") : tr("Blau"); }

QColor Texts::sideColour(Side side) { return side == Side::Red ? QColor(0xFF, 0x50, 0x40) : QColor(0x60, 0xA8, 0xFF); }

QString Texts::onTurn(Side side) { return side == Side::Red ? tr("Rot ist am Zug") : tr("Blau ist am Zug"); }

QString Texts::cover(Side next)
{
    return next == Side::Red ? tr("Rot ist am Zug – klicken, wenn Blau wegschaut.")
                             : tr("Blau ist am Zug – klicken, wenn Rot wegschaut.");
}

QString Texts::winner(Side side) { return side == Side::Red ? tr("Rot hat gewonnen!") : tr("Blau hat gewonnen!"); }

QString Texts::wonInRound(int32_t round) { return tr("in Runde %1").arg(round); }

QString Texts::noBasesForTwo(Side missing)
{
    return missing == Side::Red
               ? tr("Auf dieser Karte hat Rot keine Basis (Red_Base). Sie kann nur gegen den Computer gespielt werden.")
               : tr("Auf dieser Karte hat Blau keine Basis (Blue_Base). Sie kann nur gegen den Computer gespielt werden.");
}

QString Texts::victory(int32_t rounds) { return tr("Sie haben in %1 Runden gewonnen!").arg(rounds); }

QString Texts::defeat(int32_t rounds) { return tr("Sie haben in %1 Runden verloren!").arg(rounds); }

QString Texts::lastMove(const EnemyTurnResult &turn)
{
    const int a = turn.action;
    if (a >= 1 && a <= 10 && turn.tier == 0)
        return tr("Der Gegner hat nichts getan.");
    // An order or a training of several kinds at once names them all.
    const std::vector<std::pair<int, int32_t>> goods = orderedGoods(turn.move);
    if (a >= 1 && a <= 9 && goods.size() > 1) {
        QStringList parts;
        for (const auto &[good, count] : goods) {
            const Counted &c = kGoodsInOrder[good];
            parts << (count == 1 ? tr(c.one) : tr(c.many).arg(count));
        }
        const QString last = parts.takeLast();
        const QString list = tr("%1 und %2").arg(parts.join(tr(", ")), last);
        return turn.move.kind == Move::Kind::Purchase ? tr("Der Gegner hat %1 gekauft.").arg(list)
                                                      : tr("Der Gegner hat %1 ausgebildet.").arg(list);
    }
    // A purchase of which only the recruits are told (a network game's
    // other side), when it bought none.
    if (a >= 1 && a <= 5 && turn.amount == 0)
        return tr("Der Gegner hat eingekauft.");
    if (a >= 1 && a <= 9) {
        const Counted &goods = kGoods[a - 1];
        return turn.amount == 1 ? tr(goods.one) : tr(goods.many).arg(turn.amount);
    }
    switch (a) {
    case 10: {
        const QString built[] = {tr("Der Gegner hat einen Geschützturm gebaut."),
                                 tr("Der Gegner hat einen Bunker gebaut."), tr("Der Gegner hat ein Minenfeld gebaut.")};
        return built[turn.tier - 1];
    }
    case 11: {
        if (turn.battle && !turn.battle->hadAttackers())
            return tr("Der Gegner griff ohne Truppen an.");
        const int64_t damage = turn.battle ? int64_t{turn.battle->basehpBefore} - turn.battle->basehpAfter : 0;
        if (damage <= 0)
            return tr("Der Gegner hat angegriffen. Ihre Basis blieb unbeschädigt.");
        return tr("Der Gegner hat angegriffen. Ihre Basis verlor %1 HP.").arg(damage);
    }
    case 12:
        if (turn.cellTaken) {
            const Terrain *t = terrainOf(turn.newState);
            return tr("Der Gegner hat ein Feld besetzt (%1).")
                .arg(t ? terrainName(*t) : QString::fromStdString(turn.newState));
        }
        break;
    }
    return tr("Der Gegner hat nichts getan.");
}

QStringList Texts::battleReport(const BattleResult &battle, bool namedSides)
{
    // The forces of the stages, and the defenders in the order they are met.
    const std::array<QString, 5> forces = {tr("Rekruten"), tr("Infanteristen"), tr("Scharfschützen"),
                                           tr("Mörsertrupps"), tr("Sondereinheiten")};
    const std::array<QString, 8> defenders = {forces[0],          forces[1],    forces[2],
                                              forces[3],          forces[4],    tr("Geschütztürme"),
                                              tr("Bunker"),       tr("Minenfelder")};
    QStringList lines;
    if (namedSides)
        lines << (battle.attackerIsPlayer ? tr("Angriff von Rot auf die blaue Basis")
                                          : tr("Angriff von Blau auf die rote Basis"));
    else
        lines << (battle.attackerIsPlayer ? tr("Ihr Angriff auf die gegnerische Basis")
                                          : tr("Angriff des Gegners auf Ihre Basis"));
    for (const BattleStage &st : battle.stages) {
        const QString force = forces[static_cast<std::size_t>(st.stage - 1)];
        if (st.attackersAtStart <= 0) {
            lines << tr("%1. %2 (%3): kein Einsatz").arg(st.stage).arg(force).arg(st.attackersAtStart);
            continue;
        }
        // The losses a player can check: a roll may cost more men than a
        // force or a defender still had (the counters go below zero until
        // the round end clears them), but nobody loses more than they had.
        QStringList met;
        int64_t defenderLosses = 0;
        for (std::size_t d = 0; d < defenders.size(); ++d) {
            const int32_t lost = std::clamp(st.defendersLost[d], 0, std::max(st.defendersAtStart[d], 0));
            if (lost > 0)
                met << QStringLiteral("%1 -%2").arg(defenders[d]).arg(lost);
            defenderLosses += lost;
        }
        const int32_t attackerLosses = std::clamp(st.attackersLost, 0, st.attackersAtStart);
        const QString rolls = st.rolls == 1 ? tr("1 Wurf") : tr("%1 Würfe").arg(st.rolls);
        const QString losses = met.isEmpty()
                                   ? tr("Verluste: Angreifer %1, Verteidiger %2").arg(attackerLosses).arg(defenderLosses)
                                   : tr("Verluste: Angreifer %1, Verteidiger %2 (%3)")
                                         .arg(attackerLosses)
                                         .arg(defenderLosses)
                                         .arg(met.join(QStringLiteral(", ")));
        lines << tr("%1. %2 (%3): %4; %5; Schaden %6")
                     .arg(st.stage)
                     .arg(force)
                     .arg(st.attackersAtStart)
                     .arg(rolls, losses)
                     .arg(st.damage);
    }
    // A destroyed base is shown as destroyed, not as the hit points below
    // zero it may have been driven to.
    const int32_t before = std::max(battle.basehpBefore, 0);
    lines << (battle.baseDestroyed() ? tr("HP der Basis: %1 -> 0, zerstört").arg(before)
                                     : tr("HP der Basis: %1 -> %2").arg(before).arg(battle.basehpAfter));
    return lines;
}

QString Texts::levelName(int32_t level)
{
    if (level <= 0)
        return tr("Leicht");
    return level == 1 ? tr("Mittel") : tr("Schwer");
}

QString Texts::terrainName(const Terrain &terrain)
{
    return QCoreApplication::translate(kTerrainScope, terrain.germanName);
}

QString Texts::mapName(const std::string &name)
{
    if (!isShippedMap(name))
        return QString::fromStdString(name);
    return QCoreApplication::translate(kMapScope, name.c_str());
}

bool Texts::isShippedMapName(const QString &name)
{
    for (const std::string &shipped : shippedMapNames()) {
        for (const QString &text : inEveryLanguage(kMapScope, shipped.c_str())) {
            if (name.compare(text, Qt::CaseInsensitive) == 0)
                return true;
        }
    }
    return false;
}

QString Texts::mapNameRefusal(MapNameProblem problem)
{
    switch (problem) {
    case MapNameProblem::None: break;
    case MapNameProblem::Empty: return tr("Bitte geben Sie der Karte einen Namen.");
    case MapNameProblem::NotText: return tr("Der Name enthält Zeichen, die kein Text sind.");
    case MapNameProblem::ControlCharacter:
        return tr("Der Name darf keine Steuerzeichen (Tabulator, Zeilenumbruch und dergleichen) enthalten.");
    case MapNameProblem::PathSeparator: return tr("Der Name darf weder \"/\" noch \"\\\" enthalten.");
    case MapNameProblem::OnlyDots: return tr("Der Name darf nicht nur aus Punkten bestehen.");
    case MapNameProblem::TooLong:
        return tr("Der Name ist zu lang: höchstens %1 Zeichen.").arg(static_cast<int>(kMaxMapNameLength));
    case MapNameProblem::Shipped:
        return tr("So heißt schon eine mitgelieferte Karte. Bitte wählen Sie einen anderen Namen.");
    }
    return QString();
}

QString Texts::cellStateName(const std::string &state)
{
    const auto underscore = state.find('_');
    const std::string owner = underscore == std::string::npos ? std::string() : state.substr(0, underscore);
    QString side;
    if (owner == "None")
        side = tr("frei");
    else if (owner == "Red")
        side = tr("Rot");
    else if (owner == "Blue")
        side = tr("Blau");
    if (side.isEmpty())
        return QString::fromStdString(state);
    if (state.compare(underscore + 1, std::string::npos, "Base") == 0 && owner != "None")
        return tr("Basis (%1)").arg(side);
    if (const Terrain *t = terrainOf(state))
        return tr("%1 (%2)").arg(terrainName(*t), side);
    return QString::fromStdString(state);
}

} // namespace gw
