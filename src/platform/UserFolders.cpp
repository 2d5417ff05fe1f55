#include "platform/UserFolders.h"

#include <QDir>
#include <QStandardPaths>

namespace {

// On Windows both live in the user's local application data; elsewhere each has its own XDG
// variable, a value that is no full path giving way to its usual place under the home folder.
QString kavrelFolder([[maybe_unused]] const char* variable,
                     [[maybe_unused]] const QString& underHome) {
#ifdef Q_OS_WIN
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Kavrel");
#else
    QString base = qEnvironmentVariable(variable);
    if (!QDir::isAbsolutePath(base))
        base = QDir::homePath() + underHome;
    return base + QStringLiteral("/Kavrel");
#endif
}

} // namespace

namespace UserFolders {

QString state() {
    return kavrelFolder("XDG_STATE_HOME", QStringLiteral("/.local/state"));
}

QString data() {
    return kavrelFolder("XDG_DATA_HOME", QStringLiteral("/.local/share"));
}

} // namespace UserFolders
