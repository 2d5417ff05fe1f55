#pragma once

#include "platform/ProgramStarter.h"
#include "store/GameTable.h"

// What Play starts for a game:
// - a DOS game: the emulator, minimised, with the game's program as one argument and "-exit"
//   after it when DOSBox is to close with the game. The emulator keeps Kavrel's folder: it
//   mounts the game's folder itself.
// - a Windows game: its own program in a normal window, started in the game's folder, because
//   games open their data files by relative names.
// Paths go to the starter whole, so that a blank never splits them.
ProgramStart launchCommand(const GameEntry& game, const QString& dosBoxPath, bool autoExit);

// The folder of a full path, as a working folder: a root keeps its separator ("/", "C:\");
// empty for a path without a folder.
QString folderOfProgram(const QString& path);
