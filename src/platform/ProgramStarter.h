#pragma once

#include <QString>
#include <QStringList>

// How the started program's window opens.
enum class WindowStyle { Normal = 1, Minimized = 2 };

// One program to start: the program and each argument apart, so that no path is ever split at
// its blanks.
struct ProgramStart {
    QString program;
    QStringList arguments;
    // Empty: the program inherits Kavrel's current folder.
    QString workingFolder;
    WindowStyle style = WindowStyle::Normal;

    friend bool operator==(const ProgramStart&, const ProgramStart&) = default;
};

class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    // Starts the program without waiting for it; false when it could not be started.
    virtual bool Shell(const ProgramStart& start) = 0;
};
