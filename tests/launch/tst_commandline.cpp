// Kavrel's command line and its one window per store, run as the real program, and the names a
// screen reader gives the window's controls.
#include "KavrelFixture.h"

#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

class CommandLineTest : public QObject {
    Q_OBJECT

    KavrelFixture files;

    // The built program on the test's store, with everything it prints in one channel. The verbs
    // get no display at all: one that made a window would fail to start.
    QProcess* kavrel(const QStringList& arguments, const char* display = "no-display") {
        auto* process = new QProcess(this);
        qputenv("QT_QPA_PLATFORM", display); // the test's own window is made already
        process->setProcessChannelMode(QProcess::MergedChannels);
        process->start(QStringLiteral(KAVREL_BINARY), arguments);
        return process;
    }
    QByteArray contents(const QString& name) const {
        QFile file(files.path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private Q_SLOTS:
    void initTestCase() {
        // The emulator notes what it was asked to start.
        const QString dosBox =
            files.writeFile(u"dosbox.sh"_s, "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.started\"\n");
        QFile(dosBox).setPermissions(QFile::ExeOwner | QFile::ReadOwner);
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(files.path(u"config"_s)));
        files.seed(u"Location"_s, u"DosBox"_s, dosBox);
        files.seedGames({{files.writeFile(u"bravo.com"_s, "game"), {}, {}, u"Bravo"_s, true},
                         {files.path(u"gone.exe"_s), {}, {}, u"Alpha"_s, false}});
    }

    void verbsEndAtOnceAndOnlyReadTheStore_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("started");
        QTest::newRow("help") << QStringList{u"--help"_s} << 0 << u"--play <title>"_s << QString();
        QTest::newRow("unknown") << QStringList{u"--bogus"_s} << 1 << u"bogus"_s << QString();
        QTest::newRow("list") << QStringList{u"--list"_s} << 0 << u"Bravo\nAlpha\n"_s << QString();
        QTest::newRow("play") << QStringList{u"--play"_s, u"Bravo"_s} << 0 << QString()
                              << files.path(u"bravo.com"_s);
        QTest::newRow("exact title")
            << QStringList{u"--play"_s, u"bravo"_s} << 1 << u"\"bravo\""_s << QString();
        QTest::newRow("missing program")
            << QStringList{u"--play"_s, u"Alpha"_s} << 1 << files.path(u"gone.exe"_s) << QString();
    }
    void verbsEndAtOnceAndOnlyReadTheStore() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, output);
        QFETCH(QString, started);
        QFile::remove(files.path(u"dosbox.sh.started"_s));
        const QByteArray store = files.storeFileBytes();
        QProcess* process = kavrel(arguments);
        QVERIFY(process->waitForFinished(30000));
        QCOMPARE(process->exitCode(), status);
        QVERIFY(QString::fromUtf8(process->readAll()).contains(output));
        QTRY_VERIFY(contents(u"dosbox.sh.started"_s).contains(started.toUtf8()));
        QCOMPARE(contents(u"dosbox.sh.started"_s).isEmpty(), started.isEmpty());
        QCOMPARE(files.storeFileBytes(), store);
    }

    void oneKavrelPerStore() {
        QProcess* first = kavrel({}, "offscreen");
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(files.storePath() + u".instance-lock"_s), 30000);
        // A second start hands over to the first and ends; the read-only verbs run beside it.
        QProcess* second = kavrel({}, "offscreen");
        QProcess* list = kavrel({u"--list"_s});
        QVERIFY(second->waitForFinished(30000) && list->waitForFinished(30000));
        QCOMPARE(second->exitCode(), 0);
        QCOMPARE(list->readAll(), "Bravo\nAlpha\n");
        QCOMPARE(first->state(), QProcess::Running);

        // A killed Kavrel leaves its lock and perhaps half-written stores; the next start takes
        // the store over and removes the store's own leftovers only.
        first->kill();
        QVERIFY(first->waitForFinished(30000));
        const QString kept =
            u"Kavrel.conf.lock Kavrel.conf.unreadable-20261206-1410 Other.conf.AbcDef"_s;
        for (const QString& name : (kept + u" Kavrel.conf.AbcDef"_s).split(u' '))
            files.writeFile(u"config/Kavrel/"_s + name, "[Games]\n");
        QProcess* third = kavrel({}, "offscreen");
        QTRY_COMPARE_WITH_TIMEOUT(QDir(files.path(u"config/Kavrel"_s)).entryList(QDir::Files),
                                  (u"Kavrel.conf Kavrel.conf.instance-lock "_s + kept).split(u' '),
                                  30000);
        third->kill();
    }

    void everyControlHasAnAccessibleName() {
        KavrelFixture window;
        window.start();
        for (QWidget* control : window.window().centralWidget()->findChildren<QWidget*>(
                 QString(), Qt::FindDirectChildrenOnly))
            QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
        QCOMPARE(window.find<QWidget>(u"KnopSpelen"_s)->accessibleName(), u"Play"_s);
    }
};

QTEST_MAIN(CommandLineTest)
#include "tst_commandline.moc"
