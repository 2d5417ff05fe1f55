// Adding a game: the program picker, the title prompt and its repeats, the optional pickers,
// the title order, what is stored and when, and the window's state afterwards.
#include "KavrelFixture.h"
#include "platform/PickerFilters.h"
#include "store/Paths.h"
#include "window/DescriptionBox.h"
#include "window/GameList.h"
#include "window/PictureBox.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QRadioButton>
#include <QTest>

namespace {

using Kind = ScriptedDialogs::Kind;

const QString TitlePrompt = QStringLiteral("Please, fill in the title of this DOS Game");
const QString TitleInUsePrompt =
    QStringLiteral("The given title is in use, please enter another title for this DOS-game");
const QString TitleBoxTitle = QStringLiteral("Title DOS Game");

GameEntry game(const QString& title, const QString& path) {
    return GameEntry{path, {}, {}, title, true};
}

QString folderOf(const QString& path) {
    return QDir::toNativeSeparators(QFileInfo(path).absolutePath());
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

    const QList<ScriptedDialogs::Shown>& shown = kavrel.dialogs.shown();
    QCOMPARE(shown.size(), 4);
    QCOMPARE(shown[0].kind, Kind::OpenFile);
    // No games folder chosen yet: the picker starts in the user's home.
    QCOMPARE(shown[0].request.initDir, QDir::toNativeSeparators(QDir::homePath()));
    QCOMPARE(shown[0].request.fileName, QString());
    QCOMPARE(shown[0].request.filter, PickerFilters::Executable);
    QCOMPARE(shown[0].request.defaultExt, QStringLiteral("exe"));
    QCOMPARE(shown[0].request.flags, 0x281000u);
    QCOMPARE(shown[1].kind, Kind::InputBox);
    QCOMPARE(shown[1].prompt, TitlePrompt);
    QCOMPARE(shown[1].title, TitleBoxTitle);
    QCOMPARE(shown[1].defaultText, QStringLiteral("ROBOT"));
    // The screenshot and description pickers open in the game's folder, on the program.
    QCOMPARE(shown[2].request.initDir, folderOf(robot));
    QCOMPARE(shown[2].request.fileName, robot);
    QCOMPARE(shown[2].request.filter, PickerFilters::Screenshot);
    QCOMPARE(shown[2].request.defaultExt, QStringLiteral("bmp"));
    QCOMPARE(shown[2].request.flags, 0x281000u);
    QCOMPARE(shown[3].request.initDir, folderOf(robot));
    QCOMPARE(shown[3].request.fileName, robot);
    QCOMPARE(shown[3].request.filter, PickerFilters::Description);
    QCOMPARE(shown[3].request.defaultExt, QStringLiteral("txt"));
    QCOMPARE(shown[3].request.flags, 0x281000u);

    QCOMPARE(kavrel.onDisk(QStringLiteral("Games"), QStringLiteral("Count")), QStringLiteral("1"));
    QCOMPARE(kavrel.onDisk(QStringLiteral("Game0001"), QStringLiteral("GPath")), robot);
    QCOMPARE(kavrel.onDisk(QStringLiteral("Game0001"), QStringLiteral("GBmp")), QString());
    QCOMPARE(kavrel.onDisk(QStringLiteral("Game0001"), QStringLiteral("GText")), QString());
    QCOMPARE(kavrel.onDisk(QStringLiteral("Game0001"), QStringLiteral("GTitle")),
             QStringLiteral("Robot"));
    QCOMPARE(kavrel.onDisk(QStringLiteral("Game0001"), QStringLiteral("GType")),
             QStringLiteral("True"));
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
    QVERIFY(kavrel.action(QStringLiteral("mnu_game_win"))->isEnabled());
    kavrel.action(QStringLiteral("mnu_game_win"))->trigger();
    QCOMPARE(kavrel.onDisk(QStringLiteral("Game0001"), QStringLiteral("GType")),
             QStringLiteral("False"));
    VERIFY_DIALOGS(kavrel.dialogs);

    kavrel.restart();
    QCOMPARE(kavrel.listEntries(), QStringList{QStringLiteral("Robot")});
    QCOMPARE(kavrel.window().games()[1].GPath, robot);
    QVERIFY(kavrel.optType(1)->isChecked());
}

void AddGameTest::addsBetweenExistingGamesInTitleOrder() {
    KavrelFixture kavrel;
    const QString gamesFolder = kavrel.path(QStringLiteral("games"));
    const QString bravo = kavrel.writeFile(QStringLiteral("games/BRAVO/B.EXE"), "x");
    const QString picture =
        kavrel.writePicture(QStringLiteral("games/BRAVO/shot.jpg"), QSize(6, 6), Qt::blue, "BMP");
    const QString text =
        kavrel.writeFile(QStringLiteral("games/BRAVO/about.txt"), "Bravo's own words.");
    kavrel.seed(QStringLiteral("Location"), QStringLiteral("DosGames"), gamesFolder);
    kavrel.seedGames({GameEntry{QStringLiteral("pa"), {}, {}, QStringLiteral("A"), false},
                      game(QStringLiteral("C"), QStringLiteral("pc"))},
                     1);
    Hoofdscherm& window = kavrel.start();

    const auto oldCollectionOnDisk = [&] {
        QCOMPARE(kavrel.onDisk(QStringLiteral("Games"), QStringLiteral("Count")),
                 QStringLiteral("2"));
        QCOMPARE(kavrel.onDisk(QStringLiteral("Game0002"), QStringLiteral("GTitle")),
                 QStringLiteral("C"));
        QCOMPARE(kavrel.onDisk(QStringLiteral("Game0003"), QStringLiteral("GTitle")), std::nullopt);
    };
    kavrel.dialogs.chooseFile(bravo);
    kavrel.dialogs.type(QStringLiteral("B"), oldCollectionOnDisk);
    kavrel.dialogs.chooseFile(picture, oldCollectionOnDisk);
    kavrel.dialogs.chooseFile(text, oldCollectionOnDisk);
    kavrel.action(QStringLiteral("MnuBestandNieuw"))->trigger();

    const QList<ScriptedDialogs::Shown>& shown = kavrel.dialogs.shown();
    QCOMPARE(shown.size(), 4);
    QCOMPARE(shown[0].request.initDir, gamesFolder);
    QCOMPARE(shown[1].defaultText, QStringLiteral("B"));
    // Each picker starts where the previous one left off.
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
    const QStringList sections{QStringLiteral("Game0001"), QStringLiteral("Game0002"),
                               QStringLiteral("Game0003")};
    const QList<GameEntry> expected{
        GameEntry{QStringLiteral("pa"), {}, {}, QStringLiteral("A"), false},
        GameEntry{bravo, picture, text, QStringLiteral("B"), true},
        game(QStringLiteral("C"), QStringLiteral("pc"))};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(kavrel.onDisk(sections[i], QStringLiteral("GPath")), expected[i].GPath);
        QCOMPARE(kavrel.onDisk(sections[i], QStringLiteral("GBmp")), expected[i].GBmp);
        QCOMPARE(kavrel.onDisk(sections[i], QStringLiteral("GText")), expected[i].GText);
        QCOMPARE(kavrel.onDisk(sections[i], QStringLiteral("GTitle")), expected[i].GTitle);
        QCOMPARE(kavrel.onDisk(sections[i], QStringLiteral("GType")),
                 expected[i].GType ? QStringLiteral("True") : QStringLiteral("False"));
        QCOMPARE(window.games()[i + 1], expected[i]);
    }
    VERIFY_DIALOGS(kavrel.dialogs);
}

void AddGameTest::defaultTitlesComeFromTheFileName() {
    KavrelFixture kavrel;
    const QString robot = kavrel.writeFile(QStringLiteral("games/ROBOT/ROBOT.EXE"), "x");
    const QString fourCharacters = kavrel.writeFile(QStringLiteral("games/A.EX"), "x");
    const QString short3 = kavrel.writeFile(QStringLiteral("games/ZAP"), "x");
    const QString inFolder = kavrel.writeFile(QStringLiteral("X.COM"), "x");
    Hoofdscherm& window = kavrel.start();

    struct Case {
        QString program;
        QString title;
    };
    const QList<Case> cases{{robot, QStringLiteral("ROBOT")},
                            {fourCharacters, QString()},
                            {short3, QStringLiteral("ZAP")},
                            {inFolder, QStringLiteral("X")}};
    for (int i = 0; i < cases.size(); ++i) {
        kavrel.dialogs.reset();
        kavrel.dialogs.chooseFile(cases[i].program);
        kavrel.dialogs.type(QStringLiteral("Game %1").arg(i));
        kavrel.dialogs.cancelFile();
        kavrel.dialogs.cancelFile();
        kavrel.action(QStringLiteral("MnuBestandNieuw"))->trigger();
        VERIFY_DIALOGS(kavrel.dialogs);
        const QList<ScriptedDialogs::Shown>& shown = kavrel.dialogs.shown();
        QCOMPARE(shown[1].defaultText, cases[i].title);
        QCOMPARE(shown[2].request.initDir, folderOf(cases[i].program));
        QCOMPARE(window.games()[i + 1].GPath, cases[i].program);
    }
    // A short name is no reason to refuse the game: all four are in.
    QCOMPARE(window.games().count(), 4);
    QCOMPARE(kavrel.onDisk(QStringLiteral("Games"), QStringLiteral("Count")), QStringLiteral("4"));
    QCOMPARE(kavrel.onDisk(QStringLiteral("Game0004"), QStringLiteral("GPath")), inFolder);
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
    QCOMPARE(kavrel.dialogs.shown().size(), 1);
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

    kavrel.dialogs.chooseFile(program);
    kavrel.dialogs.type(QString());
    kavrel.dialogs.cancelFile();
    kavrel.dialogs.cancelFile();
    kavrel.action(QStringLiteral("MnuBestandNieuw"))->trigger();

    VERIFY_DIALOGS(kavrel.dialogs);
    // The empty title comes before every other.
    QCOMPARE(kavrel.listEntries(), (QStringList{QString(), QStringLiteral("A")}));
    QCOMPARE(kavrel.list()->ListIndex(), 0);
    QCOMPARE(window.games()[1].GPath, program);
    QCOMPARE(kavrel.onDisk(QStringLiteral("Game0001"), QStringLiteral("GTitle")), QString());
    QCOMPARE(kavrel.onDisk(QStringLiteral("Game0002"), QStringLiteral("GTitle")),
             QStringLiteral("A"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Kavrel (Game 1 of 2)"));
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
    kavrel.dialogs.chooseFile(robot);
    kavrel.dialogs.type(QStringLiteral("Robot "));
    kavrel.dialogs.cancelFile();
    kavrel.dialogs.cancelFile();
    kavrel.action(QStringLiteral("MnuBestandNieuw"))->trigger();
    VERIFY_DIALOGS(kavrel.dialogs);
    QCOMPARE(kavrel.dialogs.shown().size(), 4);
    QCOMPARE(kavrel.listEntries(),
             (QStringList{QString(), QStringLiteral("Robot"), QStringLiteral("Robot "),
                          QStringLiteral("robot")}));
    QCOMPARE(window.windowTitle(), QStringLiteral("Kavrel (Game 3 of 4)"));
    QCOMPARE(kavrel.onDisk(QStringLiteral("Game0003"), QStringLiteral("GTitle")),
             QStringLiteral("Robot "));
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
    QCOMPARE(kavrel.dialogs.shown().size(), 1);
    const ScriptedDialogs::Shown& message = kavrel.dialogs.last();
    QCOMPARE(message.kind, Kind::MsgBox);
    QVERIFY2(message.prompt.contains(QStringLiteral("full")), qPrintable(message.prompt));
    QVERIFY2(message.prompt.contains(QStringLiteral("9999")), qPrintable(message.prompt));
    QCOMPARE(window.games().count(), 9999);
    QCOMPARE(kavrel.list()->ListCount(), 9999);
    QCOMPARE(kavrel.storeFileBytes(), before);
}

QTEST_MAIN(AddGameTest)
#include "tst_addgame.moc"
