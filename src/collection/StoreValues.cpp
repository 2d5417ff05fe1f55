#include "collection/StoreValues.h"

#include "platform/IniDocument.h"
#include "platform/SettingsStore.h"
#include "platform/StoreFile.h"
#include "platform/ValueConversion.h"
#include "store/GameTable.h"

#include <QStringDecoder>
#include <algorithm>

#ifdef Q_OS_WIN
#include <QSettings>
#endif

namespace {

#ifdef Q_OS_WIN
StoreValues valuesOf(const QSettings& settings) {
    StoreValues values;
    for (const QString& key : settings.allKeys())
        values.insert(key, settings.value(key).toString());
    return values;
}
#endif

std::pair<QString, QString> sectionAndKey(const QString& path) {
    const qsizetype slash = path.indexOf(u'/');
    return {path.left(slash), path.mid(slash + 1)};
}

} // namespace

// Read by the store's own reader, so that a copy means exactly what the store meant.
std::optional<StoreValues> readIniBytes(const QByteArray& bytes) {
    if (bytes.contains('\0'))
        return std::nullopt;
    QStringDecoder utf8(QStringDecoder::Utf8);
    (void)utf8.decode(bytes);
    if (utf8.hasError())
        return std::nullopt;
    const IniDocument document = IniDocument::parse(bytes);
    StoreValues values;
    for (const QString& key : document.keys())
        values.insert(key, document.value(key).value_or(QString()));
    return values;
}

std::optional<StoreValues> readIniFile(const QString& path) {
    const std::optional<QByteArray> bytes = StoreFile::read(path).bytes;
    return bytes ? readIniBytes(*bytes) : std::nullopt;
}

QByteArray iniBytes(const StoreValues& values) {
    IniDocument document;
    for (auto value = values.cbegin(); value != values.cend(); ++value)
        document.setValue(value.key(), value.value());
    return document.toBytes();
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
