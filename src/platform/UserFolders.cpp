#include "platform/UserFolders.h"

#include <QDir>
#include <QStandardPaths>

namespace {

#ifndef Q_OS_WIN
QString xdgFolder(const char* variable, const QString& underHome) {
    QString base = qEnvironmentVariable(variable);
    if (!QDir::isAbsolutePath(base))
        base = QDir::homePath() + underHome;
    return base + QStringLiteral("/Kavrel");
}
#endif

} // namespace

namespace UserFolders {

QString state() {
#ifdef Q_OS_WIN
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Kavrel");
#else
    return xdgFolder("XDG_STATE_HOME", QStringLiteral("/.local/state"));
#endif
}

QString data() {
#ifdef Q_OS_WIN
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Kavrel");
#else
    return xdgFolder("XDG_DATA_HOME", QStringLiteral("/.local/share"));
#endif
}

} // namespace UserFolders
