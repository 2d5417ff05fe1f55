#pragma once

#include <QString>

// Locating DOSBox outside Windows, where programs carry no ".exe" and DOSBox is usually in
// /usr/bin: the picker lists every file and opens where a DOSBox is, and a file that cannot be
// started is refused before it is stored.

// The folder of the stored DOSBox when it exists, else of the `dosbox` on the search path, else
// /usr/bin.
QString dosBoxPickerFolder(const QString& storedDosBox);

// Why the file cannot be started as DOSBox, in a sentence for the user; empty when it can.
QString whyNotDosBox(const QString& path);
