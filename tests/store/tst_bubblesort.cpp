// The title sort in the window: the game table and the title list move together, the selected
// title is selected and shown again.
#include "ExchangeSortReference.h"
#include "KavrelFixture.h"

#include <QRandomGenerator>

class BubbleSortTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sortsTableAndListTogether() {
        QRandomGenerator random(7);
        QStringList drawn;
        for (int i = 0; i < 120; ++i)
            drawn.append(u"Doom|doom|Dune|Doom II|"_s.split(u'|')[random.bounded(5)]);
        // The titles and the game selected.
        const std::pair<QStringList, int> cases[] = {
            {{}, -1}, {u"A|B|C"_s.split(u'|'), 1}, {u"B|A|B"_s.split(u'|'), 0}, {drawn, 17}};
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
            const int reselected =
                selected < 0 ? -1 : int(sortedTitles.lastIndexOf(titles[selected]));
            QCOMPARE(kavrel.list()->ListIndex(), reselected);
            if (reselected >= 0)
                QCOMPARE(window.windowTitle() + u'|' +
                             kavrel.find<DescriptionBox>(u"RTB1"_s)->toPlainText(),
                         u"Kavrel (Game %1 of %2)|"_s.arg(reselected + 1).arg(titles.size()) +
                             sorted[reselected].GPath.mid(1));
        }
    }
};

QTEST_MAIN(BubbleSortTest)
#include "tst_bubblesort.moc"
