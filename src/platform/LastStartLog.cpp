#include "platform/LastStartLog.h"

#include "platform/UserFolders.h"

#include <QDir>

QString lastStartLogPath() {
    return QDir::toNativeSeparators(UserFolders::state() + QStringLiteral("/last-start.log"));
}

QString lastStartLogHint() {
    return QStringLiteral("What it reported is kept in %1.").arg(lastStartLogPath());
}
