// Adding a game: the pickers and the title prompt with its repeats, the title order, what is
// stored and when, and the window afterwards.
#include "KavrelFixture.h"
#include "platform/PickerFilters.h"

class AddGameTest : public QObject {
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
        QCOMPARE(kavrel.list()->ListCount(), 0);

        const QString root = QDir::toNativeSeparators(QDir::rootPath());
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
            {{robot, {}, {}, u"Robot"_s},
             {u"Robot"_s},
             noPicture,
             u"/no/gone.txt"_s,
             u"ROBOT"_s,
             at},
            {{root + u"X.COM"_s}, {{}}, {}, {}, u"X"_s, root.size() == 1 ? root : root.chopped(1)},
            {{aex, shot, text, u"robot"_s}, {u"Robot"_s, {}, u"robot"_s}, shot, text, {}, games},
            {{tux, {}, {}, u"Tux "_s}, {u"Tux "_s}, {}, {}, u"supertux"_s, games}};
        const QString first = u"Title DOS Game: Please, fill in the title of this DOS Game [%1]"_s;
        const QString again = u"Title DOS Game: The given title is in use, please enter another "
                              u"title for this DOS-game [%1]"_s;
        for (const auto& add : adds) {
            kavrel.dialogs.reset();
            addGame(kavrel, add.game.GPath, add.titles, add.screenshot, add.description);
            VERIFY_DIALOGS(kavrel.dialogs);
            const QList<ScriptedDialogs::Shown>& shown = kavrel.dialogs.shown();
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
        const QStringList controls =
            u"MnuBestandVerwijderen mnuChange MnuBestandOpen KnopSpelen Lijst "
            u"mnu_game_dos mnu_game_win optType"_s.split(u' ');
        QCOMPARE(enabledOf(kavrel, controls), controls);
    }
};

QTEST_MAIN(AddGameTest)
#include "tst_addgame.moc"
