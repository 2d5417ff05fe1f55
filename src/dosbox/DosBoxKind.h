#pragma once

#include "dosbox/DosBoxCommand.h"

// Which DOSBox the program is, from what it says of its version; a DOSBox that does not answer
// within seconds counts as the classic one. Asked once per program file and run.
DosBoxKind dosBoxKindOf(const QString& program);
