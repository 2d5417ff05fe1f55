// The settings store: exact round trips, defaults, deletes, and what reaches the disk when.
#include "platform/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

namespace {

const QString Section = QStringLiteral("Game0001");

// What the file on disk holds, read through a copy so that no cache can answer.
std::optional<QString> onDisk(const QString& file, const QString& section, const QString& key) {
    const QString copy = file + QUuid::createUuid().toString(QUuid::Id128) + QStringLiteral(".ini");
    QFile::copy(file, copy);
    std::optional<QString> value;
    {
        const QSettings settings(copy, QSettings::IniFormat);
        const QVariant stored = settings.value(section + u'/' + key);
        if (stored.isValid())
            value = stored.toString();
    }
    QFile::remove(copy);
    return value;
}

} // namespace

class SettingsStoreTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void valuesRoundTripExactly_data();
    void valuesRoundTripExactly();
    void absentKeysReadTheirDefaultAndDeletesTouchOneKey();
    void aBatchReachesTheDiskWholeWhenItsOutermostScopeEnds();
    void aRefusedWriteIsReportedAndTheValuesStayReadable();
    void handEditedListValuesReadAsTheirText();
};

void SettingsStoreTest::valuesRoundTripExactly_data() {
    QTest::addColumn<QString>("value");
    QTest::newRow("empty") << QString();
    QTest::newRow("windows path") << QStringLiteral("C:\\GAMES\\ROBOT\\ROBOT.EXE");
    QTest::newRow("double backslash") << QStringLiteral("\\\\server\\share\\");
    QTest::newRow("blanks at both ends") << QStringLiteral("  Alpha II  ");
    QTest::newRow("only blanks") << QStringLiteral("   ");
    QTest::newRow("ini punctuation") << QStringLiteral("a=b; c # d [e] %f");
    QTest::newRow("comma") << QStringLiteral("Monkey Island, The");
    QTest::newRow("quotes") << QStringLiteral("\"Quoted\" 'single'");
    QTest::newRow("non-ascii") << QStringLiteral("Kåre's Äventyr – ñ ß 日本");
    QTest::newRow("looks like a number") << QStringLiteral("007");
    QTest::newRow("looks like a list") << QStringLiteral("@Variant(x)");
    QTest::newRow("line break") << QStringLiteral("one\ntwo");
}

void SettingsStoreTest::valuesRoundTripExactly() {
    QFETCH(QString, value);
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("Kavrel/Kavrel.conf"));
    {
        const auto store = SettingsStore::openIniFile(file);
        store->SaveSetting(Section, QStringLiteral("GTitle"), value);
        QCOMPARE(store->GetSetting(Section, QStringLiteral("GTitle"), QStringLiteral("default")),
                 value);
    }
    QCOMPARE(onDisk(file, Section, QStringLiteral("GTitle")), value);
    const auto reopened = SettingsStore::openIniFile(file);
    QCOMPARE(reopened->GetSetting(Section, QStringLiteral("GTitle"), QStringLiteral("default")),
             value);
}

void SettingsStoreTest::absentKeysReadTheirDefaultAndDeletesTouchOneKey() {
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("Kavrel.conf"));
    const auto store = SettingsStore::openIniFile(file);
    QCOMPARE(
        store->GetSetting(QStringLiteral("Games"), QStringLiteral("Count"), QStringLiteral("0")),
        QStringLiteral("0"));

    store->SaveSetting(Section, QStringLiteral("GBmp"), QStringLiteral("shot.bmp"));
    store->SaveSetting(Section, QStringLiteral("GText"), QStringLiteral("about.txt"));
    store->DeleteSetting(Section, QStringLiteral("GBmp"));
    // A second delete of the same key, and one of a key never written, do nothing.
    store->DeleteSetting(Section, QStringLiteral("GBmp"));
    store->DeleteSetting(QStringLiteral("Nowhere"), QStringLiteral("Nothing"));

    QCOMPARE(store->GetSetting(Section, QStringLiteral("GBmp"), QStringLiteral("none")),
             QStringLiteral("none"));
    QCOMPARE(onDisk(file, Section, QStringLiteral("GBmp")), std::nullopt);
    QCOMPARE(onDisk(file, Section, QStringLiteral("GText")), QStringLiteral("about.txt"));
}

void SettingsStoreTest::aBatchReachesTheDiskWholeWhenItsOutermostScopeEnds() {
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("Kavrel.conf"));
    const auto store = SettingsStore::openIniFile(file);
    store->SaveSetting(QStringLiteral("Games"), QStringLiteral("Count"), QStringLiteral("1"));
    {
        SettingsStore::Batch command(*store);
        store->SaveSetting(QStringLiteral("Games"), QStringLiteral("Count"), QStringLiteral("2"));
        {
            SettingsStore::Batch nested(*store);
            store->SaveSetting(QStringLiteral("Game0002"), QStringLiteral("GTitle"),
                               QStringLiteral("Beta"));
        }
        // The event loop runs while a command's dialog is open; nothing may leak out then.
        QCoreApplication::processEvents();
        QTest::qWait(10);
        QCOMPARE(onDisk(file, QStringLiteral("Games"), QStringLiteral("Count")),
                 QStringLiteral("1"));
        QCOMPARE(onDisk(file, QStringLiteral("Game0002"), QStringLiteral("GTitle")), std::nullopt);
        // The command itself reads what it wrote.
        QCOMPARE(store->GetSetting(QStringLiteral("Games"), QStringLiteral("Count"), {}),
                 QStringLiteral("2"));
        store->DeleteSetting(QStringLiteral("Game0002"), QStringLiteral("GBmp"));
        QCOMPARE(store->GetSetting(QStringLiteral("Game0002"), QStringLiteral("GBmp"),
                                   QStringLiteral("gone")),
                 QStringLiteral("gone"));
    }
    QCOMPARE(onDisk(file, QStringLiteral("Games"), QStringLiteral("Count")), QStringLiteral("2"));
    QCOMPARE(onDisk(file, QStringLiteral("Game0002"), QStringLiteral("GTitle")),
             QStringLiteral("Beta"));
}

void SettingsStoreTest::aRefusedWriteIsReportedAndTheValuesStayReadable() {
    QTemporaryDir folder;
    // A file where the store's folder should be: no one, root included, can write there.
    QFile blocker(folder.filePath(QStringLiteral("Kavrel")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const auto store =
        SettingsStore::openIniFile(folder.filePath(QStringLiteral("Kavrel/Kavrel.conf")));
    QStringList reasons;
    store->setFailureReporter([&](const QString& reason) { reasons.append(reason); });

    store->SaveSetting(QStringLiteral("Options"), QStringLiteral("GExit"), QStringLiteral("False"));

    QCOMPARE(reasons.size(), 1);
    QVERIFY2(reasons.front().contains(
                 QDir::toNativeSeparators(folder.filePath(QStringLiteral("Kavrel")))),
             qPrintable(reasons.front()));
    QCOMPARE(store->GetSetting(QStringLiteral("Options"), QStringLiteral("GExit"), {}),
             QStringLiteral("False"));
}

void SettingsStoreTest::handEditedListValuesReadAsTheirText() {
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("Kavrel.conf"));
    QFile ini(file);
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[Game0001]\nGTitle=Monkey Island, The\nGType=-1\n");
    ini.close();
    const auto store = SettingsStore::openIniFile(file);
    QCOMPARE(store->GetSetting(Section, QStringLiteral("GTitle"), {}),
             QStringLiteral("Monkey Island, The"));
    QCOMPARE(store->GetSetting(Section, QStringLiteral("GType"), {}), QStringLiteral("-1"));
}

QTEST_GUILESS_MAIN(SettingsStoreTest)
#include "tst_settingsstore.moc"
