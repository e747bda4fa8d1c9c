// SPDX-License-Identifier: MIT
#pragma once

#include "rules/battle.h"
#include "ui/widgets/framewidgets.h"

#include <array>
#include <string>
#include <vector>

class QLabel;
class QPushButton;

namespace gw {

class TextLabel;

// The battle report ("Kampfbericht"): after a battle, a panel over the field
// lists what each stage did. It only informs; closing it changes nothing.
class ReportPanel : public Panel {
    Q_OBJECT
public:
    explicit ReportPanel(QWidget *gameScreen);

    // Fills the panel with up to two battles (the player's first), sizes it
    // to its lines and shows it. Each battle has a heading that names it,
    // then its stages and the base's hit points. Beside a result panel (the
    // battle decided the game) it keeps below that panel, so both can be read.
    void showBattleReport(const std::vector<BattleResult> &battles, bool besideResult = false);
    void btnclosereportClick() { hide(); }
    // Between two players the headings name the sides ("Angriff von Rot
    // ..."), not "Ihr Angriff".
    void nameSides(bool named) { namedSides_ = named; }
    // The button beside "Schliessen" that opens the game report, shown
    // once the game is decided and its course can be reported.
    void setGameReportAvailable(bool available);

signals:
    void gameReportClicked();

protected:
    void retranslate() override;

private:
    // Fills the lines of the battles shown and sizes the panel to them.
    void layOutBattles();

    std::vector<BattleResult> battles_;
    bool besideResult_ = false;
    bool namedSides_ = false;
    TextLabel *title_;
    std::array<TextLabel *, 2> headings_{};
    std::array<QLabel *, 2> bodies_{};
    QPushButton *btnclosereport_;
    QPushButton *btngamereport_;
};

} // namespace gw
