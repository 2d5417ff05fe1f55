#include "platform/ProcessStarter.h"

#include <QFileInfo>
#include <QProcess>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

bool ProcessStarter::Shell(const ProgramStart& start) {
    // A folder or a missing file is no program, whatever the platform would make of it.
    if (!QFileInfo(start.program).isFile())
        return false;
    QProcess process;
    process.setProgram(start.program);
    process.setArguments(start.arguments);
    if (!start.workingFolder.isEmpty())
        process.setWorkingDirectory(start.workingFolder);
    process.setStandardInputFile(QProcess::nullDevice());
#ifdef Q_OS_WIN
    const WORD show = start.style == WindowStyle::Minimized ? SW_SHOWMINIMIZED : SW_SHOWNORMAL;
    process.setCreateProcessArgumentsModifier([show](QProcess::CreateProcessArguments* args) {
        args->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
        args->startupInfo->wShowWindow = show;
    });
#endif
    return process.startDetached();
}
