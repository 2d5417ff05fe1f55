// One Kavrel per collection, run as the real program: a lock left by a kill, by another computer
// or holding rubbish is taken over; a holder that does not answer never keeps a start from its
// window, and a window without the lock writes nothing until it has it; a second start finds
// the first whatever its TMPDIR and through links; a store that is no file is left alone.
#include "KavrelFixture.h"
#include "launch/SingleInstance.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

class InstanceTest : public QObject {
    Q_OBJECT

    KavrelFixture shelf;
    QList<QProcess*> started;

    // The real program with its settings under `config`, and nothing of the user's.
    QProcess* kavrel(const QString& config, const QStringList& arguments = {},
                     const QString& tmpdir = {}) {
        auto* process = new QProcess(this);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"HOME", "XDG_STATE_HOME", "XDG_DATA_HOME"})
            environment.insert(QString::fromLatin1(name), shelf.path(u"home"_s));
        environment.insert(u"XDG_CONFIG_HOME"_s, config);
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        if (!tmpdir.isEmpty())
            environment.insert(u"TMPDIR"_s, tmpdir);
        process->setProcessEnvironment(environment);
        process->setProcessChannelMode(QProcess::MergedChannels);
        process->start(QStringLiteral(KAVREL_BINARY), arguments);
        process->waitForStarted();
        started.append(process);
        return process;
    }

    // Whether a Kavrel holding the store under `config` answers a second start, which then ends
    // at once; a second start that gets no answer opens a window of its own and is ended here.
    bool holderAnswers(const QString& config, const QString& tmpdir = {}) {
        QProcess* second = kavrel(config, {}, tmpdir);
        const bool ended = second->waitForFinished(5000);
        second->kill();
        second->waitForFinished();
        return ended && second->exitCode() == 0 && second->readAll().contains("already open");
    }

    // Whether some process holds the lock of the store under `config`, within a few seconds.
    static bool becomesHeld(const QString& config) {
        const QByteArray lock = QFile::encodeName(config + u"/Kavrel/Kavrel.conf.instance-lock"_s);
        for (QDeadlineTimer deadline(8000); !deadline.hasExpired(); QTest::qWait(50)) {
            const int handle = ::open(lock.constData(), O_RDONLY | O_CLOEXEC);
            const bool held = handle >= 0 && ::flock(handle, LOCK_EX | LOCK_NB) != 0;
            if (handle >= 0)
                ::close(handle);
            if (held)
                return true;
        }
        return false;
    }

    // The store under `config` is held by a Kavrel that answers a second start.
    bool heldByAWindow(const QString& config, const QString& tmpdir = {}) {
        return becomesHeld(config) && holderAnswers(config, tmpdir);
    }

    QString config(const QString& name) {
        QDir().mkpath(shelf.path(name + u"/Kavrel"_s));
        return shelf.path(name);
    }

private Q_SLOTS:
    void cleanup() {
        for (QProcess* process : std::as_const(started)) {
            ::kill(pid_t(process->processId()), SIGCONT);
            process->kill();
            process->waitForFinished();
        }
        started.clear();
    }

    void aLockIsTakenOverUnlessAKavrelThatAnswersHoldsIt_data() {
        QTest::addColumn<QByteArray>("content"); // of the lock file before the start
        QTest::addColumn<QString>("blocker");    // "held": by a process that does not answer;
                                                 // "folder": no lock file can be made
        QTest::newRow("empty") << QByteArray() << QString();
        QTest::newRow("rubbish") << "\x01\xFFnot a lock"_ba << QString();
        QTest::newRow("another computer") << "4242\nKavrel\nother-machine\n"_ba << QString();
        QTest::newRow("held, no answer") << "1\nKavrel\nother-machine\n"_ba << u"held"_s;
        QTest::newRow("no lock possible") << QByteArray() << u"folder"_s;
    }

    void aLockIsTakenOverUnlessAKavrelThatAnswersHoldsIt() {
        QFETCH(QByteArray, content);
        QFETCH(QString, blocker);
        const QString home = config(QString::fromLatin1(QTest::currentDataTag()));
        const QString store = home + u"/Kavrel/Kavrel.conf"_s;
        const QString lock = store + u".instance-lock"_s;
        int held = -1;
        if (blocker == u"folder"_s) {
            QVERIFY(QDir().mkpath(lock));
        } else {
            QFile file(lock);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
            file.close();
            QVERIFY(file.open(QIODevice::ReadWrite) &&
                    file.setFileTime(QDateTime::currentDateTime().addDays(-3),
                                     QFileDevice::FileModificationTime));
            if (blocker == u"held"_s) {
                held = ::open(QFile::encodeName(lock).constData(), O_RDWR | O_CLOEXEC);
                QVERIFY(held >= 0 && ::flock(held, LOCK_EX | LOCK_NB) == 0);
            }
        }
        QProcess* window = kavrel(home);
        if (!blocker.isEmpty()) {
            // The start asks for a moment, then shows its window; nothing reaches the disk.
            QTest::qWait(3500);
            QCOMPARE(std::pair(window->state(), QFileInfo::exists(store)),
                     std::pair(QProcess::Running, false));
            blocker == u"held"_s ? void(::close(held)) : void(QDir(lock).removeRecursively());
        }
        // The window holds the store now, and answers the next start.
        QVERIFY(heldByAWindow(home));
        QCOMPARE(window->state(), QProcess::Running);
    }

    void aCommandThatWritesHoldsTheStoreAsAWindowDoes() {
        const QString home = config(u"command"_s);
        const QString store = home + u"/Kavrel/Kavrel.conf"_s;
        shelf.writeFile(u"command/Kavrel/Kavrel.conf.instance-lock"_s, "rubbish");
        {
            // A lock nobody holds is taken whatever it says; a window started meanwhile shows
            // the store and writes nothing until the command has ended.
            SingleInstance command(store);
            QVERIFY(command.holdForCommand());
            QProcess* window = kavrel(home);
            QTest::qWait(3500);
            QCOMPARE(std::pair(window->state(), QFileInfo::exists(store)),
                     std::pair(QProcess::Running, false));
        }
        QVERIFY(heldByAWindow(home));
        QVERIFY(!SingleInstance(store).holdForCommand());
    }

    void aStartWaitingForAKavrelThatIsKilledTakesTheStore() {
        const QString home = config(u"killed"_s);
        QProcess* first = kavrel(home);
        QVERIFY(heldByAWindow(home));
        // Stopped, the first holds the lock and answers nobody; it dies while a second waits.
        QVERIFY(::kill(pid_t(first->processId()), SIGSTOP) == 0);
        QProcess* second = kavrel(home);
        QTest::qWait(1000);
        QVERIFY(first->state() == QProcess::Running && second->state() == QProcess::Running);
        first->kill();
        QVERIFY(first->waitForFinished());
        QVERIFY(heldByAWindow(home));
        QCOMPARE(second->state(), QProcess::Running);
    }

    void aSecondStartFindsTheFirstWhateverThePathOrTmpdir_data() {
        QTest::addColumn<QString>("second"); // the second start's XDG_CONFIG_HOME
        QTest::addColumn<QString>("tmpdir");
        const QString first = config(u"first"_s);
        QDir().mkpath(shelf.path(u"other tmp"_s));
        QFile::link(first, shelf.path(u"linked config"_s));
        QTest::newRow("the same") << first << QString();
        QTest::newRow("another TMPDIR") << first << shelf.path(u"other tmp"_s);
        QTest::newRow("a link to the folder") << shelf.path(u"linked config"_s) << QString();
    }

    void aSecondStartFindsTheFirstWhateverThePathOrTmpdir() {
        QFETCH(QString, second);
        QFETCH(QString, tmpdir);
        QProcess* first = kavrel(shelf.path(u"first"_s));
        QVERIFY(heldByAWindow(shelf.path(u"first"_s)));
        QVERIFY(holderAnswers(second, tmpdir));
        QCOMPARE(first->state(), QProcess::Running);
    }

    void aStoreThatIsNoFileIsNeitherWaitedForNorWritten_data() {
        QTest::addColumn<QString>("what");
        QTest::newRow("FIFO") << u"named pipe (FIFO)"_s;
        QTest::newRow("folder") << u"folder"_s;
        QTest::newRow("link to a FIFO") << u"named pipe (FIFO)"_s;
    }

    void aStoreThatIsNoFileIsNeitherWaitedForNorWritten() {
        QFETCH(QString, what);
        const QString tag = QString::fromLatin1(QTest::currentDataTag());
        const QString home = config(tag);
        const QString store = home + u"/Kavrel/Kavrel.conf"_s;
        const QString thing = tag.startsWith(u"link"_s) ? shelf.path(tag + u" target"_s) : store;
        QVERIFY(what == u"folder"_s ? QDir().mkpath(thing)
                                    : ::mkfifo(QFile::encodeName(thing).constData(), 0600) == 0);
        if (thing != store)
            QVERIFY(QFile::link(thing, store));
        QProcess* list = kavrel(home, {u"--list"_s});
        QVERIFY(list->waitForFinished(5000));
        QCOMPARE(list->exitCode(), 1);
        QVERIFY(list->readAll().contains(what.toUtf8()));
        // The window comes up on an empty collection and leaves the thing as it is.
        kavrel(home);
        QVERIFY(heldByAWindow(home));
        struct stat info {};
        QVERIFY(::stat(QFile::encodeName(store).constData(), &info) == 0);
        QVERIFY(what == u"folder"_s ? S_ISDIR(info.st_mode) : S_ISFIFO(info.st_mode));
        QCOMPARE(QFileInfo(store).isSymLink(), thing != store);
    }

    void theListPrintsOneGameALine() {
        KavrelFixture kavrel;
        kavrel.seedGames({{.GTitle = u"Two\nlines"_s}, {.GTitle = u"C:\\GAMES\\"_s}});
        QProcess* list = this->kavrel(kavrel.path(u"config"_s), {u"--list"_s});
        QVERIFY(list->waitForFinished(5000));
        QCOMPARE(list->readAll(), "Two\\nlines\nC:\\GAMES\\\n"_ba);
    }
};

QTEST_MAIN(InstanceTest)
#include "tst_instance.moc"
