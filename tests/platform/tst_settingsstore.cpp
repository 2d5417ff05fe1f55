// The settings store: exact round trips, what reaches the disk when, and refused writes.
#include "KavrelFixture.h"
#include "platform/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

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
    void valuesRoundTripExactly_data();
    void valuesRoundTripExactly();
    void aBatchReachesTheDiskWholeAndOnlyWhenSomethingChanged();
    void aRefusedWriteIsReportedWithItsCause_data();
    void aRefusedWriteIsReportedWithItsCause();
};

void SettingsStoreTest::valuesRoundTripExactly_data() {
    QTest::addColumn<QString>("value");
    for (const char* value : {"", "C:\\GAMES\\ROBOT.EXE", "\\\\server\\share\\", "  Alpha II  ",
                              "a=b; c # d [e] %f", "Monkey Island, The", "\"Quoted\" 'single'",
                              "Kåre's Äventyr – ñ 日本", "007", "@Variant(x)", "one\ntwo"})
        QTest::newRow(value) << QString::fromUtf8(value);
}

void SettingsStoreTest::valuesRoundTripExactly() {
    QFETCH(QString, value);
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("Kavrel/Kavrel.conf"));
    SettingsStore::openIniFile(file)->SaveSetting(Section, Key, value);
    QCOMPARE(reread(file), value);
}

void SettingsStoreTest::aBatchReachesTheDiskWholeAndOnlyWhenSomethingChanged() {
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("Kavrel.conf"));
    const auto store = SettingsStore::openIniFile(file);
    store->SaveSetting(Section, Key, QStringLiteral("One"));
    store->SaveSetting(Section, QStringLiteral("GBmp"), QStringLiteral("one.bmp"));
    const QString firstVersion = fileVersion(file);
    {
        SettingsStore::Batch command(*store);
        store->SaveSetting(Section, Key, QStringLiteral("Two"));
        {
            SettingsStore::Batch nested(*store);
            store->DeleteSetting(Section, QStringLiteral("GBmp"));
        }
        // The event loop runs while a command's dialog is open; nothing may leak out then.
        QTest::qWait(10);
        QCOMPARE(fileVersion(file), firstVersion);
        QCOMPARE(store->GetSetting(Section, Key, {}), QStringLiteral("Two"));
        QCOMPARE(store->GetSetting(Section, QStringLiteral("GBmp"), QStringLiteral("gone")),
                 QStringLiteral("gone"));
    }
    QCOMPARE(reread(file), QStringLiteral("Two"));
    QCOMPARE(reread(file, QStringLiteral("GBmp")), QStringLiteral("absent"));
    const QString secondVersion = fileVersion(file);
    QVERIFY(secondVersion != firstVersion);
    {
        // Writes that leave every value as it is, and deletes of absent keys, touch no file.
        SettingsStore::Batch command(*store);
        store->SaveSetting(Section, Key, QStringLiteral("Three"));
        store->SaveSetting(Section, Key, QStringLiteral("Two"));
        store->DeleteSetting(Section, QStringLiteral("GBmp"));
        store->DeleteSetting(QStringLiteral("Nowhere"), Key);
    }
    QCOMPARE(fileVersion(file), secondVersion);
}

void SettingsStoreTest::aRefusedWriteIsReportedWithItsCause_data() {
    QTest::addColumn<QString>("inTheWay"); // made a file, or with a trailing '/' a folder
    QTest::addColumn<QString>("reason");
    QTest::newRow("a file where the folder belongs") << "Kavrel"
                                                     << "The folder %1 cannot be created";
    QTest::newRow("a folder where the file belongs") << "Kavrel/Kavrel.conf/"
                                                     << "%1 is a folder";
}

void SettingsStoreTest::aRefusedWriteIsReportedWithItsCause() {
    QFETCH(QString, inTheWay);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    const QString blocker = folder.filePath(inTheWay);
    if (inTheWay.endsWith(u'/'))
        QVERIFY(QDir().mkpath(blocker));
    else
        QVERIFY(QFile(blocker).open(QIODevice::WriteOnly));
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

QTEST_GUILESS_MAIN(SettingsStoreTest)
#include "tst_settingsstore.moc"
