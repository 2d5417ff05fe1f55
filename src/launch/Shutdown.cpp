#include "window/Hoofdscherm.h"

void Hoofdscherm::Form_QueryUnload() {}

void Hoofdscherm::MnuBestandAfsluiten_Click() {}
