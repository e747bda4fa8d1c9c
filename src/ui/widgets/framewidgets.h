// SPDX-License-Identifier: MIT
#pragma once

#include <QFrame>
#include <QLabel>
#include <QWidget>

namespace gw {

// A filled rectangle with a raised one-pixel edge that holds other widgets.
// On the game's own face (look::panelFace) its text is light.
class Panel : public QFrame {
    Q_OBJECT
public:
    Panel(QWidget *parent, const QColor &colour);
    // Named and placed, and hidden until it is shown.
    Panel(QWidget *parent, const QString &name, const QRect &place, const QColor &colour);

protected:
    // Sets every text of the panel in the current language; runs when the
    // language changes.
    virtual void retranslate() {}
    void changeEvent(QEvent *event) override;
};

// A lowered 3-D frame, or a lowered vertical line along the right edge.
class Bevel : public QWidget {
    Q_OBJECT
public:
    enum class Shape { Frame, RightLine };
    Bevel(QWidget *parent, Shape shape);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Shape shape_;
};

// A transparent text label. A fixed label keeps the size it was given; the
// others size themselves to their text and keep either their left edge or,
// for numbers that grow to the left, their right edge.
class TextLabel : public QLabel {
    Q_OBJECT
public:
    enum class Anchor { Fixed, Left, Right };
    TextLabel(QWidget *parent, Anchor anchor);

    // Sets the text and re-fits the label to its anchor.
    void setCaption(const QString &text);

    // For anchored labels: the edge that stays put and the row.
    void place(int x, int y, int height = -1);

    // Draws the text this many pixels higher and makes an anchored label
    // that much shorter, for faces with much room above their capitals.
    void setTextRaise(int pixels);
    int textRaise() const { return raise_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void refit();

    Anchor anchor_;
    int raise_ = 0;
    int edge_ = 0;
    int top_ = 0;
    int height_ = -1;
};

} // namespace gw
