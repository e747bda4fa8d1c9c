// SPDX-License-Identifier: MIT
#include "ui/application.h"

#include "ui/texts.h"
#include "ui/tgw.h"
#include "ui/widgets/messagebox.h"
#include "ui/widgets/pictures.h"

#include <QApplication>
#include <QIcon>

#include <exception>

namespace gw {

namespace {

// An error while the window is built ends the program. On a platform
// without a screen nobody could close the box, so there it goes to the
// error output alone.
void reportFatal(const QString &text)
{
    writeErrorLine(text);
    const QString platform = QGuiApplication::platformName();
    if (platform == "offscreen" || platform == "minimal")
        return;
    showMessageBox(nullptr, QMessageBox::Critical, QCoreApplication::translate("gw::Application", "Anwendungsfehler"),
                   text);
}

} // namespace

int runGrimsward(int argc, char **argv)
{
    QApplication app(argc, argv);
    // The application's name, and no display name: the window system would
    // append a display name to every window title ("Kasse — Grimsward"),
    // and each box must be titled with its caption alone.
    QApplication::setApplicationName("Grimsward");
    initResources();
    QApplication::setWindowIcon(QIcon(":/icon.png"));

    std::unique_ptr<Tgw> window;
    try {
        window = std::make_unique<Tgw>();
    } catch (const std::exception &e) {
        reportFatal(Texts::error(e));
        return 1;
    }
    window->show();
    return app.exec();
}

} // namespace gw
