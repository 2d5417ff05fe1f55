// Find: a game chosen by any part of its title is selected as a pick in the list selects it.
#include "platform/Dialogs.h"
#include "window/GameList.h"
#include "window/Hoofdscherm.h"

void Hoofdscherm::mnuFind_Click() {
    if (GameCount() > 0) {
        QStringList titles;
        for (int k = 0; k < Lijst->ListCount(); ++k)
            titles.append(Lijst->List(k));
        const int chosen = platform.dialogs.findGame(titles);
        if (chosen >= 0 && chosen < Lijst->ListCount()) {
            Lijst->setListIndex(chosen);
            RefreshCaption();
        }
    }
    FocusPicture();
}
