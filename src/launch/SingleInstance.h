#pragma once

#include <QLocalServer>
#include <QObject>
#include <QTimer>
#include <memory>

class QLockFile;

// One Kavrel per store: two windows on one store would each write their own numbering of the
// games over the other's. The holder of a store keeps a lock on a file beside it, which the
// system lets go of the moment the holder ends however it ends, and listens on a local socket
// named after the store's real path, in a folder of the user's own. A later start asks the
// holder to come to the front; only a holder that answers keeps the later start from opening
// its own window.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    explicit SingleInstance(const QString& storePath);
    ~SingleInstance() override;

    enum class Claim {
        // This process holds the store.
        Holding,
        // A Kavrel that answers holds it and has been asked to show its window.
        HeldByAnother,
        // The lock is held by a Kavrel that does not answer (on another computer sharing the
        // folder, or hanging), or no lock can be made there: this process may show the store
        // but writes nothing until it holds the lock, which it takes as soon as it can.
        WithoutLock,
    };
    Claim claim();
    // For a command-line verb that writes the collection: true when this process now holds the
    // store, without listening for later starts; false, asking nothing of it, when another
    // process holds it or no lock can be made.
    bool holdForCommand();
    // Empty while this process holds the store, taking the lock first if it has become free;
    // otherwise why the store must not be written now.
    QString writeRefusal();

Q_SIGNALS:
    // A later start asked for this window.
    void raiseRequested();

private:
    bool tryLock();
    void becomeHolder();
    bool holderAnswers() const;

    QString storePath;
    QString lockPath;
    QString serverName;
    // Why no lock can be made beside the store; empty when one can.
    QString lockFailure;
#ifdef Q_OS_UNIX
    int lockHandle = -1;
#else
    std::unique_ptr<QLockFile> lock;
#endif
    bool holding = false;
    QLocalServer server;
    QTimer retry;
};
