// Kavrel's command line and its one window per store, run as the real program, and the names a
// screen reader gives the window's controls.
#include "KavrelFixture.h"

#include <QProcess>

// The arguments separated by "|", the exit status, a part of what it prints, and the program
// the emulator was asked to start.
using Verb = std::tuple<QString, int, QString, QString>;

static QString textOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).trimmed() : QString();
}

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

private Q_SLOTS:
    void initTestCase() {
        // The emulator notes what it was asked to start.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(files.path(u"config"_s)));
        const QByteArray dosBox = "#!/bin/sh\necho \"$1\" > \"$0.started\"\n";
        files.seed(u"Location"_s, u"DosBox"_s, files.writeFile(u"dosbox.sh"_s, dosBox, true));
        files.seedGames({{files.writeFile(u"bravo.com"_s, "game"), {}, {}, u"Bravo"_s, true},
                         {files.path(u"gone.exe"_s), {}, {}, u"Alpha"_s, false}});
    }

    void verbsEndAtOnceAndOnlyReadTheStore_data() {
        QTest::addColumn<Verb>("verb");
        QTest::newRow("help") << Verb{u"--help"_s, 0, u"--play <title>"_s, {}};
        QTest::newRow("version") << Verb{u"--version"_s, 0, u"Kavrel "_s, {}};
        QTest::newRow("stray") << Verb{u"Bravo"_s, 1, u"Unexpected argument: Bravo"_s, {}};
        QTest::newRow("unknown") << Verb{u"--bogus"_s, 1, u"bogus"_s, {}};
        QTest::newRow("play") << Verb{u"--play|Bravo"_s, 0, {}, files.path(u"bravo.com"_s)};
        QTest::newRow("exact title") << Verb{u"--play|bravo"_s, 1, u"\"bravo\""_s, {}};
        QTest::newRow("gone") << Verb{u"--play|Alpha"_s, 1, files.path(u"gone.exe"_s), {}};
    }
    void verbsEndAtOnceAndOnlyReadTheStore() {
        QFETCH(Verb, verb);
        const auto& [arguments, status, output, started] = verb;
        QFile::remove(files.path(u"dosbox.sh.started"_s));
        const QByteArray store = files.storeFileBytes();
        QProcess* process = kavrel(arguments.split(u'|'));
        QVERIFY(process->waitForFinished(30000));
        QCOMPARE(process->exitCode(), status);
        QVERIFY(QString::fromUtf8(process->readAll()).contains(output));
        QTRY_COMPARE(textOf(files.path(u"dosbox.sh.started"_s)), started);
        QCOMPARE(files.storeFileBytes(), store);
    }

    void oneKavrelPerStore() {
        QProcess* first = kavrel({}, "offscreen");
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(files.storePath() + u".instance-lock"_s), 30000);
        // A second start hands over to the first and ends; the read-only verbs run beside it
        // and list the titles in the store's order.
        QProcess* second = kavrel({}, "offscreen");
        QProcess* list = kavrel({u"--list"_s});
        QVERIFY(second->waitForFinished(30000) && list->waitForFinished(30000));
        QCOMPARE(std::tuple(second->exitCode(), list->exitCode(), list->readAll(), first->state()),
                 std::tuple(0, 0, "Bravo\nAlpha\n"_ba, QProcess::Running));
        // A killed Kavrel leaves its lock and perhaps half-written stores; the next start takes
        // the store over and removes the store's own leftovers only.
        first->kill();
        QVERIFY(first->waitForFinished(30000));
        const QString kept =
            u"Kavrel.conf.lock Kavrel.conf.unreadable-20261206-1410 Other.conf.AbcDef"_s;
        for (const QString& name : (kept + u" Kavrel.conf.AbcDef"_s).split(u' '))
            files.writeFile(u"config/Kavrel/"_s + name, "[Games]\n");
        kavrel({}, "offscreen");
        QTRY_COMPARE_WITH_TIMEOUT(QDir(files.path(u"config/Kavrel"_s)).entryList(QDir::Files),
                                  (u"Kavrel.conf Kavrel.conf.instance-lock "_s + kept).split(u' '),
                                  30000);
    }

    void everyControlHasAnAccessibleName() {
        KavrelFixture window;
        window.start();
        for (QWidget* control : window.window().centralWidget()->findChildren<QWidget*>(
                 QString(), Qt::FindDirectChildrenOnly))
            QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
    }
};

QTEST_MAIN(CommandLineTest)
#include "tst_commandline.moc"
