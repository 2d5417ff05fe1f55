#include "launch/ProgramFolder.h"

#include <QDir>

QString programFilesFolder(const QString& programFolder) {
    const QString installed = QDir::cleanPath(programFolder + QStringLiteral("/../share/kavrel"));
    return QDir(installed).exists() ? installed : programFolder;
}
