// SPDX-License-Identifier: MIT
#include "ui/screens/gamescreen.h"

#include "ui/panels/attackpanel.h"
#include "ui/panels/constructionpanel.h"
#include "ui/panels/fieldpanel.h"
#include "ui/panels/gamereportpanel.h"
#include "ui/panels/glancerow.h"
#include "ui/panels/infopanel.h"
#include "ui/panels/purchasepanel.h"
#include "ui/panels/replaybar.h"
#include "ui/panels/reportpanel.h"
#include "ui/panels/resultpanel.h"
#include "ui/panels/statusstrip.h"
#include "ui/panels/taxpanel.h"
#include "ui/panels/trainingpanel.h"
#include "ui/panels/turncover.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/layoutkit.h"
#include "ui/widgets/pictures.h"

#include <QIcon>
#include <QPixmap>
#include <QPushButton>

namespace gw {

namespace {

// A push button with a 32 x 32 picture left of its caption.
QPushButton *makeGlyphButton(QWidget *parent, const QString &name, const QRect &place, const QString &glyph)
{
    QPushButton *b = makeButton(parent, name, place, QString(), windowFont());
    b->setIcon(QIcon(QPixmap::fromImage(withTransparentBottomLeft(resourcePicture(glyph)))));
    b->setIconSize(QSize(32, 32));
    return b;
}

} // namespace

GameScreen::GameScreen(QWidget *window) : Panel(window, "pangame", {0, 0, 800, 600}, colour::black)
{
    // The order of creation is the order of stacking.
    strip_ = new StatusStrip(this);
    glance_ = new GlanceRow(this);
    field_ = new FieldPanel(this, window->palette().color(QPalette::Highlight));

    QPushButton *buyzone = btnbuyzone_ = makeGlyphButton(this, "btnbuyzone", {272, 456, 137, 41}, "btn_buy.bmp");
    QPushButton *training = btntraining_ = makeGlyphButton(this, "btntraining", {424, 456, 121, 41}, "btn_train.bmp");
    QPushButton *fight = btnfight_ = makeGlyphButton(this, "btnfight", {680, 456, 105, 41}, "btn_fight.bmp");
    QPushButton *build = btnbuild_ = makeGlyphButton(this, "btnbuild", {560, 456, 105, 41}, "btn_build.bmp");
    QPushButton *endgame = btnendgame_ = makeButton(this, "btnendgame", {712, 568, 75, 25}, QString(), windowFont());
    QPushButton *endtry = btnendtry_ = makeGlyphButton(this, "btnendtry", {744, 512, 41, 41}, "btn_endturn.bmp");

    panbuy_ = new PurchasePanel(this);
    pantrain_ = new TrainingPanel(this);
    QPushButton *info = btninfo_ = makeButton(this, "btninfo", {504, 568, 65, 25}, QString(), windowFont());
    panbuild_ = new ConstructionPanel(this);
    panfight_ = new AttackPanel(this);
    panenemyinfo_ = new EnemyInfoPanel(this);
    paninfo_ = new InfoPanel(this);
    pantax_ = new TaxPanel(this);
    // The report lies above the action panels but below the result panels.
    panreport_ = new ReportPanel(this);
    panlose_ = new ResultPanel(this, ResultPanel::Result::Defeat);
    panwin_ = new ResultPanel(this, ResultPanel::Result::Victory);
    // The game report over all of them.
    pangamereport_ = new GameReportPanel(this);
    // In the command row's place during a replay.
    panreplay_ = new ReplayBar(this);
    // Above everything: the cover between two players' halves.
    pancover_ = new TurnCover(this);
    stackWindowedOnTop(this);

    connect(buyzone, &QPushButton::clicked, this, &GameScreen::buyzoneClicked);
    connect(training, &QPushButton::clicked, this, &GameScreen::trainingClicked);
    connect(fight, &QPushButton::clicked, this, &GameScreen::fightClicked);
    connect(build, &QPushButton::clicked, this, &GameScreen::buildClicked);
    connect(endgame, &QPushButton::clicked, this, &GameScreen::btnendgameClick);
    connect(endtry, &QPushButton::clicked, this, &GameScreen::endtryClicked);
    connect(info, &QPushButton::clicked, this, &GameScreen::infoClicked);
    // The order panels' totals turn red when the gold does not reach them.
    connect(strip_, &StatusStrip::goldShown, panbuy_, &PurchasePanel::setGold);
    connect(strip_, &StatusStrip::goldShown, pantrain_, &TrainingPanel::setGold);
    connect(paninfo_, &InfoPanel::fieldInfoClicked, this, &GameScreen::btnfieldinfoClick);
    connect(paninfo_, &InfoPanel::enemyInfoClicked, this, &GameScreen::btnenemyinfoClick);
    connect(paninfo_, &InfoPanel::closeClicked, this, &GameScreen::btncloseinfoClick);
    connect(panwin_, &ResultPanel::confirmClicked, this, &GameScreen::btnwinClick);
    connect(panlose_, &ResultPanel::confirmClicked, this, &GameScreen::btnloseClick);
    retranslate();
}

void GameScreen::retranslate()
{
    btnbuyzone_->setText(tr("Kaufen"));
    btntraining_->setText(tr("Ausbilden"));
    btnfight_->setText(tr("Angreifen"));
    btnbuild_->setText(tr("Bauen"));
    btnendgame_->setText(tr("Beenden"));
    btnendtry_->setToolTip(tr("Runde beenden"));
    btninfo_->setText(tr("Information"));
    strip_->retranslate();
    glance_->retranslate();
}

void GameScreen::open(Opened panel)
{
    // An action panel replaces every other panel over the field; the
    // information panel replaces the action panels but the attack prompt,
    // and keeps its own two companions.
    Panel *const actions[] = {panbuy_, pantrain_, panbuild_, panfight_};
    Panel *const information[] = {paninfo_, pantax_, panenemyinfo_};
    Panel *shown = nullptr;
    switch (panel) {
    case Opened::Purchase: shown = panbuy_; break;
    case Opened::Training: shown = pantrain_; break;
    case Opened::Construction: shown = panbuild_; break;
    case Opened::Attack: shown = panfight_; break;
    case Opened::Information: shown = paninfo_; break;
    }
    const bool action = panel != Opened::Information;
    for (Panel *p : actions) {
        if (p != shown && (action || p != panfight_))
            p->hide();
    }
    if (action) {
        for (Panel *p : information)
            p->hide();
    }
    panreport_->hide();
    shown->show();
    // Both order panels show their totals as their entries stand.
    if (panel == Opened::Purchase || panel == Opened::Training) {
        panbuy_->showTotal();
        pantrain_->showTotal();
    }
}

void GameScreen::showInformation(const GameState &state)
{
    open(Opened::Information);
    paninfo_->showFigures(state);
    panenemyinfo_->showFigures(state);
}

void GameScreen::closePanels()
{
    for (Panel *p : std::initializer_list<Panel *>{panbuy_, pantrain_, panbuild_, paninfo_, pantax_, panenemyinfo_,
                                                   panfight_, panreport_})
        p->hide();
}

void GameScreen::resetPanels()
{
    closePanels();
    panwin_->hide();
    panlose_->hide();
    pangamereport_->hide();
    pancover_->lift();
    panbuy_->reset();
    pantrain_->reset();
}

void GameScreen::closeTopPanel()
{
    auto open = [](const Panel *p) { return !p->isHidden(); };
    if (!pancover_->isHidden())
        return; // what lies under the cover stays as it is
    if (open(panreplay_))
        panreplay_->btnreplaybackClick();
    else if (open(pangamereport_))
        pangamereport_->btnclosegamereportClick();
    else if (open(panreport_))
        panreport_->btnclosereportClick();
    else if (open(panfight_))
        panfight_->btncancelfightClick();
    else if (open(panbuild_))
        panbuild_->btncancelbuildClick();
    else if (open(pantrain_))
        pantrain_->btntraincancelClick();
    else if (open(panbuy_))
        panbuy_->btncancelClick();
    else if (open(paninfo_) || open(pantax_) || open(panenemyinfo_))
        btncloseinfoClick();
}

void GameScreen::setReplaying(bool replaying)
{
    for (QPushButton *b : {btnbuyzone_, btntraining_, btnfight_, btnbuild_, btnendgame_, btnendtry_, btninfo_})
        b->setVisible(!replaying);
    panreplay_->setVisible(replaying);
}

void GameScreen::setTurnCommandsEnabled(bool enabled)
{
    for (QPushButton *b : {btnbuyzone_, btntraining_, btnfight_, btnbuild_, btnendtry_})
        b->setEnabled(enabled);
}

void GameScreen::btnfieldinfoClick() { pantax_->setVisible(pantax_->isHidden()); }

void GameScreen::btnenemyinfoClick() { panenemyinfo_->setVisible(panenemyinfo_->isHidden()); }

void GameScreen::btncloseinfoClick()
{
    for (Panel *p : std::initializer_list<Panel *>{paninfo_, pantax_, panenemyinfo_})
        p->hide();
}

void GameScreen::btnwinClick()
{
    panwin_->hide();
    emit leaveClicked();
}

void GameScreen::btnloseClick()
{
    panlose_->hide();
    emit leaveClicked();
}

} // namespace gw
