// The store as an INI file that Kavrel reads and writes itself, so that it decides what a line
// means and touches nothing but a regular file (see IniDocument and StoreFile).
#include "platform/IniDocument.h"
#include "platform/StoreBackend.h"
#include "platform/StoreFile.h"

#include <QDateTime>
#include <QDir>

namespace {

class IniFileBackend : public StoreBackend {
public:
    explicit IniFileBackend(const QString& file) : path(file) { load(); }

    std::optional<QString> value(const QString& key) const override { return document.value(key); }
    QStringList sections() const override { return document.sections(); }
    QString location() const override { return path; }
    QStringList misread() const override { return document.problems(); }
    QString readFailure() const override { return refusal; }

    QString write(const QList<Change>& changes) override {
        // Someone else wrote the file since (a person, a copy put back): their keys stay, and
        // only this run's changes go over them.
        if (StoreFile::stampOf(path) != stamp)
            load();
        // A file that could not be read is never written: what it holds would be lost.
        if (!refusal.isEmpty())
            return refusal;
        for (const Change& change : changes) {
            if (change.value)
                document.setValue(change.key, *change.value);
            else
                document.remove(change.key);
        }
        QString failure = StoreFile::replace(path, document.toBytes());
        if (failure.isEmpty())
            stamp = StoreFile::stampOf(path);
        return failure;
    }

    std::optional<QString> keepAside(QString* failure) override {
        return copyAside(QStringLiteral(".unreadable-"), readBytes, failure);
    }

    std::optional<QString> keepChangedAside(QString* failure) override {
        failure->clear();
        if (StoreFile::stampOf(path) == stamp)
            return std::nullopt;
        const StoreFile::Contents now = StoreFile::read(path);
        if (!now.bytes)
            return std::nullopt;
        return copyAside(QStringLiteral(".overwritten-"), *now.bytes, failure);
    }

private:
    // Named to the millisecond and numbered on, so that a restart right after a crash finds a
    // name of its own.
    std::optional<QString> copyAside(const QString& kind, const QByteArray& bytes,
                                     QString* failure) const {
        const QString base =
            path + kind +
            QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
        for (int attempt = 1; attempt < 1000; ++attempt) {
            const QString copy = attempt == 1 ? base : base + u'-' + QString::number(attempt);
            if (StoreFile::create(copy, bytes, failure))
                return failure->isEmpty() ? std::optional(copy) : std::nullopt;
        }
        *failure =
            QStringLiteral("No free name was found beside %1.").arg(QDir::toNativeSeparators(path));
        return std::nullopt;
    }

    void load() {
        const StoreFile::Contents contents = StoreFile::read(path);
        refusal = contents.refusal;
        stamp = contents.stamp;
        readBytes = contents.bytes.value_or(QByteArray());
        document = IniDocument::parse(readBytes);
    }

    QString path;
    IniDocument document;
    QByteArray readBytes;
    StoreFile::Stamp stamp;
    QString refusal;
};

} // namespace

std::unique_ptr<StoreBackend> iniFileBackend(const QString& path) {
    return std::make_unique<IniFileBackend>(path);
}
