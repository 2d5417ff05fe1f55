#include "platform/FileDialogRules.h"

#include <QFileInfo>

QStringList nameFilters(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
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
        const QString withExtension = path + u'.' + defaultExt;
        if (QFileInfo(withExtension).isFile())
            return withExtension;
    }
    return std::nullopt;
}
