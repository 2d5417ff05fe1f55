#include "collection/MoveGamesFolder.h"

#include "platform/SettingsStore.h"
#include "store/CollectionStore.h"
#include "store/StoreLayout.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <algorithm>
#include <array>

using namespace StoreLayout;

namespace {

#ifdef Q_OS_WIN
constexpr Qt::CaseSensitivity PathCase = Qt::CaseInsensitive;
#else
constexpr Qt::CaseSensitivity PathCase = Qt::CaseSensitive;
#endif

bool isSeparator(QChar c) {
    return c == u'/' || c == u'\\';
}

// The folder without a closing separator, except a root, which is nothing without it.
QString withoutClosingSeparator(QString folder) {
    while (folder.size() > 1 && isSeparator(folder.back()) && !folder.endsWith(u":\\"))
        folder.chop(1);
    return folder;
}

QString folderOf(const QString& path) {
    const qsizetype last = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    if (last < 0)
        return {};
    return last == 0 || (last == 2 && path[1] == u':') ? path.left(last + 1) : path.left(last);
}

QString noun(int count, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1StringView(count == 1 ? one : many));
}

} // namespace

bool liesUnder(const QString& path, const QString& folder) {
    const QString base = withoutClosingSeparator(folder);
    if (base.isEmpty() || !path.startsWith(base, PathCase))
        return false;
    return path.size() == base.size() || isSeparator(base.back()) || isSeparator(path[base.size()]);
}

QString rebased(const QString& path, const QString& oldFolder, const QString& newFolder) {
    const QString from = withoutClosingSeparator(oldFolder);
    const QString to = withoutClosingSeparator(newFolder);
    QString rest = path.mid(from.size());
    if (!rest.isEmpty() && isSeparator(to.back()) && isSeparator(rest.front()))
        rest.remove(0, 1);
    else if (!rest.isEmpty() && !isSeparator(to.back()) && !isSeparator(rest.front()))
        rest.prepend(QDir::separator());
    return to + rest;
}

namespace {

std::array<const QString*, 6> filesOf(const GameEntry& game) {
    return {&game.GPath, &game.GBmp, &game.GText, &game.GConf, &game.GImage, &game.GSetup};
}

} // namespace

bool anyGameUnder(const GameTable& games, const QString& folder) {
    return std::any_of(games.begin(), games.end(), [&](const GameEntry& game) {
        const auto files = filesOf(game);
        return std::any_of(files.begin(), files.end(),
                           [&](const QString* path) { return liesUnder(*path, folder); });
    });
}

QString suggestedOldFolder(const GameTable& games) {
    // How many programs lie under each folder, counted up every folder of every program.
    QHash<QString, int> holds;
    for (const GameEntry& game : games) {
        for (QString folder = folderOf(game.GPath); !folder.isEmpty();) {
            ++holds[folder];
            const QString up = folderOf(folder);
            if (up == folder)
                break;
            folder = up;
        }
    }
    QString best;
    for (auto folder = holds.cbegin(); folder != holds.cend(); ++folder)
        if (folder.value() * 2 > games.count() && folder.key().size() > best.size())
            best = folder.key();
    return best;
}

std::optional<QString> moveRefusal(const QString& oldFolder, const QString& newFolder) {
    if (oldFolder.isEmpty() || newFolder.isEmpty())
        return QStringLiteral("Both the old and the new folder are needed.");
    if (QDir::isRelativePath(oldFolder) || QDir::isRelativePath(newFolder))
        return QStringLiteral("The folders must be given as full paths.");
    if (withoutClosingSeparator(oldFolder).compare(withoutClosingSeparator(newFolder), PathCase) ==
        0)
        return QStringLiteral("The old and the new folder are the same.");
    return std::nullopt;
}

GamesFolderMove moveGamesFolder(SettingsStore& store, const QString& oldFolder,
                                const QString& newFolder) {
    SettingsStore::Batch batch(store);
    GamesFolderMove move;
    const GameTable games = readGames(store);
    for (int n = 1; n <= games.count(); ++n) {
        bool moved = false;
        const auto rewrite = [&](const QString& key, const QString& path) {
            if (path.isEmpty() || !liesUnder(path, oldFolder))
                return;
            const QString there = rebased(path, oldFolder, newFolder);
            store.SaveSetting(GameKey(n), key, there);
            moved = true;
            if (!QFileInfo::exists(there))
                ++move.filesMissing;
        };
        rewrite(GPath, games[n].GPath);
        rewrite(GBmp, games[n].GBmp);
        rewrite(GText, games[n].GText);
        // A game's own DOSBox configuration, image and setup program lie beside it.
        rewrite(GConf, games[n].GConf);
        rewrite(GImage, games[n].GImage);
        rewrite(GSetup, games[n].GSetup);
        move.gamesMoved += moved ? 1 : 0;
    }
    if (move.gamesMoved == 0)
        return move;
    const QString gamesFolder = store.GetSetting(LocationSection, DosGames, {});
    store.SaveSetting(LocationSection, DosGames,
                      liesUnder(gamesFolder, oldFolder) ? rebased(gamesFolder, oldFolder, newFolder)
                                                        : newFolder);
    return move;
}

QString describeMove(const GamesFolderMove& move, const QString& oldFolder,
                     const QString& newFolder) {
    if (move.gamesMoved == 0)
        return QStringLiteral("No game lies under %1; nothing was changed.")
            .arg(QDir::toNativeSeparators(oldFolder));
    const QString moved =
        QStringLiteral("%1 moved to %2.")
            .arg(noun(move.gamesMoved, "game", "games"), QDir::toNativeSeparators(newFolder));
    if (move.filesMissing == 0)
        return moved + QStringLiteral(" All of their files are there.");
    return moved + QStringLiteral(" %1 missing there.")
                       .arg(noun(move.filesMissing, "of their files is", "of their files are"));
}
