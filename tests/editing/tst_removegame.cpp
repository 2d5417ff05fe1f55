// Removing the selected game: the game shown next, the sections stored, and the empty state
// after the last one.
#include "CollectionChecks.h"
#include "window/DescriptionBox.h"
#include "window/GameList.h"
#include "window/PictureBox.h"

#include <QFile>
#include <QImage>
#include <QRadioButton>
#include <QTest>

using namespace Qt::StringLiterals;

class RemoveGameTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void removesTheSelectedGame_data();
    void removesTheSelectedGame();
    void removesTheOnlyGameAndAddsAgain();
};

void RemoveGameTest::removesTheSelectedGame_data() {
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QStringList>("remaining");
    QTest::addColumn<int>("shown");
    const QStringList abc{u"A"_s, u"B"_s, u"C"_s};
    QTest::newRow("first") << abc << 0 << QStringList{u"B"_s, u"C"_s} << 1;
    QTest::newRow("middle") << abc << 1 << QStringList{u"A"_s, u"C"_s} << 0;
    QTest::newRow("last") << abc << 2 << QStringList{u"A"_s, u"B"_s} << 1;
    QTest::newRow("first of two") << QStringList{u"A"_s, u"B"_s} << 0 << QStringList{u"B"_s} << 0;
}

void RemoveGameTest::removesTheSelectedGame() {
    QFETCH(QStringList, titles);
    QFETCH(int, selected);
    QFETCH(QStringList, remaining);
    QFETCH(int, shown);
    KavrelFixture kavrel;
    QList<GameEntry> games;
    for (const QString& title : titles)
        games.append({u"p"_s + title, u"b"_s + title, u"t"_s + title, title, title != u"B"_s});
    kavrel.seedGames(games, selected);
    Hoofdscherm& window = kavrel.start();

    kavrel.action(u"MnuBestandVerwijderen"_s)->trigger();

    QCOMPARE(kavrel.listEntries(), remaining);
    QCOMPARE(kavrel.list()->ListIndex(), shown);
    QCOMPARE(window.windowTitle(),
             u"Kavrel (Game %1 of %2)"_s.arg(shown + 1).arg(remaining.size()));
    QCOMPARE(kavrel.focused(), kavrel.find<QWidget>(u"Picture1"_s));

    // Sections 1 to the new count hold the remaining games; the one beyond keeps the game that
    // was last, and "Last" is not written.
    QList<GameEntry> expected;
    for (const GameEntry& game : games)
        if (remaining.contains(game.GTitle))
            expected.append(game);
    QCOMPARE(tableOf(window), expected);
    QCOMPARE(storedGames(kavrel, int(titles.size())), expected + QList{games.last()});
    QCOMPARE(kavrel.onDisk(u"Games"_s, u"Count"_s), QString::number(remaining.size()));
    QCOMPARE(kavrel.onDisk(u"Games"_s, u"Last"_s), QString::number(selected));
    VERIFY_DIALOGS(kavrel.dialogs);
}

void RemoveGameTest::removesTheOnlyGameAndAddsAgain() {
    KavrelFixture kavrel;
    const GameEntry solo{kavrel.writeFile(u"games/SOLO/SOLO.EXE"_s, "x"),
                         kavrel.writePicture(u"solo.bmp"_s, QSize(4, 4), Qt::green, "BMP"),
                         kavrel.writeFile(u"solo.txt"_s, "Solo."), u"Solo"_s, false};
    kavrel.seedGames({solo});
    Hoofdscherm& window = kavrel.start();
    kavrel.list()->setFocus();

    kavrel.action(u"MnuBestandVerwijderen"_s)->trigger();

    QCOMPARE(window.games().count(), 0);
    QCOMPARE(kavrel.list()->ListCount(), 0);
    QCOMPARE(kavrel.list()->ListIndex(), -1);
    QCOMPARE(window.windowTitle(), u"Kavrel (Game 0 of 0)"_s);
    QCOMPARE(kavrel.find<PictureBox>(u"Picture1"_s)->picture(),
             QImage(kavrel.appFolder() + u"/Default.bmp"_s));
    QCOMPARE(kavrel.find<DescriptionBox>(u"RTB1"_s)->toPlainText(), u"No description available"_s);
    // The seven game controls go off; the type controls are left as they were.
    QCOMPARE(enabledOf(kavrel, u"KnopVorige KnopVolgende KnopSpelen Lijst MnuBestandVerwijderen "
                               u"MnuBestandOpen mnuChange"_s.split(u' ')),
             QStringList());
    QVERIFY(kavrel.optType(0)->isEnabled());
    QCOMPARE(kavrel.focused(), kavrel.find<QWidget>(u"Picture1"_s));
    QCOMPARE(kavrel.onDisk(u"Games"_s, u"Count"_s), u"0"_s);
    QCOMPARE(kavrel.storedGame(1), solo);
    // The game's files are the user's: none of them goes.
    for (const QString& file : {solo.GPath, solo.GBmp, solo.GText})
        QVERIFY2(QFile::exists(file), qPrintable(file));

    // From the empty state a game comes in again.
    addGame(kavrel, solo.GPath, {u"Again"_s});
    VERIFY_DIALOGS(kavrel.dialogs);
    QCOMPARE(kavrel.listEntries(), QStringList{u"Again"_s});
    QCOMPARE(kavrel.storedGame(1), (GameEntry{.GPath = solo.GPath, .GTitle = u"Again"_s}));
}

QTEST_MAIN(RemoveGameTest)
#include "tst_removegame.moc"
