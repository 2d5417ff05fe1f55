#pragma once

#include "collection/StoreValues.h"

#include <QByteArray>
#include <QSet>
#include <QString>
#include <optional>

class SettingsStore;

// A collection taken to another computer: one zip holding the store, with every path under the
// games folder written relative to it, and the games' screenshots and descriptions (not the
// games themselves).
//
// The zip holds "Kavrel.conf", and "screenshots/<game number>/<file name>" and
// "descriptions/<game number>/<file name>"; in the stored copy a screenshot or description that
// travels in the zip is named by its entry, and the section "Export" says that Kavrel wrote it and
// where its games folder was.

// Writes the zip, replacing the file only once it is complete; the reason when it cannot.
std::optional<QString> exportCollection(const SettingsStore& store, const QString& zipPath);

// A zip read and checked before anything is changed.
class CollectionImport {
public:
    explicit CollectionImport(const QString& zipPath);

    // Why the zip is refused; empty when it can be imported.
    const QString& refusal() const { return whyNot; }
    int gameCount() const;
    // Where the games folder was on the computer that wrote the zip.
    QString recordedGamesFolder() const;

    // Unpacks the screenshots and descriptions into a new folder under dataFolder and makes the
    // store hold the collection, its relative paths rooted at gamesFolder, in one write. The
    // reason when it cannot; nothing is changed then.
    std::optional<QString> replace(SettingsStore& store, const QString& gamesFolder,
                                   const QString& dataFolder) const;

private:
    void refuse(const QString& reason);
    StoreValues rooted(const QString& gamesFolder, const QString& filesFolder,
                       const SettingsStore& store) const;

    QString zip;
    QString whyNot;
    StoreValues stored;
    // The entries of the files that travel with the games, unpacked only by replace().
    QSet<QString> files;
};

// $XDG_DATA_HOME/Kavrel, ~/.local/share/Kavrel when that is not set.
QString userDataFolder();
