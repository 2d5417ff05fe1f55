#pragma once

#include <QString>

// Whether a program is a Windows program, read from its header and not from its name: an .exe
// whose DOS header points at an "NE" (16-bit Windows) or "PE" (32- and 64-bit Windows) header.
// Everything else is a DOS program: .com and .bat files, a plain DOS .exe, an .exe of a DOS
// extender ("LE", "LX"), and a file that cannot be read.
bool isWindowsProgram(const QString& path);
