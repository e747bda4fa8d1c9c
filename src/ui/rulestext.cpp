// SPDX-License-Identifier: MIT
#include "ui/rulestext.h"

#include "core/cells.h"
#include "map/mapfile.h"
#include "rules/actions.h"
#include "rules/battle.h"
#include "ui/texts.h"

#include <array>

namespace gw {

namespace {

// Rows of the price tables: the names in the order of the rules' tables.
const std::array<const char *, 5> kEquipment = {
    QT_TRANSLATE_NOOP("gw::RulesText", "Rekrut"), QT_TRANSLATE_NOOP("gw::RulesText", "Maschinengewehr (MG)"),
    QT_TRANSLATE_NOOP("gw::RulesText", "Scharfschützengewehr"), QT_TRANSLATE_NOOP("gw::RulesText", "Mörser"),
    QT_TRANSLATE_NOOP("gw::RulesText", "Spezialausrüstung")};
const std::array<const char *, 4> kUnits = {
    QT_TRANSLATE_NOOP("gw::RulesText", "Infanterist"), QT_TRANSLATE_NOOP("gw::RulesText", "Scharfschütze"),
    QT_TRANSLATE_NOOP("gw::RulesText", "Mörsertrupp"), QT_TRANSLATE_NOOP("gw::RulesText", "Sondereinheit")};
const std::array<const char *, 3> kBuildings = {QT_TRANSLATE_NOOP("gw::RulesText", "Geschützturm"),
                                                QT_TRANSLATE_NOOP("gw::RulesText", "Bunker"),
                                                QT_TRANSLATE_NOOP("gw::RulesText", "Minenfeld")};
// The defenders in the order a battle meets them, as kDieSizes counts them.
const std::array<const char *, 8> kDefenders = {
    QT_TRANSLATE_NOOP("gw::RulesText", "Rekruten"),      QT_TRANSLATE_NOOP("gw::RulesText", "Infanteristen"),
    QT_TRANSLATE_NOOP("gw::RulesText", "Scharfschützen"), QT_TRANSLATE_NOOP("gw::RulesText", "Mörsertrupps"),
    QT_TRANSLATE_NOOP("gw::RulesText", "Sondereinheiten"), QT_TRANSLATE_NOOP("gw::RulesText", "Geschütztürme"),
    QT_TRANSLATE_NOOP("gw::RulesText", "Bunker"),        QT_TRANSLATE_NOOP("gw::RulesText", "Minenfelder")};

QString name(const char *source) { return QCoreApplication::translate("gw::RulesText", source); }

QString heading(const QString &text) { return "<h3>" + text.toHtmlEscaped() + "</h3>"; }
QString paragraph(const QString &text) { return "<p>" + text + "</p>"; }
QString item(const QString &text) { return "<li>" + text + "</li>"; }
QString bold(const QString &text) { return "<b>" + text.toHtmlEscaped() + "</b>"; }

// A list of lines as a bulleted list.
template <class Line> QString list(int count, Line line)
{
    QString html = "<ul>";
    for (int i = 0; i < count; ++i)
        html += item(line(i).toHtmlEscaped());
    return html + "</ul>";
}

} // namespace

QString RulesText::equipmentLine(int i)
{
    return tr("%1: %2 Gold").arg(name(kEquipment.at(std::size_t(i)))).arg(kPurchasePrices.at(std::size_t(i)));
}

QString RulesText::trainingLine(int k)
{
    return tr("%1: 1 Rekrut, 1 %2 und %3 Gold")
        .arg(name(kUnits.at(std::size_t(k))), name(kEquipment.at(std::size_t(k) + 1)))
        .arg(kTrainingFees.at(std::size_t(k)));
}

QString RulesText::buildingLine(int b)
{
    return tr("%1: %2 Gold").arg(name(kBuildings.at(std::size_t(b)))).arg(buildingPrice(static_cast<Building>(b)));
}

QString RulesText::terrainLine(int t)
{
    const Terrain &terrain = terrains().at(std::size_t(t));
    return tr("%1: %2 Gold, danach %3 Gold Steuern je Runde")
        .arg(Texts::terrainName(terrain))
        .arg(terrain.price)
        .arg(terrain.tax);
}

QString RulesText::dieLine(int d)
{
    const int32_t sides = kDieSizes.at(std::size_t(d));
    return tr("%1: Würfel mit %2 Seiten, eine 0 bei 1 von %2 Würfen").arg(name(kDefenders.at(std::size_t(d)))).arg(sides);
}

QString RulesText::html()
{
    QString h;
    h += heading(tr("Ziel des Spiels"));
    h += paragraph(tr("Sie (Rot) und der Gegner (Blau) teilen eine Karte aus %1 × %2 Feldern. Jede Seite beginnt "
                      "mit %3 Gold und einer Basis mit %4 HP. Sie gewinnen, sobald die gegnerische Basis in Ihrem "
                      "Angriff auf 0 HP oder weniger fällt; Sie verlieren, wenn der Gegner das mit Ihrer Basis "
                      "schafft. Ihr schnellster Sieg auf einer Karte ist Ihr Rekord.")
                       .arg(kColumns)
                       .arg(kRows)
                       .arg(kStartingGold)
                       .arg(kStartingBaseHp));

    h += heading(tr("Ein Zug"));
    h += paragraph(tr("In jedem Zug tun Sie genau eines davon; danach endet die Runde, und der Gegner zieht:"));
    h += "<ul>"
         + item(tr("%1: Rekruten und Ausrüstung kaufen, oder nach %2 ein freies Feld anklicken, das Ihnen dann "
                   "gehört.")
                    .arg(bold(tr("Kaufen")), bold(tr("Land kaufen"))))
         + item(tr("%1: Rekruten mit Ausrüstung zu Einheiten ausbilden.").arg(bold(tr("Ausbilden"))))
         + item(tr("%1: einen Geschützturm, einen Bunker oder ein Minenfeld für Ihre Basis bauen.")
                    .arg(bold(tr("Bauen"))))
         + item(tr("%1, %2 und ein Klick auf ein Feld der gegnerischen Basis: angreifen.")
                    .arg(bold(tr("Angreifen")), bold(tr("Okay"))))
         + item(tr("Die Sanduhr: die Runde beenden, ohne etwas zu tun.").toHtmlEscaped()) + "</ul>";
    h += paragraph(tr("Was abgelehnt wird (zu wenig Gold, Ausrüstung oder Rekruten), kostet keinen Zug. %1 zeigt Ihre "
                      "und die gegnerischen Zahlen und die Preise des Landes; das kostet ebenso wenig einen Zug wie "
                      "diese Regeln.")
                       .arg(bold(tr("Information"))));

    h += heading(tr("Das Ende einer Runde"));
    h += paragraph(tr("Die Runde wird gezählt, und Sie erhalten Ihre Steuern. Dann zieht der Gegner und erhält danach "
                      "seine Steuern. Gold, Rekruten und Einheiten unter 0 werden auf 0 gesetzt. Das laufende Spiel "
                      "wird nach jeder Runde gespeichert; im Gefecht setzt %1 es fort.")
                       .arg(bold(tr("Fortsetzen"))));

    h += heading(tr("Preise"));
    // The four price lists two by two, the longer lines on the right.
    const auto cell = [](int percent, const QString &caption, const QString &lines) {
        return QString("<td width=\"%1%\" valign=\"top\">").arg(percent) + paragraph(caption.toHtmlEscaped())
               + lines + "</td>";
    };
    h += "<table width=\"100%\"><tr>"
         + cell(38, tr("Ausrüstung, je Stück:"), list(int(kPurchasePrices.size()), equipmentLine))
         + cell(62, tr("Ausbildung, je Einheit:"), list(int(kTrainingFees.size()), trainingLine)) + "</tr><tr>"
         + cell(38, tr("Gebäude:"), list(int(kBuildings.size()), buildingLine))
         + cell(62, tr("Land, einmal zu bezahlen; die Steuern kommen jede Runde hinzu:"),
                list(int(terrains().size()), terrainLine))
         + "</tr></table>";

    h += heading(tr("Der Kampf"));
    h += paragraph(tr("Ein Angriff hat fünf Stufen; in jeder greift eine Truppe an: 1. Rekruten, 2. Infanteristen, "
                      "3. Scharfschützen, 4. Mörsertrupps, 5. Sondereinheiten. Solange die angreifende Truppe "
                      "Einheiten hat, trifft sie auf den ersten Verteidiger, der noch steht, und würfelt gegen ihn. "
                      "Der Würfel zeigt 0 bis Seitenzahl − 1:"));
    h += "<ul>" + item(tr("Bei 0 verliert der Verteidiger Einheiten: in Stufe 1 eine, in Stufe n zufällig 1 bis n."))
         + item(tr("Sonst verliert die angreifende Truppe so viele Einheiten, wie der Würfel zeigt.")) + "</ul>";
    h += paragraph(tr("Die Verteidiger in der Reihenfolge, in der sie kämpfen:"))
         + list(int(kDieSizes.size()), dieLine);
    h += paragraph(tr("Steht kein Verteidiger mehr, verliert die Basis %1 HP, und die Stufe ist vorbei. Eine Truppe "
                      "ohne Einheiten richtet nichts aus. Der Gegner greift nach denselben Regeln an.")
                       .arg(kStageDamage));

    h += heading(tr("Der Gegner"));
    h += paragraph(tr("Am Ende jeder Runde führt der Gegner eine von zwölf Aktionen aus: fünf Käufe (Rekruten, MGs, "
                      "Scharfschützengewehre, Mörser, Spezialausrüstung), vier Ausbildungen (Infanteristen, "
                      "Scharfschützen, Mörsertrupps, Sondereinheiten), einen Bau, einen Angriff auf Ihre Basis oder das "
                      "Besetzen eines Feldes. Wie er sie wählt, hängt von seiner Stufe ab, die %1 einstellt; ein "
                      "Spiel behält die Stufe, mit der es begonnen hat:")
                       .arg(bold(tr("Optionen"))));
    h += "<ul>"
         + item(tr("%1: Er lost jede Runde eine der zwölf Aktionen aus, jede gleich wahrscheinlich.")
                    .arg(bold(tr("Leicht"))))
         + item(tr("%1: In etwa jeder zweiten Runde wählt er die Aktion, die ihm am meisten nützt; sonst lost er "
                   "wie auf Leicht.")
                    .arg(bold(tr("Mittel"))))
         + item(tr("%1: Er spielt jeden Zug, den er erwägt, gegen Ihre stärksten Antworten durch und wählt den, "
                   "der ihm danach am meisten lässt: Er besetzt Land, verteidigt sich rechtzeitig gegen Ihre Truppen "
                   "und greift an, wenn er auch nach Ihrer besten Antwort durchkommt.")
                    .arg(bold(tr("Schwer"))))
         + "</ul>";
    h += paragraph(tr("Auf Leicht und Mittel hängt, wie viel er kauft oder ausbildet, in drei Stufen von seinem Gold ab; "
                      "zum Ausbilden braucht er Rekruten und so viel Ausrüstung, wie er Einheiten ausbildet, verbraucht "
                      "die Ausrüstung aber nicht. Auf Schwer bestellt er wie Sie im Laden: eine Bestellung von bis zu 999 "
                      "Stück jeder der fünf Sorten zu den Ladenpreisen, und eine Ausbildung von bis zu 999 Einheiten "
                      "jeder der vier Arten zu den Ausbildungsgebühren; dabei verbraucht er wie Sie je Einheit einen "
                      "Rekruten und ein Stück Ausrüstung."));
    h += paragraph(tr("Er baut das teuerste Gebäude, das sein Gold erreicht, zu Ihren Preisen. Zum Besetzen zieht er "
                      "auf Leicht ein zufälliges Feld: Ist es frei und reicht sein Gold an den Landpreis heran, gehört "
                      "es ihm, ohne dass er zahlt, und seine Steuern steigen. Fehlt ihm für eine Aktion das Gold (beim "
                      "Ausbilden auch Rekruten oder Ausrüstung), tut er in dieser Runde nichts. Auf keiner Stufe "
                      "bekommt er Gold, Truppen oder Lebenspunkte geschenkt."));
    return h;
}

} // namespace gw
