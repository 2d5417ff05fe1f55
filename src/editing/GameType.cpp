// The type of the selected game: a DOS game (option "DOS", index 0) or a Windows game ("Win",
// index 1), set by the option buttons, the two menu items and the display of a game.
#include "platform/SettingsStore.h"
#include "platform/ValueConversion.h"
#include "store/StoreLayout.h"
#include "window/GameList.h"
#include "window/Hoofdscherm.h"

#include <QAction>
#include <QRadioButton>

void Hoofdscherm::optType_Click(int Index) {
    const int row = currentGame();
    // The clicked button and the chosen menu item have marked themselves already; without a
    // game they take back the type shown before.
    const bool game = Games.contains(row);
    if (game)
        TypeShown = Index;
    const bool dos = TypeShown == 0;
    optType[TypeShown]->setChecked(true);
    mnu_game_dos->setChecked(dos);
    mnu_game_win->setChecked(!dos);
    if (!game)
        return;
    SettingsStore::Batch batch(platform.store);
    Games[row].GType = dos;
    platform.store.SaveSetting(GameKey(row), StoreLayout::GType, booleanText(dos));
}

void Hoofdscherm::mnu_game_dos_Click() {
    optType_Click(0);
}

void Hoofdscherm::mnu_game_win_Click() {
    optType_Click(1);
}
