#pragma once

#include "platform/Dialogs.h"

#include <QString>
#include <cstdint>

// The one open-file picker of the window. Whatever a use sets stays set for the next use, so a
// picker that does not set a property opens with what the previous one left.
class FilePicker {
public:
    static constexpr std::uint32_t MustExistExplorerLongNames = 0x281000;

    explicit FilePicker(Dialogs& dialogs) : dialogs(dialogs) {}

    bool CancelError = false;
    QString InitDir;
    QString FileName;
    QString DefaultExt;
    QString Filter;
    std::uint32_t Flags = 0;

    // Shows the dialog. On OK, FileName holds the chosen file's full path and the result is
    // true. On Cancel the result is false when CancelError is set (the caller's steps end
    // there), true otherwise with FileName unchanged.
    [[nodiscard]] bool ShowOpen();

private:
    Dialogs& dialogs;
};
