#pragma once

#include "dosbox/DosBoxSettingsForm.h"
#include "store/GameTable.h"

class SettingsStore;

// A game's DOSBox settings as the dialog shows them, and the dialog's answer put into the game.
// Settings typed in the dialog live in a file of Kavrel's own per game, in the folder "dosbox"
// beside the store ($XDG_CONFIG_HOME/Kavrel/dosbox/), named after the title when it was made;
// the game's "GConf" names it, so it follows the game whatever its number. Kavrel deletes such
// a file once no game names it, and never touches a configuration that came with a game.

QString ownDosBoxFolder(const SettingsStore& store);
bool isOwnDosBoxFile(const QString& path, const SettingsStore& store);

DosBoxSettingsForm settingsFormFor(const GameEntry& game, const SettingsStore& store,
                                   bool autoExit);

// Puts the answer into game n of the table, writing typed settings to the game's own file;
// the store is the caller's to write. Empty when done, otherwise why not (the game unchanged).
QString applySettingsForm(GameTable& games, int n, const DosBoxSettingsForm& answer,
                          const SettingsStore& store);

// Deletes Kavrel's own configuration file at path when no game of the table names it.
void dropOwnDosBoxFileIfUnused(const QString& path, const GameTable& games,
                               const SettingsStore& store);
