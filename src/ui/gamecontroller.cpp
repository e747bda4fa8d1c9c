// SPDX-License-Identifier: MIT
#include "ui/gamecontroller.h"

#include "audio/soundsystem.h"
#include "core/cells.h"
#include "map/mapfile.h"
#include "rules/enemyturn.h"
#include "ui/fieldredraw.h"
#include "ui/panels/attackpanel.h"
#include "ui/panels/constructionpanel.h"
#include "ui/panels/fieldpanel.h"
#include "ui/panels/infopanel.h"
#include "ui/panels/purchasepanel.h"
#include "ui/panels/reportpanel.h"
#include "ui/panels/resultpanel.h"
#include "ui/panels/statusstrip.h"
#include "ui/panels/trainingpanel.h"
#include "ui/screens/gamescreen.h"
#include "ui/texts.h"
#include "ui/widgets/guard.h"
#include "ui/widgets/messagebox.h"
#include "ui/widgets/picturecache.h"
#include "ui/widgets/pictures.h"

namespace gw {

GameController::GameController(SoundSystem &sound, GameScreen &screen, QWidget *boxOwner)
    : QObject(boxOwner), sound_(sound), screen_(screen), boxOwner_(boxOwner),
      redraw_(new FieldRedraw(state_, screen.field(), this)), view_(screen, state_)
{
    connect(redraw_, &FieldRedraw::pictureFailed, this, &GameController::errorOccurred);
    // Once a result has decided the game, the turn's actions do nothing.
    constexpr bool turn = true;
    wire(&screen, &GameScreen::buyzoneClicked, &GameController::btnbuyzoneClick, turn);
    wire(&screen, &GameScreen::trainingClicked, &GameController::btntrainingClick, turn);
    wire(&screen, &GameScreen::buildClicked, &GameController::btnbuildClick, turn);
    wire(&screen, &GameScreen::fightClicked, &GameController::btnfightClick, turn);
    wire(&screen, &GameScreen::infoClicked, &GameController::btninfoClick);
    wire(&screen, &GameScreen::endtryClicked, &GameController::btnendtryClick, turn);
    wire(&screen.field(), &FieldPanel::cellClicked, &GameController::ImageClick, turn);
    wire(&screen.purchase(), &PurchasePanel::countsChanged, &GameController::purchaseEntryChange);
    wire(&screen.purchase(), &PurchasePanel::buyClicked, &GameController::btnletsbuyClick, turn);
    wire(&screen.purchase(), &PurchasePanel::landClicked, &GameController::btnbuylandClick, turn);
    wire(&screen.purchase(), &PurchasePanel::cancelClicked, &GameController::btncancelClick);
    wire(&screen.training(), &TrainingPanel::entryChanged, &GameController::trainingEntryChange);
    wire(&screen.training(), &TrainingPanel::trainClicked, &GameController::btntrainClick, turn);
    wire(&screen.construction(), &ConstructionPanel::buildClicked, &GameController::construct, turn);
    wire(&screen.attack(), &AttackPanel::confirmClicked, &GameController::btnletsfightClick, turn);
}

template <class Sender, class Signal, class Handler>
void GameController::wire(Sender *sender, Signal signal, Handler handler, bool turnAction)
{
    connectGuarded(
        sender, signal, this, handler, [this](const QString &text) { emit errorOccurred(text); },
        [this, turnAction] { return !held_ && !(turnAction && (decided_ || (remote_ && turn_ == *remote_))); });
}

// ---- Screen ----------------------------------------------------------------

void GameController::showCounter(CounterLabel label, int32_t value)
{
    // The rules show Red's figures; a viewer of Blue sees Blue's.
    screen_.strip().showCounter(label, viewer() == Side::Red ? value : counterValue(state_, label, viewer()));
}

void GameController::notify(Notice notice)
{
    const bool two = players_ != Players::Computer;
    refuse(two ? Texts::winnerNoticeText(notice) : Texts::noticeText(notice), Texts::noticeCaption(notice, two));
}

void GameController::refuse(const QString &text, const QString &caption)
{
    showMessageBox(boxOwner_, QMessageBox::NoIcon, caption, text);
}

void GameController::playSound(Sound sound) { sound_.play(sound); }

void GameController::stopSound(Sound sound) { sound_.stop(sound); }

void GameController::showVictory(int32_t rounds)
{
    decided_ = true;
    if (players_ == Players::Computer)
        screen_.victory().showResult(rounds);
    else
        screen_.victory().showWinner(Side::Red, rounds + 1); // Red wins before the round is counted
    emit gameDecided(true);
}

void GameController::showDefeat(int32_t rounds)
{
    decided_ = true;
    // Between two players the winner's panel names Blue.
    if (players_ == Players::Computer)
        screen_.defeat().showResult(rounds);
    else
        screen_.victory().showWinner(Side::Blue, rounds);
    emit gameDecided(false);
}

void GameController::enableRedraw() { redraw_->enable(); }

// ---- A skirmish ------------------------------------------------------------

void GameController::btnskirmishstartClick()
{
    const std::string chosen = state_.memtemp.line(0);
    const LoadedMap map = readMap(chosen);
    if (startPlayers_ != Players::Computer) {
        for (Side side : {Side::Red, Side::Blue}) {
            if (!map.hasCell(baseState(side))) {
                refuse(Texts::noBasesForTwo(side), QStringLiteral("Grimsward"));
                return;
            }
        }
    }
    const std::vector<QImage> pictures = loadCellPictures(map.lines);

    applyMap(state_, map);
    state_.enemylevel = startLevel_;
    state_.fieldmode = 0;
    players_ = startPlayers_;
    turn_ = Side::Red;
    openGame(pictures, std::nullopt);
    emit skirmishStarted(chosen);
}

void GameController::openGame(const std::vector<QImage> &pictures, const std::optional<EnemyTurnResult> &lastMove)
{
    redraw_->forgetFailures();
    decided_ = false;
    held_ = false;
    screen_.resetPanels();
    for (int n = 1; n <= kCells; ++n) {
        const auto cell = static_cast<std::size_t>(n);
        screen_.field().setCellPicture(n, pictures[cell], state_.memgame.line(cell));
    }
    screen_.report().nameSides(players_ != Players::Computer);
    if (lastMove)
        screen_.strip().showLastMove(*lastMove);
    else
        screen_.strip().clearLastMove();
    showTurn();
}

void GameController::resumeTurn(Players players, Side turn)
{
    players_ = players;
    turn_ = players == Players::Computer ? Side::Red : turn;
    showTurn();
}

void GameController::leaveGame() { redraw_->stop(); }

// ---- The turn ----------------------------------------------------------------

void GameController::roundEnd()
{
    // An earlier report is out of date once the other side moves again.
    screen_.report().hide();
    if (keptElsewhere_) // the keeper's answer tells what the move did
        return;
    if (players_ == Players::Computer)
        computerRoundEnd(playedResult_.battle);
    else
        passTurn();
}

void GameController::computerRoundEnd(const std::optional<BattleResult> &playerBattle)
{
    const bool beaten = playerBattle && playerBattle->baseDestroyed();
    const EnemyTurnResult turn = enemyturn(state_, random_, *this, beaten);
    if (!beaten)
        emit movePlayed(Side::Blue, turn.move);
    screen_.strip().showLastMove(turn);
    showFieldMode();
    // The report comes after the battles' own boxes, the player's battle first.
    // An opponent's attack without any troops is told by the last-move line
    // alone.
    std::vector<BattleResult> battles;
    if (playerBattle)
        battles.push_back(*playerBattle);
    if (turn.battle && turn.battle->hadAttackers())
        battles.push_back(*turn.battle);
    showReport(battles);
    emit roundEnded(turn);
}

void GameController::passTurn()
{
    // What the side that moved did, as the other side's last-move line
    // tells it ("Der Gegner hat ...").
    const EnemyTurnResult told = turnResult(played_, playedResult_);
    const Side moved = turn_;
    if (moved == Side::Red)
        openSecondHalf(state_, *this);
    // Red's attack that destroyed Blue's base leaves Blue no move: the
    // round closes at once, as against the computer.
    if (moved == Side::Blue || decided_)
        closeRound(state_, *this);
    if (!decided_)
        turn_ = otherSide(moved);
    // The other side's half: the field takes its clicks, no mode chosen,
    // nothing of the side that moved left open or typed in.
    state_.fieldactive = 1;
    state_.fieldmode = 0;
    screen_.closePanels();
    screen_.purchase().reset();
    screen_.training().reset();
    setPurchaseSlots(state_, screen_.purchase().counts());
    setTrainingSlots(state_, screen_.training().counts());
    // The other side is told what was done; a decided game has no other side to tell.
    if (!decided_ && viewer() != moved)
        screen_.strip().showLastMove(told);
    showTurn();
    if (playedResult_.battle)
        showReport({*playedResult_.battle});
    // The cover goes up first, before the save that follows the round.
    if (!decided_)
        emit turnPassed(turn_, told);
    if (moved == Side::Blue || decided_)
        emit roundEnded(told);
}

void GameController::showReport(std::vector<BattleResult> battles)
{
    if (!battles.empty())
        screen_.report().showBattleReport(battles, decided_);
}

MoveResult GameController::play(const Move &move)
{
    if (keptElsewhere_) {
        const MoveResult checked = checkMove(state_, turn_, move);
        if (checked)
            emit moveChosen(move);
        return checked;
    }
    const MoveResult result = applyMove(state_, turn_, move, random_, *this);
    if (result) {
        played_ = move;
        playedResult_ = result;
        emit movePlayed(turn_, move);
        emit moveCarriedOut({turn_, move, result});
    }
    return result;
}

MoveResult GameController::playRemoteMove(const Move &move)
{
    MoveResult result;
    result.refusal = MoveRefusal::Invalid;
    if (remote_ && turn_ == *remote_ && !decided_ && !keptElsewhere_ && (result = play(move)))
        roundEnd();
    return result;
}

void GameController::ImageClick(int n)
{
    switch (classifyFieldClick(state_, n, turn_)) {
    case FieldClick::Ignored:
        return;
    case FieldClick::NotEnoughGold:
        refuse(tr("Sie besitzen nicht genügend Gold !"), tr("Kasse"));
        return;
    case FieldClick::BuyLand: {
        // The new picture is loaded before anything changes, so a missing
        // one costs neither the cell, the gold nor the turn.
        const std::string bought = boughtLandState(state_, turn_);
        const QImage picture = loadBitmapFile(cellPicturePath(bought));
        if (!play(Move::land(n)))
            return;
        showCounters({CounterLabel::Taxes, CounterLabel::Cash});
        screen_.field().setCellPicture(n, picture, bought);
        roundEnd();
        return;
    }
    case FieldClick::NotAttackable:
        refuse(tr("Dieses Feld kann nicht angegriffen werden!"), QStringLiteral("Grimsward"));
        return;
    case FieldClick::Attack:
        play(Move::attack(n));
        roundEnd();
        return;
    }
}

void GameController::btnendtryClick()
{
    screen_.closePanels();
    play(Move::endRound());
    roundEnd();
}

void GameController::btnfightClick() { screen_.open(GameScreen::Opened::Attack); }

void GameController::btnletsfightClick()
{
    screen_.attack().hide();
    state_.fieldmode = 2;
    showFieldMode();
}

// ---- Purchase, training, construction ----------------------------------------

void GameController::btnbuyzoneClick()
{
    screen_.open(GameScreen::Opened::Purchase);
    state_.fieldmode = 0;
    showFieldMode();
}

void GameController::purchaseEntryChange(const PurchaseOrder &counts) { setPurchaseSlots(state_, counts); }

void GameController::btnletsbuyClick()
{
    if (!play(Move::order(screen_.purchase().counts()))) {
        refuse(tr("Sie besitzen nicht genügend Gold !"), tr("Kasse"));
        return;
    }
    showCounters({CounterLabel::Cash, CounterLabel::Recruits, CounterLabel::Mgs, CounterLabel::Rifles,
                  CounterLabel::Mortars, CounterLabel::Specpacks});
    screen_.purchase().closeEmpty();
    roundEnd();
}

void GameController::btncancelClick()
{
    screen_.purchase().closeEmpty();
    state_.fieldmode = 0;
    showFieldMode();
}

void GameController::btnbuylandClick()
{
    screen_.purchase().reset();
    state_.fieldmode = 1;
    screen_.purchase().hide();
    showFieldMode();
}

void GameController::btntrainingClick()
{
    screen_.open(GameScreen::Opened::Training);
}

void GameController::trainingEntryChange(int kind)
{
    TrainingPanel &panel = screen_.training();
    const TrainingOrder counts = panel.counts();
    if (state_.*countersOf(turn_).equipment(kind) < counts.at(static_cast<std::size_t>(kind))) {
        refuse(Texts::shortage(kind), tr("Materiallager"));
        // Reports this change again, which stores the 0.
        panel.clearEntry(kind);
        return;
    }
    setTrainingSlots(state_, counts);
    panel.showTotal();
}

void GameController::btntrainClick()
{
    const MoveResult trained = play(Move::train(screen_.training().counts()));
    if (trained.refusal == MoveRefusal::Equipment) {
        refuse(Texts::shortage(trained.kind), tr("Materiallager"));
        return;
    }
    if (!trained) {
        refuse(tr("Sie besitzen nicht genügend Gold oder Rekruten !"), tr("Kasse"));
        return;
    }
    showCounters({CounterLabel::Cash, CounterLabel::Infantry, CounterLabel::Mgs, CounterLabel::Snipers,
                  CounterLabel::Rifles, CounterLabel::Mortarcrews, CounterLabel::Mortars,
                  CounterLabel::Specialunits, CounterLabel::Specpacks, CounterLabel::Recruits});
    screen_.training().btntraincancelClick();
    roundEnd();
}

void GameController::btnbuildClick() { screen_.open(GameScreen::Opened::Construction); }

void GameController::construct(Building building)
{
    if (!play(Move::construction(building))) {
        refuse(tr("Sie besitzen nicht genügend Gold!"), tr("Kasse"));
        return;
    }
    showCounters({CounterLabel::Cash});
    screen_.construction().hide();
    roundEnd();
}

// ---- Information and Escape ----------------------------------------------------

} // namespace gw
