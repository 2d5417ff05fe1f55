#include "launch/CommandLine.h"
#include "launch/ProgramFolder.h"
#include "launch/SingleInstance.h"
#include "platform/ProcessStarter.h"
#include "platform/QtDialogs.h"
#include "platform/SettingsStore.h"
#include "window/Hoofdscherm.h"
#include "window/WindowScale.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTextStream>
#include <QTranslator>

namespace {

void nameTheProgram() {
    QCoreApplication::setApplicationName(QStringLiteral("Kavrel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KAVREL_VERSION));
}

// The verbs of the command line need no display, so they run before any window exists.
std::optional<int> runWithoutWindow(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    nameTheProgram();
    QTextStream out(stdout);
    QTextStream err(stderr);
    ProcessStarter starter;
    return runCommandLine(QCoreApplication::arguments(),
                          {SettingsStore::openUserStore, starter, out, err});
}

void bringToFront(QWidget& window) {
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc > 1) {
        if (const std::optional<int> status = runWithoutWindow(argc, argv))
            return *status;
    }
    useWholeScaleFactors();
    QApplication app(argc, argv);
    nameTheProgram();
    QGuiApplication::setDesktopFileName(QStringLiteral("org.kavrel.Kavrel"));
    // Qt's own texts (buttons of message boxes and file pickers) in the user's language.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexts);

    // The store is read only once this Kavrel holds it, or knows that no Kavrel that answers
    // does; without the lock it writes nothing.
    SingleInstance instance(SettingsStore::userStoreLocation());
    if (instance.claim() == SingleInstance::Claim::HeldByAnother) {
        QTextStream(stderr) << QStringLiteral(
            "Kavrel is already open on this collection; its window comes to the front.\n");
        return 0;
    }

    const std::unique_ptr<SettingsStore> store = SettingsStore::openUserStore();
    store->setWriteGuard([&instance] { return instance.writeRefusal(); });
    QtDialogs dialogs;
    ProcessStarter starter;
    Hoofdscherm window(
        {*store, dialogs, starter, programFilesFolder(QCoreApplication::applicationDirPath()), [] {
             QCoreApplication::exit(0);
         }});
    QObject::connect(&instance, &SingleInstance::raiseRequested, &window,
                     [&window] { bringToFront(window); });
    return QApplication::exec();
}
