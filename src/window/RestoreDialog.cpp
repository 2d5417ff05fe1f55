#include "window/RestoreDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

RestoreDialog::RestoreDialog(const QList<BackupChoice>& backups, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("RestoreDialog"));
    setWindowTitle(QStringLiteral("Restore collection"));
    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(
        backups.isEmpty() ? QStringLiteral("There is no earlier version of the collection yet.")
                          : QStringLiteral("Choose the earlier version to go back to. The "
                                           "collection as it is now is backed up first."),
        this);
    prompt->setWordWrap(true);
    layout->addWidget(prompt);

    list = new QListWidget(this);
    list->setObjectName(QStringLiteral("backupList"));
    list->setAccessibleName(QStringLiteral("Earlier versions of the collection"));
    for (const BackupChoice& backup : backups) {
        auto* row = new QListWidgetItem(backup.shown, list);
        if (!backup.readable)
            row->setFlags(row->flags() & ~(Qt::ItemIsEnabled | Qt::ItemIsSelectable));
    }
    list->setMinimumWidth(list->sizeHintForColumn(0) + 40);
    resize(440, 320);
    layout->addWidget(list);

    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&Restore"));
    buttons->button(QDialogButtonBox::Ok)->setEnabled(false);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list, &QListWidget::itemSelectionChanged, this,
            [this] { buttons->button(QDialogButtonBox::Ok)->setEnabled(chosen().has_value()); });
    connect(list, &QListWidget::itemActivated, this, [this] {
        if (chosen())
            accept();
    });
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->flags() & Qt::ItemIsSelectable) {
            list->setCurrentRow(row);
            break;
        }
    }
}

std::optional<int> RestoreDialog::chosen() const {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (selected.isEmpty() || !(selected.front()->flags() & Qt::ItemIsSelectable))
        return std::nullopt;
    return list->row(selected.front());
}
