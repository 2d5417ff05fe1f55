#pragma once

#include "platform/StoreBackend.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

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
// or key given twice, a quote that never closes, bytes that are no text, or a failed content
// check) is copied aside, unchanged, as "<file>.unreadable-<date>-<time>", so that nothing it held
// is ever lost. A store that cannot be read at all is never written.
//
// A refused write (by the disk, or by the write guard while another Kavrel holds the collection)
// keeps its changes: this run reads them back, and the next write that succeeds stores them.
// Keys someone else wrote meanwhile stay; when the guard held the changes back, the file as the
// other left it is first kept as "<file>.overwritten-<date>-<time>".
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
    // Why the store could not be read at all; empty when it could (or holds nothing yet).
    QString readFailure() const;
    // Asked before every write: empty when the write may go ahead, otherwise why not.
    void setWriteGuard(std::function<QString()> guard) { writeGuard = std::move(guard); }

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
    explicit SettingsStore(std::unique_ptr<StoreBackend> backend);

    void record(const QString& section, const QString& key, std::optional<QString> value,
                bool compare = true);
    void commit();
    bool keepMisreadFile();
    bool keepOverwrittenFile();
    void fail(const QString& reason) const;

    std::unique_ptr<StoreBackend> backend;
    int openBatches = 0;
    // The changes not yet on the disk, in the order they were made (a new section's keys reach
    // the file in that order); `pendingAt` finds a key's change. A change taken back stays in
    // the list without a key.
    QList<StoreBackend::Change> pending;
    QHash<QString, qsizetype> pendingAt;
    bool readChecked = false;
    // A write was refused by the write guard; see keepOverwrittenFile().
    bool heldBack = false;
    FailureReporter reportFailure;
    FailureReporter reportNotice;
    std::function<bool(const SettingsStore&)> readCheck;
    std::function<QString()> writeGuard;
    std::function<void()> beforeChange;
};
