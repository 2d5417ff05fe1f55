// The selected game's screenshot and description: chosen by menu or by a double click on the
// picture or the description, and removed by menu.
#include "platform/PickerFilters.h"
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

void Hoofdscherm::ChooseGameFile(GameFile kind) {
    SettingsStore::Batch batch(platform.store);
    const int row = currentGame();
    if (GameCount() == 0 || !Games.contains(row))
        return;

    const bool screenshot = kind == GameFile::Screenshot;
    CMDialog1.CancelError = true;
    const PathParts stored = splitAtLastSeparator(screenshot ? Games[row].GBmp : Games[row].GText);
    CMDialog1.DefaultExt = screenshot ? QStringLiteral("bmp") : QStringLiteral("txt");
    CMDialog1.Filter = screenshot ? PickerFilters::Screenshot : PickerFilters::Description;
    CMDialog1.Flags = FilePicker::MustExistExplorerLongNames;
    // Without a stored file the picker opens where its previous use left it.
    if (stored.hasSeparator) {
        CMDialog1.InitDir = stored.folder;
        CMDialog1.FileName = stored.name;
    }
    if (CMDialog1.ShowOpen()) {
        const QString chosen = CMDialog1.FileName;
        // A file that cannot be shown is not taken: the table, the store and the display keep
        // the game's former file.
        const bool shown = screenshot ? ShowScreenshot(chosen) : ShowDescription(chosen);
        if (shown) {
            (screenshot ? Games[row].GBmp : Games[row].GText) = chosen;
            platform.store.SaveSetting(GameKey(row),
                                       screenshot ? StoreLayout::GBmp : StoreLayout::GText, chosen);
        }
    }
    Picture1->setFocus();
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
    Picture1->setFocus();
}
