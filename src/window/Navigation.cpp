#include "window/Hoofdscherm.h"

void Hoofdscherm::KnopVorige_Click() {}

void Hoofdscherm::KnopVolgende_Click() {}

void Hoofdscherm::Form_KeyDown(int, int) {}

void Hoofdscherm::Form_KeyPress(int) {}

void Hoofdscherm::Form_KeyUp(int, int) {}
