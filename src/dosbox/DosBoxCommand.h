#pragma once

#include "store/GameTable.h"

#include <QStringList>

// Which DOSBox runs the game: they load configurations differently.
// - Classic (DOSBox 0.74, Debian's): "-conf" alone replaces the user's own settings, so
//   "-userconf" comes first to keep them; at most 11 "-c" commands are run.
// - Staging: the user's own settings are always loaded first; a dosbox.conf in the working
//   folder would be loaded too, which "-nolocalconf" prevents.
enum class DosBoxKind { Classic, Staging };

// What DOSBox is asked to run: the game's program or its setup program.
enum class DosProgram { Game, Setup };

// What DOSBox is given for a DOS game with settings of its own, or for its setup program.
//
// The game's configuration comes after the user's, so that the user's settings stay in force
// where the game's own say nothing. The image is mounted first (a CD as D:, a floppy as A:).
// Then the program's folder is mounted as C: and the program runs (a batch file through "call",
// so that what follows it still runs), and "exit" follows when DOSBox is to close with the game.
//
// A configuration whose [autoexec] mounts and starts the game itself (as other launchers and
// archives of ready-made games write them) is adopted as it stands: Kavrel mounts the image
// before it and adds no C: and no program of its own; its own "exit" lines go when DOSBox is
// to stay open, and one is added when it is to close. DOSBox then runs in the configuration's
// folder, which its relative paths name. Its lines are handed over one by one, behind
// "-noautoexec", so that the image is mounted before them. The setup program runs without the
// [autoexec], which would start the game instead.
struct DosBoxCommand {
    QStringList arguments;
    // Empty: DOSBox keeps Kavrel's folder.
    QString workingFolder;
    // Why DOSBox cannot be started, in plain words naming the missing file; empty when it can.
    QString whyNot;
};

DosBoxCommand dosBoxCommand(const GameEntry& game, DosProgram program, bool autoExit,
                            DosBoxKind kind);

// Whether the game has any DOSBox setting of its own; a game without starts as it always has.
bool hasOwnDosBoxSettings(const GameEntry& game);

// Whether DOSBox is to close when the game ends: the game's own choice, else the option's.
bool closesWithGame(const GameEntry& game, bool autoExit);

// The commands of a DOSBox configuration's [autoexec], one a line, without blank and comment
// lines; empty for a file without one or one that cannot be read.
QStringList autoexecOf(const QString& configuration);
