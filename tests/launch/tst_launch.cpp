// What Play starts for each kind of game or why it cannot, where DOSBox and the DOS games live,
// and the auto-exit option in its two places. The recording starter sees each start and hands it
// to the desktop's own starter, which runs stand-ins for DOSBox, Wine and the games that write
// down what they were given, or a tiny DOS program in the real DOSBox. Then Kavrel's command line
// and its one window per store, run as the real program, and the names a screen reader gives the
// window's controls.
#include "KavrelFixture.h"
#include "launch/LaunchCommand.h"
#include "launch/TitleSuggestions.h"
#include "platform/LastStartLog.h"
#include "platform/PickerFilters.h"
#include "platform/ProcessStarter.h"

#include <QProcess>
#include <unistd.h>

// A game's program (one ending in ".COM" is a DOS game's), the DOSBox location stored, the search
// path, what starts (the program and its arguments), and what the box says after "Could not
// execute".
using Case = std::tuple<QString, QString, QString, QStringList, QString>;

// The arguments separated by "|", the exit status, a part of what it prints, and the program
// the emulator was asked to start.
using Verb = std::tuple<QString, int, QString, QString>;

class LaunchTest : public QObject {
    Q_OBJECT

    // Games and the programs Play looks for, with blanks and letters beyond ASCII in every path;
    // its store is the real program's.
    KavrelFixture shelf;
    const QString record = shelf.path(u"dos game/OUT.TXT"_s);

    // The built program on the test's store, with everything it prints in one channel. The verbs
    // get no display at all: one that made a window would fail to start.
    QProcess* kavrel(const QStringList& arguments, const char* display = "no-display") {
        auto* process = new QProcess(this);
        qputenv("QT_QPA_PLATFORM", display); // the test's own window is made already
        process->setProcessChannelMode(QProcess::MergedChannels);
        process->start(QStringLiteral(KAVREL_BINARY), arguments);
        return process;
    }

private Q_SLOTS:
    void locationsAndAutoExitAreStoredAsChosen() {
        KavrelFixture kavrel;
        const QString dosBox = kavrel.writeFile(u"bin ä/dosbox"_s, "#!/bin/sh\n", true);
        qputenv("PATH", QFile::encodeName(QFileInfo(dosBox).path()));
        kavrel.seed(u"Options"_s, u"GExit"_s, u"yes"_s);
        kavrel.start();
        // Auto-exit, on for a stored value Kavrel cannot read: both places and the store agree,
        // whichever place turns it off or on: the menu twice, the check box twice, and the menu
        // once more, which follows the check box whatever its own mark says.
        auto* exitCheck = kavrel.find<QCheckBox>(u"ExitCheck"_s);
        QAction* menu = kavrel.action(u"mnuExitOption"_s);
        for (int step = 0; step < 5; ++step) {
            menu->setChecked(step == 4 ? false : menu->isChecked());
            step == 2 || step == 3 ? QTest::mouseClick(exitCheck, Qt::LeftButton) : menu->trigger();
            const bool on = step % 2 == 1;
            QCOMPARE(std::tuple(kavrel.window().autoExit(), exitCheck->isChecked(),
                                menu->isChecked(), kavrel.onDisk(u"Options"_s, u"GExit"_s)),
                     std::tuple(on, on, on, std::optional(on ? u"True"_s : u"False"_s)));
        }
        // With none located, a cancel keeps the auto-exit check box while a DOSBox is on the
        // search path, and disables it, not the menu item, once there is none. It stays disabled
        // for the run: a DOSBox chosen later does not bring it back, and a cancel then keeps it.
        // The games folder is kept as the picker gives it, nothing added or cut; a cancel keeps it.
        const QString folder = kavrel.path(u"dos games"_s) + u'/';
        for (int pick = 0; pick <= 3; ++pick) {
            kavrel.dialogs.chooseFolder(pick == 0 ? folder : QString());
            kavrel.action(u"mnuKavrelFolder"_s)->trigger();
            QCOMPARE(kavrel.onDisk(u"Location"_s, u"DosGames"_s), folder);
            pick == 2 ? kavrel.dialogs.chooseFile(dosBox) : kavrel.dialogs.cancelFile();
            kavrel.action(u"mnuLocateDOSBox"_s)->trigger();
            QVERIFY(exitCheck->isEnabled() == (pick == 0) && menu->isEnabled());
            QCOMPARE(kavrel.onDisk(u"Location"_s, u"DosBox"_s),
                     pick < 2 ? std::nullopt : std::optional(dosBox));
            qputenv("PATH", QFile::encodeName(kavrel.path(u"nothing"_s)));
        }
        // The picker of its own opens where the located DOSBox is and lists every file.
        QCOMPARE(pickerSettings(kavrel.dialogs.last().request),
                 pickerSettings({QFileInfo(dosBox).path(), {}, u"All files |*"_s, {}, 0x281000}));
        VERIFY_DIALOGS(kavrel.dialogs);
    }

    // What Locate DOSBox stores or refuses, and where its picker opens: the folder of the DOSBox
    // located (while it exists), else of the one on the search path, else /usr/bin.
    void locateDosBoxTakesOnlyAProgram() {
        KavrelFixture kavrel;
        const QString dosBox = kavrel.writeFile(u"emu ü/dosbox-x"_s, "#!/bin/sh\n", true);
        const QString onPath = kavrel.writeFile(u"bin/dosbox"_s, "#!/bin/sh\n", true);
        const QString diz = kavrel.writeFile(u"games/FILE_ID.DIZ"_s, "Cave Runner\r\n");
        const QString folder = kavrel.path(u"games"_s), gone = kavrel.path(u"gone/dosbox"_s);
        // What was located before, the search path, the file chosen, the folder the picker opens,
        // and what the store holds after; a refusal's message says why.
        const std::tuple<QString, QString, QString, QString, QString, const char*> cases[] = {
            {{}, kavrel.path(u"bin"_s), dosBox, kavrel.path(u"bin"_s), dosBox, nullptr},
            {dosBox, {}, diz, QFileInfo(dosBox).path(), dosBox, "is not a program"},
            {gone, {}, folder, u"/usr/bin"_s, gone, "is not a file"},
            {gone, kavrel.path(u"bin"_s), onPath, kavrel.path(u"bin"_s), onPath, nullptr}};
        for (const auto& [located, path, chosen, opensIn, stored, refusal] : cases) {
            kavrel.seed(u"Location"_s, u"DosBox"_s, located);
            qputenv("PATH", QFile::encodeName(path.isEmpty() ? kavrel.path(u"none"_s) : path));
            kavrel.start();
            const QByteArray before = kavrel.storeFileBytes();
            kavrel.dialogs.chooseFile(chosen);
            if (refusal)
                kavrel.dialogs.acknowledge(storeUnchanged(kavrel));
            kavrel.action(u"mnuLocateDOSBox"_s)->trigger();
            QCOMPARE(kavrel.dialogs.shown().first().request.initDir, opensIn);
            QCOMPARE(kavrel.window().dosBoxPath(), stored);
            QVERIFY(refusal ? kavrel.storeFileBytes() == before
                            : kavrel.onDisk(u"Location"_s, u"DosBox"_s) == stored);
            QVERIFY(!refusal || kavrel.dialogs.last().prompt.contains(QLatin1String(refusal)));
            VERIFY_DIALOGS(kavrel.dialogs);
            kavrel.dialogs = {};
        }
    }

    void startsEachGameItsOwnWayOrSaysWhy_data() {
        QTest::addColumn<Case>("game");
        const auto row = [](const char* name, const Case& game) {
            QTest::newRow(name) << game;
        };
        // Stand-ins write down the folder they run in, "no input" when their input is empty (the
        // null device, never Kavrel's own), the name they were started by and each argument, a
        // line each.
        // What they print goes to the last-start log, errors after output.
        const QByteArray recorder =
            "#!/bin/sh\n{ pwd; [ /dev/stdin -ef /dev/null ] && echo no input; "
            "printf '%s\\n' \"$0\" \"$@\"; } > '" +
            QFile::encodeName(record) + "'\necho said; echo complained >&2\n";
        const QString dosBox = shelf.writeFile(u"bin ä/dosbox"_s, recorder, true);
        const QString wine = shelf.writeFile(u"bin ö/wine"_s, recorder, true);
        const QString emu = shelf.writeFile(u"emu ü/dos box"_s, recorder, true);
        const QString dos = shelf.writeFile(u"spiele ü/DIG IT.COM"_s, "\xCD\x20");
        const QString exe = shelf.writeFile(u"win é/GAME ONE.EXE"_s, "MZ\x90");
        const QString bat = shelf.writeFile(u"win é/SET UP.BAT"_s, "@echo off\r\n");
        const QString broken = shelf.writeFile(u"native é/broken"_s, "#!/nowhere/sh\n", true);
        const QString text = shelf.writeFile(u"native é/read me.txt"_s, "not a program\n");
        const QString diz = shelf.writeFile(u"spiele ü/FILE_ID.DIZ"_s, "Dig It\r\n");
        const QString gone = shelf.path(u"gone/GAME.COM"_s), exit = u"-exit"_s;
        const QString wineDir = QFileInfo(wine).path(), dosBoxDir = QFileInfo(dosBox).path();
        const QString both = dosBoxDir + u':' + wineDir;
        row("DOS, DOSBox located, auto-exit off", {dos, emu, both, {emu, dos}, {}});
        row("DOS, none located", {dos, {}, both, {dosBox, dos, exit}, {}});
        row("DOS, located one gone", {dos, gone, both, {dosBox, dos, exit}, {}});
        row("DOS, no DOSBox", {dos, {}, wineDir, {}, u"DOSBox was not found"_s});
        row("Windows", {exe, emu, both, {wine, exe}, {}});
        row("batch file", {bat, emu, both, {wine, u"cmd"_s, u"/c"_s, u"SET UP.BAT"_s}, {}});
        row("no Wine", {exe, emu, dosBoxDir, {}, u"Wine is needed"_s});
        row("no program", {text, emu, both, {}, u"The file is not a program"_s});
        row("missing game", {gone, emu, both, {}, u"The game's program file does not exist"_s});
        row("start refused", {broken, emu, both, {broken}, broken + u" could not be started"_s});
        row("DOSBox cannot start",
            {dos, diz, both, {diz, dos}, u"The DOSBox at "_s + diz + u" could not start"_s});
        // The real DOSBox, without a screen, a sound card or the user's settings, runs a DOS
        // program that creates OUT.TXT in its folder and writes "OK" into it (int 21h 3Ch create,
        // 40h write, 3Eh close, 4Ch exit). With auto-exit it closes, and the DOSBox located adds
        // its word; it gives up after half a minute, so that nothing outlives the test.
        const QByteArray code =
            QByteArray::fromHex("b43c31c9ba2001cd21721089c3b440b90200ba2801cd21b4"
                                "3ecd21b8004ccd214f55542e545854004f4b");
        const QString writer = shelf.writeFile(u"dos game/WRITER.COM"_s, code);
        const QString closer = shelf.writeFile(
            u"dos game/dos box"_s,
            "#!/bin/sh\nD=${0%/*}; HOME=$D SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy "
            "/usr/bin/timeout "
            "-s KILL 30 /usr/bin/dosbox \"$@\" && echo ' closed' >>\"$D/OUT.TXT\"\n",
            true);
        if (QFileInfo::exists(u"/usr/bin/dosbox"_s))
            row("real DOSBox", {writer, closer, {}, {closer, writer, exit}, {}});
    }

    void startsEachGameItsOwnWayOrSaysWhy() {
        QFETCH(Case, game);
        const auto& [program, located, path, starts, why] = game;
        qputenv("PATH", QFile::encodeName(path));
        QFile::remove(record);
        KavrelFixture kavrel;
        ProcessStarter desktop;
        // A DOS game runs in DOSBox, minimised, in Kavrel's folder; the others in their own.
        const bool dos = program.endsWith(u".COM"_s);
        const QString folder = dos ? QString() : QFileInfo(program).path();
        kavrel.seed(u"Location"_s, u"DosBox"_s, located);
        kavrel.seed(u"Options"_s, u"GExit"_s, starts.contains(u"-exit"_s) ? u"True"_s : u"False"_s);
        kavrel.seedGames({GameEntry{program, {}, {}, u"Game"_s, dos}});
        kavrel.starter.passTo = &desktop;
        kavrel.start();
        if (!why.isEmpty())
            kavrel.dialogs.acknowledge();
        // With no entry selected nothing plays.
        QTest::mouseClick(kavrel.find<QWidget>(u"KnopSpelen"_s), Qt::LeftButton);
        kavrel.list()->setListIndex(-1);
        kavrel.action(u"MnuBestandOpen"_s)->trigger();
        const ProgramStart start{starts.value(0), starts.mid(1), folder,
                                 dos ? WindowStyle::Minimized : WindowStyle::Normal};
        QCOMPARE(kavrel.starter.starts, starts.isEmpty() ? QList<ProgramStart>() : QList{start});
        const QString ran =
            program.endsWith(u"WRITER.COM"_s)
                ? u"OK closed"_s
                : (QStringList{dos ? QDir::currentPath() : folder, u"no input"_s} + starts)
                      .join(u'\n');
        QTRY_COMPARE_WITH_TIMEOUT(QString::fromUtf8(fileBytes(record)),
                                  why.isEmpty() ? ran + u'\n' : QString(), 20000);
        // The log, not Kavrel's terminal, holds the command and what the stand-in printed, or why
        // it could not start (the real DOSBox's words are its own).
        if (!starts.isEmpty() && !program.endsWith(u"WRITER.COM"_s))
            QTRY_VERIFY(QString::fromUtf8(fileBytes(lastStartLogPath()))
                            .startsWith(u"Kavrel started: "_s + starts.join(u' ') +
                                        (why.isEmpty() ? u"\nsaid\ncomplained\n"_s
                                                       : u"\nIt could not be started: "_s)));
        // The box names the game's program, and says why in its second line.
        const ScriptedDialogs::Shown box = kavrel.dialogs.shown().value(0);
        QVERIFY2(why.isEmpty() ||
                     (box.title == u"Execute Error"_s && box.style == MsgBoxStyle::Critical &&
                      box.prompt.startsWith(u"Could not execute "_s + program + u'\n' + why) &&
                      box.prompt.contains(lastStartLogPath()) == !starts.isEmpty()),
                 qPrintable(box.prompt));
        VERIFY_DIALOGS(kavrel.dialogs);
    }

    void initTestCase() {
        // Kavrel's own input is a pipe, which no game may share.
        int input[2];
        QVERIFY(::pipe(input) == 0 && ::dup2(input[0], 0) == 0);
        // The emulator notes what it was asked to start.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(shelf.path(u"config"_s)));
        qputenv("XDG_STATE_HOME", QFile::encodeName(shelf.path(u"state ü"_s)));
        const QByteArray dosBox = "#!/bin/sh\necho \"$1\" > \"$0.started\"\n";
        shelf.seed(u"Location"_s, u"DosBox"_s, shelf.writeFile(u"dosbox.sh"_s, dosBox, true));
        shelf.seedGames({{shelf.writeFile(u"bravo.com"_s, "game"), {}, {}, u"Bravo"_s, true},
                         {shelf.path(u"gone.exe"_s), {}, {}, u"Alpha"_s, false}});
    }

    void verbsEndAtOnceAndOnlyReadTheStore_data() {
        QTest::addColumn<Verb>("verb");
        QTest::newRow("help") << Verb{u"--help"_s, 0, u"--play <title>"_s, {}};
        QTest::newRow("version") << Verb{u"--version"_s, 0, u"Kavrel "_s, {}};
        QTest::newRow("stray") << Verb{u"Bravo"_s, 1, u"Unexpected argument: Bravo"_s, {}};
        QTest::newRow("unknown") << Verb{u"--bogus"_s, 1, u"bogus"_s, {}};
        QTest::newRow("play") << Verb{u"--play|Bravo"_s, 0, {}, shelf.path(u"bravo.com"_s)};
        QTest::newRow("exact title") << Verb{u"--play|bravo"_s, 1, u"\"bravo\""_s, {}};
        QTest::newRow("suggestions")
            << Verb{u"--play|RAV"_s, 1, u"\"RAV\".\nTitles that contain it:\n  Bravo\n"_s, {}};
        // Qt's own options are Qt's, with their values; an unknown one is refused whole.
        QTest::newRow("Qt options")
            << Verb{u"-style|Fusion|--reverse|-session|1a2b|--style=Windows|--list"_s,
                    0,
                    u"Bravo\nAlpha\n"_s,
                    {}};
        QTest::newRow("unknown word") << Verb{u"-bogus"_s, 1, u"Unknown option 'bogus'"_s, {}};
        QTest::newRow("gone") << Verb{u"--play|Alpha"_s, 1, shelf.path(u"gone.exe"_s), {}};
    }
    void verbsEndAtOnceAndOnlyReadTheStore() {
        QFETCH(Verb, verb);
        const auto& [arguments, status, output, started] = verb;
        QFile::remove(shelf.path(u"dosbox.sh.started"_s));
        const QByteArray store = shelf.storeFileBytes();
        QProcess* process = kavrel(arguments.split(u'|'));
        QVERIFY(process->waitForFinished(30000));
        QCOMPARE(process->exitCode(), status);
        QVERIFY(QString::fromUtf8(process->readAll()).contains(output));
        QTRY_COMPARE(QString::fromUtf8(fileBytes(shelf.path(u"dosbox.sh.started"_s))).trimmed(),
                     started);
        QCOMPARE(shelf.storeFileBytes(), store);
    }

    void oneKavrelPerStore() {
        QProcess* first = kavrel({}, "offscreen");
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(shelf.storePath() + u".instance-lock"_s), 30000);
        // A second start hands over to the first and ends; the read-only verbs run beside it
        // and list the titles in the store's order.
        QProcess* second = kavrel({}, "offscreen");
        QProcess* list = kavrel({u"--list"_s});
        QVERIFY(second->waitForFinished(30000) && list->waitForFinished(30000));
        QCOMPARE(std::tuple(second->exitCode(), list->exitCode(), list->readAll(), first->state()),
                 std::tuple(0, 0, "Bravo\nAlpha\n"_ba, QProcess::Running));
        // A killed Kavrel leaves its lock and perhaps a half-written store; the next start takes
        // the store over and removes its own leftovers only: never a user's copies, whatever
        // their names.
        first->kill();
        QVERIFY(first->waitForFinished(30000));
        const QString kept = u"Kavrel.conf.AbcDef Kavrel.conf.BACKUP Kavrel.conf.backup "
                             u"Kavrel.conf.kavrel-partial-1 Kavrel.conf.lock "
                             u"Kavrel.conf.unreadable-20261206-1410 Other.conf.AbcDef"_s;
        for (const QString& name :
             (kept + u" Kavrel.conf.kavrel-partial-0123456789abcdef"_s).split(u' '))
            shelf.writeFile(u"config/Kavrel/"_s + name, "[Games]\n");
        kavrel({}, "offscreen");
        QStringList left = (u"Kavrel.conf Kavrel.conf.instance-lock "_s + kept).split(u' ');
        left.sort();
        QTRY_COMPARE_WITH_TIMEOUT(QDir(shelf.path(u"config/Kavrel"_s)).entryList(QDir::Files), left,
                                  30000);
    }

    void suggestionsAreFiveTitlesContainingTheTextInAnyCase() {
        GameTable games;
        for (const QString& title :
             u"Keen 1|Alpha|KEEN 2|keen 3|Commander Keen|Keen 4|Keen 5|Keen 6"_s.split(u'|'))
            games.append({.GTitle = title});
        QCOMPARE(titlesContaining(games, u"keen"_s),
                 u"Keen 1|KEEN 2|keen 3|Commander Keen|Keen 4"_s.split(u'|'));
        QCOMPARE(titlesContaining(games, u"zork"_s), QStringList());
        QVERIFY(!noGameTitled(games, u"zork"_s).contains(u"contain"_s));
    }

    // A game in a root folder runs in the root, not in the bare drive's current folder.
    void aGameInARootRunsInTheRoot() { QCOMPARE(folderOfProgram(u"/GAME.EXE"_s), u"/"_s); }
};

QTEST_MAIN(LaunchTest)
#include "tst_launch.moc"
