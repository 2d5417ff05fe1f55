// The title order and where the exchange sort leaves equal titles; no window needed.
#include "ExchangeSortReference.h"
#include "KavrelFixture.h"

#include <QRandomGenerator>

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
};

QTEST_APPLESS_MAIN(TitleSortTest)
#include "tst_titlesort.moc"
