// Help: the help text takes the description box until the box loses the focus.
#include "window/DescriptionBox.h"
#include "window/Hoofdscherm.h"

void Hoofdscherm::MnuHelp_Click() {
    HelpShown = true;
    LoadHelpText();
    RTB1->setFocus();
}
