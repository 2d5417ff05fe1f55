#include "platform/StoreFile.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QDateTime>
#include <QSaveFile>
#endif

namespace StoreFile {

namespace {

QString shown(const QString& path) {
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

// The new file replace() writes: "<name>.kavrel-partial-" and 16 hexadecimal digits.
const QString PartialMark = QStringLiteral(".kavrel-partial-");

QString partialNameFor(const QString& target) {
    return target + PartialMark +
           QString::number(QRandomGenerator::system()->generate64(), 16).rightJustified(16, u'0');
}

} // namespace

#ifdef Q_OS_UNIX

namespace {

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

// What stands at a path instead of a file, in words.
QString kindOf(mode_t mode) {
    if (S_ISDIR(mode))
        return QStringLiteral("a folder");
    if (S_ISFIFO(mode))
        return QStringLiteral("a named pipe (FIFO)");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("a device");
    if (S_ISSOCK(mode))
        return QStringLiteral("a socket");
    return QStringLiteral("no regular file");
}

QString notAFile(const QString& path, const QString& target, mode_t mode) {
    if (QFileInfo(path).absoluteFilePath() == QFileInfo(target).absoluteFilePath())
        return QStringLiteral("The settings file %1 is %2; Kavrel needs a file there.")
            .arg(shown(path), kindOf(mode));
    return QStringLiteral("The settings file %1 leads to %2, which is %3; Kavrel needs a file "
                          "there.")
        .arg(shown(path), shown(target), kindOf(mode));
}

Stamp stampFrom(const struct stat& info) {
    return {qint64(info.st_dev), qint64(info.st_ino), qint64(info.st_size),
            qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

// The path a chain of symbolic links ends at, whether or not something stands there.
QString endOfLinks(const QString& path) {
    QString at = QFileInfo(path).absoluteFilePath();
    for (int hop = 0; hop < 40; ++hop) {
        struct stat info {};
        if (::lstat(native(at).constData(), &info) != 0 || !S_ISLNK(info.st_mode))
            return at;
        const QString next = QFileInfo(at).symLinkTarget();
        if (next.isEmpty())
            return at;
        at = next;
    }
    return at;
}

bool syncPath(const QString& path) {
    const int handle = ::open(native(path).constData(), O_RDONLY | O_CLOEXEC);
    if (handle < 0)
        return false;
    const bool synced = ::fsync(handle) == 0;
    ::close(handle);
    return synced;
}

bool writeAll(int handle, const QByteArray& bytes) {
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t written =
            ::write(handle, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += written;
    }
    return ::fsync(handle) == 0;
}

QString writeFailure(int error, const QString& file, const QString& folder) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("The file %1 cannot be written; the disk is full.").arg(shown(file));
    case EROFS:
    case EACCES:
    case EPERM:
        return QStringLiteral("The folder %1 is read-only.").arg(shown(folder));
    default:
        return QStringLiteral("The file %1 cannot be written: %2.")
            .arg(shown(file), QString::fromLocal8Bit(std::strerror(error)));
    }
}

} // namespace

Stamp stampOf(const QString& path) {
    struct stat info {};
    if (::stat(native(path).constData(), &info) != 0)
        return {};
    return stampFrom(info);
}

Contents read(const QString& path) {
    Contents contents;
    struct stat info {};
    if (::stat(native(path).constData(), &info) != 0) {
        if (errno != ENOENT && errno != ENOTDIR)
            contents.refusal = QStringLiteral("The settings file %1 cannot be read: %2.")
                                   .arg(shown(path), QString::fromLocal8Bit(std::strerror(errno)));
        return contents;
    }
    // A FIFO would wait for a writer and a device may never end: neither is opened at all.
    if (!S_ISREG(info.st_mode)) {
        contents.refusal = notAFile(path, endOfLinks(path), info.st_mode);
        return contents;
    }
    // Without waiting, and checked once more on what was opened, should it have been swapped.
    const int handle = ::open(native(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    QFile file;
    if (handle < 0 || ::fstat(handle, &info) != 0 || !S_ISREG(info.st_mode) ||
        !file.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        if (handle >= 0 && !file.isOpen())
            ::close(handle);
        contents.refusal = QStringLiteral("The settings file %1 cannot be read.").arg(shown(path));
        return contents;
    }
    contents.bytes = file.readAll();
    contents.stamp = stampFrom(info);
    return contents;
}

QString replace(const QString& path, const QByteArray& bytes) {
    // A store kept elsewhere through a link is written where it lives; the link stays.
    const QString target = endOfLinks(path);
    const QString folder = QFileInfo(target).absolutePath();
    struct stat info {};
    mode_t mode = 0666;
    if (::lstat(native(target).constData(), &info) == 0) {
        if (!S_ISREG(info.st_mode))
            return notAFile(path, target, info.st_mode);
        if ((info.st_mode & 0222) == 0 || ::access(native(target).constData(), W_OK) != 0)
            return QStringLiteral("The file %1 is read-only.").arg(shown(target));
        mode = info.st_mode & 07777;
    } else if (target == QFileInfo(path).absoluteFilePath() && !QDir().mkpath(folder)) {
        // Only the store's own folder is made: a link leads where its owner made room.
        return QStringLiteral("The folder %1 cannot be created.").arg(shown(folder));
    }
    const QString partial = partialNameFor(target);
    const int handle = ::open(native(partial).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (handle < 0)
        return writeFailure(errno, target, folder);
    // The mode the file had, whatever the umask says.
    if (mode != 0666)
        ::fchmod(handle, mode);
    const bool written = writeAll(handle, bytes);
    const int error = errno;
    ::close(handle);
    if (!written || ::rename(native(partial).constData(), native(target).constData()) != 0) {
        const int failure = written ? errno : error;
        ::unlink(native(partial).constData());
        return writeFailure(failure, target, folder);
    }
    // The rename lasts only once the folder that holds it has reached the disk.
    syncPath(folder);
    return {};
}

bool create(const QString& path, const QByteArray& bytes, QString* failure) {
    const int handle = ::open(native(path).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (handle < 0) {
        if (errno == EEXIST)
            return false;
        *failure = writeFailure(errno, path, QFileInfo(path).absolutePath());
        return true;
    }
    const bool written = writeAll(handle, bytes);
    const int error = errno;
    ::close(handle);
    if (!written) {
        ::unlink(native(path).constData());
        *failure = writeFailure(error, path, QFileInfo(path).absolutePath());
        return true;
    }
    syncPath(QFileInfo(path).absolutePath());
    failure->clear();
    return true;
}

#else

Stamp stampOf(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    return {0, 0, info.size(), info.lastModified().toMSecsSinceEpoch()};
}

Contents read(const QString& path) {
    Contents contents;
    const QFileInfo info(path);
    if (!info.exists())
        return contents;
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        contents.refusal = QStringLiteral("The settings file %1 cannot be read.").arg(shown(path));
        return contents;
    }
    contents.bytes = file.readAll();
    contents.stamp = stampOf(path);
    return contents;
}

QString replace(const QString& path, const QByteArray& bytes) {
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return QStringLiteral("The folder %1 cannot be created.").arg(shown(folder));
    if (QFileInfo(path).exists() && !QFileInfo(path).isFile())
        return QStringLiteral("The settings file %1 is no file; Kavrel needs a file there.")
            .arg(shown(path));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return QStringLiteral("The file %1 cannot be written.").arg(shown(path));
    return {};
}

bool create(const QString& path, const QByteArray& bytes, QString* failure) {
    QFile file(path);
    if (file.exists())
        return false;
    if (!file.open(QIODevice::NewOnly) || file.write(bytes) != bytes.size() || !file.flush())
        *failure = QStringLiteral("The file %1 cannot be written.").arg(shown(path));
    else
        failure->clear();
    return true;
}

#endif

void removeUnfinished(const QString& path) {
    for (const QString& file :
         {QFileInfo(path).absoluteFilePath(), QFileInfo(path).canonicalFilePath()}) {
        if (file.isEmpty())
            continue;
        const QFileInfo store(file);
        const QRegularExpression partial(QStringLiteral("^%1%2[0-9a-f]{16}$")
                                             .arg(QRegularExpression::escape(store.fileName()),
                                                  QRegularExpression::escape(PartialMark)));
        const QDir folder = store.absoluteDir();
        for (const QFileInfo& found :
             folder.entryInfoList(QDir::Files | QDir::Hidden | QDir::System))
            if (partial.match(found.fileName()).hasMatch() && !found.isSymLink())
                QFile::remove(found.absoluteFilePath());
    }
}

} // namespace StoreFile
