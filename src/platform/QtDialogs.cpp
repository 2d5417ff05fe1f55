#include "platform/QtDialogs.h"

#include "platform/FileDialogRules.h"
#include "shelf/AddFolderDialog.h"
#include "shelf/FindDialog.h"
#include "window/DosBoxSettingsDialog.h"
#include "window/RestoreDialog.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <limits>

namespace {

constexpr std::uint32_t FileMustExist = 0x1000;

// A progress dialog that appears only once the task has run for half a second, and then keeps
// the window painted and its Cancel button answering while the task runs on.
class ProgressDialog : public TaskProgress {
public:
    explicit ProgressDialog(const QString& label)
        : dialog(label, QStringLiteral("Cancel"), 0, 0, QApplication::activeWindow()) {
        dialog.setWindowTitle(QStringLiteral("Kavrel"));
        dialog.setWindowModality(Qt::WindowModal);
        // Shown by report() alone, not by the dialog's own timer.
        dialog.setMinimumDuration(std::numeric_limits<int>::max());
        dialog.reset();
        running.start();
    }

    bool report(int done, int total) override {
        if (running.elapsed() < 500 && !dialog.isVisible())
            return true;
        if (!dialog.isVisible())
            dialog.show();
        if (sinceEvents.isValid() && sinceEvents.elapsed() < 50)
            return !dialog.wasCanceled();
        dialog.setMaximum(total);
        dialog.setValue(total > 0 ? done : 0);
        QCoreApplication::processEvents();
        sinceEvents.start();
        return !dialog.wasCanceled();
    }

private:
    QProgressDialog dialog;
    QElapsedTimer running;
    QElapsedTimer sinceEvents;
};

} // namespace

std::optional<QString> QtDialogs::openFile(const OpenFileRequest& request) {
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // The dialog takes any typed name; the default extension is added below, and only to a name
    // that names no existing file (programs on Linux usually have no extension).
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(nameFilters(request.filter));
    if (!request.initDir.isEmpty())
        dialog.setDirectory(request.initDir);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    while (dialog.exec() == QDialog::Accepted) {
        const QString chosen = dialog.selectedFiles().value(0);
        if (const std::optional<QString> file = existingFileFor(chosen, request.defaultExt))
            return QDir::toNativeSeparators(*file);
        if (!(request.flags & FileMustExist))
            return QDir::toNativeSeparators(chosen);
        QMessageBox::warning(
            &dialog, dialog.windowTitle(),
            QStringLiteral("%1\nFile not found.\nCheck the file name and try again.")
                .arg(QDir::toNativeSeparators(chosen)));
    }
    return std::nullopt;
}

QString QtDialogs::InputBox(const QString& prompt, const QString& title,
                            const QString& defaultText) {
    bool ok = false;
    const QString answer = QInputDialog::getText(QApplication::activeWindow(), title, prompt,
                                                 QLineEdit::Normal, defaultText, &ok);
    return ok ? answer : QString();
}

void QtDialogs::MsgBox(const QString& prompt, MsgBoxStyle style, const QString& title) {
    const QMessageBox::Icon icon = style == MsgBoxStyle::Critical      ? QMessageBox::Critical
                                   : style == MsgBoxStyle::Information ? QMessageBox::Information
                                                                       : QMessageBox::Warning;
    QMessageBox box(icon, title, prompt, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

QString QtDialogs::BrowseForFolder() {
    return QDir::toNativeSeparators(
        QFileDialog::getExistingDirectory(QApplication::activeWindow()));
}

std::optional<DosBoxSettingsForm> QtDialogs::DosBoxSettings(const DosBoxSettingsForm& current) {
    DosBoxSettingsDialog dialog(current, QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.answer();
}

QString QtDialogs::chooseFolderToAdd(const QString& startIn) {
    return QDir::toNativeSeparators(QFileDialog::getExistingDirectory(
        QApplication::activeWindow(), QStringLiteral("Add folder"),
        startIn.isEmpty() ? QDir::homePath() : startIn));
}

std::unique_ptr<TaskProgress> QtDialogs::showProgress(const QString& label) {
    return std::make_unique<ProgressDialog>(label);
}

QList<GameProposal> QtDialogs::chooseGames(const QList<GameProposal>& proposals, int leftOut) {
    AddFolderDialog dialog(proposals, leftOut, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted ? dialog.accepted() : QList<GameProposal>();
}

int QtDialogs::findGame(const QStringList& titles) {
    FindDialog dialog(titles, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted ? dialog.chosen() : -1;
}

QString QtDialogs::chooseFolder(const QString& caption, const QString& startFolder) {
    return QDir::toNativeSeparators(
        QFileDialog::getExistingDirectory(QApplication::activeWindow(), caption, startFolder));
}

QString QtDialogs::saveFile(const QString& caption, const QString& suggested,
                            const QString& filter) {
    return QDir::toNativeSeparators(
        QFileDialog::getSaveFileName(QApplication::activeWindow(), caption, suggested, filter));
}

std::optional<int> QtDialogs::chooseBackup(const QList<BackupChoice>& backups) {
    RestoreDialog dialog(backups, QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosen();
}
