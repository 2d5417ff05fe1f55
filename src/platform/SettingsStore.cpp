#include "platform/SettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

QString settingsKey(const QString& section, const QString& key) {
    return section + u'/' + key;
}

#ifdef Q_OS_UNIX
// QSettings replaces the file by a rename; the rename itself only lasts once the folder that
// holds the file has been flushed, and the data only once the file has.
void flushToDisk(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}
#endif

QString userStorePath() {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/Kavrel/Kavrel.conf");
}

} // namespace

std::unique_ptr<SettingsStore> SettingsStore::openUserStore() {
#ifdef Q_OS_WIN
    // Per-user program settings of this kind have always lived under this key; a collection
    // stored there keeps working.
    return std::unique_ptr<SettingsStore>(new SettingsStore(
        [] {
            return std::make_unique<QSettings>(
                QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\Kavrel"),
                QSettings::NativeFormat);
        },
        false));
#else
    return openIniFile(userStorePath());
#endif
}

std::unique_ptr<SettingsStore> SettingsStore::openIniFile(const QString& path) {
    return std::unique_ptr<SettingsStore>(new SettingsStore(
        [path] { return std::make_unique<QSettings>(path, QSettings::IniFormat); }, true));
}

SettingsStore::SettingsStore(SettingsFactory factory, bool file)
    : makeSettings(std::move(factory)), reader(makeSettings()), isFile(file) {}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::location() const {
    return reader->fileName();
}

QString SettingsStore::GetSetting(const QString& section, const QString& key,
                                  const QString& defaultValue) const {
    const QString wanted = settingsKey(section, key);
    for (auto change = pending.rbegin(); change != pending.rend(); ++change) {
        if (change->key == wanted)
            return change->value.value_or(defaultValue);
    }
    const QVariant value = reader->value(wanted);
    if (!value.isValid())
        return defaultValue;
    // A hand-edited INI value with unquoted commas reads as a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

void SettingsStore::SaveSetting(const QString& section, const QString& key, const QString& value) {
    record(section, key, value);
}

void SettingsStore::DeleteSetting(const QString& section, const QString& key) {
    record(section, key, std::nullopt);
}

void SettingsStore::record(const QString& section, const QString& key,
                           std::optional<QString> value) {
    pending.push_back({settingsKey(section, key), std::move(value)});
    if (openBatches == 0)
        commit();
}

void SettingsStore::commit() {
    if (pending.empty())
        return;
    // A fresh QSettings per commit: its status tells about this commit alone, while the cache
    // behind it is shared with the reader.
    const std::unique_ptr<QSettings> writer = makeSettings();
    for (const PendingChange& change : pending) {
        if (change.value)
            writer->setValue(change.key, *change.value);
        else
            writer->remove(change.key);
    }
    pending.clear();
    writer->sync();
    if (writer->status() != QSettings::NoError) {
        if (reportFailure)
            reportFailure(refusalReason());
        return;
    }
#ifdef Q_OS_UNIX
    if (isFile) {
        flushToDisk(writer->fileName());
        flushToDisk(QFileInfo(writer->fileName()).absolutePath());
    }
#endif
}

QString SettingsStore::refusalReason() const {
    if (!isFile)
        return QStringLiteral("The settings in %1 cannot be written.").arg(location());
    const QFileInfo file(location());
    const QFileInfo folder(file.absolutePath());
    if (!folder.exists())
        return QStringLiteral("The folder %1 cannot be created.")
            .arg(QDir::toNativeSeparators(folder.absoluteFilePath()));
    if (file.exists() && !file.isWritable())
        return QStringLiteral("The file %1 is read-only.")
            .arg(QDir::toNativeSeparators(file.absoluteFilePath()));
    if (!folder.isWritable())
        return QStringLiteral("The folder %1 is read-only.")
            .arg(QDir::toNativeSeparators(folder.absoluteFilePath()));
    return QStringLiteral("The file %1 cannot be written; the disk may be full.")
        .arg(QDir::toNativeSeparators(file.absoluteFilePath()));
}

SettingsStore::Batch::Batch(SettingsStore& s) : store(s) {
    ++store.openBatches;
}

SettingsStore::Batch::~Batch() {
    if (--store.openBatches == 0)
        store.commit();
}
