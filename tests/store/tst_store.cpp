// The collection as stored: the window that comes up for an empty store, for a stored collection,
// and for stores that hold what Kavrel itself never writes or that were not read as they stand;
// the title order, where the exchange sort leaves equal titles, and the sort in the window.
#include "KavrelFixture.h"
#include "store/StoreLayout.h"
#include "store/TitleSort.h"

#include <QRandomGenerator>
#include <QSettings>
#include <QStringEncoder>
#include <numeric>

// The exchange sort as it is meant to run, swap by swap: element k is the index of the title
// that ends at position k. Slow, and plain enough to trust as the reference.
static std::vector<int> exchangeSortedByHand(QStringList titles) {
    std::vector<int> order(titles.size());
    std::iota(order.begin(), order.end(), 0);
    for (qsizetype i = 0; i + 1 < titles.size(); ++i)
        for (qsizetype j = i + 1; j < titles.size(); ++j)
            if (titleBefore(titles[j], titles[i])) {
                titles.swapItemsAt(i, j);
                std::swap(order[i], order[j]);
            }
    return order;
}

class StoreTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aStoredCollectionComesUpAsStoredAndIsNotRewrittenWhileBrowsing() {
        // The game selected at the last exit comes up, when it is in the collection; at the count
        // or without a number, the first. Stored out of title order: start-up keeps the stored
        // order. Neither start-up nor browsing writes anything.
        for (const auto& [last, shown] : {std::pair(u"2"_s, 2), {u"3"_s, 0}, {u"third"_s, 0}}) {
            KavrelFixture kavrel;
            kavrel.seedGames({{.GTitle = u"Zebra"_s},
                              {.GTitle = u"Alpha"_s},
                              {.GTitle = u"Moon"_s, .GType = false}});
            kavrel.seed(u"Games"_s, u"Last"_s, last);
            kavrel.seed(u"Options"_s, u"GExit"_s, u"True"_s);
            const QString version = fileVersion(kavrel.storePath());
            Hoofdscherm& window = kavrel.start();
            QCOMPARE(kavrel.listEntries(), u"Zebra,Alpha,Moon"_s.split(u','));
            QCOMPARE(window.windowTitle(), u"Kavrel (Game %1 of 3)"_s.arg(shown + 1));
            QCOMPARE(kavrel.optType(1)->isChecked(), shown == 2);
            QCOMPARE(kavrel.find<QWidget>(u"KnopVorige"_s)->isEnabled(), shown > 0);
            kavrel.pickTitle(1);
            kavrel.pickTitle(0);
            QCOMPARE(fileVersion(kavrel.storePath()), version);
            kavrel.find<QCheckBox>(u"ExitCheck"_s)->click();
            QVERIFY(fileVersion(kavrel.storePath()) != version);
            VERIFY_DIALOGS(kavrel.dialogs);
        }
    }

    void storesKavrelNeverWroteLoadWhatTheyCan() {
        KavrelFixture kavrel;
        // A count with fewer sections behind it, and types Kavrel never writes, in canonical form.
        kavrel.seed(u"Games"_s, u"Count"_s, u"3"_s);
        kavrel.seed(u"Game0001"_s, u"GType"_s, u"0"_s);
        kavrel.seed(u"Game0002"_s, u"GType"_s, u"true"_s);
        kavrel.seed(u"Options"_s, u"GExit"_s, u"0"_s);
        // A count above the sections stored is read, and the file kept aside with a notice.
        kavrel.dialogs.acknowledge();
        QCOMPARE(kavrel.start().games().count(), 3);
        VERIFY_DIALOGS(kavrel.dialogs);
        QVERIFY(!kavrel.find<QCheckBox>(u"ExitCheck"_s)->isChecked() &&
                !kavrel.action(u"mnuExitOption"_s)->isChecked());
        const auto stored = [&](const QString& section, const QString& key) {
            return kavrel.onDisk(section, key).value_or(u"absent"_s);
        };
        QCOMPARE((QStringList{stored(GameKey(1), u"GType"_s), stored(GameKey(2), u"GType"_s),
                              stored(GameKey(3), u"GType"_s), stored(u"Options"_s, u"GExit"_s)}),
                 u"False True True False"_s.split(u' '));
    }

    void aMisreadStoreIsCopiedAsideBeforeTheFirstWrite_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("copied");
        const QByteArray games = "[Game0001]\nGTitle=One\n[Games]\nCount=1\n";
        QTest::newRow("as Kavrel writes it") << games << false;
        QTest::newRow("subsections") << games + "[Options/A]\nX=1\n[Options\\B]\nY=1\n" << false;
        QTest::newRow("a bracket in a title")
            << "[Game0001]\nGTitle=A]\nGType=True\n[Games]\nCount=1\n"_ba << false;
        QTest::newRow("a quote within a title")
            << "[Game0000]\nGTitle=12\" edition\n" + games << false;
        QTest::newRow("a quote that never closes")
            << "[Game0000]\nGTitle=\"12 edition\n" + games << true;
        QTest::newRow("a section twice") << games + "[Game0001]\nGPath=/a\n" << true;
        QTest::newRow("no count") << QByteArray("[Game0001]\nGTitle=One\n") << true;
        QTest::newRow("a key that cannot be read") << games + "[Notes]\n\\=1\n" << true;
        QTest::newRow("not UTF-8") << games + "; caf\xE9\n" << true;
        const QString text = QString::fromLatin1(games);
        QTest::newRow("UTF-16") << QByteArray(QStringEncoder(QStringEncoder::Utf16LE)(text))
                                << true;
    }

    void aMisreadStoreIsCopiedAsideBeforeTheFirstWrite() {
        QFETCH(QByteArray, content);
        QFETCH(bool, copied);
        KavrelFixture kavrel;
        kavrel.writeFile(u"config/Kavrel/Kavrel.conf"_s, content);
        if (copied)
            kavrel.dialogs.acknowledge();
        kavrel.start();
        kavrel.find<QCheckBox>(u"ExitCheck"_s)->click();
        VERIFY_DIALOGS(kavrel.dialogs);
        const QDir folder(kavrel.path(u"config/Kavrel"_s));
        const QStringList copies = folder.entryList({u"Kavrel.conf.unreadable-*"_s});
        QCOMPARE(copies.size(), copied ? 1 : 0);
        QCOMPARE(kavrel.onDisk(u"Options"_s, u"GExit"_s), u"False"_s);
        if (!copied)
            return;
        const QString copy = folder.filePath(copies.front());
        QVERIFY(fileBytes(copy) == content &&
                kavrel.dialogs.last().prompt.contains(QDir::toNativeSeparators(copy)));
    }

    void anUnreadableGameCountHidesNoGames_data() {
        QTest::addColumn<QString>("count"); // "absent": no count at all
        QTest::addColumn<int>("shown");
        QTest::addColumn<QString>("stored"); // the titles of sections 1 to 6 after an add
        QTest::addColumn<bool>("misread");
        // Games 1, 2, 3 and 5 are stored; game 4 reads as a game with nothing stored.
        const QString all = u",Alpha,Bravo,Charlie,Echo,Zulu"_s;
        for (const char* count : {"40000", "-5", "lots", "5 games", "1e3", "", "absent"})
            QTest::newRow(count) << QString::fromLatin1(count) << 5 << all << true;
        // Numbers Kavrel writes: the games above the count were removed; a count above the
        // sections gives games with nothing stored, as ever, and keeps the file aside.
        QTest::newRow("5") << u"5"_s << 5 << all << false;
        QTest::newRow("3") << u"3"_s << 3 << u"Alpha,Bravo,Charlie,Zulu,Echo,"_s << false;
        QTest::newRow("0") << u"0"_s << 0 << u"Zulu,Bravo,Charlie,,Echo,"_s << false;
        QTest::newRow("7") << u"7"_s << 7 << u",,,Alpha,Bravo,Charlie"_s << true;
    }

    void anUnreadableGameCountHidesNoGames() {
        QFETCH(QString, count);
        QFETCH(int, shown);
        QFETCH(QString, stored);
        QFETCH(bool, misread);
        KavrelFixture kavrel;
        QList<GameEntry> games;
        for (const QString& title : u"Alpha Bravo Charlie Delta Echo"_s.split(u' '))
            games.append({.GPath = u"/games/"_s + title, .GTitle = title});
        kavrel.seedGames(games);
        QSettings file(kavrel.storePath(), QSettings::IniFormat);
        file.remove(u"Game0004"_s);
        count == u"absent"_s ? file.remove(u"Games/Count"_s)
                             : file.setValue(u"Games/Count"_s, count);
        file.sync();
        const QByteArray before = kavrel.storeFileBytes();
        if (misread)
            kavrel.dialogs.acknowledge();
        Hoofdscherm& window = kavrel.start();
        QCOMPARE(window.windowTitle(), u"Kavrel (Game %1 of %2)"_s.arg(shown ? 1 : 0).arg(shown));
        addGame(kavrel, kavrel.writeFile(u"ZULU.EXE"_s, "MZ"), {u"Zulu"_s});
        VERIFY_DIALOGS(kavrel.dialogs);
        QStringList titles;
        for (int n = 1; n <= 6; ++n)
            titles.append(kavrel.storedGame(n).GTitle);
        QCOMPARE(std::pair(kavrel.onDisk(u"Games"_s, u"Count"_s), titles.join(u',')),
                 std::pair(std::optional(QString::number(shown + 1)), stored));
        const QStringList copies =
            QDir(kavrel.path(u"config/Kavrel"_s)).entryList({u"Kavrel.conf.unreadable-*"_s});
        QCOMPARE(copies.size(), misread ? 1 : 0);
        if (misread)
            QCOMPARE(fileBytes(kavrel.path(u"config/Kavrel/"_s + copies.front())), before);
    }

    void aStoreThatRefusesWritesIsReportedOnceWithItsCause_data() {
        QTest::addColumn<QString>("inTheWay"); // made a file, or with a trailing '/' a folder
        QTest::addColumn<QString>("reason");
        QTest::newRow("a file") << u"config/Kavrel"_s << u"The folder %1 cannot be created"_s;
        QTest::newRow("a folder") << u"config/Kavrel/Kavrel.conf/"_s << u"%1 is a folder"_s;
    }

    void aStoreThatRefusesWritesIsReportedOnceWithItsCause() {
        QFETCH(QString, inTheWay);
        QFETCH(QString, reason);
        KavrelFixture kavrel;
        // Nobody, root included, can write the store then.
        QVERIFY(QDir(kavrel.path(u"config/Kavrel"_s)).removeRecursively());
        const QString blocker = kavrel.path(inTheWay);
        QVERIFY(inTheWay.endsWith(u'/') ? QDir().mkpath(blocker)
                                        : QFile(blocker).open(QIODevice::WriteOnly));
        kavrel.dialogs.acknowledge();
        Hoofdscherm& window = kavrel.start();
        // The window keeps running on what it holds, and says so only once a run.
        kavrel.find<QCheckBox>(u"ExitCheck"_s)->click();
        QVERIFY(!window.autoExit() && kavrel.dialogs.shown().size() == 1);
        VERIFY_DIALOGS(kavrel.dialogs);
        const QString prompt = kavrel.dialogs.last().prompt;
        QVERIFY2(prompt.contains(reason.arg(QDir::cleanPath(blocker))), qPrintable(prompt));
    }

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
            for (int count : {2, 3, 4, 5, 6, 7, 8, 10, 13, 20, 40, 100, 300})
                for (int round = 0; round < (count <= 8 ? 300 : 40); ++round) {
                    QStringList drawn;
                    for (int i = 0; i < count; ++i)
                        drawn.append(alphabet[random.bounded(int(alphabet.size()))]);
                    QVERIFY2(exchangeSortOrder(drawn) == exchangeSortedByHand(drawn),
                             qPrintable(drawn.join(u',')));
                }
        }
    }
};

QTEST_MAIN(StoreTest)
#include "tst_store.moc"
