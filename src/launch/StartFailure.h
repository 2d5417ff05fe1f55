#pragma once

#include <QString>

struct GameEntry;

// The second line of the Execute Error box when the platform refused to start what Play chose:
// for a DOS game that is DOSBox, which the user can locate anew, for the others the program
// itself; either way followed by where its output went.
QString startFailure(const GameEntry& game, const QString& program);
