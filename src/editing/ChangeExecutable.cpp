#include "window/Hoofdscherm.h"

void Hoofdscherm::MnuBewerkenDoel_Click() {}
