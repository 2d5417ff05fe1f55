#include "launch/LaunchCommand.h"

#include "dosbox/DosBoxKind.h"
#include "launch/StartFailure.h"
#include "store/Paths.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

LaunchPlan refused(const QString& why) {
    return {{}, why};
}

const QString NoGameFile = QStringLiteral("The game's program file does not exist.");
const QString NoDosBox = QStringLiteral(
    "DOSBox was not found: choose its program with Locate DOSBox... in the DOSBox menu.");
#ifndef Q_OS_WIN
const QString NotAProgram = QStringLiteral("The file is not a program that can be started.");
const QString NoWine =
    QStringLiteral("Wine is needed to start Windows programs, and it was not found.");

bool isWindowsProgram(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(2) == "MZ";
}

LaunchPlan planWindowsProgram(const QString& path, const QString& folder) {
    const bool windowsProgram = isWindowsProgram(path);
    const bool batchFile = path.endsWith(QStringLiteral(".bat"), Qt::CaseInsensitive);
    if (!windowsProgram && !batchFile) {
        if (!QFileInfo(path).isExecutable())
            return refused(NotAProgram);
        return {{path, {}, folder, WindowStyle::Normal}, {}};
    }
    const QString wine = QStandardPaths::findExecutable(QStringLiteral("wine"));
    if (wine.isEmpty())
        return refused(NoWine);
    // Wine's cmd reads Windows paths, so the batch file goes by its name in its own folder.
    const QStringList arguments =
        windowsProgram
            ? QStringList{path}
            : QStringList{QStringLiteral("cmd"), QStringLiteral("/c"), QFileInfo(path).fileName()};
    return {{wine, arguments, folder, WindowStyle::Normal}, {}};
}
#endif

} // namespace

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

QString dosBoxToUse(const QString& storedDosBox) {
    if (QFileInfo(storedDosBox).isFile())
        return storedDosBox;
#ifdef Q_OS_WIN
    return {};
#else
    return QStandardPaths::findExecutable(QStringLiteral("dosbox"));
#endif
}

LaunchPlan planLaunch(const GameEntry& game, const QString& storedDosBox, bool autoExit,
                      DosProgram program) {
    if (program == DosProgram::Setup && !game.GType)
        return refused(QStringLiteral("Only a DOS game has a setup program to run in DOSBox."));
    // DOSBox given a missing program waits with an error instead of closing, so a missing game
    // is refused here, for either type, before anything starts.
    if (program == DosProgram::Game && !QFileInfo(game.GPath).isFile())
        return refused(NoGameFile);
    if (game.GType) {
        const QString dosBox = dosBoxToUse(storedDosBox);
        if (dosBox.isEmpty())
            return refused(NoDosBox);
        if (program == DosProgram::Setup || hasOwnDosBoxSettings(game)) {
            // Only a configuration of the game's own needs to know which DOSBox reads it.
            const DosBoxKind kind =
                game.GConf.isEmpty() ? DosBoxKind::Classic : dosBoxKindOf(dosBox);
            const DosBoxCommand command = dosBoxCommand(game, program, autoExit, kind);
            if (!command.whyNot.isEmpty())
                return refused(command.whyNot);
            return {{dosBox, command.arguments, command.workingFolder, WindowStyle::Minimized}, {}};
        }
        QStringList arguments{game.GPath};
        if (autoExit)
            arguments.append(QStringLiteral("-exit"));
        return {{dosBox, arguments, {}, WindowStyle::Minimized}, {}};
    }
#ifdef Q_OS_WIN
    return {{game.GPath, {}, folderOfProgram(game.GPath), WindowStyle::Normal}, {}};
#else
    return planWindowsProgram(game.GPath, folderOfProgram(game.GPath));
#endif
}

QString startGame(const GameEntry& game, const QString& storedDosBox, bool autoExit,
                  ProgramStarter& starter, DosProgram program) {
    const LaunchPlan plan = planLaunch(game, storedDosBox, autoExit, program);
    if (!plan.canStart())
        return plan.whyNot;
    if (!starter.Shell(plan.start))
        return startFailure(game, plan.start.program);
    return {};
}
