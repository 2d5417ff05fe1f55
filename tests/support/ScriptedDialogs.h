#pragma once

#include "platform/Dialogs.h"

#include <QList>
#include <QStringList>
#include <deque>
#include <functional>

// Dialogs in tests name only what they show (the DOSBox settings dialog's form last); GCC 12
// warns about every field left out of such an initializer, the others do not.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#endif

// Answers the window's dialogs from a script, in order. A dialog that nobody scripted, or one of
// another kind than scripted, is a problem (and is cancelled); so is an answer left unused.
class ScriptedDialogs : public Dialogs {
public:
    enum class Kind {
        OpenFile,
        InputBox,
        MsgBox,
        Folder,
        DosBoxSettings,
        Games,
        Find,
        ChooseFolder,
        SaveFile,
        ChooseBackup
    };

    // What one dialog was shown with.
    struct Shown {
        Kind kind;
        OpenFileRequest request;
        QString prompt;
        QString title;
        QString defaultText;
        MsgBoxStyle style = MsgBoxStyle::Critical;
        DosBoxSettingsForm form;
        // Add folder's proposals and the count of games left out; Find's titles.
        QList<GameProposal> proposals = {};
        int leftOut = 0;
        QStringList titles = {};
    };

    // Each answer may run a check while its dialog is open.
    using WhileOpen = std::function<void()>;

    void chooseFile(const QString& path, WhileOpen whileOpen = {}) {
        add(Kind::OpenFile, path, std::move(whileOpen));
    }
    void cancelFile(WhileOpen whileOpen = {}) { add(Kind::OpenFile, {}, std::move(whileOpen)); }
    // The empty text stands for Cancel, as the input box reports it.
    void type(const QString& answer, WhileOpen whileOpen = {}) {
        add(Kind::InputBox, answer, std::move(whileOpen));
    }
    void acknowledge(WhileOpen whileOpen = {}) { add(Kind::MsgBox, {}, std::move(whileOpen)); }
    // The empty text stands for Cancel.
    void chooseFolder(const QString& folder) { add(Kind::Folder, folder, {}); }
    // The DOSBox settings dialog's answer on OK; nothing stands for Cancel.
    void answerDosBoxSettings(std::optional<DosBoxSettingsForm> answer) {
        add(Kind::DosBoxSettings, {}, {});
        script.back().form = std::move(answer);
    }

    // Add folder's proposals: accepted as `edit` leaves them (it may change or remove rows), or
    // cancelled.
    using EditProposals = std::function<void(QList<GameProposal>&)>;
    void acceptGames(EditProposals edit = {}, WhileOpen whileOpen = {}) {
        add(Kind::Games, QString(), std::move(whileOpen));
        script.back().edit = edit ? std::move(edit) : [](QList<GameProposal>&) {
        };
    }
    void cancelGames() { add(Kind::Games, std::nullopt, {}); }
    // Find: types the text, then presses Down `downs` times and Enter; the empty text and a
    // negative count close it with Escape.
    void find(const QString& typed, int downs = 0) {
        add(Kind::Find, typed, {});
        script.back().downs = downs;
    }
    // Progress reports after which the user cancels the task; by default it runs to its end.
    void cancelProgressAfter(int reports) { cancelAfterReports = reports; }
    int progressReports = 0;
    // A folder picker with a caption; the empty text stands for Cancel.
    void pickFolder(const QString& folder, WhileOpen whileOpen = {}) {
        add(Kind::ChooseFolder, folder, std::move(whileOpen));
    }
    // The save-file picker; the empty text stands for Cancel.
    void saveAs(const QString& path) { add(Kind::SaveFile, path, {}); }
    // The row of the restore list, newest first; nothing stands for Cancel. Choosing a row that
    // cannot be chosen is a problem.
    void chooseBackup(std::optional<int> row, WhileOpen whileOpen = {}) {
        add(Kind::ChooseBackup, row ? std::optional(QString::number(*row)) : std::nullopt,
            std::move(whileOpen));
    }
    // The rows the last restore list showed.
    QList<BackupChoice> backupsShown;

    // When set, each dialog takes the activation from Kavrel's window while it is open, as a
    // desktop's modal dialog does; the window is active again only once events run after it.
    bool takeActivation = false;

    const QList<Shown>& shown() const { return history; }
    const Shown& last() const { return history.back(); }
    // Empty when every dialog was scripted and every answer used; otherwise what went wrong.
    QString problems() const;

    std::optional<QString> openFile(const OpenFileRequest& request) override;
    QString InputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override;
    void MsgBox(const QString& prompt, MsgBoxStyle style, const QString& title) override;
    QString BrowseForFolder() override;
    std::optional<DosBoxSettingsForm> DosBoxSettings(const DosBoxSettingsForm& current) override;
    QString chooseFolderToAdd(const QString& startIn) override;
    std::unique_ptr<TaskProgress> showProgress(const QString& label) override;
    QList<GameProposal> chooseGames(const QList<GameProposal>& proposals, int leftOut) override;
    int findGame(const QStringList& titles) override;
    QString chooseFolder(const QString& caption, const QString& startFolder) override;
    QString saveFile(const QString& caption, const QString& suggested,
                     const QString& filter) override;
    std::optional<int> chooseBackup(const QList<BackupChoice>& backups) override;

private:
    struct Answer {
        Kind kind;
        std::optional<QString> text; // nothing: cancel
        WhileOpen whileOpen;
        std::optional<DosBoxSettingsForm> form = {};
        EditProposals edit = {};
        int downs = 0;
    };

    void add(Kind kind, std::optional<QString> text, WhileOpen whileOpen) {
        script.push_back({kind, std::move(text), std::move(whileOpen)});
    }
    std::optional<Answer> take(const Shown& shown);

    std::deque<Answer> script;
    QList<Shown> history;
    QStringList unexpected;
    int cancelAfterReports = -1;
};

// A picker's settings as one text, so that a comparison names every setting that differs.
QString pickerSettings(const OpenFileRequest& request);

// Fails the test when the dialogs saw anything unexpected or kept answers back.
#define VERIFY_DIALOGS(dialogs)                                                                    \
    QVERIFY2((dialogs).problems().isEmpty(), qPrintable((dialogs).problems()))
