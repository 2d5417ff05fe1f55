#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>

// One Kavrel per store: two windows on one store would each write their own numbering of the
// games over the other's. The first start holds a lock beside the store and listens on a local
// socket; a later start finds the lock taken, asks the first to come to the front and ends. The
// lock of a killed Kavrel is recognised by its dead process and taken over.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    explicit SingleInstance(const QString& storePath);

    // True when this process now holds the store; false when another Kavrel holds it and has
    // been asked to show its window.
    bool claim();
    // For a command-line verb that writes the collection: true when this process now holds the
    // store, without listening for later starts; false, asking nothing of it, when a Kavrel
    // already holds it.
    bool holdForCommand();

Q_SIGNALS:
    // A later start asked for this window.
    void raiseRequested();

private:
    void askHolderToRaise();
    void removeLeftoverTempFiles() const;

    QString storePath;
    QLockFile lock;
    QLocalServer server;
};
