#include "launch/SingleInstance.h"

#include "platform/StoreFile.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QHostInfo>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// What a holder answers a later start, so that a socket nobody serves tells apart from a
// Kavrel that is there.
constexpr char Answer[] = "kavrel\n";
// How long a start asks the holder before it opens a window of its own.
constexpr int AskingMilliseconds = 3000;

// The store's path with every link resolved: two starts reaching one file through different
// paths find the same lock and the same socket.
QString realPathOf(const QString& storePath) {
    const QFileInfo store(storePath);
    if (const QString real = store.canonicalFilePath(); !real.isEmpty())
        return real;
    if (const QString folder = QFileInfo(store.absolutePath()).canonicalFilePath();
        !folder.isEmpty())
        return folder + u'/' + store.fileName();
    return store.absoluteFilePath();
}

// A folder only this user can reach, the same whatever TMPDIR a start was given: the user's
// runtime folder, or one of Kavrel's own in /tmp.
QString socketFolder() {
#ifdef Q_OS_UNIX
    const uid_t user = ::getuid();
    const auto ownPrivateFolder = [user](const QString& path) {
        struct stat info {};
        return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
               info.st_uid == user && (info.st_mode & 077) == 0;
    };
    const QString runtime = QStringLiteral("/run/user/%1").arg(user);
    if (ownPrivateFolder(runtime))
        return runtime;
    const QString own = QStringLiteral("/tmp/kavrel-%1").arg(user);
    ::mkdir(QFile::encodeName(own).constData(), 0700);
    if (ownPrivateFolder(own))
        return own;
#endif
    return {};
}

QString serverNameFor(const QString& realPath) {
    const QByteArray hash =
        QCryptographicHash::hash(realPath.toUtf8(), QCryptographicHash::Sha256).toHex().left(24);
    const QString name = QStringLiteral("kavrel-") + QString::fromLatin1(hash);
    const QString folder = socketFolder();
    return folder.isEmpty() ? name : folder + u'/' + name;
}

} // namespace

SingleInstance::SingleInstance(const QString& path) : storePath(path) {
    // The lock stays in the store's own folder, wherever a link to the file leads: Kavrel makes
    // no files in a folder of the user's.
    const QFileInfo store(path);
    QDir().mkpath(store.absolutePath());
    const QString folder = QFileInfo(store.absolutePath()).canonicalFilePath();
    lockPath = (folder.isEmpty() ? store.absolutePath() : folder) + u'/' + store.fileName() +
               QStringLiteral(".instance-lock");
    serverName = serverNameFor(realPathOf(path));
    server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* caller = server.nextPendingConnection()) {
            connect(caller, &QLocalSocket::disconnected, caller, &QObject::deleteLater);
            caller->write(Answer);
            caller->flush();
            Q_EMIT raiseRequested();
        }
    });
    // A window without the lock takes it as soon as it is free.
    retry.setInterval(1000);
    connect(&retry, &QTimer::timeout, this, [this] {
        if (tryLock())
            becomeHolder();
    });
}

SingleInstance::~SingleInstance() {
#ifdef Q_OS_UNIX
    // The file stays: removing it would let a later start lock a new file while another start
    // still waits on this one.
    if (lockHandle >= 0)
        ::close(lockHandle);
#endif
}

SingleInstance::Claim SingleInstance::claim() {
    const QDeadlineTimer deadline(AskingMilliseconds);
    while (true) {
        if (tryLock()) {
            becomeHolder();
            return Claim::Holding;
        }
        if (holderAnswers())
            return Claim::HeldByAnother;
        // The holder may be starting and not listen yet, or be about to end.
        if (deadline.hasExpired())
            break;
        QThread::msleep(100);
    }
    retry.start();
    return Claim::WithoutLock;
}

bool SingleInstance::holdForCommand() {
    // Another verb may be about to end; a window holds on for longer.
    const QDeadlineTimer deadline(1000);
    while (!tryLock()) {
        if (!lockFailure.isEmpty() || deadline.hasExpired())
            return false;
        QThread::msleep(50);
    }
    StoreFile::removeUnfinished(storePath);
    return true;
}

QString SingleInstance::writeRefusal() {
    if (holding)
        return {};
    if (tryLock()) {
        becomeHolder();
        return {};
    }
    if (!lockFailure.isEmpty())
        return QStringLiteral("No lock can be made for it (%1), and without one another Kavrel "
                              "could write over it; this window writes nothing until one can.")
            .arg(lockFailure);
    return QStringLiteral("Another Kavrel holds it and does not answer (it may run on another "
                          "computer that shares this folder); this window writes nothing until "
                          "that one has ended.");
}

void SingleInstance::becomeHolder() {
    holding = true;
    retry.stop();
    // Holding the lock, a socket left by a killed Kavrel is this one's to replace.
    QLocalServer::removeServer(serverName);
    server.listen(serverName);
    StoreFile::removeUnfinished(storePath);
}

bool SingleInstance::holderAnswers() const {
    QLocalSocket socket;
    socket.connectToServer(serverName);
    if (!socket.waitForConnected(500))
        return false;
    const bool answered = socket.waitForReadyRead(1500) && socket.readAll().startsWith("kavrel");
    socket.disconnectFromServer();
    return answered;
}

#ifdef Q_OS_UNIX

bool SingleInstance::tryLock() {
    if (holding || lockHandle >= 0)
        return true;
    // Whatever the file holds (nothing, another computer's name, a process long gone) says
    // nothing: the lock is the system's, and ends with the process that took it.
    const QByteArray path = QFile::encodeName(lockPath);
    int handle =
        ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0644);
    // A lock file made read-only still locks.
    if (handle < 0 && errno == EACCES)
        handle = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (handle < 0) {
        lockFailure = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(lockPath),
                                                   QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    struct stat info {};
    if (::fstat(handle, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(handle);
        lockFailure = QStringLiteral("%1 is no file").arg(QDir::toNativeSeparators(lockPath));
        return false;
    }
    lockFailure.clear();
    if (::flock(handle, LOCK_EX | LOCK_NB) != 0) {
        ::close(handle);
        return false;
    }
    lockHandle = handle;
    // Who holds it, for a person who looks; a full disk may keep this from being written.
    const QByteArray holder = QByteArray::number(qint64(::getpid())) + "\nKavrel\n" +
                              QHostInfo::localHostName().toUtf8() + '\n';
    // A half-written note is cut back to nothing; the lock holds whatever the note says.
    if (::ftruncate(handle, 0) == 0 &&
        ::pwrite(handle, holder.constData(), size_t(holder.size()), 0) < 0 &&
        ::ftruncate(handle, 0) != 0)
        qWarning("Kavrel: the instance lock's note could not be cleared");
    return true;
}

#else

bool SingleInstance::tryLock() {
    if (holding)
        return true;
    if (!lock) {
        lock = std::make_unique<QLockFile>(lockPath);
        // A running Kavrel keeps its lock however long it runs; only a dead holder makes it stale.
        lock->setStaleLockTime(0);
    }
    if (lock->tryLock(0)) {
        lockFailure.clear();
        return true;
    }
    lockFailure = lock->error() == QLockFile::LockFailedError
                      ? QString()
                      : QStringLiteral("%1 cannot be made").arg(QDir::toNativeSeparators(lockPath));
    return false;
}

#endif
