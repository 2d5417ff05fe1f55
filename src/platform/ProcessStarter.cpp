#include "platform/ProcessStarter.h"

#include "platform/LastStartLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

// Begins the log afresh with the command about to run; false when it cannot be written.
bool beginLog(const QString& log, const ProgramStart& start) {
    QFile file(log);
    if (!QDir().mkpath(QFileInfo(log).path()) ||
        !file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QString command = (QStringList{start.program} + start.arguments).join(u' ');
    return file.write((QStringLiteral("Kavrel started: ") + command + u'\n').toUtf8()) >= 0;
}

void noteFailure(const QString& log, const QString& why) {
    QFile file(log);
    if (file.open(QIODevice::Append))
        file.write((QStringLiteral("It could not be started: ") + why + u'\n').toUtf8());
}

} // namespace

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
    // Both channels append, so that neither writes over what the other wrote.
    const QString log = lastStartLogPath();
    const QString output = beginLog(log, start) ? log : QProcess::nullDevice();
    process.setStandardOutputFile(output, QIODevice::Append);
    process.setStandardErrorFile(output, QIODevice::Append);
#ifdef Q_OS_WIN
    const WORD show = start.style == WindowStyle::Minimized ? SW_SHOWMINIMIZED : SW_SHOWNORMAL;
    process.setCreateProcessArgumentsModifier([show](QProcess::CreateProcessArguments* args) {
        args->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
        args->startupInfo->wShowWindow = show;
    });
#endif
    if (process.startDetached())
        return true;
    if (output == log)
        noteFailure(log, process.errorString());
    return false;
}
