#pragma once

#include <QString>
#include <optional>

class GameTable;
class SettingsStore;

// Moving the games folder: every program, screenshot and description path under the old folder
// is rewritten under the new one, with the games folder setting, in one write.
struct GamesFolderMove {
    int gamesMoved = 0;
    // Rewritten paths that name no file at the new place.
    int filesMissing = 0;
};

// The folder offered as the old one: the longest that holds more than half of the games'
// programs; the empty text without games.
QString suggestedOldFolder(const GameTable& games);

// Whether the path is the folder or lies under it; letter case counts where the file system's
// does.
bool liesUnder(const QString& path, const QString& folder);
// The path with the folder it lies under replaced by another, in the path's own separators.
QString rebased(const QString& path, const QString& oldFolder, const QString& newFolder);

// Whether a program, screenshot or description of a game lies under the folder.
bool anyGameUnder(const GameTable& games, const QString& folder);

// Rewrites the store; what it moved. Writes nothing when no game lies under the old folder.
GamesFolderMove moveGamesFolder(SettingsStore& store, const QString& oldFolder,
                                const QString& newFolder);
// "3 games moved to NEW; 1 of their files is missing there." and the like.
QString describeMove(const GamesFolderMove& move, const QString& oldFolder,
                     const QString& newFolder);
// Why the two folders cannot be used for a move; nothing when they can.
std::optional<QString> moveRefusal(const QString& oldFolder, const QString& newFolder);
