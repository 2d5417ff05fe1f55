#include "platform/FileDialogRules.h"

#include <QFileInfo>

QStringList nameFilters(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        // The dialog shows the patterns in parentheses after the description; a description
        // that names them already would show them twice.
        if (description.endsWith(u')') && description.contains(u'('))
            description = description.left(description.lastIndexOf(u'(')).trimmed();
        const QString patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts).join(u' ');
        filters.append(QStringLiteral("%1 (%2)").arg(description, patterns));
    }
    return filters;
}

std::optional<QString> existingFileFor(const QString& path, const QString& defaultExt) {
    const QFileInfo file(path);
    if (file.isFile())
        return path;
    if (!defaultExt.isEmpty() && file.suffix().isEmpty()) {
        // Old games carry their names in capitals: ROBOT stands for ROBOT.EXE as well, where
        // file names are case-sensitive.
        for (const QString& extension : {defaultExt, defaultExt.toUpper()}) {
            const QString withExtension = path + u'.' + extension;
            if (QFileInfo(withExtension).isFile())
                return withExtension;
        }
    }
    return std::nullopt;
}
