// SPDX-License-Identifier: MIT
#include "ui/application.h"

#include "ui/pictures.h"
#include "ui/tgw.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>

#include <cstdio>
#include <exception>

namespace gw {

namespace {

// An error while the window is built ends the program. It goes to the
// error output as one line, like every error the window shows; on a
// platform without a screen nobody could close the box, so there it goes
// to the error output alone.
void reportFatal(const QString &text)
{
    QString line = text;
    line.replace('\r', ' ').replace('\n', ' ');
    std::fprintf(stderr, "Grimsward: %s\n", line.toUtf8().constData());
    const QString platform = QGuiApplication::platformName();
    if (platform == "offscreen" || platform == "minimal")
        return;
    QMessageBox box(QMessageBox::Critical, "Anwendungsfehler", text, QMessageBox::Ok);
    box.exec();
}

} // namespace

int runGrimsward(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Grimsward");
    QApplication::setApplicationDisplayName("Grimsward");
    initResources();
    QApplication::setWindowIcon(QIcon(":/icon.png"));

    std::unique_ptr<Tgw> window;
    try {
        window = std::make_unique<Tgw>();
    } catch (const std::exception &e) {
        reportFatal(QString::fromUtf8(e.what()));
        return 1;
    }
    window->show();
    return app.exec();
}

} // namespace gw
