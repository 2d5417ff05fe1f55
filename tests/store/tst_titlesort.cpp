// The title order, where the exchange sort leaves equal titles, and the sort in the window: the
// game table and the title list move together, and the selected title is selected and shown again.
#include "KavrelFixture.h"
#include "store/TitleSort.h"

#include <QRandomGenerator>
#include <numeric>

// The exchange sort as it is meant to run, swap by swap: element k is the index of the title
// that ends at position k. Slow, and plain enough to trust as the reference.
static std::vector<int> exchangeSortedByHand(QStringList titles) {
    std::vector<int> order(static_cast<std::size_t>(titles.size()));
    std::iota(order.begin(), order.end(), 0);
    for (qsizetype i = 0; i + 1 < titles.size(); ++i) {
        for (qsizetype j = i + 1; j < titles.size(); ++j) {
            if (titleBefore(titles[j], titles[i])) {
                titles.swapItemsAt(i, j);
                std::swap(order[static_cast<std::size_t>(i)], order[static_cast<std::size_t>(j)]);
            }
        }
    }
    return order;
}

class TitleSortTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void ordersTitlesAsTheExchangeSortLeavesThem() {
        // By character code, not by language: the blank, digits, capitals, small letters, and
        // beyond ASCII "É" after every small letter; a title before the longer ones it begins.
        const QStringList titles =
            u"\u00c9cole|zulu|apple|Zebra|Alpha II|Alpha|9 Lives|0 Zero| Space|"_s.split(u'|');
        QCOMPARE(exchangeSortOrder(titles), (std::vector<int>{9, 8, 7, 6, 5, 4, 3, 2, 1, 0}));
        // Equal titles never swap with each other, yet their swaps with other titles reorder them:
        // titles drawn from a few letters hold many equal ones, in every arrangement.
        QRandomGenerator random(20240611);
        for (const QString& letters :
             {u"A|B"_s, u"A|B|C"_s, u"a|A|A ||Ab|b"_s, u"1|2|3|4|5|6|7|8|9|10|11|12"_s}) {
            const QStringList alphabet = letters.split(u'|');
            for (int count : {2, 3, 4, 5, 6, 7, 8, 10, 13, 20, 40, 100, 300}) {
                for (int round = 0; round < (count <= 8 ? 300 : 40); ++round) {
                    QStringList drawn;
                    for (int i = 0; i < count; ++i)
                        drawn.append(alphabet[random.bounded(int(alphabet.size()))]);
                    QVERIFY2(exchangeSortOrder(drawn) == exchangeSortedByHand(drawn),
                             qPrintable(drawn.join(u',')));
                }
            }
        }
    }

    void sortsTableAndListTogether() {
        QRandomGenerator random(7);
        QStringList drawn;
        for (int i = 0; i < 120; ++i)
            drawn.append(u"Doom|doom|Dune|Doom II|"_s.split(u'|')[random.bounded(5)]);
        // The titles and the game selected.
        const std::pair<QStringList, int> cases[] = {{u"B|A|B"_s.split(u'|'), 0}, {drawn, 17}};
        for (const auto& [titles, selected] : cases) {
            KavrelFixture kavrel;
            QList<GameEntry> games;
            for (int i = 0; const QString& title : titles) {
                const QString n = QString::number(i++);
                games.append(
                    {u"p"_s + n, {}, kavrel.writeFile(n, n.toLatin1()), title, i % 3 == 0});
            }
            kavrel.seedGames(games, selected);
            Hoofdscherm& window = kavrel.start();
            window.setWindowTitle(u"stale"_s);

            window.BubbleSort();

            QList<GameEntry> sorted;
            QStringList sortedTitles;
            for (int i : exchangeSortedByHand(titles)) {
                sorted.append(games[i]);
                sortedTitles.append(titles[i]);
            }
            QCOMPARE(tableOf(window), sorted);
            QCOMPARE(kavrel.listEntries(), sortedTitles);
            // With equal titles the last of them is selected, whichever game was, and shown afresh.
            const int reselected = int(sortedTitles.lastIndexOf(titles[selected]));
            QCOMPARE(kavrel.list()->ListIndex(), reselected);
            QCOMPARE(window.windowTitle() + u'|' +
                         kavrel.find<DescriptionBox>(u"RTB1"_s)->toPlainText(),
                     u"Kavrel (Game %1 of %2)|"_s.arg(reselected + 1).arg(titles.size()) +
                         sorted[reselected].GPath.mid(1));
        }
    }
};

QTEST_MAIN(TitleSortTest)
#include "tst_titlesort.moc"
