#include "shelf/AddFolderCommand.h"

#include "launch/CommandLine.h"
#include "launch/SingleInstance.h"
#include "platform/SettingsStore.h"
#include "platform/ValueConversion.h"
#include "shelf/FolderScan.h"
#include "shelf/ShelfAdditions.h"
#include "store/CollectionStore.h"
#include "store/StoreLayout.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace {

void printPlan(const ShelfPlan& plan, bool dryRun, QTextStream& out) {
    const QString verb = dryRun ? QStringLiteral("Would add") : QStringLiteral("Added");
    for (const GameProposal& game : plan.toAdd)
        out << verb << ": " << game.title << " (" << typeName(game.dos) << ", " << game.program
            << ")\n";
    for (const GameProposal& game : plan.known)
        out << "Left out: " << game.folder << " (its program is in the collection already)\n";
    for (const GameProposal& game : plan.noRoom)
        out << "Left out: " << game.folder
            << QStringLiteral(" (the collection is full: it holds at most %1 games)\n")
                   .arg(GameTable::MaxGames);
}

// One write: the count and every game section whose game changed place.
bool storeGames(SettingsStore& store, const GameTable& collection, const ShelfPlan& plan) {
    QList<GameEntry> added;
    for (const GameProposal& game : plan.toAdd)
        added.append(game.entry());
    const GameTable sorted = withGamesAdded(collection, added);
    bool refused = false;
    store.setFailureReporter([&](const QString&) { refused = true; });
    {
        SettingsStore::Batch batch(store);
        store.SaveSetting(StoreLayout::GamesSection, StoreLayout::Count,
                          integerText(sorted.count()));
        writeGameTable(store, sorted, collection);
    }
    store.setFailureReporter({});
    return !refused;
}

} // namespace

int addFolderFromCommandLine(const QString& folder, bool dryRun, const CommandLineWorld& world) {
    if (!QFileInfo(folder).isDir()) {
        world.err << QStringLiteral("Not a folder: %1").arg(folder) << '\n';
        return 1;
    }
    // Held until the games are written: a window opened meanwhile waits for nothing, it finds
    // the collection held and hands over.
    SingleInstance instance(SettingsStore::userStoreLocation());
    if (!dryRun && !instance.holdForCommand()) {
        world.err << QStringLiteral("Kavrel is open on this collection. Close its window, or add "
                                    "the folder there with Games > Add folder...")
                  << '\n';
        return 1;
    }
    const std::unique_ptr<SettingsStore> store = world.openStore();
    if (!store->readFailure().isEmpty()) {
        world.err << store->readFailure() << '\n';
        return 1;
    }
    // A count that hides games keeps the store aside before the first write, as in the window.
    store->setReadCheck(gameCountReadable);
    const GameTable collection = readGames(*store);
    const ShelfPlan plan = planShelf(collection, FolderScan().scan({QDir(folder).absolutePath()}));
    if (plan.toAdd.isEmpty() && plan.known.isEmpty() && plan.noRoom.isEmpty())
        world.out << QStringLiteral("No games found in %1").arg(QDir::toNativeSeparators(folder))
                  << '\n';
    if (!dryRun && !plan.toAdd.isEmpty() && !storeGames(*store, collection, plan)) {
        world.err << QStringLiteral("Kavrel could not save the games to %1; none were added.")
                         .arg(store->location())
                  << '\n';
        return 1;
    }
    printPlan(plan, dryRun, world.out);
    return 0;
}
