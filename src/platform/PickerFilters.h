#pragma once

#include <QString>

// The filters of the file pickers, in the picker's "description |patterns" form. Programs on
// Linux usually have no extension, so there the program pickers offer every file as well.
namespace PickerFilters {

#ifdef Q_OS_WIN
inline const QString AnyFileToo;
#else
inline const QString AnyFileToo = QStringLiteral("|All files |*");
#endif

inline const QString Executable =
    QStringLiteral("Executable File (*.com;*.exe;*.bat) |*.com;*.exe;*.bat") + AnyFileToo;
inline const QString DosBox = QStringLiteral("Executable File (*.exe) |*.exe") + AnyFileToo;
// DOSBox saves its screenshots as PNG files.
inline const QString Screenshot =
    QStringLiteral("Screenshot (*.bmp;*.gif;*.jpg;*.png) |*.bmp;*.gif;*.jpg;*.png");
inline const QString Description = QStringLiteral("Description (*.txt) |*.txt");

} // namespace PickerFilters
