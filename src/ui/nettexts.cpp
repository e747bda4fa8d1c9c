// SPDX-License-Identifier: MIT
#include "ui/nettexts.h"

#include "ui/texts.h"

#ifndef GRIMSWARD_VERSION
#define GRIMSWARD_VERSION "0"
#endif

namespace gw {

namespace {
// The refusals' words are the game's handlers' own, so the guest reads
// exactly what the same move would have told it at one screen.
const char *const kHandlers = "gw::GameController";
QString handlers(const char *text) { return QCoreApplication::translate(kHandlers, text); }
} // namespace

QString NetTexts::reason(NetReason reason)
{
    switch (reason) {
    case NetReason::WrongCode: return tr("falscher Spielcode");
    case NetReason::Version: return tr("eine andere Version des Spiels");
    case NetReason::Full: return tr("das Spiel hat schon einen Mitspieler");
    case NetReason::Left: return tr("verlassen");
    case NetReason::Malformed: return tr("eine Nachricht, die nicht zu lesen war");
    case NetReason::TooLarge: return tr("eine Nachricht über 64 KB");
    case NetReason::OutOfTurn: return tr("ein Zug außer der Reihe");
    case NetReason::WrongSide: return tr("ein Zug für die falsche Seite");
    case NetReason::Unexpected: return tr("eine Nachricht zur falschen Zeit");
    case NetReason::Rejected: return tr("die Gegenseite hat die Verbindung beendet");
    case NetReason::TimedOut: return tr("20 Sekunden ohne Antwort");
    case NetReason::Lost: return tr("die Verbindung ist abgebrochen");
    case NetReason::CannotConnect: return tr("keine Verbindung");
    case NetReason::NoGreeting: return tr("keine Begrüßung");
    }
    return QString();
}

QString NetTexts::refused(NetReason reason, const QString &hostProgram)
{
    switch (reason) {
    case NetReason::WrongCode:
        return tr("Der Spielcode passt nicht zu diesem Spiel. Bitte fragen Sie den Gastgeber nach dem Code.");
    case NetReason::Version:
        return tr("Der Gastgeber spielt Grimsward %1, Sie spielen Grimsward %2. Zusammen spielen können nur "
                  "gleiche Versionen.")
            .arg(hostProgram, QStringLiteral(GRIMSWARD_VERSION));
    case NetReason::Full: return tr("Dieses Spiel hat schon einen Mitspieler.");
    default: return cannotJoin(QString(), reason, QString());
    }
}

QString NetTexts::cannotJoin(const QString &where, NetReason reason, const QString &detail)
{
    switch (reason) {
    case NetReason::CannotConnect:
        return tr("Unter %1 ist kein Spiel zu erreichen (%2).").arg(where, detail);
    case NetReason::TimedOut: return tr("%1 antwortet nicht.").arg(where);
    case NetReason::Version:
    case NetReason::WrongCode:
    case NetReason::Full: return refused(reason, detail);
    default: return tr("Unter %1 antwortet kein Spiel von Grimsward: %2.").arg(where, NetTexts::reason(reason));
    }
}

QString NetTexts::lineLost(const QString &where) { return tr("Die Verbindung zu %1 ist unterbrochen.").arg(where); }

std::optional<std::pair<QString, QString>> NetTexts::refusalBox(const Move &move, MoveRefusal refusal, int kind)
{
    const QString kasse = handlers("Kasse");
    switch (move.kind) {
    case Move::Kind::Land:
        if (refusal == MoveRefusal::NotEnoughGold)
            return std::make_pair(handlers("Sie besitzen nicht genügend Gold !"), kasse);
        return std::nullopt;
    case Move::Kind::Purchase: return std::make_pair(handlers("Sie besitzen nicht genügend Gold !"), kasse);
    case Move::Kind::Training:
        if (refusal == MoveRefusal::Equipment)
            return std::make_pair(Texts::shortage(kind), handlers("Materiallager"));
        return std::make_pair(handlers("Sie besitzen nicht genügend Gold oder Rekruten !"), kasse);
    case Move::Kind::Build: return std::make_pair(handlers("Sie besitzen nicht genügend Gold!"), kasse);
    case Move::Kind::Attack:
        return std::make_pair(handlers("Dieses Feld kann nicht angegriffen werden!"), QStringLiteral("Grimsward"));
    default: return std::nullopt;
    }
}

QString NetTexts::badCode()
{
    return tr("Ein Spielcode hat sechs Zeichen, Buchstaben und Ziffern ohne 0, O, 1 und I (zum Beispiel K7MZQ4).");
}

QString NetTexts::badPort() { return tr("Der Port ist eine Zahl von 1 bis 65535 (das Spiel nimmt sonst 47474)."); }

QString NetTexts::caption() { return tr("Netzwerkspiel"); }

} // namespace gw
