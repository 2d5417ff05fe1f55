// Removing the selected game: the last game fills its place, the collection is sorted and
// stored again, and the game before it is shown.
#include "backup/Backups.h"
#include "dosbox/GameDosBoxSettings.h"
#include "platform/SettingsStore.h"
#include "platform/ValueConversion.h"
#include "store/CollectionStore.h"
#include "store/StoreLayout.h"
#include "window/GameList.h"
#include "window/Hoofdscherm.h"
#include "window/PictureBox.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

void Hoofdscherm::MnuBestandVerwijderen_Click() {
    SettingsStore::Batch batch(platform.store);
    const int count = GameCount();
    const int selected = Lijst->ListIndex();
    if (count == 0 || !Games.contains(selected + 1))
        return;
    // Removing cannot be undone, so the collection as it was is kept first; a copy that cannot
    // be made does not stop the removal the user asked for.
    if (const std::optional<QString> failure = backups->make())
        qWarning("Kavrel: no backup before the removal: %s", qPrintable(*failure));

    const GameTable stored = Games;
    const QString removedConfiguration = Games[selected + 1].GConf;
    // The last game takes the removed game's place, so no other game changes its number before
    // the sort.
    Games[selected + 1] = Games[count];
    Lijst->setList(selected, Lijst->List(Lijst->ListCount() - 1));
    Lijst->RemoveItem(Lijst->ListCount() - 1);
    Games.truncate(count - 1);
    platform.store.SaveSetting(StoreLayout::GamesSection, StoreLayout::Count,
                               integerText(GameCount()));

    if (GameCount() == 0) {
        ShowDefaultPicture();
        ShowNoDescription();
        DisableGameControls();
    } else {
        if (Lijst->ListIndex() > 0)
            Lijst->setListIndex(Lijst->ListIndex() - 1);
        if (Lijst->ListIndex() == -1)
            Lijst->setListIndex(Lijst->ListCount() - 1);

        ShowGameFiles(Games[currentGame()]);

        Lijst->setEnabled(true);
        KnopVolgende->setEnabled(Lijst->ListCount() > Lijst->ListIndex() + 1);
        KnopVorige->setEnabled(Lijst->ListIndex() > 0);
        KnopSpelen->setEnabled(true);
        for (QAction* command : {MnuBestandOpen, MnuBestandVerwijderen, mnuChange->menuAction()})
            command->setEnabled(true);
    }

    BubbleSort();
    writeGameTable(platform.store, Games, stored);
    // The game's DOSBox settings go with it, Kavrel's own file once no game names it.
    dropOwnDosBoxFileIfUnused(removedConfiguration, Games, platform.store);
    RefreshCaption();
    FocusPicture();
}
