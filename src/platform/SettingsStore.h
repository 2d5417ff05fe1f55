#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class QSettings;

// The per-user store of text values, addressed by section and key, under the application "Kavrel".
//
// Writes are collected while a Batch is open and reach the disk together, in one atomic and
// flushed step, when the outermost Batch closes. Every command opens one, so a crash or a power
// loss can never leave half of a command in the store, and nothing of a command is written while
// one of its dialogs is open. A write outside any Batch is committed at once. A write that leaves
// a value as the file already holds it is no change: a command that changes nothing touches no
// file.
//
// Before the first write of a run, a store file that was not read the way it stands (a section
// the reader never saw, bytes that are no text, or a failed content check) is copied aside,
// unchanged, as "<file>.unreadable-<date>-<time>", so that nothing it held is ever lost.
class SettingsStore {
public:
    // Called with a reason each time the store refuses to keep what was written.
    using FailureReporter = std::function<void(const QString& reason)>;

    // The user's own store: the INI file $XDG_CONFIG_HOME/Kavrel/Kavrel.conf on Linux, the
    // registry key HKEY_CURRENT_USER\Software\VB and VBA Program Settings\Kavrel on Windows.
    static std::unique_ptr<SettingsStore> openUserStore();
    // Where the user's own store lives, without reading it.
    static QString userStoreLocation();
    // A store in the given INI file.
    static std::unique_ptr<SettingsStore> openIniFile(const QString& path);

    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    QString GetSetting(const QString& section, const QString& key,
                       const QString& defaultValue) const;
    void SaveSetting(const QString& section, const QString& key, const QString& value);
    void DeleteSetting(const QString& section, const QString& key);
    // A write the caller knows to change the stored value: it skips the comparison with the file,
    // which at thousands of keys a command costs as much as the writing itself.
    void SaveChange(const QString& section, const QString& key, const QString& value);

    void setFailureReporter(FailureReporter reporter) { reportFailure = std::move(reporter); }
    // Called once with a notice when the file was copied aside before a write.
    void setNoticeReporter(FailureReporter reporter) { reportNotice = std::move(reporter); }
    // Called before a write changes the file, with the file still as it stood: where a copy of
    // it is made.
    void setBeforeChange(std::function<void()> hook) { beforeChange = std::move(hook); }
    // An extra test of what was read, made with the file check before the first write.
    void setReadCheck(std::function<bool(const SettingsStore&)> check) {
        readCheck = std::move(check);
    }
    // The top-level sections the reader saw, and whether it saw a key, leaving writes aside.
    QStringList sections() const;
    bool readHolds(const QString& section, const QString& key) const;
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

    void record(const QString& section, const QString& key, std::optional<QString> value,
                bool compare = true);
    bool matchesStored(const QString& key, const std::optional<QString>& value) const;
    void commit();
    bool keepMisreadFile();
    bool readAsItStands(const QByteArray& bytes) const;
    QString refusalReason() const;

    SettingsFactory makeSettings;
    std::unique_ptr<QSettings> reader;
    bool isFile;
    int openBatches = 0;
    // "section/key" to its new value; nothing: delete the key.
    QHash<QString, std::optional<QString>> pending;
    bool readChecked = false;
    FailureReporter reportFailure;
    FailureReporter reportNotice;
    std::function<bool(const SettingsStore&)> readCheck;
    std::function<void()> beforeChange;
};
