#include "launch/LaunchCommand.h"

#include "store/Paths.h"

QString folderOfProgram(const QString& path) {
    const PathParts parts = splitAtLastSeparator(path);
    if (!parts.hasSeparator)
        return {};
    // "" is the root of a Linux path, "C:" a drive: without the separator neither names the
    // root (a bare "C:" is the drive's current folder).
    if (parts.folder.isEmpty() || parts.folder.endsWith(u':'))
        return parts.folder + PathSeparator;
    return parts.folder;
}

ProgramStart launchCommand(const GameEntry& game, const QString& dosBoxPath, bool autoExit) {
    if (!game.GType)
        return {game.GPath, {}, folderOfProgram(game.GPath), WindowStyle::Normal};
    QStringList arguments{game.GPath};
    if (autoExit)
        arguments.append(QStringLiteral("-exit"));
    return {dosBoxPath, arguments, {}, WindowStyle::Minimized};
}
