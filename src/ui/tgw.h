// SPDX-License-Identifier: MIT
#pragma once

#include "audio/soundsystem.h"
#include "core/gamestate.h"
#include "core/options.h"
#include "core/random.h"
#include "rules/battle.h"
#include "rules/screen.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace gw {

class Panel;
class PictureBox;
class TextLabel;
class WindowDrag;
enum class Building;

// The main window "gw": the menus, the options and skirmish screens and the
// game screen are its panels and pictures, shown and hidden by the handlers
// below. It owns the one game-state record and the game's random generator,
// and it is the screen the rules report to.
class Tgw : public QWidget, public Screen {
    Q_OBJECT
public:
    // Builds the layout and opens the four sound players (throws GameError
    // when one cannot be opened), then runs FormCreate. Without a sound
    // system the Qt Multimedia players are used.
    explicit Tgw(std::unique_ptr<SoundSystem> sound = nullptr, QWidget *parent = nullptr);
    ~Tgw() override;

    GameState &state() { return state_; }
    Random &random() { return random_; }
    const OptionsFile &options() const { return options_; }

    // Screen
    void showCounter(CounterLabel label, int32_t value) override;
    void message(const std::string &text, const std::string &caption) override;
    void playSound(Sound sound) override;
    void stopSound(Sound sound) override;
    void showVictory(const std::string &text) override;
    void showDefeat(const std::string &text) override;
    void enableRedraw() override;

    // The handlers. They may throw GameError; the widgets' signals reach them
    // through a guard that shows such an error in a "Grimsward" box.
    void FormCreate();
    void mainmenuslideTimer();
    void btnskirmishClick();
    void btnoptionsClick();
    void btnendClick();
    void btnmusicClick();
    void btnsoundClick();
    void btnoptionsbackClick();
    void maplistChange();
    void btnskirmishbackClick();
    void btnskirmishstartClick();
    void btnendgameClick();
    void tmusicrewindTimer();
    void tfieldactTimer();

    // The game screen (tgw_turn.cpp, tgw_orders.cpp, tgw_info.cpp).
    void btnendtryClick();
    void btnwinClick();
    void btnloseClick();
    // Image1Click .. Image220Click: the click on cell n.
    void ImageClick(int n);
    void btnfightClick();
    void btnletsfightClick();

    void btnbuyzoneClick();
    void edrecChange();
    void edmgsChange();
    void edsnipsChange();
    void edmortsChange();
    void edspecsChange();
    void btnletsbuyClick();
    void btncancelClick();
    void btnbuylandClick();

    void btntrainingClick();
    void edinfChange();
    void edsniperChange();
    void edmortarChange();
    void edspecialChange();
    void btntrainClick();
    void btntraincancelClick();

    void btnbuildClick();
    void btntowerClick();
    void btnbunkerClick();
    void btnminesClick();
    void btncancelbuildClick();

    void btninfoClick();
    void btnfieldinfoClick();
    void btnenemyinfoClick();
    void btncloseinfoClick();

    // The battle report (tgw_report.cpp): fills the panel with the lines of
    // up to two battles and shows it over the field.
    void showBattleReport(const std::vector<BattleResult> &battles);
    void btnclosereportClick();

    // Escape: closes the game screen's topmost panel, leaves the options
    // or skirmish screen, or asks the quit question on the main menu
    // (tgw_keys.cpp).
    void escapePressed();

    // Shows an error the way an escaping handler error is shown, and writes
    // it to the error output as one line "Grimsward: <text>".
    void showError(const QString &text);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Runs a handler; an error escaping it is shown and the program goes on.
    void guarded(const std::function<void()> &handler);
    // Connects the click of a button or picture to a guarded handler.
    void onClick(QWidget *widget, std::function<void()> handler);

    // Building the layout (tgw_layout_menu.cpp, tgw_layout_game.cpp, tgw_layout_panels.cpp).
    void buildWindow();
    void buildOptionsScreen();
    void buildSkirmishScreen();
    void buildGameScreen();
    void buildStatusStrip();
    void buildField();
    void buildPurchasePanel();
    void buildTrainingPanel();
    void buildConstructionPanel();
    void buildFightPanel();
    void buildInformationPanels();
    void buildTaxPanel();
    void buildResultPanels();
    void buildReportPanel();
    void buildTimers();
    void openSounds();
    // Connects the game screen's buttons, entries and cells to their handlers.
    void wireGameScreen();
    // Enter in an entry presses its panel's main button.
    void wireEntryKeys();

    void returnToMainMenu();
    void showMapChoice();
    // Takes the map named by the options file's line 0 as the list's choice.
    void restoreMapChoice();
    // Records the map in the options file at a skirmish start, the switch
    // lines left as the file holds them; a failure is shown
    // once the game screen is up and does not stop the game.
    void saveOptionsAtStart(const std::string &mapName);
    void setSwitchCaption(QPushButton *button, int32_t value);
    void hideGamePanels();
    void resetEntries();
    void resetPurchaseEntries();
    void resetTrainingEntries();
    void purchaseEntryChange();
    void trainingEntryChange(int kind);
    void showPurchaseTotal();
    void showTrainingTotal();
    void construct(Building building);
    // The opponent's turn; afterwards the last-move line and, when a battle
    // happened (the player's attack that led here, or the opponent's), the
    // battle report.
    void roundEnd(const std::optional<BattleResult> &playerBattle = std::nullopt);

    std::unique_ptr<SoundSystem> sound_;
    GameState state_;
    Random random_;
    OptionsFile options_;
    // The entry of the map list that is in force (see showMapChoice).
    int mapChoice_ = 0;
    // A victory or defeat has been shown: the first result decides the game,
    // and until its panel's button is pressed only "Information" and
    // "Beenden" still work on the game screen.
    bool decided_ = false;
    // Field pictures that already failed during this game's redraw.
    std::set<std::string> reportedPictures_;

    PictureBox *bground_ = nullptr, *btnskirmish_ = nullptr, *btnoptions_ = nullptr, *btnend_ = nullptr;
    Panel *panoptions_ = nullptr, *panskirmish_ = nullptr, *pangame_ = nullptr;
    QTimer *mainmenuslide_ = nullptr, *tfieldact_ = nullptr, *tmusicrewind_ = nullptr;

    QPushButton *btnmusic_ = nullptr, *btnsound_ = nullptr;
    PictureBox *mappreview_ = nullptr;
    QComboBox *maplist_ = nullptr;

    Panel *panfield_ = nullptr, *panbuy_ = nullptr, *pantrain_ = nullptr, *panbuild_ = nullptr,
          *panfight_ = nullptr, *panenemyinfo_ = nullptr, *paninfo_ = nullptr, *pantax_ = nullptr,
          *panlose_ = nullptr, *panwin_ = nullptr;
    std::array<PictureBox *, 221> cells_{}; // cells_[n] is Image n, 1..220
    std::array<TextLabel *, 11> counters_{}; // by CounterLabel
    std::array<QLineEdit *, 5> purchaseEntries_{};
    std::array<QLineEdit *, 4> trainingEntries_{};
    TextLabel *labcosts_ = nullptr, *labtraincosts_ = nullptr;
    TextLabel *labwin_ = nullptr, *lablose_ = nullptr;
    std::array<TextLabel *, 6> infoLines_{};      // labtow .. labbase
    std::array<TextLabel *, 6> enemyInfoLines_{}; // labrecb .. labhp

    // The battle report: a heading and the stage lines for each of up to
    // two battles (the player's first).
    Panel *panreport_ = nullptr;
    std::array<TextLabel *, 2> reportHeadings_{};
    std::array<QLabel *, 2> reportBodies_{};
    QPushButton *btnclosereport_ = nullptr;
    // What the opponent did in the last round end.
    QLabel *lablastmove_ = nullptr;

    WindowDrag *drag_ = nullptr;
};

} // namespace gw
