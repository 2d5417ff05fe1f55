#pragma once

#include "store/GameTable.h"

class SettingsStore;

// The number of games the store holds: "Games"/"Count" when it is a plain number up to the 9999
// games the layout holds; otherwise (missing, negative, too large or no number) the highest n of
// the sections GameKey(n) in the store.
int readGameCount(const SettingsStore& store);

// Reads games 1 to readGameCount() in stored order, writing nothing. Missing keys read as empty
// texts and a DOS game.
GameTable readGames(const SettingsStore& store);
// Reads the games as readGames() does, and writes each game's type back in its
// canonical form right after reading it. Missing keys read as empty texts and a DOS game.
GameTable readGameTable(SettingsStore& store);

// Stores games 1 to count, so that the stored numbering follows the table. `stored` is the table
// as the store holds it: only the keys of a game that differ from it are written, since a command
// at thousands of games would otherwise hand the store tens of thousands of unchanged values.
void writeGameTable(SettingsStore& store, const GameTable& table, const GameTable& stored);

// False when "Games"/"Count" is not a plain number from 0 to the highest game section the store
// holds (or is missing while it holds game sections): the file was not read the way it stands.
bool gameCountReadable(const SettingsStore& store);
