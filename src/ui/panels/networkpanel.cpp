// SPDX-License-Identifier: MIT
#include "ui/panels/networkpanel.h"

#include "ui/texts.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/gamestyle.h"
#include "ui/widgets/layoutkit.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>

#include <algorithm>

namespace gw {

namespace {

TextLabel *note(QWidget *parent, const char *name, const QRect &place, const QColor &colour)
{
    TextLabel *l = makeFixedLabel(parent, name, place, QString(), windowFont(12), colour);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

QLineEdit *entry(QWidget *parent, const char *name, const QRect &place, const QString &text, int length)
{
    auto *e = new QLineEdit(text, parent);
    e->setObjectName(name);
    e->setGeometry(place);
    e->setFont(windowFont(13));
    e->setMaxLength(length);
    return e;
}

// The port's entry takes digits only; the range is checked when it is used.
QLineEdit *portEntry(QWidget *parent, const char *name, const QRect &place)
{
    QLineEdit *e = entry(parent, name, place, QStringLiteral("47474"), 5);
    e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,5}")), e));
    return e;
}

} // namespace

NetworkPanel::NetworkPanel(QWidget *skirmishScreen)
    : Panel(skirmishScreen, "pannetwork", {0, 0, 601, 449}, colour::black)
{
    title_ = makeFixedLabel(this, "labnetwork", {0, 12, 601, 32}, QString(), decorativeFont(24, true), colour::green);
    title_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    const QFont heading = windowFont(15, true);
    const QFont field = windowFont(13);

    // Hosting, on the left.
    hostHeading_ = makeFixedLabel(this, "labnethost", {24, 60, 260, 22}, QString(), heading, colour::yellow);
    hostNote_ = note(this, "labnethostnote", {24, 86, 260, 66}, colour::moneyGreen);
    mapLabel_ = makeFixedLabel(this, "labnetgame", {24, 164, 64, 20}, QString(), field, colour::moneyGreen);
    gamelist_ = new QComboBox(this);
    gamelist_->setObjectName("netgamelist");
    gamelist_->setGeometry(88, 161, 196, 23);
    gamelist_->setFont(field);
    // Its entry in the gold of the buttons' captions, not the style's grey.
    QPalette gold = gamelist_->palette();
    gold.setColor(QPalette::ButtonText, look::text);
    gamelist_->setPalette(gold);
    hostPortLabel_ = makeFixedLabel(this, "labnethostport", {24, 198, 64, 20}, QString(), field, colour::moneyGreen);
    hostport_ = portEntry(this, "ednethostport", {88, 195, 70, 23});
    btnhost_ = makeButton(this, "btnnethost", {88, 236, 150, 27}, QString(), field);

    auto *split = new Bevel(this, Bevel::Shape::RightLine);
    split->setObjectName("bevnetsplit");
    split->setGeometry(290, 60, 10, 244);

    // Joining, on the right.
    joinHeading_ = makeFixedLabel(this, "labnetjoin", {316, 60, 260, 22}, QString(), heading, colour::yellow);
    joinNote_ = note(this, "labnetjoinnote", {316, 86, 262, 66}, colour::moneyGreen);
    joinHostLabel_ = makeFixedLabel(this, "labnetjoinhost", {316, 164, 84, 20}, QString(), field, colour::moneyGreen);
    joinhost_ = entry(this, "ednetjoinhost", {400, 161, 176, 23}, QString(), 253);
    joinPortLabel_ = makeFixedLabel(this, "labnetjoinport", {316, 198, 84, 20}, QString(), field, colour::moneyGreen);
    joinport_ = portEntry(this, "ednetjoinport", {400, 195, 70, 23});
    codeLabel_ = makeFixedLabel(this, "labnetcode", {316, 232, 84, 20}, QString(), field, colour::moneyGreen);
    joincode_ = entry(this, "ednetcode", {400, 229, 100, 23}, QString(), 12);
    btnjoin_ = makeButton(this, "btnnetjoin", {400, 270, 150, 27}, QString(), field);

    status_ = note(this, "labnetstatus", {24, 318, 553, 72}, colour::yellow);
    status_->setFont(windowFont(13));
    btnback_ = makeButton(this, "btnnetback", {24, 404, 105, 27}, QString(), field);

    connect(btnhost_, &QPushButton::clicked, this, &NetworkPanel::hostClicked);
    connect(btnjoin_, &QPushButton::clicked, this, &NetworkPanel::joinClicked);
    connect(btnback_, &QPushButton::clicked, this, &QWidget::hide);
    // Enter in a field of a half presses its button.
    for (QLineEdit *e : {joinhost_, joinport_, joincode_})
        connect(e, &QLineEdit::returnPressed, btnjoin_, &QPushButton::click);
    connect(hostport_, &QLineEdit::returnPressed, btnhost_, &QPushButton::click);
    // The panel goes with the screen it lies on.
    skirmishScreen->installEventFilter(this);
    stackWindowedOnTop(this);
    retranslate();
}

void NetworkPanel::retranslate()
{
    title_->setCaption(tr("Netzwerkspiel"));
    hostHeading_->setCaption(tr("Spiel eröffnen"));
    hostNote_->setText(tr("Sie spielen Rot. Wählen Sie eine Karte oder Ihr gespeichertes Spiel zu zweit; Ihr "
                          "Mitspieler braucht dann die Adresse, den Port und den Code, die das Spiel zeigt."));
    mapLabel_->setCaption(tr("Spiel:"));
    hostPortLabel_->setCaption(tr("Port:"));
    btnhost_->setText(tr("Spiel eröffnen"));
    joinHeading_->setCaption(tr("Beitreten"));
    joinNote_->setText(tr("Sie spielen Blau. Geben Sie ein, was Ihnen der Gastgeber nennt: den Namen oder die "
                          "Adresse seines Rechners, den Port und den Spielcode."));
    joinHostLabel_->setCaption(tr("Rechner:"));
    joinPortLabel_->setCaption(tr("Port:"));
    codeLabel_->setCaption(tr("Spielcode:"));
    btnjoin_->setText(tr("Beitreten"));
    btnback_->setText(tr("Zurück"));
    // The list's entries in the new language, the choice kept.
    const QSignalBlocker quiet(gamelist_);
    const int offset = savedGame_ ? 1 : 0;
    if (savedGame_)
        gamelist_->setItemText(0, savedLine_);
    for (std::size_t i = 0; i < maps_.size(); ++i)
        gamelist_->setItemText(static_cast<int>(i) + offset, Texts::mapName(maps_[i]));
}

void NetworkPanel::open(const QString &savedGame, const std::vector<std::string> &maps, const std::string &chosen)
{
    maps_ = maps;
    savedGame_ = !savedGame.isEmpty();
    savedLine_ = savedGame;
    {
        const QSignalBlocker quiet(gamelist_);
        gamelist_->clear();
        if (savedGame_)
            gamelist_->addItem(savedGame);
        for (const std::string &name : maps_)
            gamelist_->addItem(Texts::mapName(name));
        const auto it = std::find(maps_.begin(), maps_.end(), chosen);
        const int index = it == maps_.end() ? 0 : static_cast<int>(it - maps_.begin());
        // A saved game of two is most likely the one to go on with.
        gamelist_->setCurrentIndex(savedGame_ ? 0 : index);
    }
    setJoining(false);
    status_->clear();
    show();
    raise();
    joinhost_->setFocus(Qt::OtherFocusReason);
}

std::optional<std::string> NetworkPanel::chosenMap() const
{
    const int index = gamelist_->currentIndex() - (savedGame_ ? 1 : 0);
    if (index < 0 || index >= static_cast<int>(maps_.size()))
        return std::nullopt;
    return maps_[static_cast<std::size_t>(index)];
}

QString NetworkPanel::hostPort() const { return hostport_->text(); }

QString NetworkPanel::joinHost() const { return joinhost_->text().trimmed(); }

QString NetworkPanel::joinPort() const { return joinport_->text(); }

QString NetworkPanel::joinCode() const { return joincode_->text(); }

void NetworkPanel::showStatus(const QString &text) { status_->setText(text); }

void NetworkPanel::setJoining(bool joining)
{
    btnjoin_->setEnabled(!joining);
    btnhost_->setEnabled(!joining);
}

void NetworkPanel::keyPressEvent(QKeyEvent *event)
{
    // Escape closes the panel, not the screen beneath.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        hide();
        return;
    }
    Panel::keyPressEvent(event);
}

void NetworkPanel::hideEvent(QHideEvent *event)
{
    Panel::hideEvent(event);
    emit closed();
}

bool NetworkPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parent() && event->type() == QEvent::Hide)
        hide();
    return Panel::eventFilter(watched, event);
}

} // namespace gw
