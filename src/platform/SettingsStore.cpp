#include "platform/SettingsStore.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QSettings>
#include <QStringBuilder>
#include <QStringDecoder>
#include <QStringList>
#include <QStringTokenizer>
#include <QUrl>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

QString settingsKey(const QString& section, const QString& key) {
    return section % u'/' % key; // one allocation: commands build tens of thousands of keys
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

} // namespace

std::unique_ptr<SettingsStore> SettingsStore::openUserStore() {
#ifdef Q_OS_WIN
    // Per-user program settings of this kind have always lived under this key; a collection
    // stored there keeps working.
    return std::unique_ptr<SettingsStore>(new SettingsStore(
        [] { return std::make_unique<QSettings>(userStoreLocation(), QSettings::NativeFormat); },
        false));
#else
    return openIniFile(userStoreLocation());
#endif
}

QString SettingsStore::userStoreLocation() {
#ifdef Q_OS_WIN
    return QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\Kavrel");
#else
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/Kavrel/Kavrel.conf");
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
    if (const auto change = pending.constFind(wanted); change != pending.constEnd())
        return change->value_or(defaultValue);
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

void SettingsStore::SaveChange(const QString& section, const QString& key, const QString& value) {
    record(section, key, value, false);
}

void SettingsStore::record(const QString& section, const QString& key, std::optional<QString> value,
                           bool compare) {
    const QString wanted = settingsKey(section, key);
    if (compare && matchesStored(wanted, value))
        pending.remove(wanted);
    else
        pending.insert(wanted, std::move(value));
    if (openBatches == 0)
        commit();
}

bool SettingsStore::matchesStored(const QString& key, const std::optional<QString>& value) const {
    const QVariant stored = reader->value(key);
    if (!value)
        return !stored.isValid();
    // A list or any other form is rewritten as the text it reads as.
    return stored.typeId() == QMetaType::QString && stored.toString() == *value;
}

QStringList SettingsStore::sections() const {
    return reader->childGroups();
}

bool SettingsStore::readHolds(const QString& section, const QString& key) const {
    return reader->contains(settingsKey(section, key));
}

void SettingsStore::commit() {
    if (pending.isEmpty() || !keepMisreadFile())
        return;
    if (beforeChange)
        beforeChange();
    // A fresh QSettings per commit: its status tells about this commit alone, while the cache
    // behind it is shared with the reader.
    const std::unique_ptr<QSettings> writer = makeSettings();
    for (auto change = pending.cbegin(); change != pending.cend(); ++change) {
        if (change.value())
            writer->setValue(change.key(), *change.value());
        else
            writer->remove(change.key());
    }
    pending.clear();
    writer->sync();
    // A format error tells about what was read, not about this write.
    if (writer->status() == QSettings::AccessError) {
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

// The first write of a run replaces the file with what was read; a file that was not read as it
// stands is kept aside first. Returns false when that copy cannot be made: nothing is written then.
bool SettingsStore::keepMisreadFile() {
    if (readChecked || !isFile)
        return true;
    QFile file(location());
    if (!QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly)) {
        readChecked = true;
        return true;
    }
    if (readAsItStands(file.readAll()) && (!readCheck || readCheck(*this))) {
        readChecked = true;
        return true;
    }
    const QString copy = location() + QStringLiteral(".unreadable-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QString shown = QDir::toNativeSeparators(location());
    if (!QFile::copy(location(), copy)) {
        if (reportFailure)
            reportFailure(QStringLiteral("The file %1 was not read correctly and cannot be copied "
                                         "aside, so it is left as it is.")
                              .arg(shown));
        return false;
    }
    readChecked = true;
    if (reportNotice)
        reportNotice(QStringLiteral("Part of the file %1 could not be read. It has been kept "
                                    "unchanged as %2; Kavrel goes on with what it could read.")
                         .arg(shown, QDir::toNativeSeparators(copy)));
    return true;
}

// The file is UTF-8 text, and every section in it that holds a line with a value was seen.
bool SettingsStore::readAsItStands(const QByteArray& bytes) const {
    if (bytes.contains('\0'))
        return false;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return false;
    // A set: a collection of thousands of games has as many sections.
    const QStringList groups = reader->childGroups();
    const QSet<QString> seen(groups.cbegin(), groups.cend());
    QString section;
    for (QStringView line : QStringTokenizer(text, u'\n')) {
        line = line.trimmed();
        if (line.startsWith(u'[') && line.contains(u']')) {
            section = line.mid(1, line.indexOf(u']') - 1).toString();
            section = section.section(u'/', 0, 0).section(u'\\', 0, 0);
            if (section.contains(u'%'))
                section = QUrl::fromPercentEncoding(section.toUtf8());
            if (section.compare(u"General", Qt::CaseInsensitive) == 0)
                section.clear();
        } else if (!section.isEmpty() && line.contains(u'=') && !line.startsWith(u';') &&
                   !seen.contains(section)) {
            return false;
        }
    }
    return true;
}

QString SettingsStore::refusalReason() const {
    if (!isFile)
        return QStringLiteral("The settings in %1 cannot be written.").arg(location());
    const QFileInfo file(location());
    const QFileInfo folder(file.absolutePath());
    if (file.isDir())
        return QStringLiteral("The settings file %1 is a folder; Kavrel needs a file there.")
            .arg(QDir::toNativeSeparators(file.absoluteFilePath()));
    if (!folder.isDir())
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
