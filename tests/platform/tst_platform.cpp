// The platform under the window: the settings store (what reaches the disk when), what the
// window makes of the user's files (a picture, a description, or neither), and the shared file
// picker (what it hands the dialog, what it keeps, and the dialog's rules for filters and default
// extensions).
#include "KavrelFixture.h"
#include "platform/FileDialogRules.h"
#include "platform/FilePicker.h"
#include "platform/PictureLoading.h"
#include "platform/TextLoading.h"
#include "platform/UserFolders.h"
#include "store/CollectionStore.h"

#include <sys/stat.h>

const QString Section = u"Game0001"_s;
const QString Key = u"GTitle"_s;

// What the file holds, read by a store of its own after the writer is gone.
static QString reread(const QString& file, const QString& key = Key) {
    return SettingsStore::openIniFile(file)->GetSetting(Section, key, u"absent"_s);
}

using Text = std::optional<QString>;

class PlatformTest : public QObject {
    Q_OBJECT

    KavrelFixture files;

    // A file the test makes, and what the two loaders are to make of it.
    void row(const char* name, const QByteArray& bytes, const Text& text, QSize picture = {}) {
        QTest::newRow(name) << files.writeFile(QString::fromLatin1(name), bytes) << picture << text;
    }

private Q_SLOTS:
    // Kavrel's own folders follow the XDG variables; one that is unset or no full path gives way
    // to its usual place under the home folder.
    void ownFoldersFollowTheXdgVariables_data() {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("data");
        const QString home = QDir::homePath();
        QTest::newRow("set") << QByteArray("/x") << u"/x/Kavrel"_s << u"/x/Kavrel"_s;
        QTest::newRow("unset") << QByteArray() << home + u"/.local/state/Kavrel"_s
                               << home + u"/.local/share/Kavrel"_s;
        QTest::newRow("relative") << QByteArray("rel") << home + u"/.local/state/Kavrel"_s
                                  << home + u"/.local/share/Kavrel"_s;
    }
    void ownFoldersFollowTheXdgVariables() {
        QFETCH(QByteArray, value);
        QFETCH(QString, state);
        QFETCH(QString, data);
        const auto setBoth = [](const QByteArray& to) {
            for (const char* variable : {"XDG_STATE_HOME", "XDG_DATA_HOME"})
                to.isNull() ? qunsetenv(variable) : qputenv(variable, to);
        };
        setBoth(value);
        const QStringList found = {UserFolders::state(), UserFolders::data()};
        setBoth({});
        QCOMPARE(found, (QStringList{state, data}));
    }

    void aBatchReachesTheDiskWholeAndOnlyWhenSomethingChanged() {
        const QString file = files.path(u"batch.conf"_s);
        const auto store = SettingsStore::openIniFile(file);
        store->SaveSetting(Section, u"GBmp"_s, u"one.bmp"_s);
        store->SaveSetting(Section, u"GText"_s, u"one.txt"_s);
        const QString first = fileVersion(file);
        {
            SettingsStore::Batch command(*store);
            store->SaveSetting(Section, Key, u"Two"_s);
            {
                SettingsStore::Batch nested(*store);
                store->DeleteSetting(Section, u"GBmp"_s);
            }
            // The event loop runs while a command's dialog is open; nothing may leak out then.
            QTest::qWait(10);
            QCOMPARE(fileVersion(file), first);
            QCOMPARE(store->GetSetting(Section, u"GBmp"_s, Key), Key);
        }
        QCOMPARE(reread(file) + reread(file, u"GBmp"_s), u"Twoabsent"_s);
        const QString second = fileVersion(file);
        QVERIFY(second != first);
        {
            // Writes that leave every value as it is, and deletes of absent keys, touch no file;
            // what earlier writes wrote is not written again.
            SettingsStore::Batch command(*store);
            store->SaveSetting(Section, Key, u"Three"_s);
            store->SaveSetting(Section, Key, u"Two"_s);
            store->DeleteSetting(Section, u"GBmp"_s);
        }
        QCOMPARE(fileVersion(file), second);
    }

    void picturesAndTexts_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("picture"); // none: no picture
        QTest::addColumn<Text>("text");     // nothing: no text
        // Each format under a name that claims another one; of a huge one only the shown corner.
        QTest::newRow("GIF") << files.writeFile(u"GIF.txt"_s, RedPixelGif) << QSize(1, 1) << Text();
        for (const char* format : {"BMP", "JPEG", "PNG", "8000x8000 JPEG"}) {
            const QSize size = format[0] == '8' ? QSize(8000, 8000) : QSize(40, 30);
            const QString path = files.writePicture(QLatin1StringView(format) + u".txt"_s, size,
                                                    Qt::green, format[0] == '8' ? "JPEG" : format);
            QTest::newRow(format) << path << size.boundedTo({320, 200}) << Text();
        }
        row("UTF-16 with BOM", "\xFF\xFEK\0\xE5\0r\0e\0"_ba, u"Kåre"_s);
        row("empty", {}, QString());
        // Tabs are text too, a form feed a DOS symbol, the end-of-file mark the text's end.
        row("DOS frame", "\xC9\xCD\xCD\xBB\t\f\r\n\200a f\x81r \232ber\x1A",
            u"╔══╗\t♀\r\nÇa für Über"_s);
        row("shades", "\xB0\xDF\xB0", u"░▀░"_s);
#ifndef Q_OS_WIN
        row("German", "Gr\xF6\337e,\xA0\xC4pfel, GR\xD6\337E", u"Größe,\u00A0Äpfel, GRÖßE"_s);
        row("capitals", "Umlaute: \xC4\xD6\xDC \xE4\xF6, 5 \x80", u"Umlaute: ÄÖÜ äö, 5 €"_s);
        row("French", "\xC9l\xE8ve \x97 \253d\xE9j\xE0 vu\xBB \x9Cuvre \x80",
            u"Élève — «déjà vu» œuvre €"_s);
#endif
        // A description shows its first mebibyte, without a letter of UTF-8 cut in two.
        const QByteArray most(1 << 20, 'a');
        row("1 MiB", most, QString::fromLatin1(most));
        row("cut in a letter", most.chopped(3) + "\xC3\xA9\xC3\xA9",
            QString::fromLatin1(most.chopped(3)) + u"é"_s +
                u"\n\n[The rest of this file, beyond its first 1 MiB, is not shown.]"_s);
        // One NUL in a hundred bytes is too few control codes to tell, but no text holds it.
        row("NUL", QByteArray(100, 'a') + '\0', std::nullopt);
        row("control codes", "\x01\x02\x03\x04\x05 ab", std::nullopt);
        row("a bitmap in ASCII", "P1\n2 2\n1 0 0 1\n", std::nullopt, {2, 2});
        // A missing file, a folder, a FIFO that nobody writes (opening it would wait for ever) and
        // a device that never ends.
        ::mkfifo(QFile::encodeName(files.path(u"fifo"_s)).constData(), 0600);
        for (const QString& path :
             {files.path(u"missing"_s), files.appFolder(), files.path(u"fifo"_s), u"/dev/zero"_s})
            QTest::newRow(qPrintable(path)) << path << QSize() << Text();
    }

    void picturesAndTexts() {
        QFETCH(QString, path);
        const std::optional<QImage> loaded = LoadPicture(path);
        QFETCH(QSize, picture);
        QFETCH(Text, text);
        QCOMPARE(loaded ? loaded->size() : QSize(), picture);
        QCOMPARE(LoadFile(path), text);
    }

    void settingsLastFromOneUseToTheNext() {
        ScriptedDialogs dialogs;
        FilePicker picker(dialogs);
        picker.CancelError = true;
        picker.InitDir = u"C:\\GAMES"_s;
        dialogs.chooseFile(u"C:\\GAMES\\MAZE.EXE"_s);
        QVERIFY(picker.ShowOpen());
        // The next use sets only its filter; the rest is what the first one left. Its cancel
        // ends the caller's steps.
        picker.Filter = u"Description (*.txt) |*.txt"_s;
        dialogs.cancelFile();
        QVERIFY(!picker.ShowOpen());
        QCOMPARE(pickerSettings(dialogs.last().request),
                 pickerSettings({u"C:\\GAMES"_s, u"C:\\GAMES\\MAZE.EXE"_s, picker.Filter, {}, 0}));
        VERIFY_DIALOGS(dialogs);
    }

    // A description's own list of patterns at its end gives way to the dialog's; ";" separates
    // patterns.
    void filtersBecomeNameFilters() {
        QCOMPARE(
            nameFilters(u"Executable File (*.com;*.exe) |*.com;*.exe|Saves (old) games |*.sav"_s),
            QStringList({u"Executable File (*.com *.exe)"_s, u"Saves (old) games (*.sav)"_s}));
        QCOMPARE(nameFilters({}), QStringList());
    }

    void theDefaultExtensionIsAddedOnlyWhereNoFileExists() {
        for (const QString& name : {u"dosbox"_s, u"ROBOT.exe"_s, u"MAZE.EXE"_s})
            files.writeFile(u"picked/"_s + name, {});
        // What the user typed and the file it stands for (none for the empty text): the name
        // itself, then with the extension as given or in capitals; a folder is no file.
        for (const QString& row :
             u"dosbox=dosbox ROBOT=ROBOT.exe MAZE=MAZE.EXE GHOST= ="_s.split(u' ')) {
            const QString typed = row.section(u'=', 0, 0), found = row.section(u'=', 1);
            QCOMPARE(existingFileFor(files.path(u"picked/"_s + typed), u"exe"_s),
                     found.isEmpty() ? std::nullopt
                                     : std::optional(files.path(u"picked/"_s + found)));
        }
    }
};

QTEST_MAIN(PlatformTest)
#include "tst_platform.moc"
