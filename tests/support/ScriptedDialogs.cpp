#include "ScriptedDialogs.h"

#include "shelf/TitleSearch.h"

#include <QDialog>
#include <QTest>

using namespace Qt::StringLiterals;

static QString kindName(ScriptedDialogs::Kind kind) {
    return QStringList{
        u"open-file dialog"_s,       u"input box"_s,        u"message box"_s, u"folder picker"_s,
        u"DOSBox settings dialog"_s, u"proposals dialog"_s, u"find dialog"_s, u"folder chooser"_s,
        u"save-file dialog"_s,       u"restore list"_s}[int(kind)];
}

static QString describe(const ScriptedDialogs::Shown& shown) {
    return u"%1 \"%2\" / \"%3\" (%4)"_s.arg(kindName(shown.kind), shown.title, shown.prompt,
                                            pickerSettings(shown.request));
}

QString ScriptedDialogs::problems() const {
    QStringList all = unexpected;
    for (const Answer& answer : script)
        all.append(u"unused answer for a %1"_s.arg(kindName(answer.kind)));
    return all.join(u"; "_s);
}

std::optional<ScriptedDialogs::Answer> ScriptedDialogs::take(const Shown& shown) {
    history.append(shown);
    if (script.empty()) {
        unexpected.append(u"unexpected %1"_s.arg(describe(shown)));
        return std::nullopt;
    }
    Answer answer = std::move(script.front());
    script.pop_front();
    if (answer.kind != shown.kind) {
        unexpected.append(u"expected a %1, got %2"_s.arg(kindName(answer.kind), describe(shown)));
        return std::nullopt;
    }
    if (takeActivation) {
        // Closed as the desktop closes it: the handler goes on before any window is active again.
        auto* open = new QDialog;
        open->show();
        open->activateWindow();
        if (!QTest::qWaitForWindowActive(open))
            unexpected.append(u"a dialog that did not become active"_s);
        open->deleteLater();
    }
    if (answer.whileOpen)
        answer.whileOpen();
    return answer;
}

std::optional<QString> ScriptedDialogs::openFile(const OpenFileRequest& request) {
    const std::optional<Answer> answer = take({Kind::OpenFile, request, {}, {}, {}, {}});
    return answer ? answer->text : std::nullopt;
}

QString ScriptedDialogs::InputBox(const QString& prompt, const QString& title,
                                  const QString& defaultText) {
    const std::optional<Answer> answer = take({Kind::InputBox, {}, prompt, title, defaultText, {}});
    if (answer)
        return answer->text.value_or(QString());
    // A title no game has: a prompt that repeats while its answer is in use ends, and the test
    // fails on the unexpected dialog instead of waiting forever.
    return u"unscripted answer %1"_s.arg(history.size());
}

void ScriptedDialogs::MsgBox(const QString& prompt, MsgBoxStyle style, const QString& title) {
    take({Kind::MsgBox, {}, prompt, title, {}, style});
}

QString ScriptedDialogs::BrowseForFolder() {
    const std::optional<Answer> answer = take({Kind::Folder, {}, {}, {}, {}, {}});
    return answer ? answer->text.value_or(QString()) : QString();
}

QString ScriptedDialogs::chooseFolder(const QString& caption, const QString& startFolder) {
    const std::optional<Answer> answer =
        take({Kind::ChooseFolder, {}, {}, caption, startFolder, {}});
    return answer ? answer->text.value_or(QString()) : QString();
}

QString ScriptedDialogs::saveFile(const QString& caption, const QString& suggested,
                                  const QString& filter) {
    const std::optional<Answer> answer = take({Kind::SaveFile, {}, filter, caption, suggested, {}});
    return answer ? answer->text.value_or(QString()) : QString();
}

std::optional<int> ScriptedDialogs::chooseBackup(const QList<BackupChoice>& backups) {
    backupsShown = backups;
    const std::optional<Answer> answer = take({Kind::ChooseBackup, {}, {}, {}, {}, {}});
    if (!answer || !answer->text)
        return std::nullopt;
    const int row = answer->text->toInt();
    if (row < 0 || row >= backups.size() || !backups[row].readable) {
        unexpected.append(u"row %1 of the restore list cannot be chosen"_s.arg(row));
        return std::nullopt;
    }
    return row;
}

QString pickerSettings(const OpenFileRequest& request) {
    return u"folder \"%1\", file \"%2\", filter \"%3\", extension \"%4\", flags 0x%5"_s.arg(
        request.initDir, request.fileName, request.filter, request.defaultExt,
        QString::number(request.flags, 16));
}

std::optional<DosBoxSettingsForm>
ScriptedDialogs::DosBoxSettings(const DosBoxSettingsForm& current) {
    Shown shown{Kind::DosBoxSettings, {}, {}, current.title, {}, {}};
    shown.form = current;
    const std::optional<Answer> answer = take(shown);
    return answer ? answer->form : std::nullopt;
}

QString ScriptedDialogs::chooseFolderToAdd(const QString& startIn) {
    Shown shown{Kind::Folder, {}, {}, {}, {}, {}};
    shown.request.initDir = startIn;
    const std::optional<Answer> answer = take(shown);
    return answer ? answer->text.value_or(QString()) : QString();
}

namespace {

class ScriptedProgress : public TaskProgress {
public:
    ScriptedProgress(int& reports, int cancelAfter) : reports(reports), cancelAfter(cancelAfter) {}
    bool report(int, int) override { return cancelAfter < 0 || ++reports <= cancelAfter; }

private:
    int& reports;
    int cancelAfter;
};

} // namespace

std::unique_ptr<TaskProgress> ScriptedDialogs::showProgress(const QString&) {
    return std::make_unique<ScriptedProgress>(progressReports, cancelAfterReports);
}

QList<GameProposal> ScriptedDialogs::chooseGames(const QList<GameProposal>& proposals,
                                                 int leftOut) {
    Shown shown{Kind::Games, {}, {}, {}, {}, {}};
    shown.proposals = proposals;
    shown.leftOut = leftOut;
    const std::optional<Answer> answer = take(shown);
    if (!answer || !answer->text)
        return {};
    QList<GameProposal> accepted = proposals;
    answer->edit(accepted);
    return accepted;
}

int ScriptedDialogs::findGame(const QStringList& titles) {
    Shown shown{Kind::Find, {}, {}, {}, {}, {}};
    shown.titles = titles;
    const std::optional<Answer> answer = take(shown);
    if (!answer || answer->text->isEmpty() || answer->downs < 0)
        return -1;
    // Down stops at the last title found, as in the list.
    const QList<int> found = TitleSearch(titles).find(*answer->text);
    return found.isEmpty() ? -1 : found[std::min(answer->downs, int(found.size()) - 1)];
}
