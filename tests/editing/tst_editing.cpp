// Editing the collection: adding, removing and renaming games (the pickers and the title prompts
// with their repeats, the title order, what is stored and when, the game shown next, the empty
// state after the last game), and a game's files: choosing its screenshot, description and
// program (by menu and by double click), the pickers' presets and memory, and removing a
// screenshot or description.
#include "KavrelFixture.h"
#include "platform/PickerFilters.h"

#include <algorithm>

class EditingTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void addsGamesInTitleOrder() {
        KavrelFixture kavrel;
        const QString games = kavrel.path(u"games"_s);
        kavrel.seed(u"Location"_s, u"DosGames"_s, games);
        Hoofdscherm& window = kavrel.start();
        // A cancelled program picker adds nothing.
        kavrel.dialogs.cancelFile();
        kavrel.action(u"MnuBestandNieuw"_s)->trigger();
        // Every game command and the type controls are off.
        const QStringList controls =
            u"MnuBestandVerwijderen mnuChange MnuBestandOpen KnopSpelen Lijst "
            u"mnu_game_dos mnu_game_win optType"_s.split(u' ');
        QVERIFY(kavrel.list()->ListCount() == 0 && enabledOf(kavrel, controls).isEmpty());

        const QString robot = kavrel.path(u"games/ROBOT/ROBOT.EXE"_s),
                      at = kavrel.path(u"games/ROBOT"_s);
        const QString aex = kavrel.path(u"games/A.EX"_s), tux = kavrel.path(u"games/supertux"_s);
        const QString shot = kavrel.writePicture(u"games/shot.bmp"_s, QSize(4, 4), Qt::red, "BMP");
        const QString text = kavrel.writeFile(u"games/a.txt"_s, "About A.");
        const QString noPicture = kavrel.writeFile(u"games/ROBOT/shot.bmp"_s, "no picture");
        // The table's entry (its program first), the answers to the title prompts, the screenshot
        // and description chosen; the default title offered (the file's name without its last four
        // characters, or whole without an extension) and the folder the later pickers open in (in a
        // root the root itself: the drive without a separator, or "/"). A screenshot that is no
        // picture and a description that cannot be read are not taken. Cancel gives the empty
        // title. Titles are compared exactly: the prompt repeats, with the default title, while the
        // answer is in use (the empty title too).
        const struct {
            GameEntry game;
            QStringList titles;
            QString screenshot, description, defaultTitle, folder;
        } adds[] = {
            {{robot, {}, {}, u"Robot"_s}, {u"Robot"_s}, noPicture, u"/gone.txt"_s, u"ROBOT"_s, at},
            {{Root + u"X.COM"_s}, {{}}, {}, {}, u"X"_s, RootFolder},
            {{aex, shot, text, u"robot"_s}, {u"Robot"_s, {}, u"robot"_s}, shot, text, {}, games},
            {{tux, {}, {}, u"Tux "_s}, {u"Tux "_s}, {}, {}, u"supertux"_s, games}};
        const QString first = u"Title DOS Game: Please, fill in the title of this DOS Game [%1]"_s;
        const QString again = u"Title DOS Game: The given title is in use, please enter another "
                              u"title for this DOS-game [%1]"_s;
        for (const auto& add : adds) {
            const qsizetype before = kavrel.dialogs.shown().size();
            addGame(kavrel, add.game.GPath, add.titles, add.screenshot, add.description);
            VERIFY_DIALOGS(kavrel.dialogs);
            const QList<ScriptedDialogs::Shown> shown = kavrel.dialogs.shown().mid(before);
            QCOMPARE(shown[0].request.initDir, games);
            for (int prompt = 1; prompt <= add.titles.size(); ++prompt)
                QCOMPARE(promptSeen(shown[prompt]),
                         (prompt == 1 ? first : again).arg(add.defaultTitle));
            // Each picker starts where the one before left off.
            const int n = int(add.titles.size());
            QCOMPARE(pickerSettings(shown[n + 1].request) + pickerSettings(shown[n + 2].request),
                     pickerSettings({add.folder, add.game.GPath, PickerFilters::Screenshot,
                                     u"bmp"_s, GamePickerFlags}) +
                         pickerSettings({add.folder,
                                         add.screenshot.isEmpty() ? add.game.GPath : add.screenshot,
                                         PickerFilters::Description, u"txt"_s, GamePickerFlags}));
        }
        // The new game is selected at its place in title order; the whole collection is stored,
        // with its count, and every game command is enabled, the type controls too.
        QCOMPARE(kavrel.listEntries(), (QStringList{QString(), u"Robot"_s, u"Tux "_s, u"robot"_s}));
        QCOMPARE(window.windowTitle(), u"Kavrel (Game 3 of 4)"_s);
        const QList<GameEntry> expected{adds[1].game, adds[0].game, adds[3].game, adds[2].game};
        QCOMPARE(tableOf(window), expected);
        QCOMPARE(storedGames(kavrel, 4), expected);
        QCOMPARE(kavrel.onDisk(u"Games"_s, u"Count"_s), u"4"_s);
        QCOMPARE(enabledOf(kavrel, controls), controls);
    }

    void removesTheSelectedGame() {
        // The titles, the one selected, the titles left in list order, and the entry shown then.
        const std::tuple<QString, int, QString, int> cases[] = {{u"ABC"_s, 0, u"BC"_s, 1},
                                                                {u"ABC"_s, 1, u"AC"_s, 0},
                                                                {u"ABC"_s, 2, u"AB"_s, 1},
                                                                {u"AB"_s, 0, u"B"_s, 0},
                                                                {u"A"_s, 0, {}, -1}};
        for (const auto& [titles, selected, remaining, shown] : cases) {
            KavrelFixture kavrel;
            QList<GameEntry> games, expected;
            for (const QString& title : titles.split(QString(), Qt::SkipEmptyParts)) {
                games.append({kavrel.writeFile(title + u".exe"_s, "x"),
                              kavrel.writePicture(title + u".bmp"_s, QSize(4, 4), Qt::green, "BMP"),
                              kavrel.writeFile(title, title.toLatin1()), title, title != u"B"_s});
                if (remaining.contains(title))
                    expected.append(games.last());
            }
            kavrel.seedGames(games, selected);
            Hoofdscherm& window = kavrel.start();
            kavrel.list()->setFocus();

            kavrel.action(u"MnuBestandVerwijderen"_s)->trigger();

            QCOMPARE(kavrel.listEntries().join(QString()), remaining);
            QCOMPARE(kavrel.list()->ListIndex(), shown);
            QCOMPARE(window.windowTitle() + kavrel.find<DescriptionBox>(u"RTB1"_s)->toPlainText(),
                     u"Kavrel (Game %1 of %2)"_s.arg(shown + 1).arg(remaining.size()) +
                         (shown < 0 ? u"No description available"_s : remaining.mid(shown, 1)));
            QCOMPARE(kavrel.focused(), kavrel.find<QWidget>(u"Picture1"_s));
            // Sections 1 to the new count hold the remaining games; the one beyond keeps the game
            // that was last.
            QCOMPARE(tableOf(window), expected);
            QCOMPARE(storedGames(kavrel, int(titles.size())), expected + QList{games.last()});
            QCOMPARE(kavrel.onDisk(u"Games"_s, u"Count"_s), QString::number(remaining.size()));
            // The game controls stay on while games remain, the arrow buttons where there is a
            // game to go to. In the empty state the default picture shows and the seven game
            // controls go off; the type controls are left as they were.
            const QStringList controls =
                u"KnopSpelen Lijst MnuBestandVerwijderen MnuBestandOpen mnuChange optType"_s.split(
                    u' ');
            QCOMPARE(enabledOf(kavrel, controls),
                     remaining.isEmpty() ? QStringList{u"optType"_s} : controls);
            QVERIFY(kavrel.find(u"KnopVorige"_s)->isEnabled() == (shown > 0) &&
                    kavrel.find(u"KnopVolgende"_s)->isEnabled() == (shown + 1 < remaining.size()));
            if (remaining.isEmpty()) {
                QCOMPARE(kavrel.find<PictureBox>(u"Picture1"_s)->picture(),
                         kavrel.defaultPicture());
                // From there a game comes in again.
                addGame(kavrel, games[0].GPath, {u"Again"_s});
                QCOMPARE(kavrel.storedGame(1),
                         (GameEntry{.GPath = games[0].GPath, .GTitle = u"Again"_s}));
            }
            VERIFY_DIALOGS(kavrel.dialogs);
        }
    }

    void renames() {
        // The titles (Zulu, the last, is selected), the answers, and the title Zulu ends with.
        const QStringList games3{u"Bravo"_s, u"Charlie"_s, u"Zulu"_s};
        const std::tuple<QStringList, QStringList, QString> cases[] = {
            {games3, {QString()}, u"Zulu"_s},
            {games3, {u"Zulu"_s}, u"Zulu"_s},
            {games3, {u"Charlie"_s, QString()}, u"Zulu"_s},
            {games3, {u"Charlie"_s, u"Bravo"_s, u"Zulu"_s}, u"Zulu"_s},
            {games3, {u"Charlie"_s, u"Charlie"_s, u"charlie"_s}, u"charlie"_s},
            {games3, {u"Alpha"_s}, u"Alpha"_s},
            {{u"Zulu"_s}, {u" Zulu "_s}, u" Zulu "_s}};
        for (const auto& [titles, answers, renamed] : cases) {
            KavrelFixture kavrel;
            QList<GameEntry> games;
            for (const QString& title : titles)
                games.append(
                    {u"p"_s + title, u"b"_s + title, u"t"_s + title, title, title != u"Zulu"_s});
            kavrel.seedGames(games, int(titles.size()) - 1);
            Hoofdscherm& window = kavrel.start();
            const QByteArray before = kavrel.storeFileBytes();
            kavrel.list()->setFocus();
            for (const QString& answer : answers)
                kavrel.dialogs.type(answer, storeUnchanged(kavrel));
            kavrel.action(u"MnuBewerkenTitel"_s)->trigger();

            VERIFY_DIALOGS(kavrel.dialogs);
            // Every prompt offers the current title, never a refused one.
            for (int n = 0; const ScriptedDialogs::Shown& shown : kavrel.dialogs.shown())
                QCOMPARE(
                    promptSeen(shown),
                    n++ ? u"Change title: The given title is in use, please enter another title for this DOS-game [Zulu]"_s
                        : u"Change title: Change the title of the current DOS Game [Zulu]"_s);
            // A renamed game keeps its files and type, and every section is rewritten in the new
            // order; an unchanged title stores nothing and leaves the focus where it was.
            games.last().GTitle = renamed;
            std::ranges::sort(games, {}, &GameEntry::GTitle);
            QStringList sorted;
            for (const GameEntry& game : games)
                sorted.append(game.GTitle);
            QCOMPARE(kavrel.listEntries(), sorted);
            QCOMPARE(kavrel.list()->ListIndex(), sorted.indexOf(renamed));
            QCOMPARE(tableOf(window), games);
            if (renamed == u"Zulu"_s)
                QVERIFY(kavrel.storeFileBytes() == before && kavrel.focused() == kavrel.list());
            else
                QVERIFY(storedGames(kavrel, int(games.size())) == games &&
                        kavrel.focused() == kavrel.find<QWidget>(u"Picture1"_s));
        }
    }

    void choosesAndRemovesAFile() {
        // The screenshot and the description, each by menu and by double click.
        for (int row = 0; row < 4; ++row) {
            const bool screenshot = row < 2;
            KavrelFixture kavrel;
            const GameEntry alpha{.GPath = u"pa"_s, .GTitle = u"Alpha"_s};
            GameEntry bravo{u"pb"_s, kavrel.writeFile(u"b/b.gif"_s, RedPixelGif),
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
            QCOMPARE(picture->picture() == kavrel.defaultPicture(), screenshot);
            QCOMPARE(rtb->toPlainText() == u"No description available"_s, !screenshot);
            QVERIFY(window.windowTitle() == u"Kavrel (Game 2 of 2)"_s &&
                    kavrel.focused() == picture);
            // A game without files shows both defaults, whatever the game before showed.
            kavrel.list()->setListIndex(0);
            QVERIFY(picture->picture() == kavrel.defaultPicture() &&
                    rtb->toPlainText() == u"No description available"_s);
        }
    }

    void pickersOpenOnTheStoredFileOrWhereTheyWereLeft() {
        KavrelFixture kavrel;
        // Files in a root ("D:\pic.gif", "/pic.gif") open the picker in the root itself.
        const QString alphaExe = kavrel.path(u"Alpha/ALPHA.EXE"_s);
        kavrel.seedGames({{alphaExe, Root + u"pic.gif"_s, Root + u"readme.txt"_s, u"A"_s},
                          {.GPath = Root + u"X.COM"_s, .GTitle = u"B"_s}},
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
        QCOMPARE(opensAt(u"MnuBewerkenDoel"_s, kavrel.path(u"B.EXE"_s)), RootFolder + u"|X.COM"_s);
        QCOMPARE(opensAt(u"MnuBewerkenBeschrijving"_s, bravoText),
                 RootFolder + u'|' + kavrel.path(u"B.EXE"_s));
        kavrel.list()->setListIndex(0);
        QCOMPARE(opensAt(u"MnuBewerkenDoel"_s, {}), kavrel.path(u"Alpha"_s) + u"|ALPHA.EXE"_s);
        QCOMPARE(opensAt(u"MnuBewerkenBeschrijving"_s, {}), RootFolder + u"|readme.txt"_s);
        QCOMPARE(opensAt(u"MnuBewerkenAfbeelding"_s, {}), RootFolder + u"|pic.gif"_s);
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

QTEST_MAIN(EditingTest)
#include "tst_editing.moc"
