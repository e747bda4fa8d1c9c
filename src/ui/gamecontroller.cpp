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
      redraw_(new FieldRedraw(state_, screen.field(), this))
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
        [this, turnAction] { return !(turnAction && decided_); });
}

// ---- Screen ----------------------------------------------------------------

void GameController::showCounter(CounterLabel label, int32_t value) { screen_.strip().showCounter(label, value); }

void GameController::showCounters(std::initializer_list<CounterLabel> labels)
{
    for (CounterLabel l : labels)
        showCounter(l, counterValue(state_, l));
}

void GameController::notify(Notice notice) { refuse(Texts::noticeText(notice), Texts::noticeCaption(notice)); }

void GameController::refuse(const QString &text, const QString &caption)
{
    showMessageBox(boxOwner_, QMessageBox::NoIcon, caption, text);
}

void GameController::playSound(Sound sound) { sound_.play(sound); }

void GameController::stopSound(Sound sound) { sound_.stop(sound); }

void GameController::showVictory(int32_t rounds)
{
    decided_ = true;
    screen_.victory().showResult(rounds);
    emit gameDecided(true);
}

void GameController::showDefeat(int32_t rounds)
{
    decided_ = true;
    screen_.defeat().showResult(rounds);
    emit gameDecided(false);
}

void GameController::enableRedraw() { redraw_->enable(); }

void GameController::showFieldMode()
{
    const int32_t mode = state_.fieldmode == 1 || state_.fieldmode == 2 ? state_.fieldmode : 0;
    screen_.strip().showFieldMode(mode);
    for (int n = 1; n <= kCells; ++n) {
        const std::string &cell = state_.memgame.line(static_cast<std::size_t>(n));
        Qt::CursorShape shape = Qt::ArrowCursor;
        if (mode == 1 && freeTerrain(cell))
            shape = Qt::PointingHandCursor;
        else if (mode == 2 && cell == kBlueBase)
            shape = Qt::CrossCursor;
        screen_.field().setCellCursor(n, shape);
    }
}

// ---- A skirmish ------------------------------------------------------------

void GameController::chooseMap(const std::string &name) { state_.memtemp.setLine(0, name); }

void GameController::btnskirmishstartClick()
{
    const std::string chosen = state_.memtemp.line(0);
    const LoadedMap map = readMap(chosen);
    const std::vector<QImage> pictures = loadCellPictures(map.lines);

    applyMap(state_, map);
    state_.enemylevel = startLevel_;
    state_.fieldmode = 0;
    openGame(pictures, std::nullopt);
    emit skirmishStarted(chosen);
}

void GameController::openGame(const std::vector<QImage> &pictures, const std::optional<EnemyTurnResult> &lastMove)
{
    redraw_->forgetFailures();
    decided_ = false;
    screen_.resetPanels();
    for (int n = 1; n <= kCells; ++n) {
        const auto cell = static_cast<std::size_t>(n);
        screen_.field().setCellPicture(n, pictures[cell], state_.memgame.line(cell));
    }
    for (CounterLabel label : kCounterLabels)
        showCounter(label, counterValue(state_, label));
    screen_.strip().showLevel(state_.enemylevel);
    if (lastMove)
        screen_.strip().showLastMove(*lastMove);
    else
        screen_.strip().clearLastMove();
    showFieldMode();
}

void GameController::leaveGame() { redraw_->stop(); }

// ---- The turn ----------------------------------------------------------------

void GameController::roundEnd(const std::optional<BattleResult> &playerBattle)
{
    // An earlier report is out of date once the opponent moves again.
    screen_.report().hide();
    const bool beaten = playerBattle && playerBattle->baseDestroyed();
    const EnemyTurnResult turn = enemyturn(state_, random_, *this, beaten);
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
    if (!battles.empty())
        screen_.report().showBattleReport(battles, decided_);
    emit roundEnded(turn);
}

MoveResult GameController::play(const Move &move)
{
    const MoveResult result = applyMove(state_, Side::Red, move, random_, *this);
    if (result)
        emit movePlayed(Side::Red, move);
    return result;
}

void GameController::ImageClick(int n)
{
    switch (classifyFieldClick(state_, n)) {
    case FieldClick::Ignored:
        return;
    case FieldClick::NotEnoughGold:
        refuse(tr("Sie besitzen nicht genügend Gold !"), tr("Kasse"));
        return;
    case FieldClick::BuyLand: {
        // The new picture is loaded before anything changes, so a missing
        // one costs neither the cell, the gold nor the turn.
        const std::string bought = boughtLandState(state_);
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
        roundEnd(play(Move::attack(n)).battle);
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
    if (equipmentFor(state_, kind) < counts.at(static_cast<std::size_t>(kind))) {
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
    showCounter(CounterLabel::Cash, state_.cash);
    screen_.construction().hide();
    roundEnd();
}

// ---- Information and Escape ----------------------------------------------------

void GameController::btninfoClick()
{
    computeStrength(state_);
    screen_.showInformation(state_);
}

} // namespace gw
