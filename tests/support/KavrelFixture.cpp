#include "KavrelFixture.h"

#include "platform/ValueConversion.h"
#include "store/CollectionStore.h"
#include "store/StoreLayout.h"

#include <QAbstractItemView>
#include <QFileInfo>
#include <QImage>
#include <QSettings>
#include <QUuid>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

QString fileVersion(const QString& path) {
#ifdef Q_OS_UNIX
    // The store is replaced by a rename, so a new version is a new inode.
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    return u"%1.%2"_s.arg(info.st_ino).arg(info.st_mtim.tv_nsec);
#else
    return QFileInfo(path).lastModified().toString(Qt::ISODateWithMs);
#endif
}

KavrelFixture::KavrelFixture() {
    QDir(folder.path()).mkpath(u"app"_s);
    QDir(folder.path()).mkpath(u"config/Kavrel"_s);
    for (const QString& name : {u"Default.bmp"_s, u"readme.txt"_s})
        QFile::copy(QStringLiteral(KAVREL_ASSETS_DIR "/") + name, appFolder() + u'/' + name);
}

QString KavrelFixture::path(const QString& name) const {
    return QDir::toNativeSeparators(folder.filePath(name));
}

void KavrelFixture::seed(const QString& section, const QString& key, const QString& value) {
    QSettings settings(storePath(), QSettings::IniFormat);
    settings.setValue(section + u'/' + key, value);
    settings.sync();
}

void KavrelFixture::seedGames(const QList<GameEntry>& games, std::optional<int> last) {
    // One file write for the whole collection, so that large collections seed quickly.
    QSettings settings(storePath(), QSettings::IniFormat);
    settings.setValue(u"Games/Count"_s, integerText(int(games.size())));
    for (int n = 1; const GameEntry& game : games) {
        const QString values[] = {game.GPath, game.GBmp, game.GText, game.GTitle,
                                  booleanText(game.GType)};
        for (int k = 0; const char* key : {"GPath", "GBmp", "GText", "GTitle", "GType"})
            settings.setValue(GameKey(n) + u'/' + QLatin1StringView(key), values[k++]);
        // The DOSBox settings of a game's own only where it has them, as Kavrel stores them.
        const QString own[] = {game.GConf, game.GImage, game.GSetup,
                               game.GExit ? booleanText(*game.GExit) : QString()};
        for (int k = 0; const char* key : {"GConf", "GImage", "GSetup", "GExit"})
            if (const QString& value = own[k++]; !value.isEmpty())
                settings.setValue(GameKey(n) + u'/' + QLatin1StringView(key), value);
        ++n;
    }
    if (last)
        settings.setValue(u"Games/Last"_s, integerText(*last));
    settings.sync();
}

QString KavrelFixture::writeFile(const QString& name, const QByteArray& content, bool executable) {
    const QString file = path(name);
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile out(file);
    if (out.open(QIODevice::WriteOnly))
        out.write(content);
    if (executable)
        out.setPermissions(out.permissions() | QFile::ExeOwner);
    return file;
}

QString KavrelFixture::writePicture(const QString& name, QSize size, QColor colour,
                                    const char* format) {
    const QString file = writeFile(name, {});
    // One byte a pixel keeps even a huge picture small in memory.
    QImage picture(size, QImage::Format_Indexed8);
    picture.setColorTable({colour.rgb()});
    picture.fill(0);
    picture.save(file, format);
    return file;
}

Hoofdscherm& KavrelFixture::start() {
    kavrel.reset();
    settings = SettingsStore::openIniFile(storePath());
    kavrel = std::make_unique<Hoofdscherm>(
        PlatformServices{*settings, dialogs, starter, appFolder(), [this] {
                             ++endProgramCalls;
                         }});
    kavrel->activateWindow();
    if (!QTest::qWaitForWindowActive(kavrel.get()))
        qWarning("The window did not become active; focus checks will fail.");
    return *kavrel;
}

QStringList KavrelFixture::listEntries() const {
    QStringList entries;
    for (int i = 0; i < list()->ListCount(); ++i)
        entries.append(list()->List(i));
    return entries;
}

GameEntry KavrelFixture::storedGame(int n) const {
    const QString section = GameKey(n);
    const auto text = [&](const QString& key) {
        return onDisk(section, key).value_or(QString());
    };
    const std::optional<QString> exit = onDisk(section, StoreLayout::GExit);
    return GameEntry{text(StoreLayout::GPath),
                     text(StoreLayout::GBmp),
                     text(StoreLayout::GText),
                     text(StoreLayout::GTitle),
                     onDisk(section, StoreLayout::GType).value_or(u"True"_s) == u"True"_s,
                     text(StoreLayout::GConf),
                     text(StoreLayout::GImage),
                     text(StoreLayout::GSetup),
                     exit ? std::optional(*exit == u"True"_s) : std::nullopt};
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::optional<QString> KavrelFixture::onDisk(const QString& section, const QString& key) const {
    // A QSettings on the store's own file would answer from the cache it shares with the
    // window's store; a copy under a new name can only answer from the disk. The copies go with
    // the temporary folder.
    const QString copy = path(u"disk-%1.ini"_s.arg(QUuid::createUuid().toString(QUuid::Id128)));
    QFile::copy(storePath(), copy);
    const QVariant stored = QSettings(copy, QSettings::IniFormat).value(section + u'/' + key);
    return stored.isValid() ? std::optional(stored.toString()) : std::nullopt;
}

void KavrelFixture::pickTitle(int index) {
    list()->showPopup();
    QAbstractItemView* view = list()->view();
    QTRY_VERIFY(view->isVisible());
    const QRect entry = view->visualRect(view->model()->index(index, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, entry.center());
    QTRY_VERIFY(!view->isVisible());
}
