// SPDX-License-Identifier: MIT
#pragma once

#include "core/gamestate.h"
#include "core/random.h"
#include "rules/actions.h"
#include "rules/enemyturn.h"
#include "rules/move.h"
#include "rules/movelog.h"
#include "rules/screen.h"
#include "rules/sideview.h"
#include "ui/sidescreen.h"

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
    void chooseMap(const std::string &name) { state_.memtemp.setLine(0, name); }
    // The opponent's level a skirmish start gives the game (enemylevel).
    void setStartLevel(int32_t level) { startLevel_ = level; }
    // Who plays Blue in the games a skirmish start begins.
    void setStartPlayers(Players players) { startPlayers_ = players; }
    Players startPlayers() const { return startPlayers_; }
    // Who plays Blue in the game, and the side whose move it awaits (always
    // Red against the computer).
    Players players() const { return players_; }
    Side turn() const { return turn_; }
    // A victory or defeat has decided the game on the screen.
    bool decided() const { return decided_; }
    // Who plays Blue and whose turn it is: a continued game (before
    // openGame), or a network game that goes on with other players. The
    // screen shows the turn afresh.
    void resumeTurn(Players players, Side turn);
    // A network game: the side played at the other program (none at one
    // screen and against the computer). Its turn's actions do nothing here,
    // and the screen shows the other side's figures throughout.
    void setRemoteSide(std::optional<Side> side) { remote_ = side; }
    std::optional<Side> remoteSide() const { return remote_; }
    // The side whose figures the screen shows: the side on turn at one
    // screen, the side played here in a network game.
    Side viewer() const { return remote_ ? otherSide(*remote_) : turn_; }
    // The game is kept by the other program (a network game's guest): a
    // move the rules take on the record as this side knows it is handed to
    // moveChosen instead of being played, and the turn passes until the
    // keeper's answer shows the game afresh.
    void setKeptElsewhere(bool elsewhere) { keptElsewhere_ = elsewhere; }
    // The remote side's move in its turn, carried out and its turn passed
    // as the handlers do at one screen; a refused one changes nothing and
    // shows no box. The caller draws the picture of land bought.
    MoveResult playRemoteMove(const Move &move);
    // While held, no button, cell or entry of the game screen does anything
    // (the cover between two players' halves is up). A game opened is not
    // held.
    void setInputHeld(bool held) { held_ = held; }
    // Everything that can fail comes first: the map, its two tax lines and
    // all 220 pictures; only then do the game and the game screen change.
    // Throws GameError with nothing changed. A game of two needs both
    // bases; a map without them is refused in a box.
    void btnskirmishstartClick();
    // The game screen on the record as it stands, for a new or a continued
    // game: no panel or result shown, the entries at 0, the cells' pictures
    // (index 1..220), the counters of the side on turn and the last-move
    // line.
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
    void btninfoClick() { view_.showInformation(viewer()); }
    void btnendtryClick();

signals:
    // A skirmish on this map has begun; the game screen may show.
    void skirmishStarted(const std::string &mapName);
    // A round end is over; `turn` is what the opponent (or Blue) did.
    void roundEnded(const EnemyTurnResult &turn);
    // A side's move was carried out (a refused one is not reported), the
    // computer's too, before the round end it belongs to is reported.
    void movePlayed(Side side, const Move &move);
    // The same move with what it did, right after movePlayed.
    void moveCarriedOut(const gw::PlayedMove &played);
    // A game kept elsewhere: a move of the side on turn that the rules take.
    void moveChosen(const gw::Move &move);
    // Two players: one side's half of the round is over and the other's
    // begins (before roundEnded when the round closed). `lastMove` is what
    // the side that moved did, as the last-move line tells the other.
    void turnPassed(Side next, const EnemyTurnResult &lastMove);
    // A victory (true) or a defeat has decided the game.
    void gameDecided(bool victory);
    void errorOccurred(const QString &text);

private:
    // Connects a signal to a handler whose errors are reported. A turn
    // action does nothing once a result has decided the game.
    template <class Sender, class Signal, class Handler>
    void wire(Sender *sender, Signal signal, Handler handler, bool turnAction = false);
    // The game screen as the viewer sees it (SideScreen).
    void showCounters(std::initializer_list<CounterLabel> labels) { view_.showCounters(viewer(), labels); }
    void showTurn() { view_.showTurn(viewer(), turn_, players_, decided_); }
    void showFieldMode() { view_.showFieldMode(viewer()); }
    // Carries out the move of the side on turn through the rules and
    // reports it.
    MoveResult play(const Move &move);
    // A refusal: a modal box with an OK button only.
    void refuse(const QString &text, const QString &caption);
    // After the move just played: against the computer the round end with
    // its move; between two players the half of the other side, or the
    // round's close. Afterwards the last-move line and, when a battle
    // happened, the battle report.
    void roundEnd();
    void computerRoundEnd(const std::optional<BattleResult> &playerBattle);
    void passTurn();
    void showReport(std::vector<BattleResult> battles);

    SoundSystem &sound_;
    GameScreen &screen_;
    QWidget *boxOwner_;
    GameState state_;
    Random random_;
    FieldRedraw *redraw_;
    SideScreen view_;
    // A victory or defeat has been shown: the first result decides the game,
    // and until its panel's button is pressed only "Information" and
    // "Beenden" still work on the game screen (see wire).
    bool decided_ = false;
    bool held_ = false;
    std::optional<Side> remote_;
    bool keptElsewhere_ = false;
    int32_t startLevel_ = 0;
    Players startPlayers_ = Players::Computer;
    Players players_ = Players::Computer;
    Side turn_ = Side::Red;
    // The move played last and what it did, for the round end after it.
    Move played_;
    MoveResult playedResult_;
};

} // namespace gw
