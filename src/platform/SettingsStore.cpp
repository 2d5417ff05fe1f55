#include "platform/SettingsStore.h"

#include <QDir>
#include <QStringBuilder>

namespace {

QString settingsKey(const QString& section, const QString& key) {
    return section % u'/' % key; // one allocation: commands build tens of thousands of keys
}

} // namespace

std::unique_ptr<SettingsStore> SettingsStore::openUserStore() {
#ifdef Q_OS_WIN
    // Per-user program settings of this kind have always lived under this key; a collection
    // stored there keeps working.
    return std::unique_ptr<SettingsStore>(new SettingsStore(nativeBackend(userStoreLocation())));
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
    return std::unique_ptr<SettingsStore>(new SettingsStore(iniFileBackend(path)));
}

SettingsStore::SettingsStore(std::unique_ptr<StoreBackend> where) : backend(std::move(where)) {}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::location() const {
    return backend->location();
}

QString SettingsStore::readFailure() const {
    return backend->readFailure();
}

QString SettingsStore::GetSetting(const QString& section, const QString& key,
                                  const QString& defaultValue) const {
    const QString wanted = settingsKey(section, key);
    if (const auto change = pendingAt.constFind(wanted); change != pendingAt.constEnd())
        return pending[*change].value.value_or(defaultValue);
    return backend->value(wanted).value_or(defaultValue);
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
    QString wanted = settingsKey(section, key);
    const auto earlier = pendingAt.constFind(wanted);
    if (compare && backend->value(wanted) == value) {
        // Back to what the file holds: nothing to write for this key.
        if (earlier != pendingAt.constEnd()) {
            pending[*earlier].key.clear();
            pendingAt.erase(earlier);
        }
    } else if (earlier != pendingAt.constEnd()) {
        pending[*earlier].value = std::move(value);
    } else {
        pendingAt.insert(wanted, pending.size());
        pending.append({std::move(wanted), std::move(value)});
    }
    if (openBatches == 0)
        commit();
}

QStringList SettingsStore::sections() const {
    return backend->sections();
}

bool SettingsStore::readHolds(const QString& section, const QString& key) const {
    return backend->value(settingsKey(section, key)).has_value();
}

void SettingsStore::commit() {
    if (pendingAt.isEmpty()) {
        pending.clear();
        return;
    }
    if (writeGuard) {
        if (const QString refusal = writeGuard(); !refusal.isEmpty()) {
            heldBack = true;
            return fail(refusal);
        }
    }
    if (!keepMisreadFile() || !keepOverwrittenFile())
        return;
    QList<StoreBackend::Change> changes;
    changes.reserve(pendingAt.size());
    for (const StoreBackend::Change& change : std::as_const(pending))
        if (!change.key.isEmpty())
            changes.append(change);
    if (beforeChange && !changes.isEmpty())
        beforeChange();
    if (const QString failure = backend->write(changes); !failure.isEmpty())
        return fail(failure);
    pending.clear();
    pendingAt.clear();
}

void SettingsStore::fail(const QString& reason) const {
    if (reportFailure)
        reportFailure(reason);
}

// The first write of a run replaces the file with what was read; a file that was not read as it
// stands is kept aside first. Returns false when that copy cannot be made: nothing is written then.
bool SettingsStore::keepMisreadFile() {
    if (readChecked)
        return true;
    QStringList misread = backend->misread();
    if (readCheck && !readCheck(*this))
        misread.append(QStringLiteral("the number of games does not match the games it holds"));
    if (misread.isEmpty() || !backend->readFailure().isEmpty()) {
        readChecked = true;
        return true;
    }
    QString failure;
    const std::optional<QString> copy = backend->keepAside(&failure);
    const QString shown = QDir::toNativeSeparators(location());
    if (!copy && !failure.isEmpty()) {
        fail(QStringLiteral("The file %1 was not read correctly and cannot be copied aside, so it "
                            "is left as it is. %2")
                 .arg(shown, failure));
        return false;
    }
    readChecked = true;
    if (copy && reportNotice)
        reportNotice(QStringLiteral("Part of the file %1 could not be read (%2). It has been kept "
                                    "unchanged as %3; Kavrel goes on with what it could read.")
                         .arg(shown, misread.front(), QDir::toNativeSeparators(*copy)));
    return true;
}

// Changes held back while another Kavrel held the store were made on what this one read; the
// other may have written since. What it wrote is kept aside before they go over it.
bool SettingsStore::keepOverwrittenFile() {
    if (!heldBack)
        return true;
    QString failure;
    const std::optional<QString> copy = backend->keepChangedAside(&failure);
    if (!failure.isEmpty()) {
        fail(failure);
        return false;
    }
    heldBack = false;
    if (copy && reportNotice)
        reportNotice(
            QStringLiteral("Another Kavrel changed %1 while this window could not write "
                           "it. That version has been kept as %2; the changes made in "
                           "this window now go over it.")
                .arg(QDir::toNativeSeparators(location()), QDir::toNativeSeparators(*copy)));
    return true;
}

SettingsStore::Batch::Batch(SettingsStore& s) : store(s) {
    ++store.openBatches;
}

SettingsStore::Batch::~Batch() {
    if (--store.openBatches == 0)
        store.commit();
}
