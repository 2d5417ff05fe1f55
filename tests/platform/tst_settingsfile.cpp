// The settings file as Kavrel reads and writes it: every text it writes reads back exactly, by
// Kavrel and by QSettings alike; a file QSettings wrote reads as it always did; a line typed by
// hand means what it shows; what cannot be read as written is kept aside under a name of its
// own; and nothing but a regular file is ever read or written, a link to one included.
#include "KavrelFixture.h"
#include "store/StoreLayout.h"

#include <QRandomGenerator>
#include <QSettings>
#include <sys/stat.h>
#include <unistd.h>

// Texts of the characters that mean something in the file, blanks, letters beyond ASCII and
// beyond 16 bits, and line breaks.
static QString generatedText(QRandomGenerator& random) {
    static const QStringList pieces =
        u"; , \" = \\ % @ # [ ] a Z 0 7 é ß 日本 😀 \n \r\n \t x"_s.split(u' ');
    QString text;
    for (int i = random.bounded(12); i > 0; --i)
        text += random.bounded(6) == 0 ? u" "_s : pieces[random.bounded(int(pieces.size()))];
    return text;
}

// What a fresh store, or QSettings, finds in a file: nothing of a cache shared with the writer.
static QString readBack(const QString& file, const QString& key) {
    return SettingsStore::openIniFile(file)->GetSetting(key.section(u'/', 0, 0),
                                                        key.section(u'/', 1), u"absent"_s);
}
static QString readByQSettings(const KavrelFixture& files, const QString& file,
                               const QString& key) {
    static int copies = 0;
    const QString copy = files.path(u"qsettings-%1.ini"_s.arg(++copies));
    QFile::copy(file, copy);
    return QSettings(copy, QSettings::IniFormat).value(key, u"absent"_s).toString();
}

class SettingsFileTest : public QObject {
    Q_OBJECT

    KavrelFixture files;

private Q_SLOTS:
    void everyTextReadsBackExactlyWhoeverWroteIt() {
        QRandomGenerator random(20261207);
        // Key names too are written as QSettings writes them: letters at both ends of the
        // alphabet as they are, every other character escaped.
        const QStringList names = u"Key0|Zz_z-9.9|Grüße|日本 語|per%cent"_s.split(u'|');
        QList<std::pair<QString, QString>> values;
        for (int n = 1; n <= 400; ++n)
            values.append({GameKey(n / 5 + 1) + u'/' + names[n % 5], generatedText(random)});
        // Kavrel's own writer, with a lock file of QSettings' left empty by a kill: nothing
        // waits for it.
        const QString ours = files.path(u"ours.conf"_s);
        files.writeFile(u"ours.conf.lock"_s, {});
        {
            const auto store = SettingsStore::openIniFile(ours);
            SettingsStore::Batch batch(*store);
            for (const auto& [key, value] : values)
                store->SaveSetting(key.section(u'/', 0, 0), key.section(u'/', 1), value);
        }
        // A store written by QSettings, as every Kavrel before wrote it.
        const QString theirs = files.path(u"theirs.conf"_s);
        {
            QSettings settings(theirs, QSettings::IniFormat);
            for (const auto& [key, value] : values)
                settings.setValue(key, value);
        }
        for (const auto& [key, value] : values) {
            const QStringList read = {readBack(ours, key), readByQSettings(files, ours, key),
                                      readBack(theirs, key)};
            QVERIFY2(read == QStringList(3, value), qPrintable(key + u": ["_s + value + u']'));
        }
        // A name of plain letters, digits and "_-." stays readable for a person editing the file.
        QVERIFY(fileBytes(ours).contains("\nZz_z-9.9="));
        QVERIFY(fileBytes(ours).contains("\nper%25cent="));
        QCOMPARE(fileBytes(files.path(u"ours.conf.lock"_s)), QByteArray());
    }

    void aLineTypedByHandMeansWhatItShows_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("misread");
        const auto row = [](const char* line, const QString& title, bool misread = false) {
            QTest::newRow(line) << QByteArray(line) << title << misread;
        };
        row("Cave Run 2; The Return", u"Cave Run 2; The Return"_s);
        row("Quote \"this\" title", u"Quote \"this\" title"_s);
        row("/games/maze/MAZE4,E.EXE", u"/games/maze/MAZE4,E.EXE"_s);
        row("C:\\GAMES\\BRAVO.EXE", u"C:\\GAMES\\BRAVO.EXE"_s);
        row("C:\\GAMES\\", u"C:\\GAMES\\"_s);
        row("12\" edition", u"12\" edition"_s);
        row("a = b, c", u"a = b, c"_s);
        row("100% Pokémon", u"100% Pokémon"_s);
        row("@Invalid()", u"@Invalid()"_s);
        row("  blanks around  ", u"blanks around"_s);
        row("a Windows line end\r", u"a Windows line end"_s);
        // Exactly as QSettings writes a value: read the QSettings way, as it always was.
        row("\"Cave Run 2; The Return\"", u"Cave Run 2; The Return"_s);
        row("C:\\\\GAMES\\\\BRAVO.EXE", u"C:\\GAMES\\BRAVO.EXE"_s);
        row("\" blanks kept \"", u" blanks kept "_s);
        row("Two\\nlines", u"Two\nlines"_s);
        row("@@home", u"@home"_s);
        // A quote that never closes: read as it shows, and the file kept aside.
        row("\"never closed", u"\"never closed"_s, true);
    }

    void aLineTypedByHandMeansWhatItShows() {
        QFETCH(QByteArray, line);
        QFETCH(QString, title);
        QFETCH(bool, misread);
        // The line before another key and another section, which nothing may swallow.
        const QString file = files.writeFile(
            u"typed.conf"_s, "[Game0001]\nGTitle=" + line + "\nGPath=/next\n[Games]\nCount=1\n");
        const auto store = SettingsStore::openIniFile(file);
        QCOMPARE(store->GetSetting(u"Game0001"_s, u"GTitle"_s, {}), title);
        QCOMPARE(store->GetSetting(u"Game0001"_s, u"GPath"_s, {}) +
                     store->GetSetting(u"Games"_s, u"Count"_s, {}),
                 u"/next1"_s);
        // A write keeps the value, and keeps the file aside first only when it was misread.
        store->SaveSetting(u"Options"_s, u"GExit"_s, u"True"_s);
        QCOMPARE(readBack(file, u"Game0001/GTitle"_s), title);
        QCOMPARE(QDir(files.path({})).entryList({u"typed.conf.unreadable-*"_s}).size(),
                 misread ? 1 : 0);
        for (const QString& copy : QDir(files.path({})).entryList({u"typed.conf.unreadable-*"_s}))
            QFile::remove(files.path(copy));
    }

    void aFileThatCannotBeReadAsWrittenIsKeptAsideEachTimeUnderANewName_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("a section twice") << "[Game0001]\nGTitle=A\n[Game0001]\nGPath=/a\n"_ba;
        QTest::newRow("a key twice") << "[Game0001]\nGTitle=A\nGTitle=B\n"_ba;
        QTest::newRow("a line without a key") << "[Game0001]\nGTitle A\n"_ba;
        QTest::newRow("not UTF-8") << "[Game0001]\nGTitle=caf\xE9\n"_ba;
    }

    void aFileThatCannotBeReadAsWrittenIsKeptAsideEachTimeUnderANewName() {
        QFETCH(QByteArray, content);
        const QString name = QString::fromLatin1(QTest::currentDataTag()) + u"/Kavrel.conf"_s;
        const QString file = files.path(name);
        const QString folder = QFileInfo(file).path();
        // Three runs in the same second, each writing once: three copies, byte for byte.
        for (int run = 0; run < 3; ++run) {
            files.writeFile(name, content);
            QStringList notices;
            const auto store = SettingsStore::openIniFile(file);
            store->setNoticeReporter([&](const QString& notice) { notices.append(notice); });
            store->SaveSetting(u"Options"_s, u"GExit"_s, u"True"_s);
            QCOMPARE(notices.size(), 1);
        }
        const QStringList copies = QDir(folder).entryList({u"Kavrel.conf.unreadable-*"_s});
        QCOMPARE(copies.size(), 3);
        for (const QString& copy : copies)
            QCOMPARE(fileBytes(folder + u'/' + copy), content);
    }

    void onlyARegularFileIsReadOrWritten_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("what"); // empty: read and written through
        const QString fifo = files.path(u"pipe"_s);
        const QString folder = files.path(u"a folder"_s);
        const QString dotfile = files.writeFile(u"dotfiles/Kavrel.conf"_s, "[Games]\nCount=0\n");
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0 && QDir().mkpath(folder));
        const auto link = [&](const char* name, const QString& target) {
            const QString path = files.path(QString::fromLatin1(name));
            QFile::link(target, path);
            return path;
        };
        QTest::newRow("FIFO") << fifo << u"is a named pipe (FIFO)"_s;
        QTest::newRow("folder") << folder << u"is a folder"_s;
        QTest::newRow("link to a FIFO") << link("to pipe", fifo) << u"which is a named pipe"_s;
        QTest::newRow("link to a folder") << link("to folder", folder) << u"which is a folder"_s;
        QTest::newRow("link to a link to a file")
            << link("to link", link("to file", dotfile)) << QString();
    }

    void onlyARegularFileIsReadOrWritten() {
        QFETCH(QString, path);
        QFETCH(QString, what);
        const QFileInfo before(path);
        const QString target = before.canonicalFilePath();
        QStringList failures;
        const auto store = SettingsStore::openIniFile(path);
        store->setFailureReporter([&](const QString& reason) { failures.append(reason); });
        QCOMPARE(store->GetSetting(u"Games"_s, u"Count"_s, u"none"_s),
                 what.isEmpty() ? u"0"_s : u"none"_s);
        store->SaveSetting(u"Games"_s, u"Count"_s, u"1"_s);
        QVERIFY2(store->readFailure().contains(what) && (failures.isEmpty() == what.isEmpty()) &&
                     failures.join(u' ').contains(what),
                 qPrintable(failures.join(u' ')));
        // The link stays a link to the same place; a FIFO or folder stays what it was.
        const QFileInfo after(path);
        QCOMPARE(std::tuple(after.isSymLink(), after.symLinkTarget(), after.canonicalFilePath(),
                            after.isDir(), after.isFile()),
                 std::tuple(before.isSymLink(), before.symLinkTarget(), target, before.isDir(),
                            before.isFile()));
        QCOMPARE(readBack(path, u"Games/Count"_s), what.isEmpty() ? u"1"_s : u"absent"_s);
        QCOMPARE(QDir(files.path(u"dotfiles"_s)).entryList(QDir::Files),
                 QStringList{u"Kavrel.conf"_s});
    }

    void aRefusedWriteIsKeptAndNothingAnotherWriterWroteIsLost_data() {
        QTest::addColumn<bool>("byAnotherKavrel"); // or by the disk
        QTest::newRow("a file in the way of the folder") << false;
        QTest::newRow("another Kavrel holds the store") << true;
    }

    void aRefusedWriteIsKeptAndNothingAnotherWriterWroteIsLost() {
        QFETCH(bool, byAnotherKavrel);
        const QString folder = QString::fromLatin1(QTest::currentDataTag());
        const QString file = files.path(folder + u"/Kavrel.conf"_s);
        byAnotherKavrel ? files.writeFile(folder + u"/Kavrel.conf"_s, "[Games]\nCount=0\n")
                        : files.writeFile(folder, "mine");
        QStringList failures, notices;
        QString refusal = byAnotherKavrel ? u"held"_s : QString();
        const auto store = SettingsStore::openIniFile(file);
        store->setFailureReporter([&](const QString& reason) { failures.append(reason); });
        store->setNoticeReporter([&](const QString& notice) { notices.append(notice); });
        store->setWriteGuard([&] { return refusal; });
        store->SaveSetting(u"Game0001"_s, u"GTitle"_s, u"Kept"_s);
        QCOMPARE(std::pair(failures.size(), store->GetSetting(u"Game0001"_s, u"GTitle"_s, {})),
                 std::pair(qsizetype(1), u"Kept"_s));
        // Once it can, the next write stores both changes over what another wrote meanwhile;
        // after a refusal by another Kavrel, that version is kept aside first.
        refusal.clear();
        QFile::remove(files.path(folder));
        const QByteArray other = "[Location]\nDosBox=/usr/bin/dosbox\n";
        files.writeFile(folder + u"/Kavrel.conf"_s, other);
        store->SaveSetting(u"Game0001"_s, u"GPath"_s, u"/games/A.EXE"_s);
        QCOMPARE(
            QStringList({readBack(file, u"Game0001/GTitle"_s), readBack(file, u"Game0001/GPath"_s),
                         readBack(file, u"Location/DosBox"_s)}),
            QStringList({u"Kept"_s, u"/games/A.EXE"_s, u"/usr/bin/dosbox"_s}));
        const QStringList copies =
            QDir(files.path(folder)).entryList({u"Kavrel.conf.overwritten-*"_s});
        QCOMPARE(std::pair(failures.size(), notices.size()),
                 std::pair(qsizetype(1), copies.size()));
        QCOMPARE(copies.size(), byAnotherKavrel ? 1 : 0);
        if (byAnotherKavrel)
            QCOMPARE(fileBytes(files.path(folder + u'/' + copies.front())), other);
    }
};

QTEST_MAIN(SettingsFileTest)
#include "tst_settingsfile.moc"
