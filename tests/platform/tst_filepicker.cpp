// The shared file picker: what it hands the dialog, what it keeps, and the dialog's rules for
// filters and default extensions.
#include "ScriptedDialogs.h"
#include "platform/FileDialogRules.h"
#include "platform/FilePicker.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class FilePickerTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void settingsLastFromOneUseToTheNext();
    void filtersBecomeNameFilters_data();
    void filtersBecomeNameFilters();
    void theDefaultExtensionIsAddedOnlyWhereNoFileExists_data();
    void theDefaultExtensionIsAddedOnlyWhereNoFileExists();
};

void FilePickerTest::settingsLastFromOneUseToTheNext() {
    ScriptedDialogs dialogs;
    FilePicker picker(dialogs);
    picker.CancelError = true;
    picker.InitDir = u"C:\\GAMES"_s;
    picker.DefaultExt = u"exe"_s;
    picker.Filter = u"Executable File (*.exe) |*.exe"_s;
    picker.Flags = FilePicker::MustExistExplorerLongNames;
    dialogs.chooseFile(u"C:\\GAMES\\MAZE\\MAZE.EXE"_s);
    QVERIFY(picker.ShowOpen());

    // The next use sets only its filter; the rest is what the first one left.
    picker.Filter = u"Description (*.txt) |*.txt"_s;
    dialogs.cancelFile();
    QVERIFY(!picker.ShowOpen());
    QCOMPARE(pickerSettings(dialogs.last().request),
             pickerSettings({u"C:\\GAMES"_s, u"C:\\GAMES\\MAZE\\MAZE.EXE"_s,
                             u"Description (*.txt) |*.txt"_s, u"exe"_s, 0x281000u}));
    // Without CancelError a cancel carries on with the name as it was.
    picker.CancelError = false;
    dialogs.cancelFile();
    QVERIFY(picker.ShowOpen());
    QCOMPARE(picker.FileName, u"C:\\GAMES\\MAZE\\MAZE.EXE"_s);
    VERIFY_DIALOGS(dialogs);
}

void FilePickerTest::filtersBecomeNameFilters_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("patterns named in the description")
        << u"Executable File (*.com;*.exe;*.bat) |*.com;*.exe;*.bat"_s
        << QStringList{u"Executable File (*.com *.exe *.bat)"_s};
    QTest::newRow("two filters") << u"Executable File (*.exe) |*.exe|All files |*"_s
                                 << QStringList{u"Executable File (*.exe)"_s, u"All files (*)"_s};
    QTest::newRow("plain description")
        << u"Description |*.txt"_s << QStringList{u"Description (*.txt)"_s};
    QTest::newRow("none") << QString() << QStringList();
}

void FilePickerTest::filtersBecomeNameFilters() {
    QFETCH(QString, filter);
    QFETCH(QStringList, expected);
    QCOMPARE(nameFilters(filter), expected);
}

void FilePickerTest::theDefaultExtensionIsAddedOnlyWhereNoFileExists_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("defaultExt");
    // The empty text: no such file.
    QTest::addColumn<QString>("expected");
    QTest::newRow("an existing file keeps its name") << u"dosbox"_s << u"exe"_s << u"dosbox"_s;
    QTest::newRow("extension added") << u"ROBOT"_s << u"exe"_s << u"ROBOT.exe"_s;
    QTest::newRow("extension added in capitals") << u"MAZE"_s << u"exe"_s << u"MAZE.EXE"_s;
    QTest::newRow("no default extension") << u"ROBOT"_s << QString() << QString();
    QTest::newRow("no such file") << u"GHOST"_s << u"exe"_s << QString();
    QTest::newRow("another extension") << u"ROBOT.com"_s << u"exe"_s << QString();
    QTest::newRow("a folder") << QString() << u"exe"_s << QString();
}

void FilePickerTest::theDefaultExtensionIsAddedOnlyWhereNoFileExists() {
    QFETCH(QString, typed);
    QFETCH(QString, defaultExt);
    QFETCH(QString, expected);
    QTemporaryDir folder;
    for (const QString& name : {u"dosbox"_s, u"ROBOT.exe"_s, u"MAZE.EXE"_s}) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    const std::optional<QString> found = existingFileFor(folder.filePath(typed), defaultExt);
    QCOMPARE(found, expected.isEmpty() ? std::nullopt : std::optional(folder.filePath(expected)));
}

QTEST_GUILESS_MAIN(FilePickerTest)
#include "tst_filepicker.moc"
