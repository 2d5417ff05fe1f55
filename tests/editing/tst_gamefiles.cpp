// A game's files: choosing its screenshot and description (by menu and by double click) and its
// program, the pickers' presets and memory, and removing a screenshot or description.
#include "KavrelFixture.h"
#include "platform/PickerFilters.h"

class GameFilesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void choosesAndRemovesAFile() {
        // The screenshot and the description, each by menu and by double click.
        for (int row = 0; row < 4; ++row) {
            const bool screenshot = row < 2;
            KavrelFixture kavrel;
            const GameEntry alpha{.GPath = u"pa"_s, .GTitle = u"Alpha"_s};
            GameEntry bravo{u"pb"_s, kavrel.writePicture(u"b/b.gif"_s, QSize(4, 4), Qt::red, "GIF"),
                            kavrel.writeFile(u"b/b.txt"_s, "Old"), u"Bravo"_s, false};
            kavrel.seedGames({alpha, bravo}, 1);
            Hoofdscherm& window = kavrel.start();
            auto* picture = kavrel.find<PictureBox>(u"Picture1"_s);
            auto* rtb = kavrel.find<DescriptionBox>(u"RTB1"_s);
            // Cancel, a file that is no picture and one that cannot be read change nothing; a good
            // file is taken, and nothing reaches the disk while its picker is open. The user sees
            // the game's files (in table and store, the picture's corner, the description) and the
            // picture gets the focus.
            kavrel.dialogs.cancelFile();
            kavrel.dialogs.chooseFile(screenshot ? kavrel.writeFile(u"fake.bmp"_s, "no picture")
                                                 : kavrel.path(u"gone.txt"_s));
            const QString chosen =
                screenshot ? kavrel.writePicture(u"new/shot.jpg"_s, QSize(4, 4), Qt::white, "JPEG")
                           : kavrel.writeFile(u"new/words.txt"_s, "New");
            kavrel.dialogs.chooseFile(chosen, storeUnchanged(kavrel));
            QString& file = screenshot ? bravo.GBmp : bravo.GText;
            QWidget* clicked = screenshot ? static_cast<QWidget*>(picture) : rtb->viewport();
            QAction* command = kavrel.action(screenshot ? u"MnuBewerkenAfbeelding"_s
                                                        : u"MnuBewerkenBeschrijving"_s);
            for (int times = 0; times < 3; ++times) {
                kavrel.list()->setFocus();
                row % 2 ? QTest::mouseDClick(clicked, Qt::LeftButton, {}, QPoint(10, 10))
                        : command->trigger();
                file = times < 2 ? file : chosen;
                QVERIFY((tableOf(window) == QList{alpha, bravo}) &&
                        storedGames(kavrel, 2) == tableOf(window));
                QVERIFY(picture->picture().pixelColor(0, 0) ==
                            QImage(bravo.GBmp).pixelColor(0, 0) &&
                        rtb->toPlainText() == (times < 2 || screenshot ? u"Old"_s : u"New"_s) &&
                        kavrel.focused() == picture);
            }
            VERIFY_DIALOGS(kavrel.dialogs);

            // Removing it deletes its key, and that alone: it is not written empty. Only the
            // removed file gives way to its default, and the game is selected again, which shows it
            // in full.
            window.setWindowTitle(u"stale"_s);
            kavrel.action(screenshot ? u"mnu_remove_screenshot"_s : u"mnu_remove_description"_s)
                ->trigger();
            file.clear();
            QVERIFY((tableOf(window) == QList{alpha, bravo}) &&
                    storedGames(kavrel, 2) == tableOf(window));
            QVERIFY(!kavrel.onDisk(u"Game0002"_s, screenshot ? u"GBmp"_s : u"GText"_s).has_value());
            QCOMPARE(picture->picture() == QImage(kavrel.appFolder() + u"/Default.bmp"_s),
                     screenshot);
            QCOMPARE(rtb->toPlainText() == u"No description available"_s, !screenshot);
            QVERIFY(window.windowTitle() == u"Kavrel (Game 2 of 2)"_s &&
                    kavrel.focused() == picture);
        }
    }

    void pickersOpenOnTheStoredFileOrWhereTheyWereLeft() {
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
        // Runs a command whose picker is answered as given (the empty text: Cancel), and tells
        // where the picker opened: "folder|name".
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
        QCOMPARE(opensAt(u"MnuBewerkenDoel"_s, {}), kavrel.path(u"Alpha"_s) + u"|ALPHA.EXE"_s);
        QCOMPARE(opensAt(u"MnuBewerkenBeschrijving"_s, {}), rootFolder + u"|readme.txt"_s);
        QCOMPARE(opensAt(u"MnuBewerkenAfbeelding"_s, {}), rootFolder + u"|pic.gif"_s);
        VERIFY_DIALOGS(kavrel.dialogs);
        QCOMPARE(pickerSettings(kavrel.dialogs.shown()[3].request),
                 pickerSettings({kavrel.path(u"Alpha"_s), u"ALPHA.EXE"_s, PickerFilters::Executable,
                                 u"exe"_s, GamePickerFlags}));
        QCOMPARE(tableOf(window).last(),
                 (GameEntry{kavrel.path(u"B.EXE"_s), {}, bravoText, u"B"_s}));
        QCOMPARE(kavrel.storedGame(2), tableOf(window).last());

        // With no game selected the commands on the selected game do nothing at all.
        kavrel.list()->setListIndex(-1);
        const QByteArray before = kavrel.storeFileBytes();
        for (auto command :
             {&Hoofdscherm::MnuBestandVerwijderen_Click, &Hoofdscherm::MnuBewerkenTitel_Click,
              &Hoofdscherm::RTB1_DblClick, &Hoofdscherm::mnu_remove_screenshot_Click,
              &Hoofdscherm::MnuBewerkenDoel_Click})
            (window.*command)();
        VERIFY_DIALOGS(kavrel.dialogs);
        QVERIFY(kavrel.storeFileBytes() == before && kavrel.list()->ListCount() == 2);
    }
};

QTEST_MAIN(GameFilesTest)
#include "tst_gamefiles.moc"
