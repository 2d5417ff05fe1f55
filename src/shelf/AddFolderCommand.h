#pragma once

#include <QString>

struct CommandLineWorld;

// kavrel --add-folder FOLDER [--dry-run]: adds every game Add folder would propose, without a
// dialog, and prints a line for each game added and each left out (with the reason). The games
// are written as one command. It refuses while a Kavrel holds the collection. With dryRun it
// only prints, writes nothing and runs beside an open window. The exit status: 0, or 1 when the
// folder is none, the collection is held or the store refused the games.
int addFolderFromCommandLine(const QString& folder, bool dryRun, const CommandLineWorld& world);
