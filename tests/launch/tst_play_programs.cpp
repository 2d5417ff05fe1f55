// Play through the desktop's own program starter: a tiny DOS program in the real DOSBox, native
// programs, and starts that cannot succeed.
#include "KavrelFixture.h"
#include "platform/ProcessStarter.h"
#include "window/GameList.h"

#include <QDir>
#include <QScopeGuard>
#include <QTest>
#include <signal.h>

using namespace Qt::StringLiterals;

namespace {

const QString DosBox = u"/usr/bin/dosbox"_s;
constexpr int Patience = 20000;

// A DOS program that creates OUT.TXT in its folder, writes "OK" into it and exits:
// int 21h 3Ch create, 40h write, 3Eh close, 4Ch exit.
const QByteArray WriterCom =
    QByteArray::fromHex("b43c31c9ba2001cd21721089c3b440b90200ba2801cd21b43ecd21b8004ccd21") +
    QByteArray("OUT.TXT\0OK", 10);

// The running processes whose command line holds `text`; ended processes waiting for their
// parent show none.
QList<pid_t> processesWith(const QString& text) {
    QList<pid_t> found;
    for (const QString& entry : QDir(u"/proc"_s).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile commandLine(u"/proc/"_s + entry + u"/cmdline"_s);
        if (entry.toInt() > 0 && commandLine.open(QIODevice::ReadOnly) &&
            commandLine.readAll().contains(QFile::encodeName(text)))
            found.append(entry.toInt());
    }
    return found;
}

QString contentOf(const QString& file) {
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? QString::fromUtf8(in.readAll()) : QString();
}

} // namespace

class PlayProgramsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void dosGameRunsInDosBox_data();
    void dosGameRunsInDosBox();
    void programsGetTheirPathsWholeOrAMessage();

private:
    ProcessStarter desktop;
};

void PlayProgramsTest::dosGameRunsInDosBox_data() {
    QTest::addColumn<QString>("folder");
    QTest::newRow("plain") << u"plain"_s;
    QTest::newRow("blanks") << u"with blanks"_s;
}

void PlayProgramsTest::dosGameRunsInDosBox() {
    if (!QFileInfo::exists(DosBox))
        QSKIP("DOSBox is not installed at /usr/bin/dosbox");
    QFETCH(QString, folder);
    // DOSBox runs without a screen or a sound card.
    qputenv("SDL_VIDEODRIVER", "dummy");
    qputenv("SDL_AUDIODRIVER", "dummy");
    KavrelFixture kavrel;
    const QString emulator = kavrel.path(folder + u"/emu/dosbox"_s);
    QVERIFY(QDir().mkpath(kavrel.path(folder + u"/emu"_s)) && QFile::link(DosBox, emulator));
    const QString program = kavrel.writeFile(folder + u"/game/WRITER.COM"_s, WriterCom);
    kavrel.seed(u"Location"_s, u"DosBox"_s, emulator);
    kavrel.seedGames({GameEntry{program, {}, {}, u"Writer"_s}});
    kavrel.useStarter(desktop);
    kavrel.start();
    // Ends, by their ids, the processes the test started, also when it failed.
    const auto sweeper = qScopeGuard([&] {
        for (pid_t process : processesWith(kavrel.path(folder)))
            ::kill(process, SIGKILL);
    });

    // The game writes its file, and with auto-exit on DOSBox closes with it.
    kavrel.action(u"MnuBestandOpen"_s)->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(contentOf(kavrel.path(folder + u"/game/OUT.TXT"_s)), u"OK"_s,
                              Patience);
    QTRY_VERIFY_WITH_TIMEOUT(processesWith(program).isEmpty(), Patience);
    VERIFY_DIALOGS(kavrel.dialogs);
}

void PlayProgramsTest::programsGetTheirPathsWholeOrAMessage() {
    KavrelFixture kavrel;
    // Stand-ins that write down the folder they run in and each argument on a line.
    const QString record = kavrel.path(u"started.txt"_s);
    const auto recorder = [&](const QString& name) {
        const QString file = kavrel.writeFile(
            name, "#!/bin/sh\n{ pwd; for a; do printf '%s\\n' \"$a\"; done; } > '" +
                      record.toUtf8() + "'\n");
        QFile::setPermissions(file, QFile::permissions(file) | QFile::ExeOwner);
        return file;
    };
    const QString emulator = recorder(u"emu dir/dos box"_s);
    const QString dos = kavrel.writeFile(u"dos \"Spiel\" Ärger/DIG IT.COM"_s, WriterCom);
    const QString native = recorder(u"native \"Spiel\" Ärger/play me"_s);
    const QString text = kavrel.writeFile(u"games/readme.txt"_s, "not a program\n");
    kavrel.seedGames({GameEntry{dos, {}, {}, u"A"_s}, GameEntry{native, {}, {}, u"B"_s, false},
                      GameEntry{text, {}, {}, u"C"_s, false}});
    kavrel.useStarter(desktop);
    Hoofdscherm& window = kavrel.start();

    // No emulator located yet, and a file that is no program.
    for (int row : {0, 2}) {
        kavrel.list()->setListIndex(row);
        kavrel.dialogs.acknowledge();
        window.MnuBestandOpen_Click();
        QCOMPARE(kavrel.dialogs.last().prompt,
                 u"Could not execute "_s + window.games()[row + 1].GPath);
    }

    // The emulator keeps Kavrel's folder, since DOSBox mounts the game's folder itself; a game
    // of its own runs in its folder, as games that open their files by relative names need.
    kavrel.dialogs.chooseFile(emulator);
    kavrel.action(u"mnuLocateDOSBox"_s)->trigger();
    const QStringList expected[] = {{QDir::currentPath(), dos, u"-exit"_s},
                                    {QFileInfo(native).absolutePath()}};
    for (int row : {0, 1}) {
        kavrel.list()->setListIndex(row);
        window.MnuBestandOpen_Click();
        QTRY_COMPARE_WITH_TIMEOUT(contentOf(record), expected[row].join(u'\n') + u'\n', Patience);
    }
    VERIFY_DIALOGS(kavrel.dialogs);
}

QTEST_MAIN(PlayProgramsTest)
#include "tst_play_programs.moc"
