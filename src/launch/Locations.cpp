// Where DOSBox and the DOS games live, and whether DOSBox closes when its game ends. The menu
// item and the check box show the same auto-exit state and store it at once.
#include "launch/DosBoxLocation.h"
#include "launch/LaunchCommand.h"
#include "platform/Dialogs.h"
#include "platform/PickerFilters.h"
#include "platform/SettingsStore.h"
#include "platform/ValueConversion.h"
#include "store/StoreLayout.h"
#include "window/Hoofdscherm.h"

#include <QAction>
#include <QCheckBox>

using namespace StoreLayout;

void Hoofdscherm::mnuKavrelFolder_Click() {
    SettingsStore::Batch batch(platform.store);
    const QString folder = platform.dialogs.BrowseForFolder();
    // Cancel gives the empty text; the folder is kept exactly as the picker gives it.
    if (folder.isEmpty() || folder == DosGamesFolder)
        return;
    DosGamesFolder = folder;
    platform.store.SaveSetting(LocationSection, DosGames, DosGamesFolder);
}

void Hoofdscherm::mnuLocateDOSBox_Click() {
    SettingsStore::Batch batch(platform.store);
#ifdef Q_OS_WIN
    CMDialog1.CancelError = true;
    CMDialog1.DefaultExt = QStringLiteral("exe");
    CMDialog1.Filter = PickerFilters::DosBox;
    CMDialog1.Flags = FilePicker::MustExistExplorerLongNames;
    // No folder and no name are preset: the picker opens where its previous use left it.
    if (CMDialog1.ShowOpen()) {
        DosBoxPath = CMDialog1.FileName;
        platform.store.SaveSetting(LocationSection, DosBox, DosBoxPath);
    }
#else
    // Programs here carry no extension and live apart from the games: a picker of its own, which
    // leaves the shared one as it was, lists every file where a DOSBox is, and a file that cannot
    // start is refused rather than stored.
    const std::optional<QString> chosen =
        platform.dialogs.openFile({dosBoxPickerFolder(DosBoxPath),
                                   {},
                                   QStringLiteral("All files |*"),
                                   {},
                                   FilePicker::MustExistExplorerLongNames});
    if (chosen) {
        if (const QString whyNot = whyNotDosBox(*chosen); !whyNot.isEmpty()) {
            platform.dialogs.MsgBox(whyNot, MsgBoxStyle::Exclamation,
                                    QStringLiteral("Locate DOSBox"));
        } else {
            DosBoxPath = *chosen;
            platform.store.SaveSetting(LocationSection, DosBox, DosBoxPath);
        }
    }
#endif
    // Without DOSBox the option means nothing: the check box stays disabled until the next start,
    // while the menu item stays usable. A DOSBox on the search path is one Play uses.
    if (DosBoxPath.isEmpty() && dosBoxToUse(DosBoxPath).isEmpty())
        ExitCheck->setEnabled(false);
}

void Hoofdscherm::mnuExitOption_Click() {
    SettingsStore::Batch batch(platform.store);
    // The menu item has already flipped its own mark; the check box holds the state it toggles.
    // The box has two states only, so its third, grayed state never needs an answer.
    const bool on = !ExitCheck->isChecked();
    AutoExit = on;
    mnuExitOption->setChecked(on);
    // Raises ExitCheck_Click, which leaves the same state.
    ExitCheck->setChecked(on);
    platform.store.SaveSetting(OptionsSection, GExit, booleanText(on));
}

void Hoofdscherm::ExitCheck_Click() {
    SettingsStore::Batch batch(platform.store);
    const bool on = ExitCheck->isChecked();
    AutoExit = on;
    mnuExitOption->setChecked(on);
    platform.store.SaveSetting(OptionsSection, GExit, booleanText(on));
}
