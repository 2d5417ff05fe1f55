// Adding a game: the program picker, the title prompt and its repeats, the optional pickers,
// the title order, what is stored and when, and the window's state afterwards.
#include "KavrelFixture.h"
#include "platform/PickerFilters.h"
#include "window/DescriptionBox.h"
#include "window/GameList.h"
#include "window/PictureBox.h"

#include <QDir>
#include <QFileInfo>
#include <QRadioButton>
#include <QTest>

namespace {

const QString TitlePrompt = QStringLiteral("Please, fill in the title of this DOS Game");
const QString TitleInUsePrompt =
    QStringLiteral("The given title is in use, please enter another title for this DOS-game");
const QString TitleBoxTitle = QStringLiteral("Title DOS Game");
constexpr std::uint32_t Flags = 0x281000;

GameEntry game(const QString& title, const QString& path) {
    return GameEntry{path, {}, {}, title, true};
}

QString folderOf(const QString& path) {
    return QDir::toNativeSeparators(QFileInfo(path).absolutePath());
}

// Answers an addition that takes the program and the title and cancels both optional pickers.
void scriptPlainAddition(ScriptedDialogs& dialogs, const QString& program, const QString& title) {
    dialogs.chooseFile(program);
    dialogs.type(title);
    dialogs.cancelFile();
    dialogs.cancelFile();
}

} // namespace

class AddGameTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void firstGameIntoEmptyCollection();
    void addsBetweenExistingGamesInTitleOrder();
    void defaultTitlesComeFromTheFileName();
    void cancelledProgramPickerChangesNothing();
    void cancelledTitlePromptGivesEmptyTitle();
    void usedTitlesAreAskedAgain();
    void fullCollectionRefusesToAdd();
};

void AddGameTest::firstGameIntoEmptyCollection() {
    KavrelFixture kavrel;
    const QString robot = kavrel.writeFile(QStringLiteral("games/ROBOT/ROBOT.EXE"), "x");
    Hoofdscherm& window = kavrel.start();
    QVERIFY(window.helpShown());

    const auto nothingStoredYet = [&] {
        QCOMPARE(kavrel.onDisk(QStringLiteral("Games"), QStringLiteral("Count")), std::nullopt);
        QCOMPARE(kavrel.onDisk(QStringLiteral("Game0001"), QStringLiteral("GPath")), std::nullopt);
    };
    kavrel.dialogs.chooseFile(robot);
    kavrel.dialogs.type(QStringLiteral("Robot"), nothingStoredYet);
    kavrel.dialogs.cancelFile(nothingStoredYet);
    kavrel.dialogs.cancelFile(nothingStoredYet);
    kavrel.action(QStringLiteral("MnuBestandNieuw"))->trigger();

    VERIFY_DIALOGS(kavrel.dialogs);
    const QList<ScriptedDialogs::Shown>& shown = kavrel.dialogs.shown();
    // No games folder chosen yet: the program picker starts in the user's home.
    QCOMPARE(pickerSettings(shown[0].request),
             pickerSettings({QDir::toNativeSeparators(QDir::homePath()), QString(),
                             PickerFilters::Executable, QStringLiteral("exe"), Flags}));
    QCOMPARE(shown[1].prompt, TitlePrompt);
    QCOMPARE(shown[1].title, TitleBoxTitle);
    QCOMPARE(shown[1].defaultText, QStringLiteral("ROBOT"));
    // The optional pickers open in the game's folder, on the program the picker returned.
    QCOMPARE(pickerSettings(shown[2].request),
             pickerSettings({folderOf(robot), robot, PickerFilters::Screenshot,
                             QStringLiteral("bmp"), Flags}));
    QCOMPARE(pickerSettings(shown[3].request),
             pickerSettings({folderOf(robot), robot, PickerFilters::Description,
                             QStringLiteral("txt"), Flags}));

    QCOMPARE(kavrel.onDisk(QStringLiteral("Games"), QStringLiteral("Count")), QStringLiteral("1"));
    QCOMPARE(kavrel.storedGame(1), game(QStringLiteral("Robot"), robot));
    QCOMPARE(kavrel.onDisk(QStringLiteral("Game0001"), QStringLiteral("GBmp")), QString());
    QCOMPARE(kavrel.onDisk(QStringLiteral("Game0002"), QStringLiteral("GTitle")), std::nullopt);
    QCOMPARE(kavrel.onDisk(QStringLiteral("Games"), QStringLiteral("Last")), std::nullopt);

    QCOMPARE(kavrel.listEntries(), QStringList{QStringLiteral("Robot")});
    QCOMPARE(kavrel.list()->ListIndex(), 0);
    QCOMPARE(window.windowTitle(), QStringLiteral("Kavrel (Game 1 of 1)"));
    for (const char* name : {"Lijst", "KnopSpelen"})
        QVERIFY2(kavrel.find<QWidget>(QString::fromLatin1(name))->isEnabled(), name);
    for (const char* name : {"KnopVorige", "KnopVolgende"})
        QVERIFY2(!kavrel.find<QWidget>(QString::fromLatin1(name))->isEnabled(), name);
    for (const char* name : {"MnuBestandVerwijderen", "MnuBestandOpen", "mnuChange"})
        QVERIFY2(kavrel.action(QString::fromLatin1(name))->isEnabled(), name);
    // The help text gave way to the new game's description.
    auto* rtb = kavrel.find<DescriptionBox>(QStringLiteral("RTB1"));
    QVERIFY(!window.helpShown());
    QCOMPARE(rtb->toPlainText(), QStringLiteral("No description available"));
    QCOMPARE(rtb->toolTip(), QStringLiteral("Description of the current selected game"));
    QCOMPARE(kavrel.focused(), kavrel.find<QWidget>(QStringLiteral("Picture1")));

    // The first game's type can be set at once, without a new start.
    QVERIFY(kavrel.optType(0)->isEnabled());
    QVERIFY(kavrel.optType(1)->isEnabled());
    QVERIFY(kavrel.action(QStringLiteral("mnu_game_dos"))->isEnabled());
    kavrel.action(QStringLiteral("mnu_game_win"))->trigger();
    QCOMPARE(kavrel.onDisk(QStringLiteral("Game0001"), QStringLiteral("GType")),
             QStringLiteral("False"));

    kavrel.restart();
    QCOMPARE(kavrel.window().games()[1].GPath, robot);
    QVERIFY(kavrel.optType(1)->isChecked());
}

void AddGameTest::addsBetweenExistingGamesInTitleOrder() {
    KavrelFixture kavrel;
    const QString gamesFolder = kavrel.path(QStringLiteral("games"));
    const QString bravo = kavrel.writeFile(QStringLiteral("games/BRAVO/B.EXE"), "x");
    // A picture is known by its content, whatever its name says.
    const QString picture =
        kavrel.writePicture(QStringLiteral("games/BRAVO/shot.jpg"), QSize(6, 6), Qt::blue, "BMP");
    const QString text =
        kavrel.writeFile(QStringLiteral("games/BRAVO/about.txt"), "Bravo's own words.");
    kavrel.seed(QStringLiteral("Location"), QStringLiteral("DosGames"), gamesFolder);
    const GameEntry alpha{QStringLiteral("pa"), {}, {}, QStringLiteral("A"), false};
    const GameEntry charlie = game(QStringLiteral("C"), QStringLiteral("pc"));
    kavrel.seedGames({alpha, charlie}, 1);
    Hoofdscherm& window = kavrel.start();

    const auto oldCollectionOnDisk = [&] {
        QCOMPARE(kavrel.onDisk(QStringLiteral("Games"), QStringLiteral("Count")),
                 QStringLiteral("2"));
        QCOMPARE(kavrel.storedGame(2), charlie);
        QCOMPARE(kavrel.onDisk(QStringLiteral("Game0003"), QStringLiteral("GTitle")), std::nullopt);
    };
    kavrel.dialogs.chooseFile(bravo);
    kavrel.dialogs.type(QStringLiteral("B"), oldCollectionOnDisk);
    kavrel.dialogs.chooseFile(picture, oldCollectionOnDisk);
    kavrel.dialogs.chooseFile(text, oldCollectionOnDisk);
    kavrel.action(QStringLiteral("MnuBestandNieuw"))->trigger();

    VERIFY_DIALOGS(kavrel.dialogs);
    const QList<ScriptedDialogs::Shown>& shown = kavrel.dialogs.shown();
    QCOMPARE(shown[0].request.initDir, gamesFolder);
    QCOMPARE(shown[1].defaultText, QStringLiteral("B"));
    // Each picker starts where the one before left off.
    QCOMPARE(shown[3].request.initDir, folderOf(bravo));
    QCOMPARE(shown[3].request.fileName, picture);

    QCOMPARE(kavrel.listEntries(),
             (QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}));
    QCOMPARE(kavrel.list()->ListIndex(), 1);
    QCOMPARE(window.windowTitle(), QStringLiteral("Kavrel (Game 2 of 3)"));
    QCOMPARE(kavrel.find<PictureBox>(QStringLiteral("Picture1"))->picture().pixelColor(0, 0),
             QColor(Qt::blue));
    QCOMPARE(kavrel.find<DescriptionBox>(QStringLiteral("RTB1"))->toPlainText(),
             QStringLiteral("Bravo's own words."));
    QVERIFY(kavrel.find<QWidget>(QStringLiteral("KnopVorige"))->isEnabled());
    QVERIFY(kavrel.find<QWidget>(QStringLiteral("KnopVolgende"))->isEnabled());

    QCOMPARE(kavrel.onDisk(QStringLiteral("Games"), QStringLiteral("Count")), QStringLiteral("3"));
    const QList<GameEntry> expected{alpha, GameEntry{bravo, picture, text, QStringLiteral("B")},
                                    charlie};
    for (int n = 1; n <= 3; ++n) {
        QCOMPARE(kavrel.storedGame(n), expected[n - 1]);
        QCOMPARE(window.games()[n], expected[n - 1]);
    }
}

void AddGameTest::defaultTitlesComeFromTheFileName() {
    KavrelFixture kavrel;
    struct Case {
        QString program;
        QString title;
    };
    const QList<Case> cases{
        {kavrel.writeFile(QStringLiteral("games/ROBOT/ROBOT.EXE"), "x"), QStringLiteral("ROBOT")},
        {kavrel.writeFile(QStringLiteral("games/A.EX"), "x"), QString()},
        // Shorter than an extension: the whole name.
        {kavrel.writeFile(QStringLiteral("games/ZAP"), "x"), QStringLiteral("ZAP")},
        // A program without any extension, as on Linux: the whole name.
        {kavrel.writeFile(QStringLiteral("games/supertux"), "x"), QStringLiteral("supertux")},
        {kavrel.writeFile(QStringLiteral("X.COM"), "x"), QStringLiteral("X")}};
    Hoofdscherm& window = kavrel.start();

    for (int i = 0; i < cases.size(); ++i) {
        kavrel.dialogs.reset();
        scriptPlainAddition(kavrel.dialogs, cases[i].program, QStringLiteral("Game %1").arg(i));
        kavrel.action(QStringLiteral("MnuBestandNieuw"))->trigger();
        VERIFY_DIALOGS(kavrel.dialogs);
        QCOMPARE(kavrel.dialogs.shown()[1].defaultText, cases[i].title);
        QCOMPARE(kavrel.dialogs.shown()[2].request.initDir, folderOf(cases[i].program));
        QCOMPARE(window.games()[i + 1].GPath, cases[i].program);
    }
    QCOMPARE(kavrel.onDisk(QStringLiteral("Games"), QStringLiteral("Count")), QStringLiteral("5"));
}

void AddGameTest::cancelledProgramPickerChangesNothing() {
    KavrelFixture kavrel;
    kavrel.seedGames({game(QStringLiteral("A"), QStringLiteral("pa")),
                      game(QStringLiteral("B"), QStringLiteral("pb"))},
                     1);
    Hoofdscherm& window = kavrel.start();
    const QByteArray before = kavrel.storeFileBytes();
    kavrel.list()->setFocus();

    kavrel.dialogs.cancelFile();
    kavrel.action(QStringLiteral("MnuBestandNieuw"))->trigger();

    VERIFY_DIALOGS(kavrel.dialogs);
    QCOMPARE(kavrel.storeFileBytes(), before);
    QCOMPARE(window.games().count(), 2);
    QCOMPARE(kavrel.listEntries(), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    QCOMPARE(kavrel.list()->ListIndex(), 1);
    QCOMPARE(window.windowTitle(), QStringLiteral("Kavrel (Game 2 of 2)"));
    QCOMPARE(kavrel.focused(), kavrel.find<QWidget>(QStringLiteral("Picture1")));
}

void AddGameTest::cancelledTitlePromptGivesEmptyTitle() {
    KavrelFixture kavrel;
    const QString program = kavrel.writeFile(QStringLiteral("games/ZORK/ZORK.COM"), "x");
    kavrel.seedGames({game(QStringLiteral("A"), QStringLiteral("pa"))});
    Hoofdscherm& window = kavrel.start();

    scriptPlainAddition(kavrel.dialogs, program, QString());
    kavrel.action(QStringLiteral("MnuBestandNieuw"))->trigger();

    VERIFY_DIALOGS(kavrel.dialogs);
    // The empty title comes before every other.
    QCOMPARE(kavrel.listEntries(), (QStringList{QString(), QStringLiteral("A")}));
    QCOMPARE(window.windowTitle(), QStringLiteral("Kavrel (Game 1 of 2)"));
    QCOMPARE(kavrel.storedGame(1), game(QString(), program));
    QCOMPARE(kavrel.storedGame(2), game(QStringLiteral("A"), QStringLiteral("pa")));
}

void AddGameTest::usedTitlesAreAskedAgain() {
    KavrelFixture kavrel;
    const QString robot = kavrel.writeFile(QStringLiteral("games/ROBOT/ROBOT.EXE"), "x");
    kavrel.seedGames({game(QString(), QStringLiteral("p0")),
                      game(QStringLiteral("Robot"), QStringLiteral("pr"))});
    Hoofdscherm& window = kavrel.start();

    const auto countUnchanged = [&] {
        QCOMPARE(kavrel.onDisk(QStringLiteral("Games"), QStringLiteral("Count")),
                 QStringLiteral("2"));
    };
    kavrel.dialogs.chooseFile(robot);
    kavrel.dialogs.type(QStringLiteral("Robot"));
    // Cancel gives the empty title, and another game has that one.
    kavrel.dialogs.type(QString(), countUnchanged);
    kavrel.dialogs.type(QStringLiteral("robot"), countUnchanged);
    kavrel.dialogs.cancelFile();
    kavrel.dialogs.cancelFile();
    kavrel.action(QStringLiteral("MnuBestandNieuw"))->trigger();
    VERIFY_DIALOGS(kavrel.dialogs);

    const QList<ScriptedDialogs::Shown>& shown = kavrel.dialogs.shown();
    QCOMPARE(shown[1].prompt, TitlePrompt);
    for (int i : {2, 3}) {
        QCOMPARE(shown[i].prompt, TitleInUsePrompt);
        QCOMPARE(shown[i].title, TitleBoxTitle);
        // The file's name is offered again, not the refused answer.
        QCOMPARE(shown[i].defaultText, QStringLiteral("ROBOT"));
    }
    QCOMPARE(kavrel.listEntries(),
             (QStringList{QString(), QStringLiteral("Robot"), QStringLiteral("robot")}));
    QCOMPARE(kavrel.list()->ListIndex(), 2);

    // A trailing blank makes another title too.
    kavrel.dialogs.reset();
    scriptPlainAddition(kavrel.dialogs, robot, QStringLiteral("Robot "));
    kavrel.action(QStringLiteral("MnuBestandNieuw"))->trigger();
    VERIFY_DIALOGS(kavrel.dialogs);
    QCOMPARE(kavrel.listEntries(),
             (QStringList{QString(), QStringLiteral("Robot"), QStringLiteral("Robot "),
                          QStringLiteral("robot")}));
    QCOMPARE(window.windowTitle(), QStringLiteral("Kavrel (Game 3 of 4)"));
    QCOMPARE(kavrel.storedGame(3).GTitle, QStringLiteral("Robot "));
}

void AddGameTest::fullCollectionRefusesToAdd() {
    KavrelFixture kavrel;
    QList<GameEntry> games;
    for (int n = 1; n <= 9999; ++n)
        games.append(game(QStringLiteral("Game %1").arg(n, 4, 10, QChar(u'0')),
                          QStringLiteral("p%1").arg(n)));
    kavrel.seedGames(games);
    Hoofdscherm& window = kavrel.start();
    const QByteArray before = kavrel.storeFileBytes();

    kavrel.dialogs.acknowledge();
    kavrel.action(QStringLiteral("MnuBestandNieuw"))->trigger();

    VERIFY_DIALOGS(kavrel.dialogs);
    const QString message = kavrel.dialogs.last().prompt;
    QVERIFY2(message.contains(QStringLiteral("full")), qPrintable(message));
    QVERIFY2(message.contains(QStringLiteral("9999")), qPrintable(message));
    QCOMPARE(window.games().count(), 9999);
    QCOMPARE(kavrel.list()->ListCount(), 9999);
    QCOMPARE(kavrel.storeFileBytes(), before);
}

QTEST_MAIN(AddGameTest)
#include "tst_addgame.moc"
