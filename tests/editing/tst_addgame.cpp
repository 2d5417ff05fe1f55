// Adding a game: the pickers and the title prompt with its repeats, the title order, what is
// stored and when, and the window afterwards.
#include "CollectionChecks.h"
#include "platform/PickerFilters.h"
#include "window/DescriptionBox.h"
#include "window/GameList.h"
#include "window/PictureBox.h"

#include <QRadioButton>
#include <QTest>

using namespace Qt::StringLiterals;

class AddGameTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void firstGameIntoEmptyCollection();
    void addsIntoACollectionInTitleOrder();
    void defaultTitlesComeFromTheFileName();
    void fullCollectionRefusesToAdd();
};

void AddGameTest::firstGameIntoEmptyCollection() {
    KavrelFixture kavrel;
    const QString robot = kavrel.writeFile(u"games/ROBOT/ROBOT.EXE"_s, "x");
    Hoofdscherm& window = kavrel.start();
    // A screenshot that is no picture and a description that cannot be read are not taken, as
    // when they are changed later: the game comes without them, as after Cancel.
    const QString noPicture = kavrel.writeFile(u"games/ROBOT/shot.bmp"_s, "no picture here");
    addGame(kavrel, robot, {u"Robot"_s}, noPicture, kavrel.path(u"games/ROBOT/gone.txt"_s));

    VERIFY_DIALOGS(kavrel.dialogs);
    const QList<ScriptedDialogs::Shown>& shown = kavrel.dialogs.shown();
    // Without a games folder the program picker starts in the user's home; the optional pickers
    // open in the game's folder, on the program the picker returned.
    const QString home = QDir::toNativeSeparators(QDir::homePath());
    QCOMPARE(
        pickerSettings(shown[0].request),
        pickerSettings({home, QString(), PickerFilters::Executable, u"exe"_s, GamePickerFlags}));
    QCOMPARE(promptSeen(shown[1]),
             u"Title DOS Game: Please, fill in the title of this DOS Game [ROBOT]"_s);
    const QString folder = folderOf(robot);
    QCOMPARE(pickerSettings(shown[2].request),
             pickerSettings({folder, robot, PickerFilters::Screenshot, u"bmp"_s, GamePickerFlags}));
    QCOMPARE(
        pickerSettings(shown[3].request),
        pickerSettings({folder, noPicture, PickerFilters::Description, u"txt"_s, GamePickerFlags}));

    QCOMPARE(kavrel.onDisk(u"Games"_s, u"Count"_s), u"1"_s);
    QCOMPARE(kavrel.storedGame(1), (GameEntry{.GPath = robot, .GTitle = u"Robot"_s}));
    // The missing screenshot is written as an empty value; nothing else is written.
    QCOMPARE(kavrel.onDisk(u"Game0001"_s, u"GBmp"_s), QString());
    QCOMPARE(kavrel.onDisk(u"Game0002"_s, u"GTitle"_s), std::nullopt);
    QCOMPARE(kavrel.onDisk(u"Games"_s, u"Last"_s), std::nullopt);

    QCOMPARE(kavrel.listEntries(), QStringList{u"Robot"_s});
    QCOMPARE(kavrel.list()->ListIndex(), 0);
    QCOMPARE(window.windowTitle(), u"Kavrel (Game 1 of 1)"_s);
    // Every game control goes on, the type controls too: the first game's type can be set at
    // once, without a new start.
    const QStringList controls = u"MnuBestandVerwijderen mnuChange MnuBestandOpen KnopSpelen Lijst "
                                 u"mnu_game_dos mnu_game_win"_s.split(u' ');
    QCOMPARE(enabledOf(kavrel, controls), controls);
    QCOMPARE(tableOf(window), (QList<GameEntry>{{.GPath = robot, .GTitle = u"Robot"_s}}));
    QCOMPARE(kavrel.find<DescriptionBox>(u"RTB1"_s)->toPlainText(), u"No description available"_s);
    QCOMPARE(kavrel.find<PictureBox>(u"Picture1"_s)->picture(),
             QImage(kavrel.appFolder() + u"/Default.bmp"_s));
    QVERIFY(kavrel.optType(0)->isEnabled() && kavrel.optType(1)->isEnabled());
}

void AddGameTest::addsIntoACollectionInTitleOrder() {
    KavrelFixture kavrel;
    const QString gamesFolder = kavrel.path(u"games"_s);
    const GameEntry bravo{
        kavrel.writeFile(u"games/BRAVO/B.EXE"_s, "x"),
        kavrel.writePicture(u"games/BRAVO/shot.bmp"_s, QSize(6, 6), Qt::blue, "BMP"),
        kavrel.writeFile(u"games/BRAVO/about.txt"_s, "Bravo's own words."), u"B"_s};
    kavrel.seed(u"Location"_s, u"DosGames"_s, gamesFolder);
    const QList<GameEntry> seeded{{.GPath = u"p0"_s},
                                  {.GPath = u"pa"_s, .GTitle = u"A"_s, .GType = false},
                                  {.GPath = u"pb"_s, .GTitle = u"B "_s},
                                  {.GPath = u"pc"_s, .GTitle = u"C"_s},
                                  {.GPath = u"pd"_s, .GTitle = u"b"_s}};
    kavrel.seedGames(seeded, 1);
    Hoofdscherm& window = kavrel.start();
    const QByteArray before = kavrel.storeFileBytes();
    kavrel.list()->setFocus();

    // A cancelled program picker changes nothing.
    kavrel.dialogs.cancelFile();
    kavrel.action(u"MnuBestandNieuw"_s)->trigger();
    VERIFY_DIALOGS(kavrel.dialogs);
    QCOMPARE(kavrel.storeFileBytes(), before);
    QCOMPARE(tableOf(window), seeded);
    QCOMPARE(kavrel.list()->ListCount(), 5);
    QCOMPARE(kavrel.focused(), kavrel.find<QWidget>(u"Picture1"_s));

    // Titles are compared exactly: "b" and the empty title (which Cancel gives) are in use, "B"
    // is not.
    kavrel.dialogs.reset();
    addGame(kavrel, bravo.GPath, {u"b"_s, QString(), u"B"_s}, bravo.GBmp, bravo.GText);
    VERIFY_DIALOGS(kavrel.dialogs);
    const QList<ScriptedDialogs::Shown>& shown = kavrel.dialogs.shown();
    QCOMPARE(shown[0].request.initDir, gamesFolder);
    // The file's name is offered again, not the refused answer.
    for (int i : {2, 3})
        QCOMPARE(promptSeen(shown[i]), u"Title DOS Game: The given title is in use, please enter "
                                       u"another title for this DOS-game [B]"_s);
    // Each picker starts where the one before left off.
    QCOMPARE(shown[5].request.fileName, bravo.GBmp);
    QCOMPARE(kavrel.listEntries(),
             (QStringList{QString(), u"A"_s, u"B"_s, u"B "_s, u"C"_s, u"b"_s}));
    QCOMPARE(kavrel.list()->ListIndex(), 2);
    QCOMPARE(window.windowTitle(), u"Kavrel (Game 3 of 6)"_s);
    QList<GameEntry> expected = seeded;
    expected.insert(2, bravo);
    QCOMPARE(tableOf(window), expected);
    QCOMPARE(storedGames(kavrel, 6), expected);
    QCOMPARE(kavrel.onDisk(u"Games"_s, u"Count"_s), u"6"_s);
}

void AddGameTest::defaultTitlesComeFromTheFileName() {
    KavrelFixture kavrel;
    const QString root = QDir::toNativeSeparators(QDir::rootPath());
    const QString rootFolder = root.size() == 1 ? root : root.chopped(1);
    const QString games = kavrel.path(u"games"_s);
    const struct {
        QString program, defaultTitle, folder;
    } cases[] = {
        {kavrel.path(u"games/ROBOT/ROBOT.EXE"_s), u"ROBOT"_s, kavrel.path(u"games/ROBOT"_s)},
        // In a root the next pickers start in it: the drive without a separator, or "/".
        {root + u"X.COM"_s, u"X"_s, rootFolder},
        {kavrel.path(u"games/A.EX"_s), QString(), games},
        // Shorter than an extension, or without one as on Linux: the whole name.
        {kavrel.path(u"games/ZAP"_s), u"ZAP"_s, games},
        {kavrel.path(u"games/supertux"_s), u"supertux"_s, games},
    };
    Hoofdscherm& window = kavrel.start();

    QStringList titles;
    for (int i = 0; i < int(std::size(cases)); ++i) {
        // Cancel in the title prompt gives the empty title, which sorts first.
        titles.append(i == 0 ? QString() : u"Game %1"_s.arg(i));
        kavrel.dialogs.reset();
        addGame(kavrel, cases[i].program, {titles.last()});
        VERIFY_DIALOGS(kavrel.dialogs);
        QCOMPARE(kavrel.dialogs.shown()[1].defaultText, cases[i].defaultTitle);
        QCOMPARE(kavrel.dialogs.shown()[2].request.initDir, cases[i].folder);
        QCOMPARE(window.games()[i + 1].GPath, cases[i].program);
    }
    QCOMPARE(kavrel.listEntries(), titles);
    QCOMPARE(kavrel.storedGame(1), GameEntry{.GPath = cases[0].program});
    QCOMPARE(kavrel.onDisk(u"Games"_s, u"Count"_s), u"5"_s);
}

void AddGameTest::fullCollectionRefusesToAdd() {
    KavrelFixture kavrel;
    QList<GameEntry> games;
    for (int n = 1; n <= 9999; ++n)
        games.append({.GPath = u"p%1"_s.arg(n), .GTitle = u"Game %1"_s.arg(n, 4, 10, QChar(u'0'))});
    kavrel.seedGames(games);
    Hoofdscherm& window = kavrel.start();
    const QByteArray before = kavrel.storeFileBytes();

    kavrel.dialogs.acknowledge();
    kavrel.action(u"MnuBestandNieuw"_s)->trigger();

    VERIFY_DIALOGS(kavrel.dialogs);
    const QString message = kavrel.dialogs.last().prompt;
    QVERIFY2(message.contains(u"full"_s) && message.contains(u"9999"_s), qPrintable(message));
    QCOMPARE(window.games().count(), 9999);
    QCOMPARE(kavrel.storeFileBytes(), before);
}

QTEST_MAIN(AddGameTest)
#include "tst_addgame.moc"
