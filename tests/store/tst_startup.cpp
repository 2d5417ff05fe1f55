// Start-up: the window that comes up for an empty store, for a stored collection, and for
// stores that hold what Kavrel itself never writes.
#include "KavrelFixture.h"
#include "platform/PictureLoading.h"
#include "store/StoreLayout.h"
#include "window/DescriptionBox.h"
#include "window/GameList.h"
#include "window/PictureBox.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

namespace {

const QString GameControls[] = {QStringLiteral("Lijst"), QStringLiteral("KnopVolgende"),
                                QStringLiteral("KnopVorige"), QStringLiteral("KnopSpelen")};
const QString GameCommands[] = {QStringLiteral("MnuBestandVerwijderen"),
                                QStringLiteral("MnuBestandOpen"), QStringLiteral("mnuChange")};

GameEntry game(const QString& title, bool dos = true, const QString& bmp = {},
               const QString& text = {}) {
    return {QStringLiteral("C:\\GAMES\\%1.EXE").arg(title), bmp, text, title, dos};
}

QColor centreOf(const PictureBox* box) {
    return box->picture().pixelColor(box->picture().width() / 2, box->picture().height() / 2);
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void emptyStoreShowsHelpAndDisablesGameControls();
    void autoExitComesFromTheStoreInCanonicalForm();
    void theLastGameIsSelectedAndShownInFull();
    void aLastOutsideTheCollectionLeavesTheFirstGameShown_data();
    void aLastOutsideTheCollectionLeavesTheFirstGameShown();
    void oneGameHasNowhereToGo();
    void missingFilesShowTheDefaultsWithoutAMessage();
    void brokenStoresLoadWhatTheyCan();
    void missingProgramFilesFallBackToTheBuiltInOnes();
    void aStoreThatRefusesWritesIsReportedOnce();
};

void StartupTest::emptyStoreShowsHelpAndDisablesGameControls() {
    KavrelFixture kavrel;
    Hoofdscherm& window = kavrel.start();

    QCOMPARE(window.windowTitle(), QStringLiteral("Kavrel (Game 0 of 0)"));
    auto* rtb = kavrel.find<DescriptionBox>(QStringLiteral("RTB1"));
    QFile readme(kavrel.appFolder() + QStringLiteral("/readme.txt"));
    QVERIFY(readme.open(QIODevice::ReadOnly));
    QCOMPARE(rtb->toPlainText(), QString::fromUtf8(readme.readAll()));
    QCOMPARE(rtb->toolTip(), QStringLiteral("Help on how to add games to your collection"));
    QCOMPARE(kavrel.focused(), rtb);
    QVERIFY(window.helpShown());
    QCOMPARE(kavrel.find<PictureBox>(QStringLiteral("Picture1"))->picture(),
             *LoadPicture(kavrel.appFolder() + QStringLiteral("/Default.bmp")));

    for (const QString& name : GameControls)
        QVERIFY2(!kavrel.find<QWidget>(name)->isEnabled(), qPrintable(name));
    for (const QString& name : GameCommands)
        QVERIFY2(!kavrel.action(name)->isEnabled(), qPrintable(name));
    // The type controls keep their design: DOS marked, all disabled.
    QVERIFY(kavrel.action(QStringLiteral("mnu_game_dos"))->isChecked());
    QVERIFY(!kavrel.action(QStringLiteral("mnu_game_dos"))->isEnabled());
    QVERIFY(!kavrel.action(QStringLiteral("mnu_game_win"))->isEnabled());
    QVERIFY(kavrel.optType(0)->isChecked());
    QVERIFY(!kavrel.optType(0)->isEnabled() && !kavrel.optType(1)->isEnabled());
    QVERIFY(kavrel.action(QStringLiteral("mnu_remove_screenshot"))->isEnabled());

    QVERIFY(kavrel.find<QCheckBox>(QStringLiteral("ExitCheck"))->isChecked());
    QVERIFY(kavrel.action(QStringLiteral("mnuExitOption"))->isChecked());
    QVERIFY(window.autoExit());
    QCOMPARE(kavrel.onDisk(QStringLiteral("Options"), QStringLiteral("GExit")),
             QStringLiteral("True"));
    QCOMPARE(kavrel.onDisk(QStringLiteral("Games"), QStringLiteral("Count")), std::nullopt);
    VERIFY_DIALOGS(kavrel.dialogs);
}

void StartupTest::autoExitComesFromTheStoreInCanonicalForm() {
    const std::pair<QString, bool> cases[] = {{QStringLiteral("False"), false},
                                              {QStringLiteral("false"), false},
                                              {QStringLiteral("0"), false},
                                              {QStringLiteral("-1"), true},
                                              {QStringLiteral("nonsense"), true}};
    for (const auto& [stored, on] : cases) {
        KavrelFixture kavrel;
        kavrel.seed(QStringLiteral("Options"), QStringLiteral("GExit"), stored);
        Hoofdscherm& window = kavrel.start();
        QCOMPARE(window.autoExit(), on);
        QCOMPARE(kavrel.find<QCheckBox>(QStringLiteral("ExitCheck"))->isChecked(), on);
        QCOMPARE(kavrel.action(QStringLiteral("mnuExitOption"))->isChecked(), on);
        QCOMPARE(kavrel.onDisk(QStringLiteral("Options"), QStringLiteral("GExit")),
                 on ? QStringLiteral("True") : QStringLiteral("False"));
    }
}

void StartupTest::theLastGameIsSelectedAndShownInFull() {
    KavrelFixture kavrel;
    const QString moonShot =
        kavrel.writePicture(QStringLiteral("moon/moon.gif"), {320, 200}, Qt::blue, "GIF");
    const QString moonText = kavrel.writeFile(QStringLiteral("moon/moon.txt"), "To the moon.");
    // Stored out of title order: start-up keeps the stored order.
    kavrel.seedGames({game(QStringLiteral("Zebra")), game(QStringLiteral("Alpha")),
                      game(QStringLiteral("Moon"), false, moonShot, moonText)},
                     2);
    Hoofdscherm& window = kavrel.start();

    auto* list = kavrel.find<GameList>(QStringLiteral("Lijst"));
    QCOMPARE(list->ListCount(), 3);
    QCOMPARE(list->List(0), QStringLiteral("Zebra"));
    QCOMPARE(list->List(1), QStringLiteral("Alpha"));
    QCOMPARE(list->List(2), QStringLiteral("Moon"));
    QCOMPARE(list->ListIndex(), 2);
    QCOMPARE(window.windowTitle(), QStringLiteral("Kavrel (Game 3 of 3)"));
    QCOMPARE(centreOf(kavrel.find<PictureBox>(QStringLiteral("Picture1"))), QColor(Qt::blue));
    QCOMPARE(kavrel.find<DescriptionBox>(QStringLiteral("RTB1"))->toPlainText(),
             QStringLiteral("To the moon."));
    QVERIFY(kavrel.optType(1)->isChecked());
    QVERIFY(kavrel.action(QStringLiteral("mnu_game_win"))->isChecked());
    QVERIFY(!kavrel.action(QStringLiteral("mnu_game_dos"))->isChecked());
    QVERIFY(kavrel.find<QToolButton>(QStringLiteral("KnopVorige"))->isEnabled());
    QVERIFY(!kavrel.find<QToolButton>(QStringLiteral("KnopVolgende"))->isEnabled());
    for (const QString& name : {QStringLiteral("Lijst"), QStringLiteral("KnopSpelen")})
        QVERIFY2(kavrel.find<QWidget>(name)->isEnabled(), qPrintable(name));
    for (const QString& name : GameCommands)
        QVERIFY2(kavrel.action(name)->isEnabled(), qPrintable(name));
    QVERIFY(kavrel.optType(0)->isEnabled() && kavrel.optType(1)->isEnabled());
    QCOMPARE(kavrel.focused(), kavrel.find<QWidget>(QStringLiteral("Picture1")));
    QVERIFY(!window.helpShown());
    // Start-up neither sorts nor writes the order back.
    QCOMPARE(kavrel.onDisk(QStringLiteral("Game0001"), QStringLiteral("GTitle")),
             QStringLiteral("Zebra"));
    VERIFY_DIALOGS(kavrel.dialogs);
}

void StartupTest::aLastOutsideTheCollectionLeavesTheFirstGameShown_data() {
    QTest::addColumn<QString>("last");
    QTest::addColumn<bool>("selected");
    QTest::newRow("beyond the count") << QStringLiteral("5") << false;
    QTest::newRow("at the count") << QStringLiteral("3") << false;
    QTest::newRow("no game selected at exit") << QStringLiteral("-1") << false;
    // No number reads as the first game, which is then selected and shown in full.
    QTest::newRow("no number") << QStringLiteral("third") << true;
}

void StartupTest::aLastOutsideTheCollectionLeavesTheFirstGameShown() {
    QFETCH(QString, last);
    QFETCH(bool, selected);
    KavrelFixture kavrel;
    const QString firstShot =
        kavrel.writePicture(QStringLiteral("first.bmp"), {320, 200}, Qt::green, "BMP");
    const QString firstText = kavrel.writeFile(QStringLiteral("first.txt"), "First game.");
    kavrel.seedGames({game(QStringLiteral("First"), false, firstShot, firstText),
                      game(QStringLiteral("Second")), game(QStringLiteral("Third"))});
    kavrel.seed(QStringLiteral("Games"), QStringLiteral("Last"), last);
    Hoofdscherm& window = kavrel.start();

    QCOMPARE(kavrel.find<GameList>(QStringLiteral("Lijst"))->ListIndex(), 0);
    QCOMPARE(window.windowTitle(), QStringLiteral("Kavrel (Game 1 of 3)"));
    QCOMPARE(centreOf(kavrel.find<PictureBox>(QStringLiteral("Picture1"))), QColor(Qt::green));
    QCOMPARE(kavrel.find<DescriptionBox>(QStringLiteral("RTB1"))->toPlainText(),
             QStringLiteral("First game."));
    QVERIFY(kavrel.find<QToolButton>(QStringLiteral("KnopVolgende"))->isEnabled());
    QVERIFY(!kavrel.find<QToolButton>(QStringLiteral("KnopVorige"))->isEnabled());
    // Unless it was selected, the first game is shown without its type: the type marks keep
    // their design, although it is a Windows game.
    QCOMPARE(kavrel.optType(0)->isChecked(), !selected);
    QCOMPARE(kavrel.action(QStringLiteral("mnu_game_dos"))->isChecked(), !selected);
    QCOMPARE(kavrel.onDisk(QStringLiteral("Game0001"), QStringLiteral("GType")),
             QStringLiteral("False"));
}

void StartupTest::oneGameHasNowhereToGo() {
    KavrelFixture kavrel;
    kavrel.seedGames({game(QStringLiteral("Solo"))}, 0);
    Hoofdscherm& window = kavrel.start();
    QCOMPARE(window.windowTitle(), QStringLiteral("Kavrel (Game 1 of 1)"));
    QVERIFY(!kavrel.find<QToolButton>(QStringLiteral("KnopVolgende"))->isEnabled());
    QVERIFY(!kavrel.find<QToolButton>(QStringLiteral("KnopVorige"))->isEnabled());
}

void StartupTest::missingFilesShowTheDefaultsWithoutAMessage() {
    KavrelFixture kavrel;
    const QString notAPicture = kavrel.writeFile(QStringLiteral("notes.gif"), "GIF? no.");
    kavrel.seedGames({game(QStringLiteral("Gone"), true, kavrel.path(QStringLiteral("gone.bmp")),
                           kavrel.path(QStringLiteral("gone.txt"))),
                      game(QStringLiteral("Broken"), true, notAPicture, QString())},
                     0);
    kavrel.start();
    const QImage defaultPicture = *LoadPicture(kavrel.appFolder() + QStringLiteral("/Default.bmp"));
    auto* picture = kavrel.find<PictureBox>(QStringLiteral("Picture1"));
    auto* rtb = kavrel.find<DescriptionBox>(QStringLiteral("RTB1"));
    QCOMPARE(picture->picture(), defaultPicture);
    QCOMPARE(rtb->toPlainText(), QStringLiteral("No description available"));
    kavrel.pickTitle(1);
    QCOMPARE(kavrel.find<GameList>(QStringLiteral("Lijst"))->ListIndex(), 1);
    QCOMPARE(picture->picture(), defaultPicture);
    QCOMPARE(rtb->toPlainText(), QStringLiteral("No description available"));
    // Nothing of what cannot be shown is forgotten.
    QCOMPARE(kavrel.onDisk(QStringLiteral("Game0001"), QStringLiteral("GBmp")),
             kavrel.path(QStringLiteral("gone.bmp")));
    VERIFY_DIALOGS(kavrel.dialogs);
}

void StartupTest::brokenStoresLoadWhatTheyCan() {
    {
        // A count with no sections behind it, and types Kavrel never writes.
        KavrelFixture kavrel;
        kavrel.seed(QStringLiteral("Games"), QStringLiteral("Count"), QStringLiteral("3"));
        kavrel.seed(QStringLiteral("Game0001"), QStringLiteral("GTitle"), QStringLiteral("One"));
        kavrel.seed(QStringLiteral("Game0001"), QStringLiteral("GType"), QStringLiteral("true"));
        kavrel.seed(QStringLiteral("Game0002"), QStringLiteral("GTitle"), QStringLiteral("Two"));
        kavrel.seed(QStringLiteral("Game0002"), QStringLiteral("GType"), QStringLiteral("0"));
        kavrel.start();
        const GameTable& games = kavrel.window().games();
        QCOMPARE(games.count(), 3);
        QVERIFY(games[1].GType);
        QVERIFY(!games[2].GType);
        QCOMPARE(games[3], GameEntry{});
        QCOMPARE(kavrel.find<GameList>(QStringLiteral("Lijst"))->List(2), QString());
        const QString stored[] = {QStringLiteral("True"), QStringLiteral("False"),
                                  QStringLiteral("True")};
        for (int n = 1; n <= 3; ++n)
            QCOMPARE(kavrel.onDisk(GameKey(n), QStringLiteral("GType")), stored[n - 1]);
        QCOMPARE(kavrel.onDisk(QStringLiteral("Game0003"), QStringLiteral("GTitle")), std::nullopt);
    }
    for (const QString& count : {QStringLiteral("-2"), QStringLiteral("lots")}) {
        KavrelFixture kavrel;
        kavrel.seed(QStringLiteral("Games"), QStringLiteral("Count"), count);
        kavrel.seed(QStringLiteral("Game0001"), QStringLiteral("GTitle"), QStringLiteral("One"));
        Hoofdscherm& window = kavrel.start();
        QCOMPARE(window.windowTitle(), QStringLiteral("Kavrel (Game 0 of 0)"));
        QVERIFY(window.helpShown());
        QCOMPARE(kavrel.onDisk(QStringLiteral("Games"), QStringLiteral("Count")), count);
    }
    {
        // A file that is no INI file at all.
        KavrelFixture kavrel;
        kavrel.writeFile(QStringLiteral("config/Kavrel/Kavrel.conf"),
                         QByteArray("\x00\x01garbage\xff[[[=\n", 16));
        Hoofdscherm& window = kavrel.start();
        QCOMPARE(window.windowTitle(), QStringLiteral("Kavrel (Game 0 of 0)"));
    }
}

void StartupTest::missingProgramFilesFallBackToTheBuiltInOnes() {
    KavrelFixture kavrel;
    QFile::remove(kavrel.appFolder() + QStringLiteral("/readme.txt"));
    // A Default.bmp that is no picture.
    kavrel.writeFile(QStringLiteral("app/Default.bmp"), "not a bitmap");
    kavrel.start();
    const QImage shown = kavrel.find<PictureBox>(QStringLiteral("Picture1"))->picture();
    QCOMPARE(shown.size(), QSize(320, 200));
    QVERIFY(kavrel.find<DescriptionBox>(QStringLiteral("RTB1"))
                ->toPlainText()
                .contains(QStringLiteral("Add...")));
}

void StartupTest::aStoreThatRefusesWritesIsReportedOnce() {
    KavrelFixture kavrel;
    // A file where the store's folder belongs: nobody, root included, can write the store.
    const QString storeFolder = kavrel.path(QStringLiteral("config/Kavrel"));
    QVERIFY(QDir(storeFolder).removeRecursively());
    kavrel.writeFile(QStringLiteral("config/Kavrel"), "in the way");

    kavrel.dialogs.acknowledge();
    Hoofdscherm& window = kavrel.start();
    QCOMPARE(kavrel.dialogs.shown().size(), 1);
    QVERIFY2(kavrel.dialogs.last().prompt.contains(storeFolder),
             qPrintable(kavrel.dialogs.last().prompt));
    QCOMPARE(kavrel.dialogs.last().title, QStringLiteral("Kavrel"));
    QCOMPARE(kavrel.dialogs.last().style, MsgBoxStyle::Exclamation);
    // The window keeps running on what it holds, and says so only once a run.
    QVERIFY(window.autoExit());
    kavrel.store().SaveSetting(QStringLiteral("Options"), QStringLiteral("GExit"),
                               QStringLiteral("False"));
    QCOMPARE(kavrel.dialogs.shown().size(), 1);
    VERIFY_DIALOGS(kavrel.dialogs);
}

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
