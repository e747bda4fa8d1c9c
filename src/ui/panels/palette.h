// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QWidget>

#include <string>
#include <vector>

namespace gw {

// The map editor's palette: every state the game draws, the eleven
// terrains free in the first row, the player's with the player's base in
// the second, the opponent's with its base in the third. A click chooses
// the brush; the brush in use is framed.
class Palette : public QWidget {
    Q_OBJECT
public:
    explicit Palette(QWidget *parent);

    // The states in the palette's order, row by row.
    static const std::vector<std::string> &states();
    // Where the state of this index lies in the widget (its picture).
    static QRect slotRect(std::size_t index);

    // The pictures of the states, in their order (a null picture leaves
    // its place empty).
    void setPictures(const std::vector<QImage> &pictures);
    // Frames the brush when the palette holds it.
    void showBrush(const std::string &state);

signals:
    void stateChosen(const std::string &state);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    std::vector<QImage> pictures_;
    std::string brush_;
};

} // namespace gw
