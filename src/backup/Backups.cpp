#include "backup/Backups.h"

#include "collection/StoreValues.h"
#include "platform/StoreFile.h"
#include "platform/UserFolders.h"
#include "store/StoreLayout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <QStringDecoder>
#include <QStringTokenizer>
#include <algorithm>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

const QString NameFormat = QStringLiteral("yyyyMMdd-HHmmss-zzz");

// "Kavrel-20261207-011530-123.conf", with "-2" and up when two are made in one millisecond.
const QRegularExpression& ownName() {
    static const QRegularExpression name(
        QStringLiteral("^Kavrel-(\\d{8}-\\d{6}-\\d{3})(-\\d+)?\\.conf$"));
    return name;
}

#ifdef Q_OS_UNIX
// The rename that put the copy in place lasts only once its folder is on the disk too.
void flushFolder(const QString& folder) {
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}
#endif

// The store's bytes as they stand: the file itself, or the registry key written out as an INI
// file, which a restore reads the same way.
std::optional<QByteArray> storeBytes(const QString& store) {
#ifdef Q_OS_WIN
    const StoreValues values = readRegistryValues(store);
    if (values.isEmpty())
        return std::nullopt;
    return iniBytes(values);
#else
    // Only a regular file is read: a pipe or a device in the store's place would never end.
    return StoreFile::read(store).bytes;
#endif
}

// The number of games a backup holds, read from its lines without a settings reader, so that a
// list of twenty copies of a large collection opens at once. Nothing when it is no settings text
// (no text, or a line that is neither a section, a value nor a comment), or when the section of
// its last game is missing (a copy cut short).
std::optional<int> gamesIn(const QString& file) {
    const std::optional<QByteArray> read = StoreFile::read(file).bytes;
    if (!read)
        return std::nullopt;
    const QByteArray& bytes = *read;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    if (utf8.hasError() || bytes.contains('\0'))
        return std::nullopt;
    QString section;
    QSet<QString> sections;
    StoreValues values;
    for (QStringView line : QStringTokenizer(text, u'\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            section = line.mid(1, line.size() - 2).toString();
            sections.insert(section);
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0)
            return std::nullopt;
        if (section == u"Games" && line.left(equals).trimmed() == u"Count")
            values.insert(QStringLiteral("Games/Count"), line.mid(equals + 1).trimmed().toString());
    }
    const int games = gameCountOf(values);
    if (games > 0 && !sections.contains(GameKey(games)))
        return std::nullopt;
    return games;
}

} // namespace

QString Backups::userFolder() {
    return UserFolders::state() + QStringLiteral("/backups");
}

Backups::Backups(QString storeLocation, QString folder)
    : store(std::move(storeLocation)), shelf(std::move(folder)) {}

std::optional<QString> Backups::make() {
    const std::optional<QByteArray> bytes = storeBytes(store);
    if (!bytes)
        return std::nullopt;
    const QString shown = QDir::toNativeSeparators(shelf);
    if (!QDir().mkpath(shelf))
        return QStringLiteral("The folder %1 cannot be created.").arg(shown);
    const QDateTime now = QDateTime::currentDateTime();
    const QString stem = QStringLiteral("Kavrel-") + now.toString(NameFormat);
    QString name = stem + QStringLiteral(".conf");
    for (int again = 2; QFileInfo::exists(shelf + u'/' + name); ++again)
        name = stem + QStringLiteral("-%1.conf").arg(again);
    // QSaveFile writes beside the name and renames once the data is flushed.
    QSaveFile copy(shelf + u'/' + name);
    if (!copy.open(QIODevice::WriteOnly) || copy.write(*bytes) != bytes->size() || !copy.commit())
        return QStringLiteral("No copy can be written in the folder %1: %2")
            .arg(shown, copy.errorString());
#ifdef Q_OS_UNIX
    flushFolder(shelf);
#endif
    lastMade = now.date();
    prune();
    return std::nullopt;
}

void Backups::makeDailyIfDue() {
    const QDate today = QDate::currentDate();
    if (lastMade == today)
        return;
    const QStringList own = ownFiles();
    if (!own.isEmpty() && own.front().mid(7, 8) == today.toString(QStringLiteral("yyyyMMdd"))) {
        lastMade = today;
        return;
    }
    // A day's copy that cannot be made must not stop the change the user asked for.
    if (const std::optional<QString> failure = make())
        qWarning("Kavrel: no backup before today's first change: %s", qPrintable(*failure));
}

QList<Backups::Entry> Backups::list() const {
    QList<Entry> entries;
    for (const QString& name : ownFiles()) {
        const QString file = shelf + u'/' + name;
        entries.append({file, QDateTime::fromString(ownName().match(name).captured(1), NameFormat),
                        gamesIn(file)});
    }
    return entries;
}

// Newest first: the names sort as the moments they were made.
QStringList Backups::ownFiles() const {
    QStringList own;
    for (const QString& name : QDir(shelf).entryList(QDir::Files))
        if (ownName().match(name).hasMatch())
            own.append(name);
    std::sort(own.begin(), own.end(), [](const QString& a, const QString& b) {
        const QString at = ownName().match(a).captured(1), bt = ownName().match(b).captured(1);
        if (at != bt)
            return at > bt;
        return a.size() != b.size() ? a.size() > b.size() : a > b;
    });
    return own;
}

void Backups::prune() const {
    const QStringList own = ownFiles();
    for (qsizetype old = Kept; old < own.size(); ++old)
        QFile::remove(shelf + u'/' + own[old]);
}
