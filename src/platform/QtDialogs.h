#pragma once

#include "platform/Dialogs.h"

// The dialogs of the desktop: Qt's file, folder, input and message dialogs.
class QtDialogs : public Dialogs {
public:
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
};
