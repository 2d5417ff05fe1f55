#pragma once

#include "store/GameTable.h"

class SettingsStore;

// The number of games the store holds: "Games"/"Count", read as 0 when it is negative or no
// number, and at most as many games as the layout can hold.
int readGameCount(const SettingsStore& store);

// Reads games 1 to readGameCount() in stored order, writing nothing. Missing keys read as empty
// texts and a DOS game.
GameTable readGames(const SettingsStore& store);
// Reads the games as readGames() does, and writes each game's type back in its
// canonical form right after reading it. Missing keys read as empty texts and a DOS game.
GameTable readGameTable(SettingsStore& store);

// Writes the five keys of game n, in the order GPath, GBmp, GText, GTitle, GType.
void writeGame(SettingsStore& store, int n, const GameEntry& game);
// Writes every game, 1 to count, so that the stored numbering follows the table.
void writeGameTable(SettingsStore& store, const GameTable& table);

// False when the store holds game sections but its reader saw no "Games"/"Count": the file was
// not read the way it stands.
bool gameCountReadable(const SettingsStore& store);
