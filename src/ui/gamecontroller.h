// SPDX-License-Identifier: MIT
#pragma once

#include "core/gamestate.h"
#include "core/random.h"
#include "rules/actions.h"
#include "rules/enemyturn.h"
#include "rules/move.h"
#include "rules/screen.h"

#include <QObject>
#include <QString>

#include <optional>
#include <vector>

class QImage;
class QWidget;

namespace gw {

class FieldRedraw;
class GameScreen;
class SoundSystem;

// The game: owns the game-state record and the random generator, carries
// the handlers that change the game, and is the screen the rules report to.
// It reaches the game screen's panels through their methods only.
class GameController : public QObject, public Screen {
    Q_OBJECT
public:
    // Connects itself to the game screen's buttons, cells and panels. Boxes
    // are owned by boxOwner, the window.
    GameController(SoundSystem &sound, GameScreen &screen, QWidget *boxOwner);

    GameState &state() { return state_; }
    Random &random() { return random_; }
    FieldRedraw &redraw() { return *redraw_; }

    // Screen
    void showCounter(CounterLabel label, int32_t value) override;
    void notify(Notice notice) override;
    void playSound(Sound sound) override;
    void stopSound(Sound sound) override;
    void showVictory(int32_t rounds) override;
    void showDefeat(int32_t rounds) override;
    void enableRedraw() override;

    // The map a skirmish start loads: line 0 of the scratch list.
    void chooseMap(const std::string &name);
    // The opponent's level a skirmish start gives the game (enemylevel).
    void setStartLevel(int32_t level) { startLevel_ = level; }
    // Everything that can fail comes first: the map, its two tax lines and
    // all 220 pictures; only then do the game and the game screen change.
    // Throws GameError with nothing changed.
    void btnskirmishstartClick();
    // The game screen on the record as it stands, for a new or a continued
    // game: no panel or result shown, the entries at 0, the cells' pictures
    // (index 1..220), every counter and the last-move line.
    void openGame(const std::vector<QImage> &pictures, const std::optional<EnemyTurnResult> &lastMove);
    // The game is left for the main menu: the redraw stops.
    void leaveGame();

    void ImageClick(int n); // Image1Click .. Image220Click
    void btnbuyzoneClick();
    void purchaseEntryChange(const PurchaseOrder &counts);
    void btnletsbuyClick();
    void btnbuylandClick();
    void btncancelClick();
    void btntrainingClick();
    void trainingEntryChange(int kind);
    void btntrainClick();
    void btnbuildClick();
    void construct(Building building); // btntowerClick, btnbunkerClick, btnminesClick
    void btnfightClick();
    void btnletsfightClick();
    void btninfoClick();
    void btnendtryClick();

signals:
    // A skirmish on this map has begun; the game screen may show.
    void skirmishStarted(const std::string &mapName);
    // A round end is over; `turn` is what the opponent did.
    void roundEnded(const EnemyTurnResult &turn);
    // A side's move was carried out (a refused one is not reported).
    void movePlayed(Side side, const Move &move);
    // A victory (true) or a defeat has decided the game.
    void gameDecided(bool victory);
    void errorOccurred(const QString &text);

private:
    // Connects a signal to a handler whose errors are reported. A turn
    // action does nothing once a result has decided the game.
    template <class Sender, class Signal, class Handler>
    void wire(Sender *sender, Signal signal, Handler handler, bool turnAction = false);
    void showCounters(std::initializer_list<CounterLabel> labels);
    // What the field awaits while a mode holds: the strip's line and the
    // pointer over the cells that take the click (free land to buy, the
    // opponent's base to attack); nothing once the mode has ended.
    void showFieldMode();
    // Carries out the player's move through the rules and reports it.
    MoveResult play(const Move &move);
    // A refusal: a modal box with an OK button only.
    void refuse(const QString &text, const QString &caption);
    // The opponent's turn; afterwards the last-move line and, when a battle
    // happened (the player's attack that led here, or the opponent's), the
    // battle report.
    void roundEnd(const std::optional<BattleResult> &playerBattle = std::nullopt);

    SoundSystem &sound_;
    GameScreen &screen_;
    QWidget *boxOwner_;
    GameState state_;
    Random random_;
    FieldRedraw *redraw_;
    // A victory or defeat has been shown: the first result decides the game,
    // and until its panel's button is pressed only "Information" and
    // "Beenden" still work on the game screen (see wire).
    bool decided_ = false;
    int32_t startLevel_ = 0;
};

} // namespace gw
