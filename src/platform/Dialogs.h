#pragma once

#include "dosbox/DosBoxSettingsForm.h"

#include <QString>
#include <cstdint>
#include <optional>

// What an open-file dialog is shown with, in the form the pickers set it.
struct OpenFileRequest {
    QString initDir;
    QString fileName;
    // "description |patterns" pairs separated by "|", patterns separated by ";".
    QString filter;
    // Added to a typed name without extension that names no existing file.
    QString defaultExt;
    std::uint32_t flags = 0;
};

// Message box styles, as the prompts give them.
enum class MsgBoxStyle { Critical = 16, Exclamation = 48 };

// Every modal dialog Kavrel shows passes through here, so that tests can answer them.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // The chosen file's full path in the platform's native form; nothing when cancelled.
    virtual std::optional<QString> openFile(const OpenFileRequest& request) = 0;
    // The typed text; the empty text when cancelled.
    virtual QString InputBox(const QString& prompt, const QString& title,
                             const QString& defaultText) = 0;
    virtual void MsgBox(const QString& prompt, MsgBoxStyle style, const QString& title) = 0;
    // A folder's path in native form; the empty text when cancelled.
    virtual QString BrowseForFolder() = 0;
    // A DOS game's own DOSBox settings, shown as they stand; the answer on OK, nothing on Cancel.
    virtual std::optional<DosBoxSettingsForm> DosBoxSettings(const DosBoxSettingsForm& current) = 0;
};
