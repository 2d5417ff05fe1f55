#include "collection/StoreValues.h"

#include "platform/SettingsStore.h"
#include "platform/ValueConversion.h"
#include "store/GameTable.h"

#include <QFile>
#include <QSettings>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <algorithm>

namespace {

StoreValues valuesOf(const QSettings& settings) {
    StoreValues values;
    for (const QString& key : settings.allKeys()) {
        const QVariant value = settings.value(key);
        // A hand-edited value with unquoted commas reads as a list, as the store reads it.
        values.insert(key, value.typeId() == QMetaType::QStringList
                               ? value.toStringList().join(QStringLiteral(", "))
                               : value.toString());
    }
    return values;
}

// A settings object on a name no other in this process uses: one on a file already open would
// answer from the cache they share instead of the disk.
std::optional<StoreValues> readThroughFreshName(const QByteArray& bytes) {
    QTemporaryDir scratch;
    const QString copy = scratch.filePath(QStringLiteral("read.ini"));
    QFile file(copy);
    if (!scratch.isValid() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return std::nullopt;
    file.close();
    const QSettings settings(copy, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        return std::nullopt;
    return valuesOf(settings);
}

std::pair<QString, QString> sectionAndKey(const QString& path) {
    const qsizetype slash = path.indexOf(u'/');
    return {path.left(slash), path.mid(slash + 1)};
}

} // namespace

std::optional<StoreValues> readIniBytes(const QByteArray& bytes) {
    if (bytes.contains('\0'))
        return std::nullopt;
    QStringDecoder utf8(QStringDecoder::Utf8);
    (void)utf8.decode(bytes);
    if (utf8.hasError())
        return std::nullopt;
    return readThroughFreshName(bytes);
}

std::optional<StoreValues> readIniFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return readIniBytes(file.readAll());
}

QByteArray iniBytes(const StoreValues& values) {
    QTemporaryDir scratch;
    const QString file = scratch.filePath(QStringLiteral("write.ini"));
    {
        QSettings settings(file, QSettings::IniFormat);
        for (auto value = values.cbegin(); value != values.cend(); ++value)
            settings.setValue(value.key(), value.value());
    }
    QFile written(file);
    return written.open(QIODevice::ReadOnly) ? written.readAll() : QByteArray();
}

#ifdef Q_OS_WIN
StoreValues readRegistryValues(const QString& location) {
    // The location reads "\\HKEY_CURRENT_USER\\..."; the settings reader takes the key without
    // the leading separator.
    QString key = location;
    while (key.startsWith(u'\\'))
        key.remove(0, 1);
    return valuesOf(QSettings(key, QSettings::NativeFormat));
}
#endif

StoreValues readStoreValues(const SettingsStore& store) {
#ifdef Q_OS_WIN
    return readRegistryValues(store.location());
#else
    return readIniFile(store.location()).value_or(StoreValues());
#endif
}

void replaceStoreValues(SettingsStore& store, const StoreValues& values) {
    SettingsStore::Batch batch(store);
    // Keys outside a section are none of Kavrel's and stay as they are.
    for (const QString& held : readStoreValues(store).keys()) {
        if (held.contains(u'/') && !values.contains(held)) {
            const auto [section, key] = sectionAndKey(held);
            store.DeleteSetting(section, key);
        }
    }
    for (auto value = values.cbegin(); value != values.cend(); ++value) {
        if (!value.key().contains(u'/'))
            continue;
        const auto [section, key] = sectionAndKey(value.key());
        store.SaveSetting(section, key, value.value());
    }
}

int gameCountOf(const StoreValues& values) {
    const int count =
        toInteger(values.value(QStringLiteral("Games/Count"), QStringLiteral("0"))).value_or(0);
    return std::clamp(count, 0, GameTable::MaxGames);
}
