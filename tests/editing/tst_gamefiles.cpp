// A game's files: choosing its screenshot and description (by menu and by double click) and its
// program, the pickers' presets and memory, removing a screenshot or description, and the
// commands on the selected game while none is selected.
#include "CollectionChecks.h"
#include "platform/PickerFilters.h"
#include "window/DescriptionBox.h"
#include "window/GameList.h"
#include "window/PictureBox.h"

#include <QImage>
#include <QTest>

using namespace Qt::StringLiterals;

class GameFilesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void choosesAndRemovesAFile_data();
    void choosesAndRemovesAFile();
    void pickersPresetTheStoredFileOrKeepTheirLastUse();
    void withoutASelectedGameNothingHappens();
};

void GameFilesTest::choosesAndRemovesAFile_data() {
    QTest::addColumn<bool>("screenshot");
    QTest::addColumn<bool>("byDoubleClick");
    QTest::newRow("screenshot by menu") << true << false;
    QTest::newRow("screenshot by double click") << true << true;
    QTest::newRow("description by menu") << false << false;
    QTest::newRow("description by double click on the help text") << false << true;
}

void GameFilesTest::choosesAndRemovesAFile() {
    QFETCH(bool, screenshot);
    QFETCH(bool, byDoubleClick);
    KavrelFixture kavrel;
    const GameEntry alpha{.GPath = u"pa"_s, .GTitle = u"Alpha"_s};
    GameEntry bravo{u"pb"_s, kavrel.writePicture(u"Bravo/title.gif"_s, QSize(4, 4), Qt::red, "GIF"),
                    kavrel.writeFile(u"Bravo/about.txt"_s, "Old words."), u"Bravo"_s, false};
    const QString chosen =
        screenshot ? kavrel.writePicture(u"new/shot.jpg"_s, QSize(4, 4), Qt::white, "JPEG")
                   : kavrel.writeFile(u"new/words.txt"_s, "New words.");
    kavrel.seedGames({alpha, bravo}, 1);
    Hoofdscherm& window = kavrel.start();
    auto* picture = kavrel.find<PictureBox>(u"Picture1"_s);
    auto* rtb = kavrel.find<DescriptionBox>(u"RTB1"_s);
    if (byDoubleClick && !screenshot)
        kavrel.action(u"MnuHelp"_s)->trigger();
    const QByteArray before = kavrel.storeFileBytes();
    const auto choose = [&] {
        kavrel.list()->setFocus();
        if (byDoubleClick)
            QTest::mouseDClick(screenshot ? static_cast<QWidget*>(picture) : rtb->viewport(),
                               Qt::LeftButton, {}, QPoint(10, 10));
        else
            kavrel.action(screenshot ? u"MnuBewerkenAfbeelding"_s : u"MnuBewerkenBeschrijving"_s)
                ->trigger();
        return tableOf(window) == QList{alpha, bravo} && kavrel.focused() == picture &&
               picture->picture().pixelColor(0, 0) == QImage(bravo.GBmp).pixelColor(0, 0);
    };

    // Cancel, a file that is no picture and one that cannot be read change nothing, and the
    // focus moves to the picture all the same.
    kavrel.dialogs.cancelFile();
    QVERIFY(choose());
    kavrel.dialogs.chooseFile(screenshot ? kavrel.writeFile(u"fake.bmp"_s, "no picture here")
                                         : kavrel.path(u"gone.txt"_s));
    QVERIFY(choose());
    QCOMPARE(kavrel.storeFileBytes(), before);
    QCOMPARE(rtb->toPlainText(), u"Old words."_s);

    kavrel.dialogs.chooseFile(chosen, storeUnchanged(kavrel));
    QString& file = screenshot ? bravo.GBmp : bravo.GText;
    // The picker opens on the stored file.
    const OpenFileRequest preset{folderOf(file), QFileInfo(file).fileName(),
                                 screenshot ? PickerFilters::Screenshot
                                            : PickerFilters::Description,
                                 screenshot ? u"bmp"_s : u"txt"_s, GamePickerFlags};
    file = chosen;
    QVERIFY(choose());
    VERIFY_DIALOGS(kavrel.dialogs);
    QCOMPARE(pickerSettings(kavrel.dialogs.last().request), pickerSettings(preset));
    QCOMPARE(storedGames(kavrel, 2), (QList{alpha, bravo}));
    QCOMPARE(rtb->toPlainText(), screenshot ? u"Old words."_s : u"New words."_s);
    QVERIFY(!window.helpShown());

    // Removing it deletes its key, and that alone: it is not written empty. Only the removed
    // file gives way to its default, and the game is selected again, which shows it in full.
    const QString key = screenshot ? u"GBmp"_s : u"GText"_s;
    window.setWindowTitle(u"stale"_s);
    kavrel.action(screenshot ? u"mnu_remove_screenshot"_s : u"mnu_remove_description"_s)->trigger();
    file.clear();
    QCOMPARE(tableOf(window), (QList{alpha, bravo}));
    QCOMPARE(storedGames(kavrel, 2), (QList{alpha, bravo}));
    for (const QString& stored : {u"GPath"_s, u"GBmp"_s, u"GText"_s, u"GTitle"_s, u"GType"_s})
        QVERIFY2(kavrel.onDisk(u"Game0002"_s, stored).has_value() == (stored != key),
                 qPrintable(stored));
    QCOMPARE(picture->picture() == QImage(kavrel.appFolder() + u"/Default.bmp"_s), screenshot);
    QCOMPARE(rtb->toPlainText() == u"No description available"_s, !screenshot);
    QCOMPARE(window.windowTitle(), u"Kavrel (Game 2 of 2)"_s);
    QCOMPARE(kavrel.focused(), picture);
}

void GameFilesTest::pickersPresetTheStoredFileOrKeepTheirLastUse() {
    KavrelFixture kavrel;
    // Files in a root ("D:\readme.txt", "/readme.txt") open the picker in the root itself: "D:"
    // (the drive, without a separator) or "/".
    const QString root = QDir::toNativeSeparators(QDir::rootPath());
    const QString rootFolder = root.size() == 1 ? root : root.chopped(1);
    const QString alphaExe = kavrel.writeFile(u"Alpha/ALPHA.EXE"_s, "x");
    const GameEntry alpha{alphaExe, root + u"pic.gif"_s, root + u"readme.txt"_s, u"A"_s};
    kavrel.seedGames({alpha, {.GPath = root + u"X.COM"_s, .GTitle = u"B"_s}}, 1);
    Hoofdscherm& window = kavrel.start();
    const QString bravoShot = kavrel.writePicture(u"pics/b.bmp"_s, QSize(4, 4), Qt::blue, "BMP");
    const QString bravoText = kavrel.writeFile(u"pics/b.txt"_s, "About B.");
    const QString bravoExe = kavrel.path(u"Bravo/BRAVO.COM"_s);
    const QString alphaSetup = kavrel.path(u"Alpha/SETUP.BAT"_s);

    // Runs a command whose picker is answered as given (the empty text: Cancel), and tells where
    // the picker opened: "folder|name".
    const auto opensAt = [&](const QString& command, const QString& answer) {
        answer.isEmpty() ? kavrel.dialogs.cancelFile(storeUnchanged(kavrel))
                         : kavrel.dialogs.chooseFile(answer, storeUnchanged(kavrel));
        kavrel.action(command)->trigger();
        return kavrel.dialogs.last().request.initDir + u'|' +
               kavrel.dialogs.last().request.fileName;
    };
    // Right after the start the picker has nothing to remember; without a stored file it opens
    // where its previous use left it.
    QCOMPARE(opensAt(u"MnuBewerkenAfbeelding"_s, bravoShot), u"|"_s);
    kavrel.list()->setListIndex(0);
    QCOMPARE(opensAt(u"MnuBewerkenDoel"_s, alphaSetup), folderOf(alphaExe) + u"|ALPHA.EXE"_s);
    QCOMPARE(opensAt(u"MnuBewerkenBeschrijving"_s, {}), rootFolder + u"|readme.txt"_s);
    QCOMPARE(opensAt(u"MnuBewerkenAfbeelding"_s, {}), rootFolder + u"|pic.gif"_s);
    kavrel.list()->setListIndex(1);
    QCOMPARE(opensAt(u"MnuBewerkenBeschrijving"_s, bravoText), rootFolder + u"|pic.gif"_s);
    QCOMPARE(opensAt(u"MnuBewerkenDoel"_s, bravoExe), rootFolder + u"|X.COM"_s);

    VERIFY_DIALOGS(kavrel.dialogs);
    QCOMPARE(pickerSettings(kavrel.dialogs.shown()[1].request),
             pickerSettings({folderOf(alphaExe), u"ALPHA.EXE"_s, PickerFilters::Executable,
                             u"exe"_s, GamePickerFlags}));
    const QList<GameEntry> expected{{alphaSetup, alpha.GBmp, alpha.GText, u"A"_s},
                                    {bravoExe, bravoShot, bravoText, u"B"_s}};
    QCOMPARE(tableOf(window), expected);
    QCOMPARE(storedGames(kavrel, 2), expected);
}

void GameFilesTest::withoutASelectedGameNothingHappens() {
    void (Hoofdscherm::*const commands[])() = {
        &Hoofdscherm::MnuBestandVerwijderen_Click,   &Hoofdscherm::MnuBewerkenTitel_Click,
        &Hoofdscherm::MnuBewerkenAfbeelding_Click,   &Hoofdscherm::Picture1_DblClick,
        &Hoofdscherm::MnuBewerkenBeschrijving_Click, &Hoofdscherm::RTB1_DblClick,
        &Hoofdscherm::mnu_remove_screenshot_Click,   &Hoofdscherm::mnu_remove_description_Click,
        &Hoofdscherm::MnuBewerkenDoel_Click};
    // An empty collection, and games without a selected entry.
    const QList<GameEntry> two{{u"pa"_s, u"ba"_s, u"ta"_s, u"A"_s},
                               {.GPath = u"pb"_s, .GTitle = u"B"_s, .GType = false}};
    for (const QList<GameEntry>& games : {QList<GameEntry>(), two}) {
        KavrelFixture kavrel;
        kavrel.seedGames(games);
        Hoofdscherm& window = kavrel.start();
        kavrel.list()->setListIndex(-1);
        const QByteArray before = kavrel.storeFileBytes();
        QWidget* focus = kavrel.focused();
        for (int i = 0; i < int(std::size(commands)); ++i) {
            (window.*commands[i])();
            QVERIFY2(kavrel.dialogs.shown().isEmpty() && kavrel.storeFileBytes() == before &&
                         tableOf(window) == games && kavrel.list()->ListCount() == games.size() &&
                         kavrel.list()->ListIndex() == -1 && kavrel.focused() == focus,
                     qPrintable(QString::number(i)));
        }
    }
}

QTEST_MAIN(GameFilesTest)
#include "tst_gamefiles.moc"
