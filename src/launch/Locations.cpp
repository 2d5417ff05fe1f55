#include "window/Hoofdscherm.h"

void Hoofdscherm::mnuKavrelFolder_Click() {}

void Hoofdscherm::mnuLocateDOSBox_Click() {}

void Hoofdscherm::mnuExitOption_Click() {}

void Hoofdscherm::ExitCheck_Click() {}
