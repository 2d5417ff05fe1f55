#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The file operations of a store kept in a file. Only a regular file is ever read or written, also
// at the end of a symbolic link; anything else (a folder, a FIFO, a device) is refused without
// waiting and without changing anything on the disk. A file is replaced whole, through a new file
// beside it whose name no person would choose, flushed to the disk before and after it takes the
// file's place.
namespace StoreFile {

// Which version of a file is on the disk, to tell whether someone else wrote it since.
struct Stamp {
    qint64 device = -1;
    qint64 inode = -1;
    qint64 size = -1;
    qint64 modified = -1;
    bool operator==(const Stamp&) const = default;
};

struct Contents {
    // Nothing when the file does not exist.
    std::optional<QByteArray> bytes;
    // Why it cannot be read; empty when it could, or does not exist.
    QString refusal;
    Stamp stamp;
};

Contents read(const QString& path);
Stamp stampOf(const QString& path);

// Replaces the file, or the file a link leads to, with `bytes`. Returns why not; empty on success.
QString replace(const QString& path, const QByteArray& bytes);

// Writes a file that must not exist yet; false when the name is taken. `failure` tells why else.
bool create(const QString& path, const QByteArray& bytes, QString* failure);

// Removes what a replace() killed halfway left of the file: only names it makes itself.
void removeUnfinished(const QString& path);

} // namespace StoreFile
