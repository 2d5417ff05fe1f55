#include "platform/FilePicker.h"

bool FilePicker::ShowOpen() {
    const std::optional<QString> chosen =
        dialogs.openFile({InitDir, FileName, Filter, DefaultExt, Flags});
    if (!chosen)
        return !CancelError;
    FileName = *chosen;
    return true;
}
