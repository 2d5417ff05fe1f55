#include "window/Hoofdscherm.h"

void Hoofdscherm::MnuBestandOpen_Click() {}

void Hoofdscherm::KnopSpelen_Click() {}
