#pragma once

#include "shelf/GameProposal.h"

#include <QList>
#include <QSet>
#include <QStringList>
#include <functional>

// Looks through folders for games and proposes each, the way Kavrel adds a whole shelf.
//
// Rules:
// - A folder that holds programs (.com, .exe, .bat in any case) is one game. The folders given
//   and their subfolders are looked through to a depth of three (a game in
//   GIVEN/ACTION/1991/KEEN is found). Below a game's folder nothing more is a game: its
//   subfolders hold its parts (set-up tools, sound drivers, saves). The folder given may be a
//   game itself and still hold games in its subfolders.
// - The program: ProgramChoice::choose. The type: isWindowsProgram. The title: the folder's name
//   as it stands.
// - The screenshot: the newest picture Kavrel can show in the folder or in a "capture" or
//   "captures" subfolder (any case), as DOSBox saves them.
// - The description: the first text Kavrel can read, tried in this order: README and README.*,
//   READ.ME, FILE_ID.DIZ, other *.TXT, *.NFO (any case, by name within each).
class FolderScan {
public:
    // Told how far the scan is: games proposed so far and how many were found (0 while folders
    // are still being looked through). Returning false stops the scan.
    using Progress = std::function<bool(int done, int total)>;
    static constexpr int Depth = 3;

    explicit FolderScan(Progress progress = {}) : progress(std::move(progress)) {}

    // The games in the folders given, and one for each program given, in the order of their
    // paths. Empty once stopped.
    QList<GameProposal> scan(const QStringList& foldersAndPrograms);
    bool stopped() const { return wasStopped; }

    // The game of one folder, with the program proposed by the rules.
    static GameProposal proposeFolder(const QString& folder);
    // A game started by this program: the rules for the rest of its folder, the title the
    // program's name without its extension.
    static GameProposal proposeProgram(const QString& program);

private:
    void findGameFolders(const QString& folder, int depth, QStringList& found);
    bool report(int done, int total);

    Progress progress;
    bool wasStopped = false;
    QSet<QString> visited;
};
