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

namespace {

void doubleClick(QWidget* control) {
    QTest::mouseDClick(control, Qt::LeftButton, {}, QPoint(10, 10));
}

} // namespace

class GameFilesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void choosesAndRemovesAFile_data();
    void choosesAndRemovesAFile();
    void cancelsAndFilesThatCannotBeShownChangeNothing();
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

    kavrel.dialogs.chooseFile(chosen, storeUnchanged(kavrel));
    if (byDoubleClick)
        doubleClick(screenshot ? static_cast<QWidget*>(picture) : rtb->viewport());
    else
        kavrel.action(screenshot ? u"MnuBewerkenAfbeelding"_s : u"MnuBewerkenBeschrijving"_s)
            ->trigger();

    VERIFY_DIALOGS(kavrel.dialogs);
    // The picker opens on the stored file.
    QString& file = screenshot ? bravo.GBmp : bravo.GText;
    QCOMPARE(pickerSettings(kavrel.dialogs.last().request),
             pickerSettings({folderOf(file), QFileInfo(file).fileName(),
                             screenshot ? PickerFilters::Screenshot : PickerFilters::Description,
                             screenshot ? u"bmp"_s : u"txt"_s, GamePickerFlags}));
    file = chosen;
    QCOMPARE(tableOf(window), (QList{alpha, bravo}));
    QCOMPARE(storedGames(kavrel, 2), (QList{alpha, bravo}));
    QCOMPARE(picture->picture().pixelColor(0, 0), QImage(bravo.GBmp).pixelColor(0, 0));
    QCOMPARE(rtb->toPlainText(), screenshot ? u"Old words."_s : u"New words."_s);
    QVERIFY(!window.helpShown());
    QCOMPARE(kavrel.focused(), picture);

    // Removing it deletes its key, and that alone: it is not written empty.
    const QString removal = screenshot ? u"mnu_remove_screenshot"_s : u"mnu_remove_description"_s;
    const QString key = screenshot ? u"GBmp"_s : u"GText"_s;
    kavrel.list()->setFocus();
    window.setWindowTitle(u"stale"_s);
    kavrel.action(removal)->trigger();
    file.clear();
    QCOMPARE(tableOf(window), (QList{alpha, bravo}));
    QCOMPARE(storedGames(kavrel, 2), (QList{alpha, bravo}));
    for (const QString& stored : {u"GPath"_s, u"GBmp"_s, u"GText"_s, u"GTitle"_s, u"GType"_s})
        QVERIFY2(kavrel.onDisk(u"Game0002"_s, stored).has_value() == (stored != key),
                 qPrintable(stored));
    // Only the removed file gives way to its default.
    QCOMPARE(picture->picture() == QImage(kavrel.appFolder() + u"/Default.bmp"_s), screenshot);
    QCOMPARE(rtb->toPlainText() == u"No description available"_s, !screenshot);
    QCOMPARE(rtb->toolTip(), u"Description of the current selected game"_s);
    // The game is selected again, which shows it in full.
    QCOMPARE(window.windowTitle(), u"Kavrel (Game 2 of 2)"_s);
    QCOMPARE(kavrel.focused(), picture);
    // Once more, with the key already gone: nothing changes and nothing complains.
    const QByteArray before = kavrel.storeFileBytes();
    kavrel.action(removal)->trigger();
    QCOMPARE(kavrel.storeFileBytes(), before);
    VERIFY_DIALOGS(kavrel.dialogs);
}

void GameFilesTest::cancelsAndFilesThatCannotBeShownChangeNothing() {
    KavrelFixture kavrel;
    const GameEntry alpha{kavrel.writeFile(u"Alpha/ALPHA.EXE"_s, "x"),
                          kavrel.writePicture(u"old.bmp"_s, QSize(4, 4), Qt::red, "BMP"),
                          kavrel.writeFile(u"old.txt"_s, "Old words."), u"A"_s, false};
    kavrel.seedGames({alpha});
    Hoofdscherm& window = kavrel.start();
    const QByteArray before = kavrel.storeFileBytes();
    auto* picture = kavrel.find<PictureBox>(u"Picture1"_s);

    // Cancel moves the focus to the picture all the same.
    for (const QString& command :
         {u"MnuBewerkenAfbeelding"_s, u"MnuBewerkenBeschrijving"_s, u"MnuBewerkenDoel"_s}) {
        kavrel.list()->setFocus();
        kavrel.dialogs.cancelFile();
        kavrel.action(command)->trigger();
        QVERIFY2(kavrel.focused() == picture, qPrintable(command));
    }
    kavrel.dialogs.chooseFile(kavrel.writeFile(u"fake.bmp"_s, "no picture here"));
    kavrel.action(u"MnuBewerkenAfbeelding"_s)->trigger();
    kavrel.dialogs.chooseFile(kavrel.path(u"gone.txt"_s));
    doubleClick(kavrel.find<DescriptionBox>(u"RTB1"_s)->viewport());

    VERIFY_DIALOGS(kavrel.dialogs);
    QCOMPARE(kavrel.storeFileBytes(), before);
    QCOMPARE(tableOf(window), QList{alpha});
    QCOMPARE(picture->picture().pixelColor(0, 0), QColor(Qt::red));
    QCOMPARE(kavrel.find<DescriptionBox>(u"RTB1"_s)->toPlainText(), u"Old words."_s);
}

void GameFilesTest::pickersPresetTheStoredFileOrKeepTheirLastUse() {
    KavrelFixture kavrel;
    const QString root = QDir::toNativeSeparators(QDir::rootPath());
    const QString alphaExe = kavrel.writeFile(u"Alpha/ALPHA.EXE"_s, "x");
    const QString alphaShot = kavrel.writePicture(u"shots/a.bmp"_s, QSize(4, 4), Qt::red, "BMP");
    // Game A's description lies in a root ("D:\readme.txt", "/readme.txt"); game B has no files.
    const GameEntry alpha{alphaExe, alphaShot, root + u"readme.txt"_s, u"A"_s};
    kavrel.seedGames({alpha, {.GTitle = u"B"_s}}, 1);
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
    // Right after the start the picker has nothing to remember.
    QCOMPARE(opensAt(u"MnuBewerkenAfbeelding"_s, bravoShot), u"|"_s);
    // A stored file presets its folder and name; in a root the folder has no separator.
    kavrel.list()->setListIndex(0);
    QCOMPARE(opensAt(u"MnuBewerkenDoel"_s, alphaSetup), folderOf(alphaExe) + u"|ALPHA.EXE"_s);
    QCOMPARE(opensAt(u"MnuBewerkenBeschrijving"_s, {}), root.chopped(1) + u"|readme.txt"_s);
    QCOMPARE(opensAt(u"MnuBewerkenAfbeelding"_s, {}), folderOf(alphaShot) + u"|a.bmp"_s);
    // Without a stored file the picker opens where its previous use left it.
    kavrel.list()->setListIndex(1);
    QCOMPARE(opensAt(u"MnuBewerkenBeschrijving"_s, bravoText), folderOf(alphaShot) + u"|a.bmp"_s);
    QCOMPARE(opensAt(u"MnuBewerkenDoel"_s, bravoExe), folderOf(alphaShot) + u'|' + bravoText);

    VERIFY_DIALOGS(kavrel.dialogs);
    QCOMPARE(pickerSettings(kavrel.dialogs.shown()[1].request),
             pickerSettings({folderOf(alphaExe), u"ALPHA.EXE"_s, PickerFilters::Executable,
                             u"exe"_s, GamePickerFlags}));
    const QList<GameEntry> expected{{alphaSetup, alphaShot, alpha.GText, u"A"_s},
                                    {bravoExe, bravoShot, bravoText, u"B"_s}};
    QCOMPARE(tableOf(window), expected);
    QCOMPARE(storedGames(kavrel, 2), expected);
}

void GameFilesTest::withoutASelectedGameNothingHappens() {
    const std::pair<const char*, void (Hoofdscherm::*)()> commands[] = {
        {"remove", &Hoofdscherm::MnuBestandVerwijderen_Click},
        {"title", &Hoofdscherm::MnuBewerkenTitel_Click},
        {"screenshot", &Hoofdscherm::MnuBewerkenAfbeelding_Click},
        {"picture double click", &Hoofdscherm::Picture1_DblClick},
        {"description", &Hoofdscherm::MnuBewerkenBeschrijving_Click},
        {"description double click", &Hoofdscherm::RTB1_DblClick},
        {"remove screenshot", &Hoofdscherm::mnu_remove_screenshot_Click},
        {"remove description", &Hoofdscherm::mnu_remove_description_Click},
        {"executable", &Hoofdscherm::MnuBewerkenDoel_Click},
    };
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
        for (const auto& [name, command] : commands) {
            (window.*command)();
            QVERIFY2(kavrel.dialogs.shown().isEmpty() && kavrel.storeFileBytes() == before &&
                         tableOf(window) == games && kavrel.list()->ListCount() == games.size() &&
                         kavrel.list()->ListIndex() == -1 && kavrel.focused() == focus,
                     name);
        }
    }
}

QTEST_MAIN(GameFilesTest)
#include "tst_gamefiles.moc"
