// The shared file picker: what it hands the dialog, what it keeps, and the dialog's rules for
// filters and default extensions.
#include "KavrelFixture.h"
#include "platform/FileDialogRules.h"
#include "platform/FilePicker.h"

class FilePickerTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
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
        QTemporaryDir folder;
        for (const QString& name : {u"dosbox"_s, u"ROBOT.exe"_s, u"MAZE.EXE"_s})
            QVERIFY(QFile(folder.filePath(name)).open(QIODevice::WriteOnly));
        // What the user typed and the file it stands for (none for the empty text): the name
        // itself, then with the extension as given or in capitals; a folder is no file.
        for (const QString& row :
             u"dosbox=dosbox ROBOT=ROBOT.exe MAZE=MAZE.EXE GHOST= ="_s.split(u' ')) {
            const QString typed = row.section(u'=', 0, 0), found = row.section(u'=', 1);
            QCOMPARE(existingFileFor(folder.filePath(typed), u"exe"_s),
                     found.isEmpty() ? std::nullopt : std::optional(folder.filePath(found)));
        }
    }
};

QTEST_GUILESS_MAIN(FilePickerTest)
#include "tst_filepicker.moc"
