#pragma once

#include <QString>

// The folder of Kavrel's own files, "Default.bmp" and "readme.txt": share/kavrel beside the
// program's bin folder when installed, the program's own folder in a build tree.
QString programFilesFolder(const QString& programFolder);
