#include "launch/DosBoxLocation.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString dosBoxPickerFolder(const QString& storedDosBox) {
    for (const QString& dosBox :
         {storedDosBox, QStandardPaths::findExecutable(QStringLiteral("dosbox"))}) {
        if (!dosBox.isEmpty() && QFileInfo(dosBox).isFile())
            return QDir::toNativeSeparators(QFileInfo(dosBox).absolutePath());
    }
    return QStringLiteral("/usr/bin");
}

QString whyNotDosBox(const QString& path) {
    const QFileInfo file(path);
    if (!file.isFile())
        return QStringLiteral("%1 is not a file, so it cannot be DOSBox. Nothing was changed.")
            .arg(path);
    if (!file.isExecutable())
        return QStringLiteral("%1 is not a program (it is not marked as executable), so it "
                              "cannot be DOSBox. Nothing was changed.")
            .arg(path);
    return {};
}
