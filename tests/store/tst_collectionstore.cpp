// The stored layout without a window: value conversions, section names, the separator rule,
// and reading and writing the game table.
#include "platform/SettingsStore.h"
#include "platform/ValueConversion.h"
#include "store/CollectionStore.h"
#include "store/Paths.h"
#include "store/StoreLayout.h"

#include <QTemporaryDir>
#include <QTest>

class CollectionStoreTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void numbersAndBooleansConvertAsTheStoreAlwaysHas();
    void gameKeyNamesFourDigitSections();
    void ensureBackslashAddsOneSeparatorAtMost();
    void splitAtLastSeparatorGivesFolderAndName();
    void readingTheTableRewritesEveryTypeCanonically();
    void readingTheTableToleratesBrokenCounts();
    void writingTheTableFollowsItsRows();
};

void CollectionStoreTest::numbersAndBooleansConvertAsTheStoreAlwaysHas() {
    const std::pair<const char*, std::optional<std::int16_t>> integers[] = {
        {"3", 3},
        {" -1 ", -1},
        {"32767", 32767},
        {"32768", std::nullopt},
        {"-32769", std::nullopt},
        {"three", std::nullopt},
        {"", std::nullopt},
        {"2.5", std::nullopt}};
    for (const auto& [text, value] : integers)
        QVERIFY2(toInteger(QString::fromLatin1(text)) == value, text);

    const std::pair<const char*, std::optional<bool>> booleans[] = {
        {"True", true}, {"true", true}, {"FALSE", false},      {"-1", true},
        {"2", true},    {"0", false},   {"yes", std::nullopt}, {"", std::nullopt}};
    for (const auto& [text, value] : booleans)
        QVERIFY2(toBoolean(QString::fromLatin1(text)) == value, text);

    QCOMPARE(booleanText(true), QStringLiteral("True"));
    QCOMPARE(booleanText(false), QStringLiteral("False"));
    QCOMPARE(integerText(-1), QStringLiteral("-1"));
}

void CollectionStoreTest::gameKeyNamesFourDigitSections() {
    QCOMPARE(GameKey(1), QStringLiteral("Game0001"));
    QCOMPARE(GameKey(10), QStringLiteral("Game0010"));
    QCOMPARE(GameKey(42), QStringLiteral("Game0042"));
    QCOMPARE(GameKey(9999), QStringLiteral("Game9999"));
    QCOMPARE(GameKey(10001), QStringLiteral("Game0001"));
}

void CollectionStoreTest::ensureBackslashAddsOneSeparatorAtMost() {
    const QString sep(PathSeparator);
    QCOMPARE(EnsureBackslash(QStringLiteral("games")), QStringLiteral("games") + sep);
    QCOMPARE(EnsureBackslash(QStringLiteral("games") + sep), QStringLiteral("games") + sep);
    QCOMPARE(EnsureBackslash(QString()), sep);
#ifdef Q_OS_WIN
    QCOMPARE(EnsureBackslash(QStringLiteral("C:\\Games")), QStringLiteral("C:\\Games\\"));
    QCOMPARE(EnsureBackslash(QStringLiteral("C:\\")), QStringLiteral("C:\\"));
#else
    QCOMPARE(EnsureBackslash(QStringLiteral("/opt/kavrel")), QStringLiteral("/opt/kavrel/"));
    QCOMPARE(EnsureBackslash(QStringLiteral("/")), QStringLiteral("/"));
#endif
}

void CollectionStoreTest::splitAtLastSeparatorGivesFolderAndName() {
    const QString sep(PathSeparator);
    const PathParts nested = splitAtLastSeparator(
        QStringLiteral("C:") + sep + QStringLiteral("Games") + sep + QStringLiteral("title.gif"));
    QVERIFY(nested.hasSeparator);
    QCOMPARE(nested.folder, QStringLiteral("C:") + sep + QStringLiteral("Games"));
    QCOMPARE(nested.name, QStringLiteral("title.gif"));

    const PathParts root =
        splitAtLastSeparator(QStringLiteral("D:") + sep + QStringLiteral("pic.bmp"));
    QCOMPARE(root.folder, QStringLiteral("D:"));
    QCOMPARE(root.name, QStringLiteral("pic.bmp"));

    // A file in the root of the file system has the empty folder.
    const PathParts top = splitAtLastSeparator(sep + QStringLiteral("X.COM"));
    QVERIFY(top.hasSeparator);
    QCOMPARE(top.folder, QString());
    QCOMPARE(top.name, QStringLiteral("X.COM"));

    QVERIFY(!splitAtLastSeparator(QStringLiteral("ROBOT.EXE")).hasSeparator);
    QVERIFY(!splitAtLastSeparator(QString()).hasSeparator);
}

void CollectionStoreTest::readingTheTableRewritesEveryTypeCanonically() {
    QTemporaryDir folder;
    const auto store = SettingsStore::openIniFile(folder.filePath(QStringLiteral("Kavrel.conf")));
    store->SaveSetting(QStringLiteral("Games"), QStringLiteral("Count"), QStringLiteral("5"));
    const QStringList types = {QStringLiteral("true"), QStringLiteral("-1"), QStringLiteral("0"),
                               QStringLiteral("garbage")};
    for (int n = 1; n <= types.size(); ++n) {
        store->SaveSetting(GameKey(n), QStringLiteral("GTitle"), QStringLiteral("Game %1").arg(n));
        store->SaveSetting(GameKey(n), QStringLiteral("GType"), types[n - 1]);
    }
    store->SaveSetting(GameKey(1), QStringLiteral("GPath"), QStringLiteral("C:\\A\\A.EXE"));
    store->SaveSetting(GameKey(1), QStringLiteral("GBmp"), QStringLiteral("C:\\A\\A.GIF"));
    store->SaveSetting(GameKey(1), QStringLiteral("GText"), QStringLiteral("C:\\A\\A.TXT"));

    const GameTable table = readGameTable(*store);

    QCOMPARE(table.count(), 5);
    QCOMPARE(table[1], (GameEntry{QStringLiteral("C:\\A\\A.EXE"), QStringLiteral("C:\\A\\A.GIF"),
                                  QStringLiteral("C:\\A\\A.TXT"), QStringLiteral("Game 1"), true}));
    QVERIFY(table[2].GType);
    QVERIFY(!table[3].GType);
    QVERIFY(table[4].GType); // no Boolean: the default, a DOS game
    // Game 5 has no section: empty texts, a DOS game, and a section made for it.
    QCOMPARE(table[5], GameEntry{});
    const QStringList canonical = {QStringLiteral("True"), QStringLiteral("True"),
                                   QStringLiteral("False"), QStringLiteral("True"),
                                   QStringLiteral("True")};
    for (int n = 1; n <= 5; ++n)
        QCOMPARE(store->GetSetting(GameKey(n), QStringLiteral("GType"), {}), canonical[n - 1]);
}

void CollectionStoreTest::readingTheTableToleratesBrokenCounts() {
    QTemporaryDir folder;
    const auto store = SettingsStore::openIniFile(folder.filePath(QStringLiteral("Kavrel.conf")));
    const auto countFor = [&](const QString& stored) {
        store->SaveSetting(QStringLiteral("Games"), QStringLiteral("Count"), stored);
        return readGameCount(*store);
    };
    QCOMPARE(countFor(QStringLiteral("-3")), 0);
    QCOMPARE(countFor(QStringLiteral("many")), 0);
    QCOMPARE(countFor(QStringLiteral("40000")), 0);
    QCOMPARE(countFor(QStringLiteral("12000")), 9999);
    QCOMPARE(countFor(QStringLiteral("2")), 2);
}

void CollectionStoreTest::writingTheTableFollowsItsRows() {
    QTemporaryDir folder;
    const auto store = SettingsStore::openIniFile(folder.filePath(QStringLiteral("Kavrel.conf")));
    GameTable table;
    table.append({QStringLiteral("a.exe"), QString(), QString(), QStringLiteral("Alpha"), false});
    table.append({QStringLiteral("b.exe"), QStringLiteral("b.bmp"), QStringLiteral("b.txt"),
                  QStringLiteral("Beta"), true});
    writeGameTable(*store, table);
    QCOMPARE(store->GetSetting(GameKey(1), QStringLiteral("GTitle"), {}), QStringLiteral("Alpha"));
    QCOMPARE(store->GetSetting(GameKey(1), QStringLiteral("GType"), {}), QStringLiteral("False"));
    QCOMPARE(store->GetSetting(GameKey(1), QStringLiteral("GBmp"), QStringLiteral("absent")),
             QString());
    QCOMPARE(store->GetSetting(GameKey(2), QStringLiteral("GText"), {}), QStringLiteral("b.txt"));
    QCOMPARE(store->GetSetting(GameKey(2), QStringLiteral("GType"), {}), QStringLiteral("True"));
}

QTEST_GUILESS_MAIN(CollectionStoreTest)
#include "tst_collectionstore.moc"
