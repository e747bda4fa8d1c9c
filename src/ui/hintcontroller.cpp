// SPDX-License-Identifier: MIT
#include "ui/hintcontroller.h"

#include "ui/gamecontroller.h"
#include "ui/optionscontroller.h"
#include "ui/panels/reportpanel.h"
#include "ui/panels/statusstrip.h"
#include "ui/recordkeeper.h"
#include "ui/screens/gamescreen.h"
#include "ui/widgets/guard.h"

#include <algorithm>

namespace gw {

namespace {
// The opponent's actions that build and that attack (rules/enemyturn.h).
constexpr int kBuildAction = 10, kAttackAction = 11;
} // namespace

HintController::HintController(GameController &game, GameScreen &screen, OptionsController &options,
                               RecordKeeper &record, QObject *parent)
    : QObject(parent), game_(game), screen_(screen), options_(options)
{
    connect(&game, &GameController::skirmishStarted, this, &HintController::gameOpened);
    connect(&record, &RecordKeeper::gameContinued, this, &HintController::gameOpened);
    connect(&game, &GameController::roundEnded, this, &HintController::roundEnded);
    connect(&game, &GameController::gameDecided, this, &HintController::gameDecided);
    connect(&options, &OptionsController::hintsChanged, this, &HintController::hintsSwitched);
    // The player's next command: the hint has done its work.
    for (auto command : {&GameScreen::buyzoneClicked, &GameScreen::trainingClicked, &GameScreen::buildClicked,
                         &GameScreen::fightClicked, &GameScreen::infoClicked, &GameScreen::leaveClicked})
        connect(&screen, command, this, &HintController::clear);
    // A player who found "Angreifen" needs no hint on the way to attack.
    connect(&screen, &GameScreen::fightClicked, this, [this] { done(Hint::Recruits); });
}

void HintController::done(Hint hint)
{
    given_.insert(hint);
    waiting_.erase(std::remove(waiting_.begin(), waiting_.end(), hint), waiting_.end());
}

QString HintController::text(Hint hint)
{
    switch (hint) {
    case Hint::Land:
        return tr("Tipp: Kaufen → Land kaufen → ein Feld. Land zahlt jede Runde, teures am meisten.");
    case Hint::Recruits:
        return tr("Tipp: Rekruten kämpfen erst nach Angreifen → Okay → Klick auf die blaue Basis.");
    case Hint::Report:
        return tr("Tipp: Jede Truppe kämpft in eigener Stufe; wer durchkommt, nimmt der Basis 5 HP.");
    case Hint::Attacked:
        return tr("Der Gegner hat angegriffen. Tipp: Truppen und Bauten schützen die Basis.");
    case Hint::Built:
        return tr("Der Gegner hat gebaut. Tipp: Information → Gegner - Info zeigt es.");
    }
    return QString();
}

void HintController::gameOpened()
{
    given_.clear();
    waiting_.clear();
    clear();
    if (game_.state().rounds == 0)
        queue(Hint::Land);
    showNext();
}

void HintController::roundEnded(const EnemyTurnResult &turn)
{
    clear();
    // What the opponent did speaks of one round alone: a hint on it that did
    // not fit then would tell of a move that is no longer the last one, so
    // it waits for the opponent's next move of that kind instead.
    for (Hint stale : {Hint::Attacked, Hint::Built}) {
        if (std::find(waiting_.begin(), waiting_.end(), stale) != waiting_.end()) {
            waiting_.erase(std::remove(waiting_.begin(), waiting_.end(), stale), waiting_.end());
            given_.erase(stale);
        }
    }
    // The most pressing first: what is on the screen now, then the player's
    // own next step, then what the opponent did. What does not fit comes at
    // the next round end.
    if (!screen_.report().isHidden())
        queue(Hint::Report);
    if (game_.state().recruits > 0)
        queue(Hint::Recruits);
    if (turn.action == kAttackAction)
        queue(Hint::Attacked);
    if (turn.action == kBuildAction && turn.tier > 0)
        queue(Hint::Built);
    showNext();
}

void HintController::queue(Hint hint)
{
    if (given_.insert(hint).second)
        waiting_.push_back(hint);
}

void HintController::showNext()
{
    // The hints speak to a player facing the computer; two players at one
    // screen or over the network have the line for whose turn it is.
    if (!options_.hintsOn() || waiting_.empty() || game_.players() != Players::Computer)
        return;
    screen_.strip().showHint(text(waiting_.front()));
    waiting_.pop_front();
    shown_ = true;
}

void HintController::clear()
{
    if (!shown_)
        return;
    shown_ = false;
    screen_.strip().clearHint();
}

void HintController::gameDecided()
{
    clear();
    // Only a game against the computer, the one the hints speak to, ends
    // them; a network game's guest writes nothing at all.
    if (game_.players() != Players::Computer)
        return;
    // A finished game ends the hints that were on by default; a failure to
    // keep that in the file is reported like any other.
    runGuarded([this](const QString &text) { emit game_.errorOccurred(text); }, [this] { options_.gameFinished(); });
}

void HintController::hintsSwitched(bool on)
{
    if (!on)
        clear();
}

} // namespace gw
