// The shared file picker: what it hands the dialog, what it keeps, and the dialog's rules for
// filters and default extensions.
#include "ScriptedDialogs.h"
#include "platform/FileDialogRules.h"
#include "platform/FilePicker.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class FilePickerTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void settingsLastFromOneUseToTheNext();
    void cancelFailsOnlyWithCancelError();
    void filtersBecomeNameFilters();
    void theDefaultExtensionIsAddedOnlyWhereNoFileExists();
};

void FilePickerTest::settingsLastFromOneUseToTheNext() {
    ScriptedDialogs dialogs;
    FilePicker picker(dialogs);
    picker.CancelError = true;
    picker.InitDir = QStringLiteral("C:\\GAMES");
    picker.DefaultExt = QStringLiteral("exe");
    picker.Filter = QStringLiteral("Executable File (*.exe) |*.exe");
    picker.Flags = FilePicker::MustExistExplorerLongNames;
    dialogs.chooseFile(QStringLiteral("C:\\GAMES\\MAZE\\MAZE.EXE"));
    QVERIFY(picker.ShowOpen());
    QCOMPARE(picker.FileName, QStringLiteral("C:\\GAMES\\MAZE\\MAZE.EXE"));

    // The next use sets only its filter; the rest is what the first one left.
    picker.Filter = QStringLiteral("Description (*.txt) |*.txt");
    dialogs.chooseFile(QStringLiteral("C:\\GAMES\\MAZE\\MAZE.TXT"));
    QVERIFY(picker.ShowOpen());

    QCOMPARE(dialogs.shown().size(), 2);
    const OpenFileRequest& second = dialogs.last().request;
    QCOMPARE(second.initDir, QStringLiteral("C:\\GAMES"));
    QCOMPARE(second.fileName, QStringLiteral("C:\\GAMES\\MAZE\\MAZE.EXE"));
    QCOMPARE(second.defaultExt, QStringLiteral("exe"));
    QCOMPARE(second.filter, QStringLiteral("Description (*.txt) |*.txt"));
    QCOMPARE(second.flags, 0x281000u);
    VERIFY_DIALOGS(dialogs);
}

void FilePickerTest::cancelFailsOnlyWithCancelError() {
    ScriptedDialogs dialogs;
    FilePicker picker(dialogs);
    picker.FileName = QStringLiteral("kept.exe");
    picker.CancelError = true;
    dialogs.cancelFile();
    QVERIFY(!picker.ShowOpen());
    picker.CancelError = false;
    dialogs.cancelFile();
    QVERIFY(picker.ShowOpen());
    QCOMPARE(picker.FileName, QStringLiteral("kept.exe"));
    VERIFY_DIALOGS(dialogs);
}

void FilePickerTest::filtersBecomeNameFilters() {
    QCOMPARE(nameFilters(QStringLiteral("Executable File (*.com;*.exe;*.bat) |*.com;*.exe;*.bat")),
             QStringList{QStringLiteral("Executable File (*.com *.exe *.bat)")});
    QCOMPARE(
        nameFilters(QStringLiteral("Executable File (*.exe) |*.exe|All files |*")),
        (QStringList{QStringLiteral("Executable File (*.exe)"), QStringLiteral("All files (*)")}));
    QCOMPARE(nameFilters(QStringLiteral("Description |*.txt")),
             QStringList{QStringLiteral("Description (*.txt)")});
    QCOMPARE(nameFilters(QString()), QStringList());
}

void FilePickerTest::theDefaultExtensionIsAddedOnlyWhereNoFileExists() {
    QTemporaryDir folder;
    const auto make = [&](const QString& name) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    };
    make(QStringLiteral("dosbox"));
    make(QStringLiteral("ROBOT.exe"));
    make(QStringLiteral("MAZE.EXE"));
    const QString dosbox = folder.filePath(QStringLiteral("dosbox"));
    const QString robot = folder.filePath(QStringLiteral("ROBOT"));
    QCOMPARE(existingFileFor(dosbox, QStringLiteral("exe")), dosbox);
    QCOMPARE(existingFileFor(robot, QStringLiteral("exe")), robot + QStringLiteral(".exe"));
    QCOMPARE(existingFileFor(robot, QString()), std::nullopt);
    const QString maze = folder.filePath(QStringLiteral("MAZE"));
    QCOMPARE(existingFileFor(maze, QStringLiteral("exe")), maze + QStringLiteral(".EXE"));
    QCOMPARE(existingFileFor(folder.filePath(QStringLiteral("GHOST")), QStringLiteral("exe")),
             std::nullopt);
    // A typed name with another extension gets none added.
    QCOMPARE(existingFileFor(folder.filePath(QStringLiteral("ROBOT.com")), QStringLiteral("exe")),
             std::nullopt);
    QCOMPARE(existingFileFor(folder.path(), QStringLiteral("exe")), std::nullopt);
}

QTEST_GUILESS_MAIN(FilePickerTest)
#include "tst_filepicker.moc"
