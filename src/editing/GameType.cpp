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
    if (!Games.contains(row))
        return;
    SettingsStore::Batch batch(platform.store);
    const bool dos = Index == 0;
    optType[Index]->setChecked(true);
    mnu_game_dos->setChecked(dos);
    mnu_game_win->setChecked(!dos);
    Games[row].GType = dos;
    platform.store.SaveSetting(GameKey(row), StoreLayout::GType, booleanText(dos));
}

void Hoofdscherm::mnu_game_dos_Click() {
    optType_Click(0);
}

void Hoofdscherm::mnu_game_win_Click() {
    optType_Click(1);
}
