#include "window/Hoofdscherm.h"

void Hoofdscherm::MnuBewerkenTitel_Click() {}
