// The stored layout without a window: value conversions, section names and game counts.
#include "platform/SettingsStore.h"
#include "platform/ValueConversion.h"
#include "store/CollectionStore.h"
#include "store/StoreLayout.h"

#include <QTemporaryDir>
#include <QTest>

class CollectionStoreTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void storedTextsConvertAsTheStoreAlwaysHas();
};

void CollectionStoreTest::storedTextsConvertAsTheStoreAlwaysHas() {
    using Int = std::optional<std::int16_t>;
    for (const auto& [text, value] : {std::pair<const char*, Int>{" -1 ", -1},
                                      {"32767", 32767},
                                      {"32768", {}},
                                      {"-32769", {}},
                                      {"2.5", {}},
                                      {"", {}}})
        QVERIFY2(toInteger(QString::fromLatin1(text)) == value, text);
    for (const auto& [text, value] : {std::pair<const char*, std::optional<bool>>{"true", true},
                                      {"FALSE", false},
                                      {"-1", true},
                                      {"2", true},
                                      {"0", false},
                                      {"yes", {}},
                                      {"", {}}})
        QVERIFY2(toBoolean(QString::fromLatin1(text)) == value, text);
    QCOMPARE(booleanText(false), QStringLiteral("False"));
    QCOMPARE(GameKey(42), QStringLiteral("Game0042"));
    QCOMPARE(GameKey(9999), QStringLiteral("Game9999"));

    QTemporaryDir folder;
    const auto store = SettingsStore::openIniFile(folder.filePath(QStringLiteral("Kavrel.conf")));
    for (const auto& [stored, count] :
         {std::pair("-3", 0), {"many", 0}, {"40000", 0}, {"12000", 9999}, {"2", 2}}) {
        store->SaveSetting(QStringLiteral("Games"), QStringLiteral("Count"),
                           QString::fromLatin1(stored));
        QCOMPARE(readGameCount(*store), count);
    }
}

QTEST_GUILESS_MAIN(CollectionStoreTest)
#include "tst_collectionstore.moc"
