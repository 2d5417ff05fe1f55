#pragma once

#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class ProgramStarter;
class QTextStream;
class SettingsStore;
struct GameEntry;

// What the command line can ask without the window. --help, --version and a wrong command line
// never open the store; --list and --play only read it, so they run beside a running Kavrel.
struct CommandLineWorld {
    std::function<std::unique_ptr<SettingsStore>()> openStore;
    ProgramStarter& starter;
    QTextStream& out;
    QTextStream& err;
};

// Runs what the arguments (the program's name first) ask; the exit status, or nothing when
// the window is to open.
std::optional<int> runCommandLine(const QStringList& arguments, const CommandLineWorld& world);

// Starts a game with the same checks and the same command line as Play; the reason, in plain
// words, when it cannot.
std::optional<QString> startGameFromCommandLine(const GameEntry& game, const SettingsStore& store,
                                                ProgramStarter& starter);
