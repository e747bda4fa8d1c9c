// SPDX-License-Identifier: MIT
#pragma once

#include "ui/widgets/framewidgets.h"

class QPushButton;

namespace gw {

class AttackPanel;
class ConstructionPanel;
class EnemyInfoPanel;
class FieldPanel;
class GameReportPanel;
class GlanceRow;
class InfoPanel;
class PurchasePanel;
class ReplayBar;
class ReportPanel;
class ResultPanel;
class StatusStrip;
class TaxPanel;
class TrainingPanel;
class TurnCover;
struct GameState;

// The game screen: the field, the status strip, the command buttons and
// every panel that opens over the field. It lays them out and keeps which
// panel closes which; what happens in the game is the controller's.
class GameScreen : public Panel {
    Q_OBJECT
public:
    explicit GameScreen(QWidget *window);

    // The panels a command opens.
    enum class Opened { Purchase, Training, Construction, Attack, Information };
    // Shows the panel and hides those it replaces.
    void open(Opened panel);
    // Opens "Information" with the figures of the record; the opponent's
    // panel is filled even while it stays hidden.
    void showInformation(const GameState &state);
    // Hides every panel over the field but the result panels (the round
    // end, and a new game).
    void closePanels();
    // A game begins or goes on: every panel closed, the result panels and
    // the cover too, and the purchase and training entries back to 0.
    void resetPanels();
    // Escape: presses the topmost panel's way out (its "Abbrechen" or
    // "Schliessen"); the result panels stay until their own buttons are
    // pressed.
    void closeTopPanel();

    StatusStrip &strip() { return *strip_; }
    GlanceRow &glance() { return *glance_; }
    FieldPanel &field() { return *field_; }
    PurchasePanel &purchase() { return *panbuy_; }
    TrainingPanel &training() { return *pantrain_; }
    ConstructionPanel &construction() { return *panbuild_; }
    AttackPanel &attack() { return *panfight_; }
    InfoPanel &info() { return *paninfo_; }
    EnemyInfoPanel &enemyInfo() { return *panenemyinfo_; }
    ReportPanel &report() { return *panreport_; }
    ResultPanel &victory() { return *panwin_; }
    ResultPanel &defeat() { return *panlose_; }
    GameReportPanel &gameReport() { return *pangamereport_; }
    TurnCover &cover() { return *pancover_; }
    ReplayBar &replayBar() { return *panreplay_; }
    // The commands that spend the turn ("Kaufen", "Ausbilden", "Bauen",
    // "Angreifen", the round's end) on or off: off while the other side of a
    // network game is on turn.
    void setTurnCommandsEnabled(bool enabled);
    // A replay on the screen: the replay's controls instead of the command
    // buttons, "Information" and "Beenden"; false brings them back.
    void setReplaying(bool replaying);

    // The information panel's buttons: the terrain table and the opponent's
    // figures open and close; "Schliessen" closes all three.
    void btnfieldinfoClick();
    void btnenemyinfoClick();
    void btncloseinfoClick();
    // "Beenden": the game is left (leaveClicked).
    void btnendgameClick() { emit leaveClicked(); }
    // The result panels' buttons: the panel closes and the game is left.
    void btnwinClick();
    void btnloseClick();

protected:
    void retranslate() override;

signals:
    void buyzoneClicked();
    void trainingClicked();
    void buildClicked();
    void fightClicked();
    void infoClicked();
    void endtryClicked();
    // "Beenden", or a result panel's button: back to the main menu.
    void leaveClicked();

private:
    QPushButton *btnbuyzone_, *btntraining_, *btnfight_, *btnbuild_, *btnendgame_, *btnendtry_, *btninfo_;
    StatusStrip *strip_;
    GlanceRow *glance_;
    FieldPanel *field_;
    PurchasePanel *panbuy_;
    TrainingPanel *pantrain_;
    ConstructionPanel *panbuild_;
    AttackPanel *panfight_;
    EnemyInfoPanel *panenemyinfo_;
    InfoPanel *paninfo_;
    TaxPanel *pantax_;
    ReportPanel *panreport_;
    ResultPanel *panlose_;
    ResultPanel *panwin_;
    GameReportPanel *pangamereport_;
    TurnCover *pancover_;
    ReplayBar *panreplay_;
};

} // namespace gw
