#include "shelf/ShelfAdditions.h"

#include "store/TitleSort.h"

#include <QDir>
#include <QSet>

namespace {

// Program paths compare as the platform's file names do.
QString pathKey(const QString& path) {
    const QString clean = QDir::cleanPath(QDir::fromNativeSeparators(path));
#ifdef Q_OS_WIN
    return clean.toCaseFolded();
#else
    return clean;
#endif
}

} // namespace

QStringList uniqueTitles(const GameTable& collection, const QStringList& titles) {
    QSet<QString> inUse;
    for (const GameEntry& game : collection)
        inUse.insert(game.GTitle);
    QStringList unique;
    for (const QString& title : titles) {
        QString free = title;
        for (int n = 2; inUse.contains(free); ++n)
            free = QStringLiteral("%1 (%2)").arg(title).arg(n);
        inUse.insert(free);
        unique.append(free);
    }
    return unique;
}

ShelfPlan planShelf(const GameTable& collection, const QList<GameProposal>& found) {
    QSet<QString> programs;
    for (const GameEntry& game : collection)
        programs.insert(pathKey(game.GPath));
    ShelfPlan plan;
    int room = GameTable::MaxGames - collection.count();
    for (const GameProposal& game : found) {
        const auto inCollection = [&](const QString& p) {
            return programs.contains(pathKey(p));
        };
        const bool known =
            game.wholeFolder ? std::any_of(game.programs.begin(), game.programs.end(), inCollection)
                             : inCollection(game.program);
        if (known)
            plan.known.append(game);
        else if (room-- > 0)
            plan.toAdd.append(game);
        else
            plan.noRoom.append(game);
    }
    QStringList titles;
    for (const GameProposal& game : plan.toAdd)
        titles.append(game.title);
    titles = uniqueTitles(collection, titles);
    for (qsizetype i = 0; i < titles.size(); ++i)
        plan.toAdd[i].title = titles[i];
    return plan;
}

GameTable withGamesAdded(const GameTable& collection, const QList<GameEntry>& added,
                         int* firstAdded) {
    GameTable all = collection;
    for (const GameEntry& game : added)
        all.append(game);
    QStringList titles;
    for (const GameEntry& game : all)
        titles.append(game.GTitle);
    const std::vector<int> order = exchangeSortOrder(titles);
    GameTable sorted;
    int first = 0;
    for (std::size_t k = 0; k < order.size(); ++k) {
        sorted.append(all[order[k] + 1]);
        if (first == 0 && order[k] >= collection.count())
            first = int(k) + 1;
    }
    if (firstAdded)
        *firstAdded = first;
    return sorted;
}

QString typeName(bool dos) {
    return dos ? QStringLiteral("DOS") : QStringLiteral("Windows");
}
