#pragma once

#include <QString>

// The folders Kavrel keeps its own files in, besides the store. Elsewhere than on Windows they
// follow the XDG base directories: a variable that is unset, empty or not a full path gives way
// to its usual place under the home folder. On Windows both are in the user's local application
// data, beside nothing of the registry.
namespace UserFolders {

// $XDG_STATE_HOME/Kavrel: backups and the last start's log.
QString state();
// $XDG_DATA_HOME/Kavrel: the screenshots and descriptions an import unpacks.
QString data();

} // namespace UserFolders
