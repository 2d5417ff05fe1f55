// Kavrel's command line and its one window per store, run as the real program.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class CommandLineTest : public QObject {
    Q_OBJECT

    QTemporaryDir home;
    QString path(const QString& name) const { return home.filePath(name); }

    // The built program on the test's own store. The verbs get no display at all: one that made
    // a window would fail to start.
    QProcess* kavrel(const QStringList& arguments, bool window = false) {
        auto* process = new QProcess(this);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"XDG_CONFIG_HOME"_s, home.path());
        environment.insert(u"QT_QPA_PLATFORM"_s, window ? u"offscreen"_s : u"no-display"_s);
        process->setProcessEnvironment(environment);
        process->start(QStringLiteral(KAVREL_BINARY), arguments);
        return process;
    }
    QByteArray contents(const QString& name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void write(const QString& name, const QString& content) {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content.toUtf8()) > 0);
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(QDir(home.path()).mkpath(u"Kavrel"_s));
        write(u"bravo.com"_s, u"game"_s);
        // The emulator notes what it was asked to start.
        write(u"dosbox.sh"_s, u"#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.started\"\n"_s);
        QFile(path(u"dosbox.sh"_s)).setPermissions(QFile::ExeOwner | QFile::ReadOwner);
        write(u"Kavrel/Kavrel.conf"_s,
              u"[Location]\nDosBox=%1\n[Games]\nCount=2\n[Game0001]\n"
              "GPath=%2\nGTitle=Bravo\n[Game0002]\nGPath=%3\n"
              "GTitle=Alpha\nGType=False\n"_s.arg(path(u"dosbox.sh"_s), path(u"bravo.com"_s),
                                                  path(u"gone.exe"_s)));
    }

    void verbsEndAtOnceAndOnlyReadTheStore_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::addColumn<QString>("started");
        const QString none;
        QTest::newRow("help") << QStringList{u"--help"_s} << 0 << u"--play <title>"_s << none
                              << none;
        QTest::newRow("version") << QStringList{u"--version"_s} << 0
                                 << u"Kavrel " KAVREL_VERSION "\n"_s << none << none;
        QTest::newRow("unknown") << QStringList{u"--bogus"_s} << 1 << none << u"bogus"_s << none;
        QTest::newRow("list") << QStringList{u"--list"_s} << 0 << u"Bravo\nAlpha\n"_s << none
                              << none;
        QTest::newRow("play") << QStringList{u"--play"_s, u"Bravo"_s} << 0 << none << none
                              << path(u"bravo.com"_s);
        QTest::newRow("exact title")
            << QStringList{u"--play"_s, u"bravo"_s} << 1 << none << u"\"bravo\""_s << none;
        QTest::newRow("missing program") << QStringList{u"--play"_s, u"Alpha"_s} << 1 << none
                                         << u"Could not execute "_s + path(u"gone.exe"_s) << none;
    }
    void verbsEndAtOnceAndOnlyReadTheStore() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QFETCH(QString, started);
        QFile::remove(path(u"dosbox.sh.started"_s));
        const QByteArray store = contents(u"Kavrel/Kavrel.conf"_s);
        QProcess* process = kavrel(arguments);
        QVERIFY(process->waitForFinished(30000));
        QCOMPARE(process->exitCode(), status);
        QVERIFY(QString::fromUtf8(process->readAllStandardOutput()).contains(out));
        QVERIFY(QString::fromUtf8(process->readAllStandardError()).contains(err));
        QTRY_COMPARE(contents(u"dosbox.sh.started"_s).contains(started.toUtf8()), true);
        QCOMPARE(contents(u"dosbox.sh.started"_s).isEmpty(), started.isEmpty());
        QCOMPARE(contents(u"Kavrel/Kavrel.conf"_s), store);
    }

    void oneKavrelPerStore() {
        QProcess* first = kavrel({}, true);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(path(u"Kavrel/Kavrel.conf.instance-lock"_s)), 30000);
        // A second start hands over to the first and ends; the read-only verbs run beside it.
        QProcess* second = kavrel({}, true);
        QProcess* list = kavrel({u"--list"_s});
        QVERIFY(second->waitForFinished(30000) && list->waitForFinished(30000));
        QCOMPARE(second->exitCode(), 0);
        QCOMPARE(list->readAllStandardOutput(), "Bravo\nAlpha\n");
        QCOMPARE(first->state(), QProcess::Running);

        // A killed Kavrel leaves its lock and perhaps half-written stores; the next start takes
        // the store over and removes the store's own leftovers only.
        first->kill();
        QVERIFY(first->waitForFinished(30000));
        const QStringList leftovers{u"Kavrel/Kavrel.conf.AbcDef"_s, u"Kavrel/Kavrel.conf.xYzQwe"_s};
        const QStringList kept{u"Kavrel/Kavrel.conf.unreadable-20261206-141000"_s,
                               u"Kavrel/Other.conf.AbcDef"_s, u"Kavrel/Kavrel.conf.Ab1"_s};
        for (const QString& name : leftovers + kept)
            write(name, u"[Games]\n"_s);
        QProcess* third = kavrel({}, true);
        QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(path(leftovers[0])), 30000);
        QVERIFY(!QFile::exists(path(leftovers[1])));
        for (const QString& name : kept)
            QVERIFY2(QFile::exists(path(name)), qPrintable(name));
        QTest::qWait(500);
        QCOMPARE(third->state(), QProcess::Running);
        third->kill();
        third->waitForFinished();
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
