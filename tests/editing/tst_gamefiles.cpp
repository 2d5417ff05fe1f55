// A game's files: choosing its screenshot and description (by menu and by double click) and its
// program, the pickers' presets and memory, and removing a screenshot or description.
#include "CollectionChecks.h"
#include "platform/PickerFilters.h"
#include "window/DescriptionBox.h"
#include "window/GameList.h"
#include "window/PictureBox.h"

#include <QTest>

using namespace Qt::StringLiterals;

class GameFilesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void choosesAndRemovesAFile_data();
    void choosesAndRemovesAFile();
    void pickersOpenOnTheStoredFileOrWhereTheyWereLeft();
};

void GameFilesTest::choosesAndRemovesAFile_data() {
    QTest::addColumn<bool>("screenshot");
    QTest::addColumn<bool>("byDoubleClick");
    QTest::newRow("screenshot by menu") << true << false;
    QTest::newRow("screenshot by double click") << true << true;
    QTest::newRow("description by menu") << false << false;
    QTest::newRow("description by double click") << false << true;
}

void GameFilesTest::choosesAndRemovesAFile() {
    QFETCH(bool, screenshot);
    QFETCH(bool, byDoubleClick);
    KavrelFixture kavrel;
    const GameEntry alpha{.GPath = u"pa"_s, .GTitle = u"Alpha"_s};
    GameEntry bravo{u"pb"_s, kavrel.writePicture(u"Bravo/title.gif"_s, QSize(4, 4), Qt::red, "GIF"),
                    kavrel.writeFile(u"Bravo/about.txt"_s, "Old words."), u"Bravo"_s, false};
    kavrel.seedGames({alpha, bravo}, 1);
    Hoofdscherm& window = kavrel.start();
    auto* picture = kavrel.find<PictureBox>(u"Picture1"_s);
    auto* rtb = kavrel.find<DescriptionBox>(u"RTB1"_s);
    QString& file = screenshot ? bravo.GBmp : bravo.GText;
    // The picker opens on the stored file.
    const QString storedAt = folderOf(file) + u'|' + QFileInfo(file).fileName();
    // Runs the command and tells whether the user sees the game's files: in table and store, in
    // the picture's corner and the description; and whether the picture has the focus.
    QString words = u"Old words."_s;
    const auto choose = [&] {
        kavrel.list()->setFocus();
        if (byDoubleClick)
            QTest::mouseDClick(screenshot ? static_cast<QWidget*>(picture) : rtb->viewport(),
                               Qt::LeftButton, {}, QPoint(10, 10));
        else
            kavrel.action(screenshot ? u"MnuBewerkenAfbeelding"_s : u"MnuBewerkenBeschrijving"_s)
                ->trigger();
        return tableOf(window) == QList{alpha, bravo} &&
               storedGames(kavrel, 2) == tableOf(window) &&
               picture->picture().pixelColor(0, 0) == QImage(bravo.GBmp).pixelColor(0, 0) &&
               rtb->toPlainText() == words && kavrel.focused() == picture;
    };
    // Cancel, a file that is no picture and one that cannot be read change nothing.
    kavrel.dialogs.cancelFile();
    kavrel.dialogs.chooseFile(screenshot ? kavrel.writeFile(u"fake.bmp"_s, "no picture here")
                                         : kavrel.path(u"gone.txt"_s));
    for (int times = 2; times > 0; --times)
        QVERIFY(choose());
    words = screenshot ? words : u"New words."_s;
    file = screenshot ? kavrel.writePicture(u"new/shot.jpg"_s, QSize(4, 4), Qt::white, "JPEG")
                      : kavrel.writeFile(u"new/words.txt"_s, "New words.");
    kavrel.dialogs.chooseFile(file, storeUnchanged(kavrel));
    QVERIFY(choose());
    VERIFY_DIALOGS(kavrel.dialogs);
    QCOMPARE(kavrel.dialogs.last().request.initDir + u'|' + kavrel.dialogs.last().request.fileName,
             storedAt);

    // Removing it deletes its key, and that alone: it is not written empty. Only the removed
    // file gives way to its default, and the game is selected again, which shows it in full.
    window.setWindowTitle(u"stale"_s);
    kavrel.action(screenshot ? u"mnu_remove_screenshot"_s : u"mnu_remove_description"_s)->trigger();
    file.clear();
    QVERIFY((tableOf(window) == QList{alpha, bravo} && storedGames(kavrel, 2) == tableOf(window)));
    QVERIFY(!kavrel.onDisk(u"Game0002"_s, screenshot ? u"GBmp"_s : u"GText"_s).has_value());
    QCOMPARE(picture->picture() == QImage(kavrel.appFolder() + u"/Default.bmp"_s), screenshot);
    QCOMPARE(rtb->toPlainText() == u"No description available"_s, !screenshot);
    QVERIFY(window.windowTitle() == u"Kavrel (Game 2 of 2)"_s && kavrel.focused() == picture);
}

void GameFilesTest::pickersOpenOnTheStoredFileOrWhereTheyWereLeft() {
    KavrelFixture kavrel;
    // Files in a root ("D:\pic.gif", "/pic.gif") open the picker in the root itself: "D:" (the
    // drive, without a separator) or "/".
    const QString root = QDir::toNativeSeparators(QDir::rootPath());
    const QString rootFolder = root.size() == 1 ? root : root.chopped(1);
    const QString alphaExe = kavrel.path(u"Alpha/ALPHA.EXE"_s);
    kavrel.seedGames({{alphaExe, root + u"pic.gif"_s, root + u"readme.txt"_s, u"A"_s},
                      {.GPath = root + u"X.COM"_s, .GTitle = u"B"_s}},
                     1);
    Hoofdscherm& window = kavrel.start();
    const QString bravoText = kavrel.writeFile(u"pics/b.txt"_s, "About B.");
    // Runs a command whose picker is answered as given (the empty text: Cancel), and tells where
    // the picker opened: "folder|name".
    const auto opensAt = [&](const QString& command, const QString& answer) {
        answer.isEmpty() ? kavrel.dialogs.cancelFile() : kavrel.dialogs.chooseFile(answer);
        kavrel.action(command)->trigger();
        return kavrel.dialogs.last().request.initDir + u'|' +
               kavrel.dialogs.last().request.fileName;
    };
    // Right after the start the picker has nothing to remember; without a stored file it opens
    // where its previous use left it.
    QCOMPARE(opensAt(u"MnuBewerkenAfbeelding"_s, {}), u"|"_s);
    QCOMPARE(opensAt(u"MnuBewerkenDoel"_s, kavrel.path(u"B.EXE"_s)), rootFolder + u"|X.COM"_s);
    QCOMPARE(opensAt(u"MnuBewerkenBeschrijving"_s, bravoText),
             rootFolder + u'|' + kavrel.path(u"B.EXE"_s));
    kavrel.list()->setListIndex(0);
    QCOMPARE(opensAt(u"MnuBewerkenDoel"_s, {}), folderOf(alphaExe) + u"|ALPHA.EXE"_s);
    QCOMPARE(opensAt(u"MnuBewerkenBeschrijving"_s, {}), rootFolder + u"|readme.txt"_s);
    QCOMPARE(opensAt(u"MnuBewerkenAfbeelding"_s, {}), rootFolder + u"|pic.gif"_s);
    VERIFY_DIALOGS(kavrel.dialogs);
    QCOMPARE(pickerSettings(kavrel.dialogs.shown()[3].request),
             pickerSettings({folderOf(alphaExe), u"ALPHA.EXE"_s, PickerFilters::Executable,
                             u"exe"_s, GamePickerFlags}));
    QCOMPARE(kavrel.storedGame(2), (GameEntry{kavrel.path(u"B.EXE"_s), {}, bravoText, u"B"_s}));
    QCOMPARE(window.games()[2], kavrel.storedGame(2));

    // With no game selected the commands on the selected game do nothing at all.
    kavrel.list()->setListIndex(-1);
    const QByteArray before = kavrel.storeFileBytes();
    window.MnuBestandVerwijderen_Click();
    window.MnuBewerkenTitel_Click();
    window.RTB1_DblClick();
    window.mnu_remove_screenshot_Click();
    window.MnuBewerkenDoel_Click();
    VERIFY_DIALOGS(kavrel.dialogs);
    QVERIFY(kavrel.storeFileBytes() == before && kavrel.list()->ListCount() == 2);
}

QTEST_MAIN(GameFilesTest)
#include "tst_gamefiles.moc"
