#include "platform/ProcessStarter.h"
#include "platform/QtDialogs.h"
#include "platform/SettingsStore.h"
#include "window/Hoofdscherm.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kavrel"));
    QApplication::setDesktopFileName(QStringLiteral("kavrel"));

    const std::unique_ptr<SettingsStore> store = SettingsStore::openUserStore();
    QtDialogs dialogs;
    ProcessStarter starter;
    Hoofdscherm window({*store, dialogs, starter, QCoreApplication::applicationDirPath(), [] {
                            QCoreApplication::exit(0);
                        }});
    return QApplication::exec();
}
