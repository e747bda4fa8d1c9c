// SPDX-License-Identifier: MIT
#pragma once

#include "ui/widgets/framewidgets.h"

#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace gw {

class TextLabel;

// "Netzwerkspiel" over the skirmish screen: on the left "Spiel eröffnen"
// (the map or the saved game of two, the port), on the right "Beitreten"
// (the host's name or address, the port, the game code), a status line
// below both and "Zurück". Escape closes it like "Zurück"; it closes with
// the skirmish screen too.
class NetworkPanel : public Panel {
    Q_OBJECT
public:
    explicit NetworkPanel(QWidget *skirmishScreen);

    // Opens with what may be hosted: the saved game of two, when there is
    // one (`savedGame` its line, empty for none), then the maps. The saved
    // game is chosen, or else the map in force.
    void open(const QString &savedGame, const std::vector<std::string> &maps, const std::string &chosen);
    // The choice of "Spiel eröffnen": a map's name, or none for the saved game.
    std::optional<std::string> chosenMap() const;
    QString hostPort() const;
    QString joinHost() const;
    QString joinPort() const;
    QString joinCode() const;
    // The line under both halves: what is under way, or why it failed.
    void showStatus(const QString &text);
    // While a guest connects, its button waits.
    void setJoining(bool joining);

signals:
    void hostClicked();
    void joinClicked();
    // The panel went ("Zurück", Escape, the screen left, or a game began).
    void closed();

protected:
    void retranslate() override;
    void keyPressEvent(QKeyEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TextLabel *title_, *hostHeading_, *joinHeading_, *hostNote_, *joinNote_;
    TextLabel *mapLabel_, *hostPortLabel_, *joinHostLabel_, *joinPortLabel_, *codeLabel_;
    TextLabel *status_;
    QComboBox *gamelist_;
    QLineEdit *hostport_, *joinhost_, *joinport_, *joincode_;
    QPushButton *btnhost_, *btnjoin_, *btnback_;
    std::vector<std::string> maps_;
    bool savedGame_ = false;
    QString savedLine_;
};

} // namespace gw
