// Start-up: the window that comes up for an empty store, for a stored collection, and for
// stores that hold what Kavrel itself never writes or that were not read as they stand.
#include "KavrelFixture.h"
#include "platform/PictureLoading.h"
#include "store/StoreLayout.h"

namespace {

GameEntry game(const QString& title, bool dos = true) {
    return {QStringLiteral("C:\\GAMES\\%1.EXE").arg(title), {}, {}, title, dos};
}

void clickExitCheck(KavrelFixture& kavrel) {
    kavrel.find<QCheckBox>(QStringLiteral("ExitCheck"))->click();
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theLastGameIsSelectedWhenItIsInTheCollection_data() {
        QTest::addColumn<QString>("last");
        QTest::addColumn<int>("shown");
        QTest::newRow("in the collection") << QStringLiteral("2") << 2;
        QTest::newRow("at the count") << QStringLiteral("3") << 0;
        QTest::newRow("no number reads as the first") << QStringLiteral("third") << 0;
    }

    void theLastGameIsSelectedWhenItIsInTheCollection() {
        QFETCH(QString, last);
        QFETCH(int, shown);
        KavrelFixture kavrel;
        // Stored out of title order: start-up keeps the stored order and writes no order back.
        kavrel.seedGames({game(QStringLiteral("Zebra")), game(QStringLiteral("Alpha")),
                          game(QStringLiteral("Moon"), false)});
        kavrel.seed(QStringLiteral("Games"), QStringLiteral("Last"), last);
        Hoofdscherm& window = kavrel.start();
        QCOMPARE(kavrel.listEntries(), QStringLiteral("Zebra,Alpha,Moon").split(u','));
        QCOMPARE(window.windowTitle(), QStringLiteral("Kavrel (Game %1 of 3)").arg(shown + 1));
        QCOMPARE(kavrel.optType(1)->isChecked(), shown == 2);
        QCOMPARE(kavrel.find<QWidget>(QStringLiteral("KnopVorige"))->isEnabled(), shown > 0);
        QCOMPARE(kavrel.storedGame(1), game(QStringLiteral("Zebra")));
        VERIFY_DIALOGS(kavrel.dialogs);
    }

    void storesKavrelNeverWroteLoadWhatTheyCan() {
        KavrelFixture kavrel;
        // A count with fewer sections behind it, and types Kavrel never writes, in canonical form.
        kavrel.seed(QStringLiteral("Games"), QStringLiteral("Count"), QStringLiteral("3"));
        kavrel.seed(QStringLiteral("Game0001"), QStringLiteral("GType"), QStringLiteral("0"));
        kavrel.seed(QStringLiteral("Game0002"), QStringLiteral("GType"), QStringLiteral("true"));
        kavrel.seed(QStringLiteral("Options"), QStringLiteral("GExit"), QStringLiteral("0"));
        QCOMPARE(kavrel.start().games().count(), 3);
        QVERIFY(!kavrel.find<QCheckBox>(QStringLiteral("ExitCheck"))->isChecked());
        QVERIFY(!kavrel.action(QStringLiteral("mnuExitOption"))->isChecked());
        for (const auto& [n, type] : {std::pair(GameKey(1) + QStringLiteral("/GType"), "False"),
                                      {GameKey(2) + QStringLiteral("/GType"), "True"},
                                      {GameKey(3) + QStringLiteral("/GType"), "True"},
                                      {QStringLiteral("Options/GExit"), "False"}})
            QCOMPARE(kavrel.onDisk(n.section(u'/', 0, 0), n.section(u'/', 1)),
                     QString::fromLatin1(type));
        kavrel.seed(QStringLiteral("Games"), QStringLiteral("Count"), QStringLiteral("-2"));
        QVERIFY(kavrel.start().helpShown());
        QCOMPARE(kavrel.find<PictureBox>(QStringLiteral("Picture1"))->picture(),
                 *LoadPicture(kavrel.appFolder() + QStringLiteral("/Default.bmp")));
        QVERIFY(!kavrel.action(QStringLiteral("MnuBestandVerwijderen"))->isEnabled());
    }

    void aCanonicalStoreIsNeitherRewrittenAtStartNorWhileBrowsing() {
        KavrelFixture kavrel;
        kavrel.seedGames({game(QStringLiteral("One")), game(QStringLiteral("Two"), false)}, 0);
        kavrel.seed(QStringLiteral("Options"), QStringLiteral("GExit"), QStringLiteral("True"));
        const QString version = fileVersion(kavrel.storePath());
        kavrel.start();
        kavrel.pickTitle(1);
        kavrel.pickTitle(0);
        QCOMPARE(fileVersion(kavrel.storePath()), version);
        clickExitCheck(kavrel);
        QVERIFY(fileVersion(kavrel.storePath()) != version);
    }

    void aMisreadStoreIsCopiedAsideBeforeTheFirstWrite_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("copied");
        const QByteArray games = "[Game0001]\nGTitle=One\n[Games]\nCount=1\n";
        const QString text = QString::fromLatin1(games);
        QTest::newRow("as Kavrel writes it") << games << false;
        QTest::newRow("an unbalanced quote") << "[Game0000]\nGTitle=12\" edition\n" + games << true;
        QTest::newRow("no count") << QByteArray("[Game0001]\nGTitle=One\n") << true;
        QTest::newRow("UTF-16") << QByteArray(reinterpret_cast<const char*>(text.utf16()),
                                              text.size() * 2)
                                << true;
    }

    void aMisreadStoreIsCopiedAsideBeforeTheFirstWrite() {
        QFETCH(QByteArray, content);
        QFETCH(bool, copied);
        KavrelFixture kavrel;
        kavrel.writeFile(QStringLiteral("config/Kavrel/Kavrel.conf"), content);
        if (copied)
            kavrel.dialogs.acknowledge();
        kavrel.start();
        clickExitCheck(kavrel);
        VERIFY_DIALOGS(kavrel.dialogs);
        const QDir folder(kavrel.path(QStringLiteral("config/Kavrel")));
        const QStringList copies = folder.entryList({QStringLiteral("Kavrel.conf.unreadable-*")});
        QCOMPARE(copies.size(), copied ? 1 : 0);
        QCOMPARE(kavrel.onDisk(QStringLiteral("Options"), QStringLiteral("GExit")),
                 QStringLiteral("False"));
        if (!copied)
            return;
        QFile copy(folder.filePath(copies.front()));
        QVERIFY(copy.open(QIODevice::ReadOnly) && copy.readAll() == content);
        QVERIFY(kavrel.dialogs.last().prompt.contains(QDir::toNativeSeparators(copy.fileName())));
    }

    void aStoreThatRefusesWritesIsReportedOnce() {
        KavrelFixture kavrel;
        // A file where the store's folder belongs: nobody, root included, can write the store.
        QVERIFY(QDir(kavrel.path(QStringLiteral("config/Kavrel"))).removeRecursively());
        kavrel.writeFile(QStringLiteral("config/Kavrel"), "in the way");
        kavrel.dialogs.acknowledge();
        Hoofdscherm& window = kavrel.start();
        // The window keeps running on what it holds, and says so only once a run.
        clickExitCheck(kavrel);
        QVERIFY(!window.autoExit());
        QCOMPARE(kavrel.dialogs.shown().size(), 1);
        VERIFY_DIALOGS(kavrel.dialogs);
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
