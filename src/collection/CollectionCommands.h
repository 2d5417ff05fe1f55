#pragma once

#include <QString>

struct CommandLineWorld;

// The command-line verbs that take the collection elsewhere or rewrite it. Those that write it
// refuse while a Kavrel window holds the collection, and back it up first. Each returns the exit
// status and says what it did, or why not.
int exportCommand(const QString& zipPath, const CommandLineWorld& world);
// An empty games folder: the collection's present one, else the one the zip was made with.
int importCommand(const QString& zipPath, const QString& gamesFolder,
                  const CommandLineWorld& world);
int moveGamesCommand(const QString& oldFolder, const QString& newFolder,
                     const CommandLineWorld& world);
