#pragma once

#include <QList>
#include <QStringList>
#include <QUrl>

// What a drop of files on the window does, decided from what is dropped and where.
//
// - One program file, anywhere: the Add command with it.
// - Several programs, or folders (with or without programs): Add folder's proposals of them.
// - One picture Kavrel can show, on the screenshot, while a game is selected: its screenshot.
// - One text Kavrel can read, on the description, while a game is selected: its description.
// - Anything else (a web link, a file that is none of these, a mix, a picture elsewhere) is
//   refused, and nothing changes.
namespace DroppedFiles {

enum class Place { Window, Screenshot, Description };
enum class Action { Refuse, AddProgram, AddShelf, ChangeScreenshot, ChangeDescription };

struct Plan {
    Action action = Action::Refuse;
    // Native full paths.
    QStringList paths;
};

Plan plan(const QList<QUrl>& dropped, Place place, bool gameSelected);

} // namespace DroppedFiles
