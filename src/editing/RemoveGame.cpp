#include "window/Hoofdscherm.h"

void Hoofdscherm::MnuBestandVerwijderen_Click() {}
