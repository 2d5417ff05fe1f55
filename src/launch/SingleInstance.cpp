#include "launch/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QThread>

namespace {

// Not "<store>.lock": the settings file takes that one itself while it writes.
QString lockPathFor(const QString& storePath) {
    return storePath + QStringLiteral(".instance-lock");
}

// One socket per user and store, in the temporary folder: a path beside the store could be too
// long for a socket name.
QString serverNameFor(const QString& storePath) {
    const QByteArray hash = QCryptographicHash::hash(
        QFileInfo(storePath).absoluteFilePath().toUtf8(), QCryptographicHash::Sha256);
    return QStringLiteral("kavrel-") + QString::fromLatin1(hash.toHex().left(24));
}

} // namespace

SingleInstance::SingleInstance(const QString& path) : storePath(path), lock(lockPathFor(path)) {
    // A running Kavrel keeps its lock however long it runs; only a dead holder makes it stale.
    lock.setStaleLockTime(0);
    server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* caller = server.nextPendingConnection()) {
            connect(caller, &QLocalSocket::disconnected, caller, &QObject::deleteLater);
            Q_EMIT raiseRequested();
        }
    });
}

bool SingleInstance::claim() {
    QDir().mkpath(QFileInfo(lockPathFor(storePath)).absolutePath());
    if (!lock.tryLock(0)) {
        // A folder where no lock can be made cannot hold a written store either: nothing to
        // guard, so this Kavrel runs.
        if (lock.error() != QLockFile::LockFailedError)
            return true;
        askHolderToRaise();
        return false;
    }
    // Holding the lock, a socket left by a killed Kavrel is this one's to replace.
    const QString name = serverNameFor(storePath);
    QLocalServer::removeServer(name);
    server.listen(name);
    removeLeftoverTempFiles();
    return true;
}

bool SingleInstance::holdForCommand() {
    QDir().mkpath(QFileInfo(lockPathFor(storePath)).absolutePath());
    return lock.tryLock(0) || lock.error() != QLockFile::LockFailedError;
}

void SingleInstance::askHolderToRaise() {
    // The holder may have taken the lock a moment ago and not be listening yet.
    for (int attempt = 0; attempt < 30; ++attempt) {
        QLocalSocket socket;
        socket.connectToServer(serverNameFor(storePath));
        if (socket.waitForConnected(1000)) {
            socket.disconnectFromServer();
            return;
        }
        QThread::msleep(100);
    }
}

// A write of the store goes to a temporary file "<store>.XXXXXX" that replaces the store when it
// is complete; a Kavrel killed in between leaves it behind.
void SingleInstance::removeLeftoverTempFiles() const {
    const QFileInfo store(storePath);
    const QRegularExpression tempName(
        QStringLiteral("^%1\\.[A-Za-z]{6}$").arg(QRegularExpression::escape(store.fileName())));
    const QDir folder = store.absoluteDir();
    for (const QFileInfo& file : folder.entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (tempName.match(file.fileName()).hasMatch() && !file.isSymLink())
            QFile::remove(file.absoluteFilePath());
    }
}
