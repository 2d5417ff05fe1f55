// Adding a shelf of games: a folder chosen by menu, or folders and programs dropped on the
// window, are looked through; the games the user accepts join the collection in one command.
#include "platform/Dialogs.h"
#include "platform/PictureLoading.h"
#include "platform/SettingsStore.h"
#include "platform/TextLoading.h"
#include "platform/ValueConversion.h"
#include "shelf/FolderScan.h"
#include "shelf/ShelfAdditions.h"
#include "store/CollectionStore.h"
#include "store/StoreLayout.h"
#include "store/TitleSort.h"
#include "window/GameList.h"
#include "window/Hoofdscherm.h"

namespace {

QString nothingNewMessage(const QStringList& looked, const ShelfPlan& plan) {
    const QString where = looked.size() == 1 ? looked[0] : QStringLiteral("what was dropped");
    QString message = QStringLiteral("Kavrel found no new games in %1.").arg(where);
    if (plan.known.size() == 1)
        message += QStringLiteral(" The one game it found is in the collection already.");
    else if (!plan.known.isEmpty())
        message += QStringLiteral(" The %1 games it found are in the collection already.")
                       .arg(plan.known.size());
    return message;
}

} // namespace

void Hoofdscherm::mnuAddFolder_Click() {
    if (CollectionFull())
        return;
    const QString folder = platform.dialogs.chooseFolderToAdd(DosGamesFolder);
    if (folder.isEmpty()) {
        FocusPicture();
        return;
    }
    AddShelf({folder});
}

void Hoofdscherm::AddShelf(const QStringList& foldersAndPrograms) {
    std::unique_ptr<TaskProgress> progress =
        platform.dialogs.showProgress(QStringLiteral("Looking for games..."));
    FolderScan scan([&](int done, int total) { return progress->report(done, total); });
    const QList<GameProposal> found = scan.scan(foldersAndPrograms);
    progress.reset();
    if (scan.stopped()) {
        FocusPicture();
        return;
    }
    const ShelfPlan plan = planShelf(Games, found);
    if (plan.toAdd.isEmpty()) {
        if (plan.noRoom.isEmpty())
            platform.dialogs.MsgBox(nothingNewMessage(foldersAndPrograms, plan),
                                    MsgBoxStyle::Exclamation, QStringLiteral("Kavrel"));
        else
            CollectionFull(int(plan.noRoom.size()));
        FocusPicture();
        return;
    }
    if (!plan.noRoom.isEmpty())
        platform.dialogs.MsgBox(QStringLiteral("Only %1 of the %2 new games found fit in the "
                                               "collection: Kavrel holds at most %3 games.")
                                    .arg(plan.toAdd.size())
                                    .arg(plan.toAdd.size() + plan.noRoom.size())
                                    .arg(GameTable::MaxGames),
                                MsgBoxStyle::Exclamation, QStringLiteral("Kavrel"));
    QList<GameEntry> accepted;
    for (const GameProposal& game :
         platform.dialogs.chooseGames(plan.toAdd, int(plan.known.size())))
        accepted.append(game.entry());
    AddGames(accepted);
}

void Hoofdscherm::AddGames(QList<GameEntry> added) {
    SettingsStore::Batch batch(platform.store);
    if (added.isEmpty() || CollectionFull(int(added.size()))) {
        FocusPicture();
        return;
    }
    // Titles the user typed in the proposals may be in use.
    QStringList titles;
    for (const GameEntry& game : added)
        titles.append(game.GTitle);
    titles = uniqueTitles(Games, titles);
    int first = 0;
    for (qsizetype i = 0; i < added.size(); ++i) {
        GameEntry& game = added[i];
        game.GTitle = titles[i];
        if (titleBefore(game.GTitle, added[first].GTitle))
            first = int(i);
        // As when a game's file is chosen: a file that cannot be shown is not taken.
        if (!game.GBmp.isEmpty() && !LoadPicture(game.GBmp))
            game.GBmp.clear();
        if (!game.GText.isEmpty() && !LoadFile(game.GText))
            game.GText.clear();
    }

    const GameTable stored = Games;
    for (const GameEntry& game : added) {
        Games.append(game);
        Lijst->AddItem(game.GTitle, GameCount() - 1);
    }
    platform.store.SaveSetting(StoreLayout::GamesSection, StoreLayout::Count,
                               integerText(GameCount()));
    EnableGameControls();
    // The first of them in title order is selected, and stays selected through the sort.
    Lijst->setListIndex(stored.count() + first);
    BubbleSort();
    writeGameTable(platform.store, Games, stored);
    RefreshCaption();
    FocusPicture();
}
