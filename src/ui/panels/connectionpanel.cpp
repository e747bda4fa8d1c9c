// SPDX-License-Identifier: MIT
#include "ui/panels/connectionpanel.h"

#include "ui/texts.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/layoutkit.h"

#include <QPushButton>
#include <QTimer>

namespace gw {

namespace {

// How long the line over the field's foot stays.
constexpr int kNoteMs = 8000;

TextLabel *line(QWidget *parent, const char *name, const QRect &place, const QFont &font, const QColor &colour)
{
    TextLabel *l = makeFixedLabel(parent, name, place, QString(), font, colour);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

} // namespace

ConnectionPanel::ConnectionPanel(QWidget *gameScreen)
    : Panel(gameScreen, "panconnection", {110, 80, 580, 280}, colour::gray), noteTimer_(new QTimer(this))
{
    title_ = line(this, "labconntitle", {16, 12, 548, 24}, windowFont(15, true), colour::navy);
    code_ = line(this, "labconncode", {16, 44, 548, 34}, windowFont(24, true), colour::black);
    addresses_ = line(this, "labconnaddresses", {16, 84, 548, 36}, windowFont(13), colour::black);
    hint_ = line(this, "labconnhint", {16, 124, 548, 36}, windowFont(12), colour::black);
    status_ = line(this, "labconnstatus", {16, 166, 548, 54}, windowFont(12), colour::maroon);
    const QFont buttons = windowFont(13);
    btncomputer_ = makeButton(this, "btnconncomputer", {16, 232, 232, 29}, QString(), buttons);
    btnlevel_ = makeButton(this, "btnconnlevel", {256, 232, 130, 29}, QString(), buttons);
    btnrejoin_ = makeButton(this, "btnconnrejoin", {16, 232, 180, 29}, QString(), buttons);
    btnleave_ = makeButton(this, "btnconnleave", {394, 232, 170, 29}, QString(), buttons);
    connect(btncomputer_, &QPushButton::clicked, this, [this] { emit computerClicked(level_); });
    connect(btnlevel_, &QPushButton::clicked, this, [this] {
        level_ = (level_ + 1) % 3;
        showLevel();
    });
    connect(btnrejoin_, &QPushButton::clicked, this, &ConnectionPanel::rejoinClicked);
    connect(btnleave_, &QPushButton::clicked, this, &ConnectionPanel::leaveClicked);
    stackWindowedOnTop(this);

    // The status line over the foot of the field, where the blue base is
    // not: it takes no click, so the cells beneath still do.
    note_ = makeFixedLabel(gameScreen, "labnetnote", {8, 410, 624, 24}, QString(), windowFont(13, true),
                           colour::yellow);
    note_->setAutoFillBackground(true);
    QPalette dark = note_->palette();
    dark.setColor(QPalette::Window, QColor(0x10, 0x10, 0x14));
    note_->setPalette(dark);
    note_->setIndent(6);
    note_->setAttribute(Qt::WA_TransparentForMouseEvents);
    note_->hide();
    noteTimer_->setSingleShot(true);
    noteTimer_->setInterval(kNoteMs);
    connect(noteTimer_, &QTimer::timeout, note_, &QWidget::hide);
    retranslate();
}

void ConnectionPanel::retranslate()
{
    if (host_) {
        code_->setText(tr("Spielcode: %1").arg(codeText_));
        addresses_->setText(addressList_.size() == 1 ? tr("Adresse: %1").arg(addressList_.front())
                                                     : tr("Adressen: %1").arg(addressList_.join(QStringLiteral(", "))));
        hint_->setText(tr("Ihr Mitspieler wählt Gefecht, Netzwerkspiel und Beitreten und gibt dort die Adresse, "
                          "den Port und diesen Spielcode ein. Er spielt Blau; das Spiel geht weiter, wo es steht."));
    } else if (rejoin_) {
        hint_->setText(tr("Solange der Gastgeber wartet, geht das Spiel mit demselben Code weiter, wo es stand."));
    } else {
        hint_->setText(tr("Der Gastgeber hat das Spiel gespeichert. Eröffnet er es wieder, treten Sie mit dem neuen "
                          "Code bei."));
    }
    btncomputer_->setText(tr("Gegen den Computer weiterspielen"));
    btnrejoin_->setText(tr("Erneut beitreten"));
    btnleave_->setText(host_ ? tr("Speichern und beenden") : tr("Beenden"));
    showLevel();
}

void ConnectionPanel::showLevel() { btnlevel_->setText(tr("Gegner: %1").arg(Texts::levelName(level_))); }

void ConnectionPanel::showHostWaiting(const QString &title, const QString &code, const QStringList &addresses,
                                      int32_t level)
{
    host_ = true;
    hint_->move(16, 124);
    status_->move(16, 166);
    codeText_ = code;
    addressList_ = addresses;
    level_ = level;
    title_->setText(title);
    status_->clear();
    for (QWidget *w : std::initializer_list<QWidget *>{code_, addresses_, hint_, btncomputer_, btnlevel_})
        w->show();
    btnrejoin_->hide();
    retranslate();
    note_->hide();
    show();
    raise();
}

void ConnectionPanel::showGuestLost(const QString &title, bool canRejoin)
{
    host_ = false;
    // No code and no addresses: the lines move up into their room.
    hint_->move(16, 44);
    status_->move(16, 86);
    title_->setText(title);
    status_->clear();
    for (QWidget *w : std::initializer_list<QWidget *>{code_, addresses_, btncomputer_, btnlevel_})
        w->hide();
    rejoin_ = canRejoin;
    btnrejoin_->setVisible(canRejoin);
    hint_->show();
    retranslate();
    note_->hide();
    show();
    raise();
}

void ConnectionPanel::showStatus(const QString &text) { status_->setText(text); }

void ConnectionPanel::showNote(const QString &text)
{
    note_->setText(text);
    note_->show();
    note_->raise();
    noteTimer_->start();
}

} // namespace gw
