#pragma once

#include "dosbox/DosBoxCommand.h"
#include "platform/ProgramStarter.h"
#include "store/GameTable.h"

// What Play starts for a game, decided without a window, so that the window's Play and the
// command line start games alike.
//
// - A DOS game: DOSBox, minimised, with the game's program as one argument and "-exit" after it
//   when DOSBox is to close with the game. DOSBox keeps Kavrel's folder: it mounts the game's
//   folder itself. A game with DOSBox settings of its own gets the command DosBoxCommand.h
//   describes, and so does every setup program. The DOSBox used is the stored one while its file
//   exists; outside Windows, without it, the `dosbox` found on the search path (the stored location
//   stays as it is).
// - A Windows game: in a normal window, in the program's own folder, because games open their
//   data files by relative names. On Windows the program itself. Elsewhere a Windows program
//   (its content starts with "MZ") goes to `wine` from the search path, a batch file to Wine's
//   `cmd /c`, and a program of the system's own (marked executable) starts by itself.
// Paths go to the starter whole, so that a blank never splits them.
struct LaunchPlan {
    ProgramStart start;
    // Why the game cannot start, in plain words for the user; empty when it can.
    QString whyNot;

    bool canStart() const { return whyNot.isEmpty(); }
};

LaunchPlan planLaunch(const GameEntry& game, const QString& storedDosBox, bool autoExit,
                      DosProgram program = DosProgram::Game);

// Starts the game (or its setup program) as planned; empty when it started, otherwise why not.
QString startGame(const GameEntry& game, const QString& storedDosBox, bool autoExit,
                  ProgramStarter& starter, DosProgram program = DosProgram::Game);

// The DOSBox that Play uses, as above; empty when there is none.
QString dosBoxToUse(const QString& storedDosBox);

// The folder of a full path, as a working folder: a root keeps its separator ("/", "C:\");
// empty for a path without a folder.
QString folderOfProgram(const QString& path);
