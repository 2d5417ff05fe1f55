#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QSettings;

// The per-user store of text values, addressed by section and key, under the application "Kavrel".
//
// Writes are collected while a Batch is open and reach the disk together, in one atomic and
// flushed step, when the outermost Batch closes. Every command opens one, so a crash or a power
// loss can never leave half of a command in the store, and nothing of a command is written while
// one of its dialogs is open. A write outside any Batch is committed at once.
class SettingsStore {
public:
    // Called with a reason each time the store refuses to keep what was written.
    using FailureReporter = std::function<void(const QString& reason)>;

    // The user's own store: the INI file $XDG_CONFIG_HOME/Kavrel/Kavrel.conf on Linux, the
    // registry key HKEY_CURRENT_USER\Software\VB and VBA Program Settings\Kavrel on Windows.
    static std::unique_ptr<SettingsStore> openUserStore();
    // A store in the given INI file.
    static std::unique_ptr<SettingsStore> openIniFile(const QString& path);

    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    QString GetSetting(const QString& section, const QString& key,
                       const QString& defaultValue) const;
    void SaveSetting(const QString& section, const QString& key, const QString& value);
    void DeleteSetting(const QString& section, const QString& key);

    void setFailureReporter(FailureReporter reporter) { reportFailure = std::move(reporter); }
    // Where the store lives, for messages.
    QString location() const;

    // Holds back every write until the outermost Batch of the store ends.
    class Batch {
    public:
        explicit Batch(SettingsStore& store);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        SettingsStore& store;
    };

private:
    using SettingsFactory = std::function<std::unique_ptr<QSettings>()>;
    explicit SettingsStore(SettingsFactory factory, bool isFile);

    struct PendingChange {
        QString key;                  // "section/key"
        std::optional<QString> value; // nothing: delete the key
    };

    void record(const QString& section, const QString& key, std::optional<QString> value);
    void commit();
    QString refusalReason() const;

    SettingsFactory makeSettings;
    std::unique_ptr<QSettings> reader;
    bool isFile;
    int openBatches = 0;
    std::vector<PendingChange> pending;
    FailureReporter reportFailure;
};
