#include "store/Paths.h"

QString EnsureBackslash(const QString& folder) {
    if (folder.endsWith(PathSeparator))
        return folder;
    return folder + PathSeparator;
}

PathParts splitAtLastSeparator(const QString& path) {
    const qsizetype separator = path.lastIndexOf(PathSeparator);
    if (separator < 0)
        return {};
    return {true, path.left(separator), path.mid(separator + 1)};
}
