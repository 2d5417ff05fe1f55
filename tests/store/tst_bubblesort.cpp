// The title sort in the window: the game table and the title list move together, the selected
// title is selected and shown again, and nothing is written.
#include "KavrelFixture.h"
#include "store/TitleSort.h"
#include "window/DescriptionBox.h"
#include "window/GameList.h"
#include "window/PictureBox.h"

#include <QRadioButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

namespace {

GameEntry game(const QString& title, const QString& path, bool dos = true) {
    return GameEntry{path, path + QStringLiteral(".bmp"), path + QStringLiteral(".txt"), title,
                     dos};
}

QStringList pathsOf(const GameTable& games) {
    QStringList paths;
    for (const GameEntry& entry : games)
        paths.append(entry.GPath);
    return paths;
}

} // namespace

class BubbleSortTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void selectedGameIsShownAtItsNewPlace();
    void sortedCollectionStaysInPlace();
    void oneGameAndNoGame();
    void matchesTheExchangeSortInTheWindow();
};

void BubbleSortTest::selectedGameIsShownAtItsNewPlace() {
    KavrelFixture kavrel;
    const QString zebraPicture =
        kavrel.writePicture(QStringLiteral("zebra.bmp"), QSize(8, 8), Qt::red, "BMP");
    const QString zebraText = kavrel.writeFile(QStringLiteral("zebra.txt"), "Stripes.");
    kavrel.seedGames(
        {GameEntry{QStringLiteral("pz"), zebraPicture, zebraText, QStringLiteral("Zebra"), false},
         game(QStringLiteral("Alpha"), QStringLiteral("pa")),
         game(QStringLiteral("Moon"), QStringLiteral("pm"))});
    Hoofdscherm& window = kavrel.start();
    QCOMPARE(kavrel.list()->ListIndex(), 0);
    kavrel.list()->setFocus();

    window.BubbleSort();

    QCOMPARE(kavrel.listEntries(), (QStringList{QStringLiteral("Alpha"), QStringLiteral("Moon"),
                                                QStringLiteral("Zebra")}));
    QCOMPARE(kavrel.list()->ListIndex(), 2);
    QCOMPARE(window.windowTitle(), QStringLiteral("Kavrel (Game 3 of 3)"));
    QCOMPARE(kavrel.find<PictureBox>(QStringLiteral("Picture1"))->picture().pixelColor(0, 0),
             QColor(Qt::red));
    QCOMPARE(kavrel.find<DescriptionBox>(QStringLiteral("RTB1"))->toPlainText(),
             QStringLiteral("Stripes."));
    QVERIFY(kavrel.optType(1)->isChecked());
    QVERIFY(!kavrel.find<QWidget>(QStringLiteral("KnopVolgende"))->isEnabled());
    QVERIFY(kavrel.find<QWidget>(QStringLiteral("KnopVorige"))->isEnabled());
    QCOMPARE(kavrel.focused(), kavrel.find<QWidget>(QStringLiteral("Picture1")));
    VERIFY_DIALOGS(kavrel.dialogs);
}

void BubbleSortTest::sortedCollectionStaysInPlace() {
    KavrelFixture kavrel;
    kavrel.seedGames({game(QStringLiteral("A"), QStringLiteral("pa")),
                      game(QStringLiteral("B"), QStringLiteral("pb")),
                      game(QStringLiteral("C"), QStringLiteral("pc"))},
                     1);
    Hoofdscherm& window = kavrel.start();
    const GameTable before = window.games();
    QSignalSpy entryChanges(kavrel.list()->model(), &QAbstractItemModel::dataChanged);
    window.setWindowTitle(QStringLiteral("stale"));

    window.BubbleSort();

    QCOMPARE(entryChanges.count(), 0);
    QCOMPARE(pathsOf(window.games()), pathsOf(before));
    QCOMPARE(kavrel.list()->ListIndex(), 1);
    // The selection is assigned again, so the game is shown again.
    QCOMPARE(window.windowTitle(), QStringLiteral("Kavrel (Game 2 of 3)"));
    VERIFY_DIALOGS(kavrel.dialogs);
}

void BubbleSortTest::oneGameAndNoGame() {
    {
        KavrelFixture kavrel;
        kavrel.seedGames({game(QStringLiteral("Solo"), QStringLiteral("ps"))});
        Hoofdscherm& window = kavrel.start();
        window.setWindowTitle(QStringLiteral("stale"));
        window.BubbleSort();
        QCOMPARE(kavrel.listEntries(), QStringList{QStringLiteral("Solo")});
        QCOMPARE(kavrel.list()->ListIndex(), 0);
        QCOMPARE(window.windowTitle(), QStringLiteral("Kavrel (Game 1 of 1)"));
        VERIFY_DIALOGS(kavrel.dialogs);
    }
    {
        KavrelFixture kavrel;
        Hoofdscherm& window = kavrel.start();
        window.BubbleSort();
        QCOMPARE(kavrel.list()->ListCount(), 0);
        QCOMPARE(kavrel.list()->ListIndex(), -1);
        QCOMPARE(window.windowTitle(), QStringLiteral("Kavrel (Game 0 of 0)"));
        VERIFY_DIALOGS(kavrel.dialogs);
    }
}

void BubbleSortTest::matchesTheExchangeSortInTheWindow() {
    QRandomGenerator random(7);
    const QStringList names{QStringLiteral("Doom"), QStringLiteral("doom"), QStringLiteral("Dune"),
                            QStringLiteral("Doom II"), QStringLiteral("")};
    QList<GameEntry> seeded;
    QStringList titles;
    for (int i = 0; i < 120; ++i) {
        const QString title = names[random.bounded(int(names.size()))];
        titles.append(title);
        seeded.append(game(title, QStringLiteral("p%1").arg(i), i % 3 == 0));
    }
    KavrelFixture kavrel;
    kavrel.seedGames(seeded, 17);
    Hoofdscherm& window = kavrel.start();

    window.BubbleSort();

    // The exchange sort, swap by swap, on the titles with their games.
    QList<GameEntry> expected = seeded;
    for (qsizetype i = 0; i + 1 < expected.size(); ++i)
        for (qsizetype j = i + 1; j < expected.size(); ++j)
            if (titleBefore(expected[j].GTitle, expected[i].GTitle))
                expected.swapItemsAt(i, j);
    QCOMPARE(QList<GameEntry>(window.games().begin(), window.games().end()), expected);
    for (int k = 0; k < kavrel.list()->ListCount(); ++k)
        QCOMPARE(kavrel.list()->List(k), expected[k].GTitle);
    int lastMatch = -1;
    for (int k = 0; k < expected.size(); ++k)
        if (expected[k].GTitle == titles[17])
            lastMatch = k;
    // With equal titles the last of them is selected, whichever game was.
    QCOMPARE(kavrel.list()->ListIndex(), lastMatch);
    // The callers store the sorted table; the sort itself writes nothing.
    QCOMPARE(kavrel.storedGame(1), seeded[0]);
    VERIFY_DIALOGS(kavrel.dialogs);
}

QTEST_MAIN(BubbleSortTest)
#include "tst_bubblesort.moc"
