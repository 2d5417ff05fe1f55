#include "window/Hoofdscherm.h"

void Hoofdscherm::MnuBewerkenAfbeelding_Click() {}

void Hoofdscherm::Picture1_DblClick() {}

void Hoofdscherm::MnuBewerkenBeschrijving_Click() {}

void Hoofdscherm::RTB1_DblClick() {}

void Hoofdscherm::mnu_remove_screenshot_Click() {}

void Hoofdscherm::mnu_remove_description_Click() {}
