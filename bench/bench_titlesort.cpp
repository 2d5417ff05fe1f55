// How long the title sort takes for a full collection of 9999 games: the order alone, the
// window's sort of the table and the list, and a whole rename that sorts and stores everything.
// Run by hand: build/default/bench/bench_titlesort
#include "KavrelFixture.h"
#include "store/TitleSort.h"
#include "window/GameList.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QTest>

namespace {

constexpr int FullCollection = 9999;

QString numbered(int n) {
    return QStringLiteral("Game %1").arg(n, 5, 10, QChar(u'0'));
}

QStringList reversedTitles() {
    QStringList titles;
    for (int n = FullCollection; n >= 1; --n)
        titles.append(numbered(n));
    return titles;
}

QList<GameEntry> gamesTitled(const QStringList& titles) {
    QList<GameEntry> games;
    for (int n = 0; n < titles.size(); ++n)
        games.append(GameEntry{QStringLiteral("p%1").arg(n), {}, {}, titles[n], true});
    return games;
}

} // namespace

class TitleSortBench : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void order_data();
    void order();
    void windowSortOfReversedCollection();
    void renameInSortedCollection();
};

void TitleSortBench::order_data() {
    QTest::addColumn<QStringList>("titles");
    QTest::newRow("reversed") << reversedTitles();
    QRandomGenerator random(1);
    QStringList duplicates;
    for (int n = 0; n < FullCollection; ++n)
        duplicates.append(numbered(int(random.bounded(300))));
    QTest::newRow("random, many duplicates") << duplicates;
    QStringList oneNew;
    for (int n = 1; n < FullCollection; ++n)
        oneNew.append(numbered(2 * n));
    oneNew.append(numbered(5001));
    QTest::newRow("sorted, one new at the end") << oneNew;
    // The most work for the copies: each smaller title cuts them into one more group.
    QStringList interleaved;
    for (int n = 0; n < FullCollection; ++n)
        interleaved.append(n % 2 == 0 ? QStringLiteral("Zzz") : numbered(n));
    QTest::newRow("one title interleaved with others") << interleaved;
    QTest::newRow("all equal") << QStringList(FullCollection, QStringLiteral("Same"));
}

void TitleSortBench::order() {
    QFETCH(QStringList, titles);
    std::vector<int> order;
    QBENCHMARK {
        order = exchangeSortOrder(titles);
    }
    QCOMPARE(int(order.size()), FullCollection);
}

void TitleSortBench::windowSortOfReversedCollection() {
    KavrelFixture kavrel;
    kavrel.seedGames(gamesTitled(reversedTitles()));
    Hoofdscherm& window = kavrel.start();
    QBENCHMARK_ONCE {
        window.BubbleSort();
    }
    QCOMPARE(kavrel.list()->List(0), numbered(1));
    QCOMPARE(window.games()[FullCollection].GTitle, numbered(FullCollection));
    QCOMPARE(kavrel.list()->ListIndex(), FullCollection - 1);
}

void TitleSortBench::renameInSortedCollection() {
    QStringList titles = reversedTitles();
    std::reverse(titles.begin(), titles.end());
    KavrelFixture kavrel;
    kavrel.seedGames(gamesTitled(titles), FullCollection - 1);
    Hoofdscherm& window = kavrel.start();
    kavrel.dialogs.type(QStringLiteral("Aardvark"));
    // Sorts, rewrites all 9999 sections and commits them to the disk.
    QBENCHMARK_ONCE {
        kavrel.action(QStringLiteral("MnuBewerkenTitel"))->trigger();
    }
    QCOMPARE(kavrel.list()->ListIndex(), 0);
    QCOMPARE(window.games()[1].GTitle, QStringLiteral("Aardvark"));
    VERIFY_DIALOGS(kavrel.dialogs);
}

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TitleSortBench bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "bench_titlesort.moc"
