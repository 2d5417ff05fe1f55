#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The picker's filter text, "description |patterns" pairs separated by "|" with the patterns
// separated by ";", as the file dialog's name filters: "description (patterns)", where a
// description's own list of patterns in parentheses gives way to the dialog's.
QStringList nameFilters(const QString& filter);

// The file a chosen or typed name stands for: the name itself when such a file exists,
// otherwise, for a name without extension, the name with the default extension (as given, or
// in capitals) when that file exists. Nothing when neither exists.
std::optional<QString> existingFileFor(const QString& path, const QString& defaultExt);
