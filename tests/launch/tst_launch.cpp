// Where DOSBox and the DOS games live, the auto-exit option in its two places, and what Play
// starts for each kind of game (through a recording starter) or tells of a start that fails.
#include "KavrelFixture.h"
#include "launch/LaunchCommand.h"
#include "platform/PickerFilters.h"
#include "store/Paths.h"
#include "window/GameList.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

class LaunchTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void locationsAndAutoExitAreStoredAsChosen();
    void startsEachKindOfGameItsOwnWayOrSaysWhyNot();
    void aProgramInARootStartsInTheRoot();
};

void LaunchTest::locationsAndAutoExitAreStoredAsChosen() {
    KavrelFixture kavrel;
    Hoofdscherm* window = &kavrel.start();
    const auto stored = [&](const QString& key) {
        return kavrel.onDisk(u"Location"_s, key);
    };

    // Kept as the picker gives it, nothing added or cut; a cancel keeps it.
    const QString folder = kavrel.path(u"dos games"_s) + u'/';
    kavrel.dialogs.chooseFolder(folder, [&] { QCOMPARE(stored(u"DosGames"_s), std::nullopt); });
    kavrel.dialogs.chooseFolder(QString());
    for (int pick = 1; pick <= 2; ++pick) {
        kavrel.action(u"mnuKavrelFolder"_s)->trigger();
        QCOMPARE(window->dosGamesFolder(), folder);
        QCOMPARE(stored(u"DosGames"_s), folder);
    }

    // Cancelled while no DOSBox is known, the picker disables the auto-exit check box, not the
    // menu item, for the rest of the run: a DOSBox found later does not bring it back.
    const QString dosbox = kavrel.writeFile(u"emu/dosbox"_s, "#!/bin/sh\n");
    kavrel.dialogs.cancelFile();
    kavrel.dialogs.chooseFile(dosbox, [&] { QCOMPARE(stored(u"DosBox"_s), std::nullopt); });
    kavrel.dialogs.cancelFile();
    kavrel.action(u"mnuLocateDOSBox"_s)->trigger();
    const QString filter = u"Executable File (*.exe) |*.exe"_s + PickerFilters::AnyFileToo;
    QCOMPARE(pickerSettings(kavrel.dialogs.last().request),
             pickerSettings({{}, {}, filter, u"exe"_s, 0x281000}));
    QCOMPARE(window->dosBoxPath(), QString());
    QVERIFY(!kavrel.find<QCheckBox>(u"ExitCheck"_s)->isEnabled());
    QVERIFY(kavrel.action(u"mnuExitOption"_s)->isEnabled());
    kavrel.action(u"mnuLocateDOSBox"_s)->trigger();
    QVERIFY(!kavrel.find<QCheckBox>(u"ExitCheck"_s)->isEnabled());
    // With DOSBox known a cancel changes nothing; the picker opens as its last use left it.
    kavrel.action(u"mnuLocateDOSBox"_s)->trigger();
    QCOMPARE(kavrel.dialogs.last().request.fileName, dosbox);
    QCOMPARE(window->dosBoxPath(), dosbox);
    QCOMPARE(stored(u"DosBox"_s), dosbox);

    // The next start brings the check box back, and a cancel now leaves it as it is.
    window = &kavrel.restart();
    kavrel.dialogs.cancelFile();
    kavrel.action(u"mnuLocateDOSBox"_s)->trigger();
    auto* exitCheck = kavrel.find<QCheckBox>(u"ExitCheck"_s);
    QVERIFY(exitCheck->isEnabled() && exitCheck->isChecked());

    // Auto-exit: both places and the store agree, whichever place turns it off or on.
    QAction* menu = kavrel.action(u"mnuExitOption"_s);
    const auto shows = [&](bool on) {
        return window->autoExit() == on && exitCheck->isChecked() == on &&
               menu->isChecked() == on &&
               kavrel.onDisk(u"Options"_s, u"GExit"_s) == (on ? u"True"_s : u"False"_s);
    };
    // Off and on again through the menu, then through the check box.
    for (int step = 0; step < 4; ++step) {
        step < 2 ? menu->trigger() : QTest::mouseClick(exitCheck, Qt::LeftButton);
        QVERIFY2(shows(step % 2 == 1), qPrintable(u"step %1"_s.arg(step)));
    }
    // The menu follows the check box, whatever its own mark says.
    menu->setChecked(false);
    menu->trigger();
    QVERIFY(shows(false));
    VERIFY_DIALOGS(kavrel.dialogs);
}

void LaunchTest::startsEachKindOfGameItsOwnWayOrSaysWhyNot() {
    KavrelFixture kavrel;
    // Blanks, quotes and letters beyond ASCII stay inside the one argument, unquoted.
    const QString dos = kavrel.writeFile(u"dos games/Ärger \"Deluxe\" 2/DIG IT.COM"_s, "MZ");
    const QString win = kavrel.writeFile(u"win games/beta/beta.exe"_s, "MZ");
    const QString gone = kavrel.path(u"games/GONE.EXE"_s);
    const QString emulator = kavrel.path(u"emu dir/dosbox"_s);
    kavrel.seed(u"Location"_s, u"DosBox"_s, emulator);
    kavrel.seedGames({GameEntry{dos, {}, {}, u"Alpha"_s}, GameEntry{win, {}, {}, u"Beta"_s, false},
                      GameEntry{gone, {}, {}, u"Gone"_s},
                      GameEntry{gone, {}, {}, u"Gone too"_s, false}});
    Hoofdscherm& window = kavrel.start();
    QList<ProgramStart>& starts = kavrel.starter.starts;

    // Nothing waits for a started game: the menu and then the button start it again. A Windows
    // game starts alone in its own folder, whatever auto-exit says.
    const ProgramStart alone{win, {}, kavrel.path(u"win games/beta"_s), WindowStyle::Normal};
    const struct {
        int row;
        bool autoExit;
        ProgramStart start;
    } plays[] = {{0, true, {emulator, {dos, u"-exit"_s}, {}, WindowStyle::Minimized}},
                 {0, false, {emulator, {dos}, {}, WindowStyle::Minimized}},
                 {1, false, alone},
                 {1, true, alone}};
    for (const auto& play : plays) {
        kavrel.list()->setListIndex(play.row);
        if (window.autoExit() != play.autoExit)
            kavrel.action(u"mnuExitOption"_s)->trigger();
        starts.clear();
        kavrel.action(u"MnuBestandOpen"_s)->trigger();
        QTest::mouseClick(kavrel.find<QPushButton>(u"KnopSpelen"_s), Qt::LeftButton);
        QCOMPARE(starts, (QList<ProgramStart>{play.start, play.start}));
    }

    // A start the starter refuses, and a missing program of either type, which is never handed
    // on (DOSBox would wait with an error instead of closing): the message, and nothing else.
    starts.clear();
    kavrel.starter.succeeds = false;
    const QByteArray stored = kavrel.storeFileBytes();
    for (int row : {0, 2, 3}) {
        kavrel.list()->setListIndex(row);
        kavrel.dialogs.acknowledge();
        kavrel.action(u"MnuBestandOpen"_s)->trigger();
        const ScriptedDialogs::Shown& box = kavrel.dialogs.last();
        QCOMPARE(std::tuple(box.prompt, box.style, box.title),
                 std::tuple(u"Could not execute "_s + window.games()[row + 1].GPath,
                            MsgBoxStyle::Critical, u"Execute Error"_s));
        QCOMPARE(kavrel.list()->ListIndex(), row);
    }
    QCOMPARE(starts.size(), 1);
    QCOMPARE(kavrel.storeFileBytes(), stored);

    // With no entry selected there is nothing to start, and nothing to report.
    kavrel.list()->setListIndex(-1);
    window.KnopSpelen_Click();
    QCOMPARE(starts.size(), 1);
    VERIFY_DIALOGS(kavrel.dialogs);
}

void LaunchTest::aProgramInARootStartsInTheRoot() {
    // Never in a drive's current folder, which a bare "D:" would name.
    const QString root = PathSeparator;
    QCOMPARE(folderOfProgram(root + u"game"_s), root);
    QCOMPARE(folderOfProgram(u"D:"_s + root + u"game.exe"_s), u"D:"_s + root);
    QCOMPARE(folderOfProgram(u"game.exe"_s), QString());
}

QTEST_MAIN(LaunchTest)
#include "tst_launch.moc"
