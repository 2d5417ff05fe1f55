#pragma once

#include "dosbox/DosBoxSettingsForm.h"
#include "shelf/GameProposal.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
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
enum class MsgBoxStyle { Critical = 16, Exclamation = 48, Information = 64 };

// One backup as the restore list shows it.
struct BackupChoice {
    // Its date and time and its number of games, or that it cannot be read.
    QString shown;
    bool readable = true;
};

// A long task's progress as the user sees it.
class TaskProgress {
public:
    virtual ~TaskProgress() = default;
    // How far the task is (a total of 0: not known yet); false once the user cancelled it.
    virtual bool report(int done, int total) = 0;
};

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

    // --- Adding a shelf of games and finding one
    // A folder of games to add, starting in `startIn`; the empty text when cancelled.
    virtual QString chooseFolderToAdd(const QString& startIn) = 0;
    // Shown only once the task takes longer than half a second.
    virtual std::unique_ptr<TaskProgress> showProgress(const QString& label) = 0;
    // The games the user accepted, as they edited them; none when cancelled. `leftOut` games
    // were left out because the collection has them.
    virtual QList<GameProposal> chooseGames(const QList<GameProposal>& proposals, int leftOut) = 0;
    // The list index of the title chosen among `titles`; -1 when closed without a choice.
    virtual int findGame(const QStringList& titles) = 0;

    // --- Backups, moving the games folder, export and import
    // A folder in native form, chosen under this caption starting at startFolder; the empty text
    // when cancelled.
    virtual QString chooseFolder(const QString& caption, const QString& startFolder) = 0;
    // A file to write, in native form, with this caption, suggested path and filter ("zip
    // collection (*.zip)"); the empty text when cancelled.
    virtual QString saveFile(const QString& caption, const QString& suggested,
                             const QString& filter) = 0;
    // The index of the backup chosen, newest first; nothing when cancelled. A backup that cannot
    // be read cannot be chosen.
    virtual std::optional<int> chooseBackup(const QList<BackupChoice>& backups) = 0;
};
