// The title order and where the exchange sort leaves equal titles; no window needed.
#include "ExchangeSortReference.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;

class TitleSortTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void ordersTitles_data();
    void ordersTitles();
    void matchesTheExchangeSortOnRandomTitles();
};

void TitleSortTest::ordersTitles_data() {
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QList<int>>("expected");
    QTest::newRow("empty") << QStringList() << QList<int>();
    QTest::newRow("beginning first") << u"Alpha II|Alpha"_s.split(u'|') << QList<int>{1, 0};
    // By character code, not by language: the blank, digits, capitals, small letters, and
    // beyond ASCII "É" after every small letter.
    QTest::newRow("character codes")
        << u"\u00c9cole|zulu|apple|Zebra|Alpha|9 Lives|0 Zero| Space|"_s.split(u'|')
        << QList<int>{8, 7, 6, 5, 4, 3, 2, 1, 0};
    // Equal titles never swap with each other, yet their swaps with other titles reorder them:
    // the first B swaps with the first A, the second B with the second A, which carries it
    // behind the first; the third B jumps behind the fourth.
    QTest::newRow("equal titles reversed") << u"Same|Same|A"_s.split(u'|') << QList<int>{2, 1, 0};
    QTest::newRow("equal titles interleaved")
        << u"B|B|B|A|A|B|A"_s.split(u'|') << QList<int>{3, 4, 6, 0, 1, 5, 2};
}

void TitleSortTest::ordersTitles() {
    QFETCH(QStringList, titles);
    QFETCH(QList<int>, expected);
    const std::vector<int> order = exchangeSortOrder(titles);
    QCOMPARE(QList<int>(order.begin(), order.end()), expected);
    QCOMPARE(exchangeSortedByHand(titles), order);
}

void TitleSortTest::matchesTheExchangeSortOnRandomTitles() {
    QRandomGenerator random(20240611);
    const QStringList alphabets[] = {u"A|B"_s.split(u'|'), u"A|B|C"_s.split(u'|'),
                                     u"a|A|A ||Ab|b"_s.split(u'|'),
                                     u"1|2|3|4|5|6|7|8|9|10|11|12"_s.split(u'|')};
    for (const QStringList& alphabet : alphabets) {
        for (int count : {2, 3, 4, 5, 6, 7, 8, 10, 13, 20, 40, 100, 300}) {
            for (int round = 0; round < (count <= 8 ? 300 : 40); ++round) {
                QStringList titles;
                for (int i = 0; i < count; ++i)
                    titles.append(alphabet[random.bounded(int(alphabet.size()))]);
                QVERIFY2(exchangeSortOrder(titles) == exchangeSortedByHand(titles),
                         qPrintable(titles.join(u',')));
            }
        }
    }
    // Every pass swaps with each title after it: the most exchanges there can be.
    QStringList reversed;
    for (int i = 2000; i > 0; --i)
        reversed.append(u"Game %1"_s.arg(i % 700, 4, 10, QChar(u'0')));
    QCOMPARE(exchangeSortOrder(reversed), exchangeSortedByHand(reversed));
}

QTEST_APPLESS_MAIN(TitleSortTest)
#include "tst_titlesort.moc"
