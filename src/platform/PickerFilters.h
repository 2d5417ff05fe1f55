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
// The first list begins with the patterns Kavrel has always offered, so that a picker that
// remembers its choice means what it meant; games also come with PNG pictures (DOSBox saves its
// screenshots as PNG), descriptions under the names DOS programs gave them (FILE_ID.DIZ,
// GAME.NFO, README.DOC, READ.ME, README.1ST, INFO.ASC), and sometimes with neither.
inline const QString Screenshot =
    QStringLiteral("Screenshot (*.bmp;*.gif;*.jpg;*.png;*.jpeg) |*.bmp;*.gif;*.jpg;*.png;*.jpeg"
                   "|All files |*");
inline const QString Description =
    QStringLiteral("Description (*.txt;*.diz;*.nfo;*.doc;*.me;*.1st;*.asc) "
                   "|*.txt;*.diz;*.nfo;*.doc;*.me;*.1st;*.asc|All files |*");

} // namespace PickerFilters
