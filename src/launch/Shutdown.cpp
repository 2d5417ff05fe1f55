// Leaving Kavrel: the close box, Exit and the end of the desktop session remember the selected
// game as "Last" for the next start. Everything else was stored when it changed.
#include "platform/SettingsStore.h"
#include "platform/ValueConversion.h"
#include "store/StoreLayout.h"
#include "window/GameList.h"
#include "window/Hoofdscherm.h"

void Hoofdscherm::Form_QueryUnload() {
    // A close request is never refused.
    endRun();
}

void Hoofdscherm::MnuBestandAfsluiten_Click() {
    endRun();
}

void Hoofdscherm::endRun() {
    // The close box after Exit, or the close of every window that may follow the end of the
    // program, belong to the same exit.
    if (runEnding)
        return;
    runEnding = true;
    storeLastGame();
    platform.endProgram();
}

void Hoofdscherm::storeLastGame() {
    // An empty list keeps the "Last" of the collection's former games.
    if (Lijst->ListCount() <= 0)
        return;
    const int index = Lijst->ListIndex();
    // The end of the session stores it first; the close of the window that may follow it
    // finds it stored.
    if (lastStored == index)
        return;
    SettingsStore::Batch batch(platform.store);
    platform.store.SaveSetting(StoreLayout::GamesSection, StoreLayout::Last, integerText(index));
    lastStored = index;
}
