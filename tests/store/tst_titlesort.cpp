// The title order and where the sort leaves equal titles, checked against the exchange sort
// itself; no window needed.
#include "store/TitleSort.h"

#include <QRandomGenerator>
#include <QTest>
#include <numeric>

namespace {

// The exchange sort as it is meant to run, swap by swap, on the indexes of the titles.
std::vector<int> exchangeSortedByHand(const QStringList& titles) {
    QStringList sorted = titles;
    std::vector<int> order(static_cast<std::size_t>(titles.size()));
    std::iota(order.begin(), order.end(), 0);
    const qsizetype n = sorted.size();
    for (qsizetype i = 0; i + 1 < n; ++i) {
        for (qsizetype j = i + 1; j < n; ++j) {
            if (titleBefore(sorted[j], sorted[i])) {
                sorted.swapItemsAt(i, j);
                std::swap(order[static_cast<std::size_t>(i)], order[static_cast<std::size_t>(j)]);
            }
        }
    }
    return order;
}

QString indexes(const std::vector<int>& order) {
    QStringList result;
    for (int index : order)
        result.append(QString::number(index));
    return result.join(u',');
}

QStringList randomTitles(QRandomGenerator& random, int count, const QStringList& alphabet) {
    QStringList titles;
    for (int i = 0; i < count; ++i)
        titles.append(alphabet[random.bounded(int(alphabet.size()))]);
    return titles;
}

} // namespace

class TitleSortTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void comparesByCharacterCode();
    void ordersTitles_data();
    void ordersTitles();
    void equalTitlesEndWhereTheExchangesLeaveThem();
    void matchesTheExchangeSortOnRandomTitles();
    void largeReversedCollection();
};

void TitleSortTest::comparesByCharacterCode() {
    QVERIFY(titleBefore(QStringLiteral("Zebra"), QStringLiteral("apple")));
    QVERIFY(titleBefore(QStringLiteral("9 Lives"), QStringLiteral("Alpha")));
    QVERIFY(titleBefore(QStringLiteral(" Space"), QStringLiteral("0 Zero")));
    QVERIFY(titleBefore(QStringLiteral("Alpha"), QStringLiteral("Alpha II")));
    QVERIFY(titleBefore(QString(), QStringLiteral("A")));
    QVERIFY(!titleBefore(QStringLiteral("Alpha"), QStringLiteral("Alpha")));
    QVERIFY(!titleBefore(QStringLiteral("alpha"), QStringLiteral("Alpha")));
    // Beyond ASCII the code decides too, not the language: "É" comes after every small letter.
    QVERIFY(titleBefore(QStringLiteral("zulu"), QStringLiteral("\u00c9cole")));
}

void TitleSortTest::ordersTitles_data() {
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QList<int>>("expected");
    QTest::newRow("empty") << QStringList() << QList<int>();
    QTest::newRow("one") << QStringList{QStringLiteral("Alone")} << QList<int>{0};
    QTest::newRow("capitals first")
        << QStringList{QStringLiteral("b"), QStringLiteral("a"), QStringLiteral("C")}
        << QList<int>{2, 1, 0};
    QTest::newRow("beginning first")
        << QStringList{QStringLiteral("Alpha II"), QStringLiteral("Alpha")} << QList<int>{1, 0};
    QTest::newRow("already sorted")
        << QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}
        << QList<int>{0, 1, 2};
    QTest::newRow("zebra alpha moon")
        << QStringList{QStringLiteral("Zebra"), QStringLiteral("Alpha"), QStringLiteral("Moon")}
        << QList<int>{1, 2, 0};
}

void TitleSortTest::ordersTitles() {
    QFETCH(QStringList, titles);
    QFETCH(QList<int>, expected);
    const std::vector<int> order = exchangeSortOrder(titles);
    QCOMPARE(QList<int>(order.begin(), order.end()), expected);
}

void TitleSortTest::equalTitlesEndWhereTheExchangesLeaveThem() {
    // Worked by hand: the first B swaps with the first A, then the second B with the second A,
    // which carries it behind the first B's new place; the third B jumps behind the fourth.
    const QStringList titles{QStringLiteral("B"), QStringLiteral("B"), QStringLiteral("B"),
                             QStringLiteral("A"), QStringLiteral("A"), QStringLiteral("B"),
                             QStringLiteral("A")};
    const std::vector<int> order = exchangeSortOrder(titles);
    QCOMPARE(QList<int>(order.begin(), order.end()), (QList<int>{3, 4, 6, 0, 1, 5, 2}));
    QCOMPARE(order, exchangeSortedByHand(titles));

    // Not a stable sort: the two copies of "Same" end in the opposite order.
    const QStringList swapped{QStringLiteral("Same"), QStringLiteral("Same"), QStringLiteral("A")};
    QCOMPARE(exchangeSortedByHand(swapped), (std::vector<int>{2, 1, 0}));
    QCOMPARE(exchangeSortOrder(swapped), (std::vector<int>{2, 1, 0}));
}

void TitleSortTest::matchesTheExchangeSortOnRandomTitles() {
    QRandomGenerator random(20240611);
    const QList<QStringList> alphabets = {
        {QStringLiteral("A"), QStringLiteral("B")},
        {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")},
        {QStringLiteral("a"), QStringLiteral("A"), QStringLiteral("A "), QStringLiteral(""),
         QStringLiteral("Ab"), QStringLiteral("b")},
        {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
         QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7"), QStringLiteral("8"),
         QStringLiteral("9"), QStringLiteral("10"), QStringLiteral("11"), QStringLiteral("12")},
    };
    int checked = 0;
    for (const QStringList& alphabet : alphabets) {
        for (int count : {0, 1, 2, 3, 4, 5, 6, 7, 8, 10, 13, 20, 40, 100, 300}) {
            const int rounds = count <= 8 ? 300 : 40;
            for (int round = 0; round < rounds; ++round) {
                const QStringList titles = randomTitles(random, count, alphabet);
                const std::vector<int> expected = exchangeSortedByHand(titles);
                const std::vector<int> order = exchangeSortOrder(titles);
                if (order != expected) {
                    QFAIL(
                        qPrintable(QStringLiteral("titles %1 end in the order %2, expected %3")
                                       .arg(titles.join(u','), indexes(order), indexes(expected))));
                }
                ++checked;
            }
        }
    }
    QCOMPARE(checked, 4 * (9 * 300 + 6 * 40));
}

void TitleSortTest::largeReversedCollection() {
    // Every pass of the exchange sort swaps with each title after it: the worst case for swapping.
    QStringList titles;
    for (int i = 2000; i > 0; --i)
        titles.append(QStringLiteral("Game %1").arg(i % 700, 4, 10, QChar(u'0')));
    QCOMPARE(exchangeSortOrder(titles), exchangeSortedByHand(titles));
}

QTEST_APPLESS_MAIN(TitleSortTest)
#include "tst_titlesort.moc"
