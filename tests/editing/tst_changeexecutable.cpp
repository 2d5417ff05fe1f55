// Pointing the selected game at another program file.
#include "KavrelFixture.h"
#include "platform/PickerFilters.h"
#include "window/DescriptionBox.h"
#include "window/GameList.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

namespace {

QString folderOf(const QString& path) {
    return QDir::toNativeSeparators(QFileInfo(path).absolutePath());
}

} // namespace

class ChangeExecutableTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void presetsTheStoredProgramAndStoresTheChosenOne();
    void cancelChangesNothing();
    void pathWithoutFolderPresetsNothing();
};

void ChangeExecutableTest::presetsTheStoredProgramAndStoresTheChosenOne() {
    KavrelFixture kavrel;
    const QString alpha = kavrel.writeFile(QStringLiteral("Games/Alpha/ALPHA.EXE"), "x");
    const QString other = kavrel.writeFile(QStringLiteral("Games/Alpha/SETUP.BAT"), "x");
    const QString text = kavrel.writeFile(QStringLiteral("alpha.txt"), "About Alpha.");
    kavrel.seedGames({GameEntry{alpha, QStringLiteral("b"), text, QStringLiteral("Alpha"), false}});
    Hoofdscherm& window = kavrel.start();

    kavrel.dialogs.chooseFile(other, [&] {
        QCOMPARE(kavrel.onDisk(QStringLiteral("Game0001"), QStringLiteral("GPath")), alpha);
    });
    kavrel.action(QStringLiteral("MnuBewerkenDoel"))->trigger();

    VERIFY_DIALOGS(kavrel.dialogs);
    QCOMPARE(pickerSettings(kavrel.dialogs.last().request),
             pickerSettings({folderOf(alpha), QStringLiteral("ALPHA.EXE"),
                             PickerFilters::Executable, QStringLiteral("exe"), 0x281000}));
    QCOMPARE(window.games()[1],
             (GameEntry{other, QStringLiteral("b"), text, QStringLiteral("Alpha"), false}));
    QCOMPARE(kavrel.onDisk(QStringLiteral("Game0001"), QStringLiteral("GPath")), other);
    QCOMPARE(kavrel.onDisk(QStringLiteral("Game0001"), QStringLiteral("GType")),
             QStringLiteral("False"));
    QCOMPARE(kavrel.find<DescriptionBox>(QStringLiteral("RTB1"))->toPlainText(),
             QStringLiteral("About Alpha."));
    QCOMPARE(kavrel.focused(), kavrel.find<QWidget>(QStringLiteral("Picture1")));
}

void ChangeExecutableTest::cancelChangesNothing() {
    KavrelFixture kavrel;
    const QString alpha = kavrel.writeFile(QStringLiteral("Games/Alpha/ALPHA.EXE"), "x");
    kavrel.seedGames({GameEntry{alpha, {}, {}, QStringLiteral("Alpha"), true}});
    Hoofdscherm& window = kavrel.start();
    const QByteArray before = kavrel.storeFileBytes();
    kavrel.list()->setFocus();

    kavrel.dialogs.cancelFile();
    kavrel.action(QStringLiteral("MnuBewerkenDoel"))->trigger();

    VERIFY_DIALOGS(kavrel.dialogs);
    QCOMPARE(window.games()[1].GPath, alpha);
    QCOMPARE(kavrel.storeFileBytes(), before);
    QCOMPARE(kavrel.focused(), kavrel.find<QWidget>(QStringLiteral("Picture1")));
}

void ChangeExecutableTest::pathWithoutFolderPresetsNothing() {
    KavrelFixture kavrel;
    const QString alpha = kavrel.writeFile(QStringLiteral("Games/Alpha/ALPHA.EXE"), "x");
    const QString bravo = kavrel.writeFile(QStringLiteral("Games/Bravo/BRAVO.COM"), "x");
    kavrel.seedGames({GameEntry{alpha, {}, {}, QStringLiteral("Alpha"), true},
                      GameEntry{QString(), {}, {}, QStringLiteral("Bravo"), true}});
    Hoofdscherm& window = kavrel.start();

    kavrel.dialogs.cancelFile();
    kavrel.action(QStringLiteral("MnuBewerkenDoel"))->trigger();
    kavrel.list()->setListIndex(1);
    kavrel.dialogs.chooseFile(bravo);
    kavrel.action(QStringLiteral("MnuBewerkenDoel"))->trigger();

    VERIFY_DIALOGS(kavrel.dialogs);
    // The picker opens as the previous use left it.
    QCOMPARE(kavrel.dialogs.last().request.initDir, folderOf(alpha));
    QCOMPARE(kavrel.dialogs.last().request.fileName, QStringLiteral("ALPHA.EXE"));
    QCOMPARE(window.games()[2].GPath, bravo);
    QCOMPARE(kavrel.onDisk(QStringLiteral("Game0002"), QStringLiteral("GPath")), bravo);
    QCOMPARE(window.games()[1].GPath, alpha);
}

QTEST_MAIN(ChangeExecutableTest)
#include "tst_changeexecutable.moc"
