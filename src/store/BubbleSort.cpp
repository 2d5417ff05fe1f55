#include "window/Hoofdscherm.h"

void Hoofdscherm::BubbleSort() {}
