// The title sort in the window: the game table and the title list move together, the selected
// title is selected and shown again, and nothing is stored.
#include "CollectionChecks.h"
#include "ExchangeSortReference.h"
#include "window/DescriptionBox.h"
#include "window/GameList.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

class BubbleSortTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sortsTableAndListTogether_data();
    void sortsTableAndListTogether();
};

void BubbleSortTest::sortsTableAndListTogether_data() {
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<int>("selected");
    QTest::newRow("empty") << QStringList() << -1;
    QTest::newRow("one game") << QStringList{u"Solo"_s} << 0;
    QTest::newRow("two games") << u"Alpha II|Alpha"_s.split(u'|') << 0;
    QTest::newRow("already sorted") << u"A|B|C"_s.split(u'|') << 1;
    QTest::newRow("zebra alpha moon") << u"Zebra|Alpha|Moon"_s.split(u'|') << 0;
    QTest::newRow("equal titles") << u"B|A|B"_s.split(u'|') << 0;
    QRandomGenerator random(7);
    const QStringList names = u"Doom|doom|Dune|Doom II|"_s.split(u'|');
    QStringList titles;
    for (int i = 0; i < 120; ++i)
        titles.append(names[random.bounded(int(names.size()))]);
    QTest::newRow("random") << titles << 17;
}

void BubbleSortTest::sortsTableAndListTogether() {
    QFETCH(QStringList, titles);
    QFETCH(int, selected);
    KavrelFixture kavrel;
    QList<GameEntry> games;
    for (int i = 0; i < titles.size(); ++i)
        games.append({u"p%1"_s.arg(i), u"b%1"_s.arg(i),
                      kavrel.writeFile(u"%1.txt"_s.arg(i), "About p" + QByteArray::number(i)),
                      titles[i], i % 3 == 0});
    kavrel.seedGames(games, selected);
    Hoofdscherm& window = kavrel.start();
    QSignalSpy entryChanges(kavrel.list()->model(), &QAbstractItemModel::dataChanged);
    window.setWindowTitle(u"stale"_s);

    window.BubbleSort();

    QList<GameEntry> sorted;
    QStringList sortedTitles;
    for (int i : exchangeSortedByHand(titles)) {
        sorted.append(games[i]);
        sortedTitles.append(titles[i]);
    }
    // With equal titles the last of them is selected, whichever game was.
    const int reselected = selected < 0 ? -1 : int(sortedTitles.lastIndexOf(titles[selected]));
    QCOMPARE(tableOf(window), sorted);
    QCOMPARE(kavrel.listEntries(), sortedTitles);
    QCOMPARE(kavrel.list()->ListIndex(), reselected);
    // The selection is assigned again, which shows the game at its new place.
    if (reselected >= 0) {
        QCOMPARE(window.windowTitle(),
                 u"Kavrel (Game %1 of %2)"_s.arg(reselected + 1).arg(titles.size()));
        QCOMPARE(kavrel.find<DescriptionBox>(u"RTB1"_s)->toPlainText(),
                 u"About "_s + sorted[reselected].GPath);
    }
    // A sorted list is left alone, and the callers store the sorted table.
    if (sorted == games)
        QCOMPARE(entryChanges.count(), 0);
    QCOMPARE(kavrel.storedGame(1).GPath, games.value(0).GPath);
}

QTEST_MAIN(BubbleSortTest)
#include "tst_bubblesort.moc"
