#include "platform/QtDialogs.h"

#include "platform/FileDialogRules.h"
#include "window/RestoreDialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {

constexpr std::uint32_t FileMustExist = 0x1000;

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
