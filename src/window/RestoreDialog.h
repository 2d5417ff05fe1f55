#pragma once

#include "platform/Dialogs.h"

#include <QDialog>
#include <optional>

class QDialogButtonBox;
class QListWidget;

// The list of backups to go back to, newest first; one that cannot be read is shown greyed and
// cannot be chosen.
class RestoreDialog : public QDialog {
    Q_OBJECT

public:
    RestoreDialog(const QList<BackupChoice>& backups, QWidget* parent = nullptr);

    // The row chosen; nothing while no readable row is selected.
    std::optional<int> chosen() const;

private:
    QListWidget* list = nullptr;
    QDialogButtonBox* buttons = nullptr;
};
