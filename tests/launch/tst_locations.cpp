// Where DOSBox and the DOS games live, and the auto-exit option in its two places.
#include "KavrelFixture.h"
#include "platform/FileDialogRules.h"
#include "platform/PickerFilters.h"

#include <QCheckBox>
#include <QTest>

using namespace Qt::StringLiterals;

class LocationsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void gamesFolderIsStoredAsPicked();
    void dosBoxPickerCancelledOnFirstRunDisablesTheCheckBox();
    void dosBoxPickerKeepsAKnownLocationOnCancel();
    void autoExitAgreesInMenuAndCheckBox();
};

void LocationsTest::gamesFolderIsStoredAsPicked() {
    KavrelFixture kavrel;
    Hoofdscherm& window = kavrel.start();
    QAction* locate = kavrel.action(u"mnuKavrelFolder"_s);

    kavrel.dialogs.chooseFolder(QString());
    locate->trigger();
    QCOMPARE(window.dosGamesFolder(), QString());
    QCOMPARE(kavrel.onDisk(u"Location"_s, u"DosGames"_s), std::nullopt);

    // Kept as the picker gives it: nothing is added to the folder or cut from it.
    const QString folder = kavrel.path(u"dos games"_s) + u'/';
    kavrel.dialogs.chooseFolder(
        folder, [&] { QCOMPARE(kavrel.onDisk(u"Location"_s, u"DosGames"_s), std::nullopt); });
    locate->trigger();
    QCOMPARE(window.dosGamesFolder(), folder);
    QCOMPARE(kavrel.onDisk(u"Location"_s, u"DosGames"_s), folder);

    kavrel.dialogs.chooseFolder(QString());
    locate->trigger();
    QCOMPARE(window.dosGamesFolder(), folder);
    QCOMPARE(kavrel.onDisk(u"Location"_s, u"DosGames"_s), folder);
    VERIFY_DIALOGS(kavrel.dialogs);
}

void LocationsTest::dosBoxPickerCancelledOnFirstRunDisablesTheCheckBox() {
    KavrelFixture kavrel;
    Hoofdscherm& window = kavrel.start();
    auto* exitCheck = kavrel.find<QCheckBox>(u"ExitCheck"_s);
    QAction* locate = kavrel.action(u"mnuLocateDOSBox"_s);

    kavrel.dialogs.cancelFile();
    locate->trigger();
    const OpenFileRequest& request = kavrel.dialogs.last().request;
    QCOMPARE(request.filter, PickerFilters::DosBox);
    QCOMPARE(request.defaultExt, u"exe"_s);
    QCOMPARE(request.flags, FilePicker::MustExistExplorerLongNames);
    QCOMPARE(window.dosBoxPath(), QString());
    QCOMPARE(kavrel.onDisk(u"Location"_s, u"DosBox"_s), std::nullopt);
    QVERIFY(!exitCheck->isEnabled());
    QVERIFY(kavrel.action(u"mnuExitOption"_s)->isEnabled());

    // A location found later does not bring the check box back in this run; the next start does.
    const QString dosbox = kavrel.writeFile(u"emu/dosbox"_s, "#!/bin/sh\n");
    // Programs without an extension: the desktop's picker never adds "exe" to an existing file.
    QCOMPARE(existingFileFor(dosbox, u"exe"_s), dosbox);
    kavrel.dialogs.chooseFile(dosbox);
    locate->trigger();
    QCOMPARE(window.dosBoxPath(), dosbox);
    QCOMPARE(kavrel.onDisk(u"Location"_s, u"DosBox"_s), dosbox);
    QVERIFY(!exitCheck->isEnabled());
    kavrel.restart();
    QVERIFY(kavrel.find<QCheckBox>(u"ExitCheck"_s)->isEnabled());
    VERIFY_DIALOGS(kavrel.dialogs);
}

void LocationsTest::dosBoxPickerKeepsAKnownLocationOnCancel() {
    KavrelFixture kavrel;
    const QString known = kavrel.writeFile(u"emu/dosbox"_s, "#!/bin/sh\n");
    kavrel.seed(u"Location"_s, u"DosBox"_s, known);
    kavrel.seed(u"Options"_s, u"GExit"_s, u"False"_s);
    Hoofdscherm& window = kavrel.start();
    auto* exitCheck = kavrel.find<QCheckBox>(u"ExitCheck"_s);
    QAction* locate = kavrel.action(u"mnuLocateDOSBox"_s);

    const QString other = kavrel.writeFile(u"other emu/dosbox"_s, "#!/bin/sh\n");
    kavrel.dialogs.chooseFile(other,
                              [&] { QCOMPARE(kavrel.onDisk(u"Location"_s, u"DosBox"_s), known); });
    locate->trigger();
    QCOMPARE(kavrel.onDisk(u"Location"_s, u"DosBox"_s), other);

    // The picker opens with what its previous use left; the cancel changes nothing.
    kavrel.dialogs.cancelFile();
    locate->trigger();
    QCOMPARE(kavrel.dialogs.last().request.fileName, other);
    QCOMPARE(window.dosBoxPath(), other);
    QCOMPARE(kavrel.onDisk(u"Location"_s, u"DosBox"_s), other);
    QVERIFY(exitCheck->isEnabled());
    QVERIFY(!exitCheck->isChecked());
    QVERIFY(!window.autoExit());
    VERIFY_DIALOGS(kavrel.dialogs);
}

void LocationsTest::autoExitAgreesInMenuAndCheckBox() {
    KavrelFixture kavrel;
    Hoofdscherm& window = kavrel.start();
    auto* exitCheck = kavrel.find<QCheckBox>(u"ExitCheck"_s);
    QAction* menu = kavrel.action(u"mnuExitOption"_s);
    const auto shows = [&](bool on) {
        return window.autoExit() == on && exitCheck->isChecked() == on && menu->isChecked() == on &&
               kavrel.onDisk(u"Options"_s, u"GExit"_s) == (on ? u"True"_s : u"False"_s);
    };
    QVERIFY(shows(true));

    menu->trigger();
    QVERIFY(shows(false));
    menu->trigger();
    QVERIFY(shows(true));

    QTest::mouseClick(exitCheck, Qt::LeftButton);
    QVERIFY(shows(false));
    QTest::mouseClick(exitCheck, Qt::LeftButton);
    QVERIFY(shows(true));

    // The menu follows the check box, whatever its own mark says.
    menu->setChecked(false);
    menu->trigger();
    QVERIFY(shows(false));
    kavrel.restart();
    QVERIFY(!kavrel.find<QCheckBox>(u"ExitCheck"_s)->isChecked());
    QVERIFY(!kavrel.action(u"mnuExitOption"_s)->isChecked());
    VERIFY_DIALOGS(kavrel.dialogs);
}

QTEST_MAIN(LocationsTest)
#include "tst_locations.moc"
