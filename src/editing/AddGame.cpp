#include "window/Hoofdscherm.h"

void Hoofdscherm::MnuBestandNieuw_Click() {}

void Hoofdscherm::HaalAfbeelding() {}

void Hoofdscherm::HaalBeschrijving() {}
