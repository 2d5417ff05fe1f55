// The description box gives the help text back to the selected game's description as soon as
// it loses the focus.
#include "window/DescriptionBox.h"
#include "window/Hoofdscherm.h"

void Hoofdscherm::RTB1_LostFocus() {
    if (!HelpShown)
        return;
    HelpShown = false;
    RTB1->setToolTip(QStringLiteral("Description of the current selected game"));
    ShowNoDescription();
    const int row = currentGame();
    if (!Games.contains(row) || Games[row].GText.isEmpty())
        return;
    ShowDescription(Games[row].GText);
}
