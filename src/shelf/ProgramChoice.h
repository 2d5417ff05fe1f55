#pragma once

#include <QString>
#include <QStringList>

// Which of a game folder's programs starts the game.
namespace ProgramChoice {

// True for a program that installs, configures or helps a game rather than being it: its name
// (without extension, any case) is one of a fixed list, or begins or ends as the list says
// (see ProgramChoice.cpp).
bool isHelper(const QString& fileName);

// True for a .com, .exe or .bat file name, in any case.
bool isProgramName(const QString& fileName);

// How close a program's name is to the folder's, from 0 to 1: letters and digits only, any case,
// scored by their longest common subsequence, so that 8.3 names such as WOLF3D match
// "Wolfenstein 3D".
double closeness(const QString& programName, const QString& folderName);

// The program to propose among `programs` (full paths): the one closest to the folder's name,
// never a helper while the folder holds anything else. Ties go to .exe before .com before .bat,
// then to the name first in order. Empty for no programs.
QString choose(const QStringList& programs, const QString& folderName);

} // namespace ProgramChoice
