// SPDX-License-Identifier: MIT
#include "ui/application.h"

#include "core/folderlock.h"
#include "core/options.h"
#include "ui/language.h"
#include "ui/texts.h"
#include "ui/tgw.h"
#include "ui/widgets/messagebox.h"
#include "ui/widgets/pictures.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

#include <exception>

namespace gw {

namespace {

// What ends the program before its window shows. On a platform without a
// screen nobody could close the box, so there it goes to the error output
// alone.
void reportFatal(const QString &caption, const QString &text)
{
    writeErrorLine(text);
    const QString platform = QGuiApplication::platformName();
    if (platform == "offscreen" || platform == "minimal")
        return;
    showMessageBox(nullptr, QMessageBox::Critical, caption, text);
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

    // One copy per folder: a second one would overwrite the first one's
    // saved game, statistics and options with its own.
    const FolderLock lock;
    if (lock.state() == FolderLock::State::HeldElsewhere) {
        setLanguage(QString::fromStdString(OptionsFile::languageIn()));
        reportFatal(QStringLiteral("Grimsward"),
                    QCoreApplication::translate("gw::Application",
                                                "Grimsward läuft bereits in diesem Ordner (%1). Ein zweites Spiel "
                                                "würde den Spielstand, die Statistik und die Optionen des ersten "
                                                "überschreiben; bitte spielen Sie im Fenster des ersten weiter.")
                        .arg(QDir::toNativeSeparators(QDir::currentPath())));
        return 1;
    }

    std::unique_ptr<Tgw> window;
    try {
        window = std::make_unique<Tgw>();
    } catch (const std::exception &e) {
        reportFatal(QCoreApplication::translate("gw::Application", "Anwendungsfehler"), Texts::error(e));
        return 1;
    }
    window->show();
    return app.exec();
}

} // namespace gw
