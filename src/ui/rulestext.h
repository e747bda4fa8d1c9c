// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QString>

namespace gw {

// The rules of the game as the "Spielregeln" panel shows them. Every price,
// die and count is taken from the game's own tables (the purchase prices,
// training fees, building prices, the land table, the battle's dice), so
// the text cannot disagree with the rules.
class RulesText {
    Q_DECLARE_TR_FUNCTIONS(gw::RulesText)
public:
    // The whole text as rich text, in the language in force.
    static QString html();

    // The price lines of the tables, also for tests: "Mörser: 300 Gold" and
    // the like.
    static QString equipmentLine(int item);      // 0..4, kPurchasePrices
    static QString trainingLine(int kind);       // 0..3, kTrainingFees
    static QString buildingLine(int building);   // 0..2, buildingPrice
    static QString terrainLine(int terrain);     // 0..10, terrains()
    static QString dieLine(int defender);        // 0..7, kDieSizes
};

} // namespace gw
