#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

// Where a SettingsStore keeps its values: a file Kavrel reads and writes itself, or the platform's
// own per-user store.
class StoreBackend {
public:
    // A key ("Section/Key") and its new value; nothing: delete the key.
    struct Change {
        QString key;
        std::optional<QString> value;
    };

    virtual ~StoreBackend() = default;

    virtual std::optional<QString> value(const QString& key) const = 0;
    virtual QStringList sections() const = 0;
    virtual QString location() const = 0;
    // Makes the changes last. Returns why they could not be kept; empty when they were.
    virtual QString write(const QList<Change>& changes) = 0;

    // Why what was read is not all the store holds: each thing that could not be read as written.
    virtual QStringList misread() const { return {}; }
    // Why the store could not be read at all; empty when it could.
    virtual QString readFailure() const { return {}; }
    // Keeps the store as it was read under a name of its own, on the disk before any write.
    // Returns that name, or nothing with `failure` set.
    virtual std::optional<QString> keepAside(QString* failure) {
        failure->clear();
        return std::nullopt;
    }
    // Keeps the store as it is now under a name of its own when someone else wrote it since this
    // process last read or wrote it. Returns that name; nothing when it was not written since,
    // or with `failure` set when it cannot be kept.
    virtual std::optional<QString> keepChangedAside(QString* failure) {
        failure->clear();
        return std::nullopt;
    }
};

std::unique_ptr<StoreBackend> iniFileBackend(const QString& path);
// The platform's own store at a location QSettings understands (the registry on Windows).
std::unique_ptr<StoreBackend> nativeBackend(const QString& location);
