// SPDX-License-Identifier: MIT
#pragma once

#include "ui/windowsize.h"

#include <QObject>
#include <QPointer>

#include <optional>

class QGraphicsProxyWidget;
class QGraphicsView;
class QWidget;

namespace gw {

class OptionsController;

// Draws the main window larger. At 100 % the window is a window of its own
// as it always was. At any other size it lives in a graphics view that is
// the window on the screen: the view shows it through a proxy, scaled as a
// whole, so every widget keeps its place, name and parent in the layout's
// 799 x 595 logical pixels, text is drawn at the target resolution and
// pictures with their pixels kept square (see PictureBox). Mouse and keys
// reach the widgets through the proxy as they would at 100 %; the view
// follows the window's showing and closing, and switching back gives the
// window back as it was.
class WindowScaler : public QObject {
    Q_OBJECT
public:
    explicit WindowScaler(QWidget *window);
    // Gives the window back, hidden, before the view goes.
    ~WindowScaler() override;

    // Takes the size at once, or, while a box is open, once the last box is
    // answered (the window a box stands on never goes away under it). Not
    // to be called from inside an event the view is delivering (queue it):
    // the view may go away.
    void apply(WindowSize size);
    WindowSize size() const { return size_; }
    // The factor the layout is drawn with now.
    double scale() const;
    // The window the player sees: the main window itself at 100 %, else
    // the view.
    QWidget *shownWindow() const;
    // Draws the window at the size the options give now, and at each size
    // the player chooses later (on the options screen, with F11) once the
    // click or key that chose it is done, as the window may move into the
    // view or out of it.
    void follow(const OptionsController &options);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void embed();
    void release();
    void fit();
    void showView(bool activate);

    QWidget *window_;
    QPointer<QGraphicsView> view_;
    QGraphicsProxyWidget *proxy_ = nullptr;
    WindowSize size_ = WindowSize::Normal;
    // The size asked for while a box was open.
    std::optional<WindowSize> pending_;
    // Set while the window is hidden and shown again for a switch, so the
    // view does not follow that.
    bool switching_ = false;
};

// The window on the screen that shows `widget`: its own window, or the view
// that holds that window when it is drawn larger.
QWidget *screenWindowOf(const QWidget *widget);
// The factor `widget` is drawn with on the screen: 1 unless its window is
// held by a scaling view.
double drawScaleOf(const QWidget *widget);

} // namespace gw
