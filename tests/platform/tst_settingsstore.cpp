// The settings store: exact round trips, what reaches the disk when, refused writes, and how
// stored texts convert.
#include "KavrelFixture.h"
#include "platform/ValueConversion.h"
#include "store/CollectionStore.h"

const QString Section = u"Game0001"_s;
const QString Key = u"GTitle"_s;

// What the file holds, read by a store of its own after the writer is gone.
static QString reread(const QString& file, const QString& key = Key) {
    return SettingsStore::openIniFile(file)->GetSetting(Section, key, u"absent"_s);
}

class SettingsStoreTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void valuesRoundTripExactly_data() {
        QTest::addColumn<QString>("value");
        for (const char* value : {"", "C:\\GAMES\\ROBOT.EXE", "\\\\server\\share\\", "  Alpha II  ",
                                  "a=b; c # d [e] %f", "Monkey Island, The", "\"Quoted\" 'single'",
                                  "Kåre's Äventyr – ñ 日本", "007", "@Variant(x)", "one\ntwo"})
            QTest::newRow(value) << QString::fromUtf8(value);
    }

    void valuesRoundTripExactly() {
        QFETCH(QString, value);
        QTemporaryDir folder;
        const QString file = folder.filePath(u"Kavrel/Kavrel.conf"_s);
        SettingsStore::openIniFile(file)->SaveSetting(Section, Key, value);
        QCOMPARE(reread(file), value);
    }

    void aBatchReachesTheDiskWholeAndOnlyWhenSomethingChanged() {
        QTemporaryDir folder;
        const QString file = folder.filePath(u"Kavrel.conf"_s);
        const auto store = SettingsStore::openIniFile(file);
        store->SaveSetting(Section, u"GBmp"_s, u"one.bmp"_s);
        const QString first = fileVersion(file);
        {
            SettingsStore::Batch command(*store);
            store->SaveSetting(Section, Key, u"Two"_s);
            {
                SettingsStore::Batch nested(*store);
                store->DeleteSetting(Section, u"GBmp"_s);
            }
            // The event loop runs while a command's dialog is open; nothing may leak out then.
            QTest::qWait(10);
            QCOMPARE(fileVersion(file), first);
            QCOMPARE(store->GetSetting(Section, u"GBmp"_s, Key), Key);
        }
        QCOMPARE(reread(file) + reread(file, u"GBmp"_s), u"Twoabsent"_s);
        const QString second = fileVersion(file);
        QVERIFY(second != first);
        {
            // Writes that leave every value as it is, and deletes of absent keys, touch no file.
            SettingsStore::Batch command(*store);
            store->SaveSetting(Section, Key, u"Three"_s);
            store->SaveSetting(Section, Key, u"Two"_s);
            store->DeleteSetting(Section, u"GBmp"_s);
        }
        QCOMPARE(fileVersion(file), second);
    }

    void storedTextsConvertAsTheyAlwaysHave() {
        QTemporaryDir folder;
        const auto store = SettingsStore::openIniFile(folder.filePath(u"Kavrel.conf"_s));
        // Counts are 16-bit numbers, at most the 9999 games the sections can name.
        for (const auto& [stored, count] : {std::pair(" 2 ", 2),
                                            {"many", 0},
                                            {"2.5", 0},
                                            {"-3", 0},
                                            {"32768", 0},
                                            {"12000", 9999}}) {
            store->SaveSetting(u"Games"_s, u"Count"_s, QString::fromLatin1(stored));
            QCOMPARE(readGameCount(*store), count);
        }
        QCOMPARE(toBoolean(u"yes"_s), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(SettingsStoreTest)
#include "tst_settingsstore.moc"
