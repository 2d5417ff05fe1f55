#include "collection/CollectionArchive.h"

#include "collection/MoveGamesFolder.h"
#include "platform/SettingsStore.h"
#include "platform/UserFolders.h"
#include "store/StoreLayout.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSaveFile>
#include <archive.h>
#include <archive_entry.h>
#include <functional>
#include <memory>

using namespace StoreLayout;

namespace {

const QString StoreEntry = QStringLiteral("Kavrel.conf");
const QString FormatKey = QStringLiteral("Export/Format");
const QString FormatName = QStringLiteral("Kavrel collection 1");
const QString GamesFolderKey = QStringLiteral("Export/GamesFolder");
const QString ScreenshotFolder = QStringLiteral("screenshots/");
const QString DescriptionFolder = QStringLiteral("descriptions/");
// DOSBox settings Kavrel keeps for a game travel with it; a configuration of the game's own
// stays in the game's folder, where its relative paths lead.
const QString DosBoxFolder = QStringLiteral("dosbox/");
// More than any shelf of screenshots and texts: a zip that unpacks to more is refused.
constexpr qint64 MostUnpacked = qint64(4) << 30;

QString key(const QString& section, const QString& name) {
    return section + u'/' + name;
}

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// A path Kavrel wrote relative to the games folder: neither rooted here nor on Windows.
bool isRelative(const QString& path) {
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:"));
    return !path.isEmpty() && !path.startsWith(u'/') && !path.startsWith(u'\\') &&
           !drive.match(path).hasMatch();
}

QString relativeTo(const QString& folder, const QString& path) {
    return QDir(QDir::fromNativeSeparators(folder))
        .relativeFilePath(QDir::fromNativeSeparators(path));
}

QString rootedAt(const QString& folder, const QString& relative) {
    QString base = QDir::fromNativeSeparators(folder);
    if (!base.endsWith(u'/'))
        base += u'/';
    return QDir::toNativeSeparators(base + relative);
}

// Why an entry may not be unpacked; empty when it may.
QString entryRefusal(const QString& name) {
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:"));
    if (name.startsWith(u'/') || name.startsWith(u'\\') || drive.match(name).hasMatch())
        return QStringLiteral("its entry \"%1\" is an absolute path").arg(name);
    for (const QString& part : name.split(QRegularExpression(QStringLiteral("[/\\\\]"))))
        if (part == u"..")
            return QStringLiteral("its entry \"%1\" would land outside the folder it is "
                                  "unpacked into")
                .arg(name);
    return {};
}

struct ArchiveFree {
    void operator()(archive* a) const { archive_read_free(a); }
};
struct ArchiveWriteFree {
    void operator()(archive* a) const { archive_write_free(a); }
};
struct EntryFree {
    void operator()(archive_entry* e) const { archive_entry_free(e); }
};

QString archiveError(archive* a) {
    const char* text = archive_error_string(a);
    return text ? QString::fromLocal8Bit(text) : QStringLiteral("unknown error");
}

la_ssize_t writeToFile(archive*, void* file, const void* buffer, size_t length) {
    return static_cast<QSaveFile*>(file)->write(static_cast<const char*>(buffer),
                                                static_cast<qint64>(length));
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool addEntry(archive* zip, const QString& name, const QByteArray& bytes) {
    const std::unique_ptr<archive_entry, EntryFree> entry(archive_entry_new());
    archive_entry_set_pathname_utf8(entry.get(), name.toUtf8().constData());
    archive_entry_set_size(entry.get(), bytes.size());
    archive_entry_set_filetype(entry.get(), AE_IFREG);
    archive_entry_set_perm(entry.get(), 0644);
    archive_entry_set_mtime(entry.get(), QDateTime::currentSecsSinceEpoch(), 0);
    return archive_write_header(zip, entry.get()) == ARCHIVE_OK &&
           archive_write_data(zip, bytes.constData(), size_t(bytes.size())) == bytes.size();
}

} // namespace

QString userDataFolder() {
    return UserFolders::data();
}

std::optional<QString> exportCollection(const SettingsStore& store, const QString& zipPath) {
    StoreValues values = readStoreValues(store);
    const int count = gameCountOf(values);
    const QString gamesFolder = values.take(key(LocationSection, DosGames));
    // Sections beyond the count are leftovers no start-up reads.
    static const QRegularExpression gameSection(QStringLiteral("^Game(\\d{4})/"));
    for (auto value = values.begin(); value != values.end();) {
        const QRegularExpressionMatch game = gameSection.match(value.key());
        const bool leftover =
            game.hasMatch() && (game.captured(1).toInt() > count || game.captured(1).toInt() == 0);
        value = leftover ? values.erase(value) : std::next(value);
    }
    const auto relative = [&](const QString& path) {
        return !gamesFolder.isEmpty() && liesUnder(path, gamesFolder)
                   ? relativeTo(gamesFolder, path)
                   : path;
    };
    QMap<QString, QString> files;    // entry to the file it holds, read one at a time when written
    QHash<QString, QString> entryOf; // a file shared by several games travels once
    for (int n = 1; n <= count; ++n) {
        const QString section = GameKey(n);
        for (const QString& name : {GPath, GImage, GSetup})
            if (values.contains(key(section, name)))
                values[key(section, name)] = relative(values[key(section, name)]);
        const QString conf = values.value(key(section, GConf));
        if (!gamesFolder.isEmpty() && liesUnder(conf, gamesFolder))
            values[key(section, GConf)] = relative(conf);
        for (const auto& [name, folder] :
             {std::pair{GBmp, ScreenshotFolder}, std::pair{GText, DescriptionFolder},
              std::pair{GConf, DosBoxFolder}}) {
            const QString path = values.value(key(section, name));
            if (path.isEmpty() || isRelative(path))
                continue;
            QFile file(path);
            if (entryOf.contains(path)) {
                values[key(section, name)] = entryOf[path];
            } else if (QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly)) {
                const QString entry = folder + section.mid(4) + u'/' + QFileInfo(path).fileName();
                files.insert(entry, path);
                entryOf.insert(path, entry);
                values[key(section, name)] = entry;
            } else {
                values[key(section, name)] = relative(path);
            }
        }
    }
    values.insert(FormatKey, FormatName);
    values.insert(GamesFolderKey, gamesFolder);

    QSaveFile out(zipPath);
    const std::unique_ptr<archive, ArchiveWriteFree> zip(archive_write_new());
    const auto failed = [&](const QString& why) {
        out.cancelWriting();
        return QStringLiteral("The file %1 cannot be written: %2.").arg(shown(zipPath), why);
    };
    if (!out.open(QIODevice::WriteOnly))
        return failed(out.errorString());
    archive_write_set_format_zip(zip.get());
    archive_write_zip_set_compression_deflate(zip.get());
    archive_write_set_options(zip.get(), "hdrcharset=UTF-8");
    archive_write_set_bytes_in_last_block(zip.get(), 1);
    if (archive_write_open(zip.get(), &out, nullptr, writeToFile, nullptr) != ARCHIVE_OK)
        return failed(archiveError(zip.get()));
    bool written = addEntry(zip.get(), StoreEntry, iniBytes(values));
    for (auto file = files.cbegin(); written && file != files.cend(); ++file)
        written = addEntry(zip.get(), file.key(), fileBytes(file.value()));
    if (!written || archive_write_close(zip.get()) != ARCHIVE_OK)
        return failed(archiveError(zip.get()));
    if (!out.commit())
        return failed(out.errorString());
    return std::nullopt;
}

namespace {

// Goes through every entry of the zip, refusing one that may not be unpacked; the bytes of each
// plain file go to the device sinkFor gives for its name (none: read, checked and dropped).
// The reason when the zip is refused or a file cannot be written; empty when all went well.
QString readZip(const QString& path, const std::function<QIODevice*(const QString&)>& sinkFor) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return QStringLiteral("it cannot be opened");
    const bool looksLikeZip = file.peek(2) == "PK";
    file.close();
    const std::unique_ptr<archive, ArchiveFree> reader(archive_read_new());
    archive_read_support_format_zip(reader.get());
    const auto damaged = [&] {
        return QStringLiteral("it is damaged (%1)").arg(archiveError(reader.get()));
    };
    if (archive_read_open_filename(reader.get(), QFile::encodeName(path).constData(), 64 * 1024) !=
        ARCHIVE_OK)
        return looksLikeZip ? damaged() : QStringLiteral("it is not a zip file");
    qint64 unpacked = 0;
    archive_entry* entry = nullptr;
    int status = ARCHIVE_OK;
    bool first = true;
    while ((status = archive_read_next_header(reader.get(), &entry)) == ARCHIVE_OK ||
           status == ARCHIVE_WARN) {
        first = false;
        const char* utf8 = archive_entry_pathname_utf8(entry);
        const QString name =
            utf8 ? QString::fromUtf8(utf8) : QString::fromLocal8Bit(archive_entry_pathname(entry));
        if (const QString why = entryRefusal(name); !why.isEmpty())
            return why;
        const auto type = archive_entry_filetype(entry);
        if (archive_entry_hardlink(entry) || type == AE_IFLNK)
            return QStringLiteral("its entry \"%1\" is a link").arg(name);
        if (type == AE_IFDIR)
            continue;
        if (type != AE_IFREG)
            return QStringLiteral("its entry \"%1\" is not a plain file").arg(name);
        QIODevice* sink = sinkFor(name);
        char buffer[64 * 1024];
        la_ssize_t read = 0;
        while ((read = archive_read_data(reader.get(), buffer, sizeof buffer)) > 0) {
            if ((unpacked += read) > MostUnpacked)
                return QStringLiteral("it unpacks to more than 4 GiB");
            if (sink && sink->write(buffer, read) != read)
                return QStringLiteral("\"%1\" cannot be written (%2)")
                    .arg(name, sink->errorString());
        }
        if (read < 0)
            return damaged();
    }
    if (status != ARCHIVE_EOF)
        return first && !looksLikeZip ? QStringLiteral("it is not a zip file") : damaged();
    return {};
}

} // namespace

CollectionImport::CollectionImport(const QString& zipPath) : zip(zipPath) {
    QBuffer storeBytes;
    storeBytes.open(QIODevice::WriteOnly);
    bool sawStore = false;
    const QString why = readZip(zipPath, [&](const QString& name) -> QIODevice* {
        if (name == StoreEntry) {
            sawStore = true;
            return &storeBytes;
        }
        if (name.startsWith(ScreenshotFolder) || name.startsWith(DescriptionFolder) ||
            name.startsWith(DosBoxFolder))
            files.insert(name);
        return nullptr;
    });
    if (!why.isEmpty()) {
        refuse(why);
        return;
    }
    if (!sawStore) {
        refuse(QStringLiteral("it is no collection exported by Kavrel: it holds no %1")
                   .arg(StoreEntry));
        return;
    }
    const std::optional<StoreValues> values = readIniBytes(storeBytes.data());
    if (!values) {
        refuse(QStringLiteral("its %1 cannot be read").arg(StoreEntry));
        return;
    }
    if (values->value(FormatKey) != FormatName) {
        refuse(QStringLiteral("it is no collection exported by Kavrel"));
        return;
    }
    stored = *values;
}

void CollectionImport::refuse(const QString& reason) {
    whyNot = QStringLiteral("The file %1 cannot be imported: %2. Nothing was changed.")
                 .arg(shown(zip), reason);
    files.clear();
    stored.clear();
}

int CollectionImport::gameCount() const {
    return gameCountOf(stored);
}

QString CollectionImport::recordedGamesFolder() const {
    return stored.value(GamesFolderKey);
}

StoreValues CollectionImport::rooted(const QString& gamesFolder, const QString& filesFolder,
                                     const SettingsStore& store) const {
    StoreValues values = stored;
    values.remove(FormatKey);
    values.remove(GamesFolderKey);
    for (int n = 1; n <= gameCount(); ++n) {
        for (const QString& name : {GPath, GBmp, GText, GConf, GImage, GSetup}) {
            const QString at = key(GameKey(n), name);
            const QString path = values.value(at);
            if (name != GPath && files.contains(path))
                values[at] = rootedAt(filesFolder, path);
            else if (isRelative(path))
                values[at] = rootedAt(gamesFolder, path);
        }
    }
    values.insert(key(LocationSection, DosGames), shown(gamesFolder));
    // DOSBox is where this computer has it, once it has been located here.
    if (const QString dosBox = store.GetSetting(LocationSection, DosBox, {}); !dosBox.isEmpty())
        values.insert(key(LocationSection, DosBox), dosBox);
    return values;
}

std::optional<QString> CollectionImport::replace(SettingsStore& store, const QString& gamesFolder,
                                                 const QString& dataFolder) const {
    if (!whyNot.isEmpty())
        return whyNot;
    // A folder of its own, so that undoing removes nothing an earlier import unpacked.
    const QString stem =
        dataFolder + QStringLiteral("/collection-") +
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    QString filesFolder = stem;
    for (int again = 2; QFileInfo::exists(filesFolder); ++again)
        filesFolder = stem + u'-' + QString::number(again);
    const auto undo = [&](const QString& why) {
        QDir(filesFolder).removeRecursively();
        return QStringLiteral("The collection cannot be unpacked into %1: %2. Nothing was changed.")
            .arg(shown(filesFolder), why);
    };
    // The files are read from the zip a second time, straight to the disk: a shelf of large
    // screenshots need not fit in memory.
    std::unique_ptr<QFile> current;
    const QString why = readZip(zip, [&](const QString& name) -> QIODevice* {
        current.reset();
        if (!files.contains(name))
            return nullptr;
        const QString target = filesFolder + u'/' + name;
        QDir().mkpath(QFileInfo(target).absolutePath());
        current = std::make_unique<QFile>(target);
        current->open(QIODevice::WriteOnly);
        return current.get();
    });
    const bool flushed = !current || current->flush();
    current.reset();
    if (!why.isEmpty() || !flushed)
        return undo(why.isEmpty() ? QStringLiteral("the disk may be full") : why);
    replaceStoreValues(store, rooted(gamesFolder, filesFolder, store));
    return std::nullopt;
}
