#include "platform/LastStartLog.h"

#include <QDir>
#include <QStandardPaths>

QString lastStartLogPath() {
#ifdef Q_OS_WIN
    const QString state = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
#else
    // Qt names no state folder of its own here, so the XDG rule is followed directly.
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
#endif
    return QDir::toNativeSeparators(state + QStringLiteral("/Kavrel/last-start.log"));
}

QString lastStartLogHint() {
    return QStringLiteral("What it reported is kept in %1.").arg(lastStartLogPath());
}
