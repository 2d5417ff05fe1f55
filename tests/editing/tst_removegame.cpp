// Removing the selected game: which game is shown next, what is stored, and the empty state
// after the last one.
#include "KavrelFixture.h"
#include "window/DescriptionBox.h"
#include "window/GameList.h"
#include "window/PictureBox.h"

#include <QFile>
#include <QImage>
#include <QMenu>
#include <QRadioButton>
#include <QTest>

class RemoveGameTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void removesFromThree_data();
    void removesFromThree();
    void removesFirstOfTwo();
    void removesTheOnlyGameAndAddsAgain();
};

void RemoveGameTest::removesFromThree_data() {
    QTest::addColumn<int>("selected");
    QTest::addColumn<QStringList>("remaining");
    QTest::addColumn<int>("shown");
    QTest::addColumn<bool>("previousEnabled");
    QTest::addColumn<bool>("nextEnabled");
    QTest::newRow("first") << 0 << QStringList{QStringLiteral("B"), QStringLiteral("C")} << 1
                           << true << false;
    QTest::newRow("middle") << 1 << QStringList{QStringLiteral("A"), QStringLiteral("C")} << 0
                            << false << true;
    QTest::newRow("last") << 2 << QStringList{QStringLiteral("A"), QStringLiteral("B")} << 1 << true
                          << false;
}

void RemoveGameTest::removesFromThree() {
    QFETCH(int, selected);
    QFETCH(QStringList, remaining);
    QFETCH(int, shown);
    QFETCH(bool, previousEnabled);
    QFETCH(bool, nextEnabled);

    KavrelFixture kavrel;
    QList<GameEntry> games;
    for (const QString& title : {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}) {
        const QString text =
            kavrel.writeFile(title + QStringLiteral(".txt"), "About " + title.toLatin1());
        games.append(GameEntry{QStringLiteral("p") + title, QStringLiteral("b") + title, text,
                               title, title != QStringLiteral("B")});
    }
    kavrel.seedGames(games, selected);
    Hoofdscherm& window = kavrel.start();
    QCOMPARE(kavrel.list()->ListIndex(), selected);

    kavrel.action(QStringLiteral("MnuBestandVerwijderen"))->trigger();

    QCOMPARE(kavrel.listEntries(), remaining);
    QCOMPARE(kavrel.list()->ListIndex(), shown);
    QCOMPARE(window.windowTitle(), QStringLiteral("Kavrel (Game %1 of 2)").arg(shown + 1));
    QCOMPARE(kavrel.find<QWidget>(QStringLiteral("KnopVorige"))->isEnabled(), previousEnabled);
    QCOMPARE(kavrel.find<QWidget>(QStringLiteral("KnopVolgende"))->isEnabled(), nextEnabled);
    const QString shownTitle = remaining[shown];
    QCOMPARE(kavrel.find<DescriptionBox>(QStringLiteral("RTB1"))->toPlainText(),
             QStringLiteral("About ") + shownTitle);
    QCOMPARE(kavrel.optType(shownTitle == QStringLiteral("B") ? 1 : 0)->isChecked(), true);
    QCOMPARE(kavrel.focused(), kavrel.find<QWidget>(QStringLiteral("Picture1")));

    QCOMPARE(window.games().count(), 2);
    QCOMPARE(kavrel.onDisk(QStringLiteral("Games"), QStringLiteral("Count")), QStringLiteral("2"));
    for (int n = 1; n <= 2; ++n) {
        QCOMPARE(window.games()[n].GTitle, remaining[n - 1]);
        QCOMPARE(window.games()[n].GPath, QStringLiteral("p") + remaining[n - 1]);
        QCOMPARE(kavrel.storedGame(n), window.games()[n]);
    }
    // The section beyond the count keeps the game that was last.
    QCOMPARE(kavrel.storedGame(3), games[2]);
    QCOMPARE(kavrel.onDisk(QStringLiteral("Games"), QStringLiteral("Last")),
             QString::number(selected));
    VERIFY_DIALOGS(kavrel.dialogs);

    kavrel.restart();
    QCOMPARE(kavrel.listEntries(), remaining);
}

void RemoveGameTest::removesFirstOfTwo() {
    KavrelFixture kavrel;
    kavrel.seedGames({GameEntry{QStringLiteral("pA"), {}, {}, QStringLiteral("A"), true},
                      GameEntry{QStringLiteral("pB"), {}, {}, QStringLiteral("B"), false}},
                     0);
    Hoofdscherm& window = kavrel.start();

    kavrel.action(QStringLiteral("MnuBestandVerwijderen"))->trigger();

    QCOMPARE(kavrel.listEntries(), QStringList{QStringLiteral("B")});
    QCOMPARE(kavrel.list()->ListIndex(), 0);
    QCOMPARE(window.windowTitle(), QStringLiteral("Kavrel (Game 1 of 1)"));
    QVERIFY(!kavrel.find<QWidget>(QStringLiteral("KnopVorige"))->isEnabled());
    QVERIFY(!kavrel.find<QWidget>(QStringLiteral("KnopVolgende"))->isEnabled());
    QVERIFY(kavrel.optType(1)->isChecked());
    QCOMPARE(kavrel.storedGame(1), kavrel.storedGame(2));
    QCOMPARE(kavrel.storedGame(1).GPath, QStringLiteral("pB"));
    VERIFY_DIALOGS(kavrel.dialogs);
}

void RemoveGameTest::removesTheOnlyGameAndAddsAgain() {
    KavrelFixture kavrel;
    const QString picture =
        kavrel.writePicture(QStringLiteral("solo.bmp"), QSize(4, 4), Qt::green, "BMP");
    const QString text = kavrel.writeFile(QStringLiteral("solo.txt"), "Solo.");
    const QString program = kavrel.writeFile(QStringLiteral("games/SOLO/SOLO.EXE"), "x");
    kavrel.seedGames({GameEntry{program, picture, text, QStringLiteral("Solo"), false}});
    Hoofdscherm& window = kavrel.start();
    kavrel.list()->setFocus();

    kavrel.action(QStringLiteral("MnuBestandVerwijderen"))->trigger();

    QCOMPARE(window.games().count(), 0);
    QCOMPARE(kavrel.list()->ListCount(), 0);
    QCOMPARE(kavrel.list()->ListIndex(), -1);
    QCOMPARE(window.windowTitle(), QStringLiteral("Kavrel (Game 0 of 0)"));
    QCOMPARE(kavrel.find<PictureBox>(QStringLiteral("Picture1"))->picture(),
             QImage(kavrel.appFolder() + QStringLiteral("/Default.bmp")));
    QCOMPARE(kavrel.find<DescriptionBox>(QStringLiteral("RTB1"))->toPlainText(),
             QStringLiteral("No description available"));
    for (const char* name : {"KnopVorige", "KnopVolgende", "KnopSpelen", "Lijst"})
        QVERIFY2(!kavrel.find<QWidget>(QString::fromLatin1(name))->isEnabled(), name);
    for (const char* name : {"MnuBestandVerwijderen", "MnuBestandOpen", "mnuChange"})
        QVERIFY2(!kavrel.action(QString::fromLatin1(name))->isEnabled(), name);
    // The type controls are left as they were.
    QVERIFY(kavrel.optType(0)->isEnabled());
    QCOMPARE(kavrel.focused(), kavrel.find<QWidget>(QStringLiteral("Picture1")));
    QCOMPARE(kavrel.onDisk(QStringLiteral("Games"), QStringLiteral("Count")), QStringLiteral("0"));
    QCOMPARE(kavrel.storedGame(1),
             (GameEntry{program, picture, text, QStringLiteral("Solo"), false}));
    // The game's files are the user's: none of them goes.
    for (const QString& file : {program, picture, text})
        QVERIFY2(QFile::exists(file), qPrintable(file));

    // From the empty state a game comes in again, in the section the removed one left.
    kavrel.dialogs.chooseFile(program);
    kavrel.dialogs.type(QStringLiteral("Again"));
    kavrel.dialogs.cancelFile();
    kavrel.dialogs.cancelFile();
    kavrel.action(QStringLiteral("MnuBestandNieuw"))->trigger();
    QCOMPARE(kavrel.listEntries(), QStringList{QStringLiteral("Again")});
    QCOMPARE(window.windowTitle(), QStringLiteral("Kavrel (Game 1 of 1)"));
    QVERIFY(kavrel.action(QStringLiteral("MnuBestandVerwijderen"))->isEnabled());
    QCOMPARE(kavrel.storedGame(1), (GameEntry{program, {}, {}, QStringLiteral("Again"), true}));
    VERIFY_DIALOGS(kavrel.dialogs);
}

QTEST_MAIN(RemoveGameTest)
#include "tst_removegame.moc"
