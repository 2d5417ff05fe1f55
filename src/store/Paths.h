#pragma once

#include <QChar>
#include <QString>

// The separator of the platform's paths: "\" on Windows, "/" elsewhere.
#ifdef Q_OS_WIN
inline constexpr QChar PathSeparator = u'\\';
#else
inline constexpr QChar PathSeparator = u'/';
#endif

// The folder followed by one separator, unless it already ends in one; "" gives the separator.
QString EnsureBackslash(const QString& folder);

// A full path cut at its last separator. Without a separator there is no folder and no name.
struct PathParts {
    bool hasSeparator = false;
    QString folder; // without the final separator; "C:" for a file in the root of drive C
    QString name;
};
PathParts splitAtLastSeparator(const QString& path);
