// The selected game's screenshot and description: chosen by menu or by a double click on the
// picture or the description, and removed by menu.
#include "platform/SettingsStore.h"
#include "store/Paths.h"
#include "store/StoreLayout.h"
#include "window/GameList.h"
#include "window/Hoofdscherm.h"
#include "window/PictureBox.h"

void Hoofdscherm::MnuBewerkenAfbeelding_Click() {
    ChooseGameFile(GameFile::Screenshot);
}

void Hoofdscherm::Picture1_DblClick() {
    ChooseGameFile(GameFile::Screenshot);
}

void Hoofdscherm::MnuBewerkenBeschrijving_Click() {
    ChooseGameFile(GameFile::Description);
}

void Hoofdscherm::RTB1_DblClick() {
    ChooseGameFile(GameFile::Description);
}

void Hoofdscherm::mnu_remove_screenshot_Click() {
    RemoveGameFile(GameFile::Screenshot);
}

void Hoofdscherm::mnu_remove_description_Click() {
    RemoveGameFile(GameFile::Description);
}

void Hoofdscherm::HaalAfbeelding() {
    PickFileForNewGame(GameFile::Screenshot);
}

void Hoofdscherm::HaalBeschrijving() {
    PickFileForNewGame(GameFile::Description);
}

void Hoofdscherm::PickFileForNewGame(GameFile kind) {
    if (GameCount() == 0)
        return;
    // The folder and the name are those the previous use of the picker left: while adding,
    // the game's own folder and program, then the screenshot just chosen.
    PrepareFilePicker(kind);
    if (!CMDialog1.ShowOpen())
        return;
    // A file that cannot be shown is not taken, as when a game's file is changed later: the
    // game is added without it. The display of the new game follows at once.
    const bool screenshot = kind == GameFile::Screenshot;
    const QString chosen = CMDialog1.FileName;
    if (screenshot ? ShowScreenshot(chosen) : ShowDescription(chosen)) {
        GameEntry& added = Games[GameCount()];
        (screenshot ? added.GBmp : added.GText) = chosen;
    }
}

void Hoofdscherm::ChooseGameFile(GameFile kind) {
    SettingsStore::Batch batch(platform.store);
    const int row = currentGame();
    if (GameCount() == 0 || !Games.contains(row))
        return;

    const bool screenshot = kind == GameFile::Screenshot;
    const PathParts stored = splitAtLastSeparator(screenshot ? Games[row].GBmp : Games[row].GText);
    PrepareFilePicker(kind);
    // Without a stored file the picker opens where its previous use left it.
    if (stored.hasSeparator) {
        CMDialog1.InitDir = PickerFolderOf(stored);
        CMDialog1.FileName = stored.name;
    }
    if (CMDialog1.ShowOpen())
        ChangeGameFile(kind, row, CMDialog1.FileName);
    FocusPicture();
}

bool Hoofdscherm::ChangeGameFile(GameFile kind, int row, const QString& chosen) {
    // A file that cannot be shown is not taken: the table, the store and the display keep the
    // game's former file.
    const bool screenshot = kind == GameFile::Screenshot;
    const bool shown = screenshot ? ShowScreenshot(chosen) : ShowDescription(chosen);
    if (shown) {
        (screenshot ? Games[row].GBmp : Games[row].GText) = chosen;
        platform.store.SaveSetting(GameKey(row),
                                   screenshot ? StoreLayout::GBmp : StoreLayout::GText, chosen);
    }
    return shown;
}

void Hoofdscherm::RemoveGameFile(GameFile kind) {
    SettingsStore::Batch batch(platform.store);
    const int row = currentGame();
    if (GameCount() == 0 || !Games.contains(row))
        return;

    if (kind == GameFile::Screenshot) {
        Games[row].GBmp.clear();
        ShowDefaultPicture();
        platform.store.DeleteSetting(GameKey(row), StoreLayout::GBmp);
    } else {
        Games[row].GText.clear();
        ShowNoDescription();
        platform.store.DeleteSetting(GameKey(row), StoreLayout::GText);
    }
    Lijst->setListIndex(Lijst->ListIndex());
    FocusPicture();
}
