// What Play starts for each kind of game, decided without a window.
#include "launch/LaunchCommand.h"
#include "store/Paths.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A full path on this platform from its parts: {"", "emu", "dosbox"} is /emu/dosbox on Linux.
QString native(const QStringList& parts) {
    return parts.join(PathSeparator);
}

GameEntry game(const QString& path, bool dos) {
    GameEntry entry;
    entry.GPath = path;
    entry.GType = dos;
    return entry;
}

} // namespace

class LaunchCommandTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void dosGamesStartInTheEmulatorMinimised();
    void windowsGamesStartAloneInTheirOwnFolder();
};

void LaunchCommandTest::dosGamesStartInTheEmulatorMinimised() {
    const QString emulator = native({u""_s, u"Program Files"_s, u"DOSBox 0.74"_s, u"dosbox"_s});
    const QString maze = native({u""_s, u"GAMES"_s, u"MAZE"_s, u"MAZE.EXE"_s});

    const ProgramStart withExit = launchCommand(game(maze, true), emulator, true);
    QCOMPARE(withExit, (ProgramStart{emulator, {maze, u"-exit"_s}, {}, WindowStyle::Minimized}));
    const ProgramStart withoutExit = launchCommand(game(maze, true), emulator, false);
    QCOMPARE(withoutExit, (ProgramStart{emulator, {maze}, {}, WindowStyle::Minimized}));

    // Blanks, quotes and letters beyond ASCII stay inside the one argument, unquoted.
    const QString odd = native({u""_s, u"Spiele"_s, u"Ärger \"Deluxe\" 2"_s, u"DIG IT.COM"_s});
    QCOMPARE(launchCommand(game(odd, true), emulator, true).arguments,
             (QStringList{odd, u"-exit"_s}));

    // With no emulator located the start is asked for all the same, and the starter refuses it.
    QCOMPARE(launchCommand(game(maze, true), QString(), false).program, QString());
}

void LaunchCommandTest::windowsGamesStartAloneInTheirOwnFolder() {
    const QString folder = native({u""_s, u"Games"_s, u"Space Quest"_s});
    const QString program = folder + PathSeparator + u"sq.exe"_s;
    for (bool autoExit : {true, false}) {
        const ProgramStart start = launchCommand(game(program, false), u"dosbox"_s, autoExit);
        QCOMPARE(start, (ProgramStart{program, {}, folder, WindowStyle::Normal}));
    }

    // A program in a root starts in the root itself, never in a drive's current folder.
    QCOMPARE(folderOfProgram(native({u""_s, u"game"_s})), QString(PathSeparator));
    QCOMPARE(folderOfProgram(native({u"D:"_s, u"game.exe"_s})), u"D:"_s + PathSeparator);
    QCOMPARE(folderOfProgram(u"game.exe"_s), QString());
}

QTEST_GUILESS_MAIN(LaunchCommandTest)
#include "tst_launchcommand.moc"
