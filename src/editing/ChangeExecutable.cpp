// Pointing the selected game at another program file.
#include "platform/SettingsStore.h"
#include "store/Paths.h"
#include "store/StoreLayout.h"
#include "window/GameList.h"
#include "window/Hoofdscherm.h"
#include "window/PictureBox.h"

void Hoofdscherm::MnuBewerkenDoel_Click() {
    SettingsStore::Batch batch(platform.store);
    const int row = currentGame();
    if (GameCount() == 0 || !Games.contains(row))
        return;

    PrepareFilePicker(GameFile::Program);
    const PathParts stored = splitAtLastSeparator(Games[row].GPath);
    // A stored path without a folder, as an incomplete store gives, presets nothing.
    if (stored.hasSeparator) {
        CMDialog1.InitDir = PickerFolderOf(stored);
        CMDialog1.FileName = stored.name;
    }
    if (CMDialog1.ShowOpen()) {
        Games[row].GPath = CMDialog1.FileName;
        platform.store.SaveSetting(GameKey(row), StoreLayout::GPath, Games[row].GPath);
    }
    FocusPicture();
}
