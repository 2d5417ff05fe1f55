// The settings store: exact round trips, what reaches the disk when, refused writes, and how
// stored texts convert.
#include "KavrelFixture.h"
#include "platform/ValueConversion.h"
#include "store/CollectionStore.h"

namespace {

const QString Section = QStringLiteral("Game0001");
const QString Key = QStringLiteral("GTitle");

// What the file holds, read by a store of its own after the writer is gone.
QString reread(const QString& file, const QString& key = Key) {
    return SettingsStore::openIniFile(file)->GetSetting(Section, key, QStringLiteral("absent"));
}

} // namespace

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
        const QString file = folder.filePath(QStringLiteral("Kavrel/Kavrel.conf"));
        SettingsStore::openIniFile(file)->SaveSetting(Section, Key, value);
        QCOMPARE(reread(file), value);
    }

    void aBatchReachesTheDiskWholeAndOnlyWhenSomethingChanged() {
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("Kavrel.conf"));
        const auto store = SettingsStore::openIniFile(file);
        store->SaveSetting(Section, QStringLiteral("GBmp"), QStringLiteral("one.bmp"));
        const QString first = fileVersion(file);
        {
            SettingsStore::Batch command(*store);
            store->SaveSetting(Section, Key, QStringLiteral("Two"));
            {
                SettingsStore::Batch nested(*store);
                store->DeleteSetting(Section, QStringLiteral("GBmp"));
            }
            // The event loop runs while a command's dialog is open; nothing may leak out then.
            QTest::qWait(10);
            QCOMPARE(fileVersion(file), first);
            QCOMPARE(store->GetSetting(Section, QStringLiteral("GBmp"), Key), Key);
        }
        QCOMPARE(reread(file) + reread(file, QStringLiteral("GBmp")), QStringLiteral("Twoabsent"));
        const QString second = fileVersion(file);
        QVERIFY(second != first);
        {
            // Writes that leave every value as it is, and deletes of absent keys, touch no file.
            SettingsStore::Batch command(*store);
            store->SaveSetting(Section, Key, QStringLiteral("Three"));
            store->SaveSetting(Section, Key, QStringLiteral("Two"));
            store->DeleteSetting(Section, QStringLiteral("GBmp"));
        }
        QCOMPARE(fileVersion(file), second);
    }

    void aRefusedWriteIsReportedWithItsCause_data() {
        QTest::addColumn<QString>("inTheWay"); // made a file, or with a trailing '/' a folder
        QTest::addColumn<QString>("reason");
        QTest::newRow("a file where the folder belongs") << "Kavrel"
                                                         << "The folder %1 cannot be created";
        QTest::newRow("a folder where the file belongs") << "Kavrel/Kavrel.conf/"
                                                         << "%1 is a folder";
    }

    void aRefusedWriteIsReportedWithItsCause() {
        QFETCH(QString, inTheWay);
        QFETCH(QString, reason);
        QTemporaryDir folder;
        const QString blocker = folder.filePath(inTheWay);
        QVERIFY(inTheWay.endsWith(u'/') ? QDir().mkpath(blocker)
                                        : QFile(blocker).open(QIODevice::WriteOnly));
        const auto store =
            SettingsStore::openIniFile(folder.filePath(QStringLiteral("Kavrel/Kavrel.conf")));
        QStringList reasons;
        store->setFailureReporter([&](const QString& why) { reasons.append(why); });
        store->SaveSetting(Section, Key, QStringLiteral("Kept"));
        QCOMPARE(reasons.size(), 1);
        const QString named = QDir::toNativeSeparators(QDir::cleanPath(blocker));
        QVERIFY2(reasons.front().contains(reason.arg(named)), qPrintable(reasons.front()));
        QCOMPARE(store->GetSetting(Section, Key, {}), QStringLiteral("Kept"));
    }

    void storedTextsConvertAsTheyAlwaysHave() {
        QTemporaryDir folder;
        const auto store =
            SettingsStore::openIniFile(folder.filePath(QStringLiteral("Kavrel.conf")));
        // Counts are 16-bit numbers, at most the 9999 games the sections can name.
        for (const auto& [stored, count] : {std::pair(" 2 ", 2),
                                            {"many", 0},
                                            {"2.5", 0},
                                            {"-3", 0},
                                            {"32768", 0},
                                            {"12000", 9999}}) {
            store->SaveSetting(QStringLiteral("Games"), QStringLiteral("Count"),
                               QString::fromLatin1(stored));
            QCOMPARE(readGameCount(*store), count);
        }
        QCOMPARE(toBoolean(QStringLiteral("yes")), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(SettingsStoreTest)
#include "tst_settingsstore.moc"
