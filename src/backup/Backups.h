#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

// Earlier versions of the store, kept outside the live folder so that nothing ever reads one as
// the live collection. Each is a complete byte copy of the store file, written atomically and
// flushed, named after the moment it was made; only the newest Kept are kept, and only files of
// that name are ever removed.
class Backups {
public:
    static constexpr int Kept = 20;

    struct Entry {
        QString file;
        QDateTime made;
        // The number of games it holds; nothing when it cannot be read.
        std::optional<int> games;
    };

    // $XDG_STATE_HOME/Kavrel/backups, ~/.local/state/Kavrel/backups when that is not set; on
    // Windows Kavrel\backups in the user's local application data.
    static QString userFolder();

    explicit Backups(QString storeLocation, QString folder = userFolder());

    // Copies the store as it stands on disk. A store not written yet needs no copy. The reason,
    // in plain words, when the copy cannot be made.
    std::optional<QString> make();
    // The copy made before the first change of each day: made unless one of any kind was made
    // today.
    void makeDailyIfDue();
    // Newest first.
    QList<Entry> list() const;

    const QString& folder() const { return shelf; }

private:
    QStringList ownFiles() const;
    void prune() const;

    QString store;
    QString shelf;
    QDate lastMade;
};
