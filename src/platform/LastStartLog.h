#pragma once

#include <QString>

// What the last game started wrote, kept in one file that each start begins afresh: a game or
// DOSBox may print its complaint long after Kavrel, and the terminal it came from, are gone.
//
// $XDG_STATE_HOME/Kavrel/last-start.log (~/.local/state when the variable is unset); on
// Windows in the user's local application data.
QString lastStartLogPath();

// The sentence that points the user at the log, for a message about a failed start.
QString lastStartLogHint();
