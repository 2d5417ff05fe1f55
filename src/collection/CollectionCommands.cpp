#include "collection/CollectionCommands.h"

#include "backup/Backups.h"
#include "collection/CollectionArchive.h"
#include "collection/MoveGamesFolder.h"
#include "launch/CommandLine.h"
#include "launch/SingleInstance.h"
#include "platform/SettingsStore.h"
#include "store/CollectionStore.h"
#include "store/StoreLayout.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace {

QString fullPath(const QString& path) {
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

int fail(const CommandLineWorld& world, const QString& reason) {
    world.err << reason << '\n';
    return 1;
}

// Runs a change of the collection while no window holds it, after a backup, and reports a store
// that refused the write.
template <typename Change> int changeCollection(const CommandLineWorld& world, Change change) {
    SingleInstance instance(SettingsStore::userStoreLocation());
    if (!instance.holdForCommand())
        return fail(world, QStringLiteral("Kavrel is open on this collection. Close its window "
                                          "and try again; nothing was changed."));
    const std::unique_ptr<SettingsStore> store = world.openStore();
    QString refused;
    store->setFailureReporter([&refused](const QString& reason) { refused = reason; });
    const int status = change(*store, [&]() -> std::optional<QString> {
        if (const std::optional<QString> failure = Backups(store->location()).make())
            return QStringLiteral("The collection cannot be backed up first. %1 Nothing was "
                                  "changed.")
                .arg(*failure);
        return std::nullopt;
    });
    if (!refused.isEmpty())
        return fail(world, QStringLiteral("The collection cannot be saved. %1").arg(refused));
    return status;
}

} // namespace

int exportCommand(const QString& zipPath, const CommandLineWorld& world) {
    const std::unique_ptr<SettingsStore> store = world.openStore();
    if (const std::optional<QString> failure = exportCollection(*store, fullPath(zipPath)))
        return fail(world, *failure);
    const int games = readGameCount(*store);
    world.out << QStringLiteral("%1 %2 exported to %3.")
                     .arg(games)
                     .arg(games == 1 ? QStringLiteral("game") : QStringLiteral("games"),
                          fullPath(zipPath))
              << '\n';
    return 0;
}

int importCommand(const QString& zipPath, const QString& gamesFolder,
                  const CommandLineWorld& world) {
    const CollectionImport collection(fullPath(zipPath));
    if (!collection.refusal().isEmpty())
        return fail(world, collection.refusal());
    return changeCollection(world, [&](SettingsStore& store, auto backUp) {
        QString folder = gamesFolder.isEmpty() ? QString() : fullPath(gamesFolder);
        if (folder.isEmpty())
            folder = store.GetSetting(StoreLayout::LocationSection, StoreLayout::DosGames, {});
        if (folder.isEmpty())
            folder = collection.recordedGamesFolder();
        if (folder.isEmpty())
            return fail(world, QStringLiteral("Name the games folder: kavrel --import %1 "
                                              "GAMES-FOLDER. Nothing was changed.")
                                   .arg(zipPath));
        if (const std::optional<QString> failure = backUp())
            return fail(world, *failure);
        if (const std::optional<QString> failure =
                collection.replace(store, folder, userDataFolder()))
            return fail(world, *failure);
        world.out << QStringLiteral("%1 %2 imported; the games folder is %3.")
                         .arg(collection.gameCount())
                         .arg(collection.gameCount() == 1 ? QStringLiteral("game")
                                                          : QStringLiteral("games"),
                              QDir::toNativeSeparators(folder))
                  << '\n';
        return 0;
    });
}

int moveGamesCommand(const QString& oldFolder, const QString& newFolder,
                     const CommandLineWorld& world) {
    const QString from = fullPath(oldFolder), to = fullPath(newFolder);
    if (const std::optional<QString> refusal = moveRefusal(from, to))
        return fail(world, *refusal);
    return changeCollection(world, [&](SettingsStore& store, auto backUp) {
        // Nothing to move needs no backup.
        if (const std::optional<QString> failure =
                anyGameUnder(readGames(store), from) ? backUp() : std::nullopt)
            return fail(world, *failure);
        const GamesFolderMove move = moveGamesFolder(store, from, to);
        world.out << describeMove(move, from, to) << '\n';
        return move.gamesMoved == 0 ? 1 : 0;
    });
}
