// Play through the desktop's own program starter: a tiny DOS program in the real DOSBox, native
// programs, and the starts that cannot succeed.
#include "KavrelFixture.h"
#include "platform/ProcessStarter.h"
#include "window/GameList.h"

#include <QDir>
#include <QTest>
#include <signal.h>

using namespace Qt::StringLiterals;

namespace {

const QString DosBox = u"/usr/bin/dosbox"_s;
constexpr int Patience = 30000;

// A DOS program that creates OUT.TXT in its folder, writes "OK" into it and exits:
// int 21h 3Ch create, 40h write, 3Eh close, 4Ch exit.
const QByteArray WriterCom = QByteArray::fromHex("b43c31c9ba2001cd217210"
                                                 "89c3b440b90200ba2801cd21"
                                                 "b43ecd21"
                                                 "b8004ccd21") +
                             QByteArray("OUT.TXT\0OK", 10);

// The arguments of every running process that has `argument` among them; ended processes
// waiting for their parent show none and are left out.
QList<QPair<qint64, QStringList>> processesWith(const QString& argument) {
    QList<QPair<qint64, QStringList>> found;
    const QStringList entries = QDir(u"/proc"_s).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        bool isProcess = false;
        const qint64 pid = entry.toLongLong(&isProcess);
        QFile commandLine(u"/proc/"_s + entry + u"/cmdline"_s);
        if (!isProcess || !commandLine.open(QIODevice::ReadOnly))
            continue;
        QStringList arguments;
        for (const QByteArray& part : commandLine.readAll().split('\0'))
            arguments.append(QString::fromLocal8Bit(part));
        if (arguments.contains(argument))
            found.append({pid, arguments.mid(0, arguments.size() - 1)});
    }
    return found;
}

// Ends, by their ids, the processes a test started for its game, also when the test failed.
class Sweeper {
public:
    explicit Sweeper(QString argument) : argument(std::move(argument)) {}
    ~Sweeper() {
        for (const auto& process : processesWith(argument))
            ::kill(static_cast<pid_t>(process.first), SIGKILL);
    }

private:
    QString argument;
};

GameEntry game(const QString& path, bool dos) {
    GameEntry entry;
    entry.GTitle = u"Game"_s;
    entry.GPath = path;
    entry.GType = dos;
    return entry;
}

QString makeProgram(KavrelFixture& kavrel, const QString& name, const QByteArray& script) {
    const QString file = kavrel.writeFile(name, script);
    QFile::setPermissions(file, QFile::permissions(file) | QFile::ExeOwner);
    return file;
}

QString contentOf(const QString& file) {
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? QString::fromUtf8(in.readAll()) : QString();
}

} // namespace

class PlayProgramsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void dosGameRunsInDosBox_data();
    void dosGameRunsInDosBox();
    void pathsReachTheStartedProgramUnchanged();
    void windowsGameRunsInItsOwnFolder();
    void startsThatCannotSucceedAreReported();

private:
    ProcessStarter desktop;
};

void PlayProgramsTest::initTestCase() {
    // DOSBox runs without a screen or a sound card.
    qputenv("SDL_VIDEODRIVER", "dummy");
    qputenv("SDL_AUDIODRIVER", "dummy");
}

void PlayProgramsTest::dosGameRunsInDosBox_data() {
    QTest::addColumn<QString>("emulatorFolder");
    QTest::addColumn<QString>("gameFolder");
    QTest::newRow("plain") << QString() << u"writer"_s;
    QTest::newRow("blanks") << u"dos box"_s << u"dos games/the writer"_s;
}

void PlayProgramsTest::dosGameRunsInDosBox() {
    if (!QFileInfo::exists(DosBox))
        QSKIP("DOSBox is not installed at /usr/bin/dosbox");
    QFETCH(QString, emulatorFolder);
    QFETCH(QString, gameFolder);
    KavrelFixture kavrel;
    QString emulator = DosBox;
    if (!emulatorFolder.isEmpty()) {
        QDir().mkpath(kavrel.path(emulatorFolder));
        emulator = kavrel.path(emulatorFolder + u"/dosbox"_s);
        QVERIFY(QFile::link(DosBox, emulator));
    }
    const QString program = kavrel.writeFile(gameFolder + u"/WRITER.COM"_s, WriterCom);
    const QString output = kavrel.path(gameFolder + u"/OUT.TXT"_s);
    kavrel.seed(u"Location"_s, u"DosBox"_s, emulator);
    kavrel.seedGames({game(program, true)});
    kavrel.useStarter(desktop);
    kavrel.start();
    const Sweeper sweeper(program);

    kavrel.action(u"MnuBestandOpen"_s)->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(output), Patience);
    QTRY_COMPARE_WITH_TIMEOUT(contentOf(output), u"OK"_s, Patience);
    // Auto-exit: DOSBox closes with its game.
    QTRY_VERIFY_WITH_TIMEOUT(processesWith(program).isEmpty(), Patience);

    // Without it DOSBox stays, started with the game alone.
    QVERIFY(QFile::remove(output));
    kavrel.action(u"mnuExitOption"_s)->trigger();
    kavrel.action(u"MnuBestandOpen"_s)->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(output), Patience);
    const auto running = processesWith(program);
    QCOMPARE(running.size(), 1);
    QCOMPARE(running.first().second, (QStringList{emulator, program}));
    VERIFY_DIALOGS(kavrel.dialogs);
}

void PlayProgramsTest::pathsReachTheStartedProgramUnchanged() {
    KavrelFixture kavrel;
    // A stand-in emulator that writes down the folder it runs in and each argument on a line.
    const QString record = kavrel.path(u"arguments.txt"_s);
    const QString emulator =
        makeProgram(kavrel, u"emu dir/dos box"_s,
                    "#!/bin/sh\n{ pwd; printf '%s\\n' \"$@\"; } > '" + record.toUtf8() + "'\n");
    const QString program = kavrel.writeFile(u"dos \"Spiel\" Ärger/DIG IT.COM"_s, WriterCom);
    kavrel.seed(u"Location"_s, u"DosBox"_s, emulator);
    kavrel.seedGames({game(program, true)});
    kavrel.useStarter(desktop);
    kavrel.start();
    const Sweeper sweeper(emulator);

    kavrel.action(u"MnuBestandOpen"_s)->trigger();
    // The emulator keeps Kavrel's folder: DOSBox mounts the game's folder itself.
    const QString expected = QStringList{QDir::currentPath(), program, u"-exit"_s}.join(u'\n');
    QTRY_COMPARE_WITH_TIMEOUT(contentOf(record), expected + u'\n', Patience);
    VERIFY_DIALOGS(kavrel.dialogs);
}

void PlayProgramsTest::windowsGameRunsInItsOwnFolder() {
    KavrelFixture kavrel;
    // A game that finds its files by relative names, as many do.
    const QString program = makeProgram(kavrel, u"native \"Spiel\" Ärger/play me"_s,
                                        "#!/bin/sh\npwd > started-here.txt\n");
    const QString folder = QFileInfo(program).absolutePath();
    kavrel.seedGames({game(program, false)});
    kavrel.useStarter(desktop);
    kavrel.start();
    const Sweeper sweeper(program);

    kavrel.action(u"MnuBestandOpen"_s)->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(contentOf(folder + u"/started-here.txt"_s), folder + u'\n', Patience);
    VERIFY_DIALOGS(kavrel.dialogs);
}

void PlayProgramsTest::startsThatCannotSucceedAreReported() {
    KavrelFixture kavrel;
    const QString dos = kavrel.writeFile(u"games/WRITER.COM"_s, WriterCom);
    const QString text = kavrel.writeFile(u"games/readme.txt"_s, "not a program\n");
    kavrel.seedGames({game(dos, true), game(text, false)});
    kavrel.useStarter(desktop);
    Hoofdscherm& window = kavrel.start();
    const auto reports = [&](const QString& path) {
        kavrel.dialogs.acknowledge();
        window.MnuBestandOpen_Click();
        QCOMPARE(kavrel.dialogs.last().prompt, u"Could not execute "_s + path);
    };

    // No emulator located, then one that is not there.
    reports(dos);
    kavrel.dialogs.chooseFile(kavrel.path(u"gone/dosbox"_s));
    kavrel.action(u"mnuLocateDOSBox"_s)->trigger();
    reports(dos);
    // A file that is not a program.
    kavrel.find<GameList>(u"Lijst"_s)->setListIndex(1);
    reports(text);
    VERIFY_DIALOGS(kavrel.dialogs);
}

QTEST_MAIN(PlayProgramsTest)
#include "tst_play_programs.moc"
