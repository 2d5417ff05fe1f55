// Games > Change > DOSBox settings...: the selected DOS game's own DOSBox settings, stored in
// its section as one command on OK; Cancel changes nothing.
#include "dosbox/GameDosBoxSettings.h"
#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"
#include "store/CollectionStore.h"
#include "window/Hoofdscherm.h"

void Hoofdscherm::mnuDosBoxSettings_Click() {
    const int n = currentGame();
    if (!Games.contains(n) || !Games[n].GType)
        return;
    const std::optional<DosBoxSettingsForm> answer =
        platform.dialogs.DosBoxSettings(settingsFormFor(Games[n], platform.store, AutoExit));
    if (answer) {
        SettingsStore::Batch batch(platform.store);
        const GameTable stored = Games;
        const QString failure = applySettingsForm(Games, n, *answer, platform.store);
        if (failure.isEmpty())
            writeGameTable(platform.store, Games, stored);
        else
            platform.dialogs.MsgBox(failure, MsgBoxStyle::Exclamation,
                                    QStringLiteral("DOSBox settings"));
    }
    FocusPicture();
}
