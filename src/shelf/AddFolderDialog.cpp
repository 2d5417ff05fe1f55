#include "shelf/AddFolderDialog.h"

#include "shelf/ProgramType.h"
#include "shelf/ShelfAdditions.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QString NoFile = QStringLiteral("(none)");

// A choice of files by name, the full path as each entry's data; `none` adds an empty choice.
QComboBox* fileChoice(const QStringList& files, const QString& chosen, bool none) {
    auto* choice = new QComboBox;
    if (none)
        choice->addItem(NoFile, QString());
    for (const QString& file : files) {
        choice->addItem(QFileInfo(file).fileName(), file);
        choice->setItemData(choice->count() - 1, file, Qt::ToolTipRole);
    }
    choice->setCurrentIndex(std::max(0, choice->findData(chosen)));
    return choice;
}

QString chosenFile(const QTableWidget* table, int row, int column) {
    const auto* choice = qobject_cast<QComboBox*>(table->cellWidget(row, column));
    return choice ? choice->currentData().toString() : QString();
}

} // namespace

AddFolderDialog::AddFolderDialog(const QList<GameProposal>& games, int leftOut, QWidget* parent)
    : QDialog(parent), proposals(games) {
    setObjectName(QStringLiteral("AddFolderDialog"));
    setWindowTitle(QStringLiteral("Add folder"));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(QStringLiteral("Kavrel found these games. Uncheck those you do not "
                                            "want, and change what should be different."));
    intro->setWordWrap(true);
    layout->addWidget(intro);

    table = new QTableWidget(int(games.size()), 5, this);
    table->setObjectName(QStringLiteral("proposals"));
    table->setAccessibleName(QStringLiteral("Games found"));
    table->setHorizontalHeaderLabels({QStringLiteral("Title"), QStringLiteral("Program"),
                                      QStringLiteral("Type"), QStringLiteral("Screenshot"),
                                      QStringLiteral("Description")});
    table->verticalHeader()->hide();
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
    for (int row = 0; row < games.size(); ++row)
        addRow(row, games[row]);
    table->resizeColumnsToContents();
    table->setColumnWidth(Title, std::max(table->columnWidth(Title), 200));
    table->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table);

    if (leftOut > 0) {
        auto* line = new QLabel(leftOut == 1 ? QStringLiteral("1 game is in the collection "
                                                              "already and is left out.")
                                             : QStringLiteral("%1 games are in the collection "
                                                              "already and are left out.")
                                                   .arg(leftOut));
        line->setObjectName(QStringLiteral("leftOut"));
        layout->addWidget(line);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(760, 420);
}

void AddFolderDialog::addRow(int row, const GameProposal& game) {
    auto* title = new QTableWidgetItem(game.title);
    title->setFlags(Qt::ItemIsEnabled | Qt::ItemIsEditable | Qt::ItemIsUserCheckable);
    title->setCheckState(Qt::Checked);
    title->setToolTip(game.folder);
    table->setItem(row, Title, title);

    QComboBox* program = fileChoice(game.programs, game.program, false);
    auto* type = new QComboBox;
    type->addItems({typeName(true), typeName(false)});
    type->setCurrentIndex(game.dos ? 0 : 1);
    // Another program brings the type its header says.
    connect(program, &QComboBox::currentIndexChanged, type, [program, type] {
        type->setCurrentIndex(isWindowsProgram(program->currentData().toString()) ? 1 : 0);
    });
    table->setCellWidget(row, Program, program);
    table->setCellWidget(row, Type, type);
    table->setCellWidget(row, Screenshot, fileChoice(game.screenshots, game.screenshot, true));
    table->setCellWidget(row, Description, fileChoice(game.descriptions, game.description, true));
}

QList<GameProposal> AddFolderDialog::accepted() const {
    QList<GameProposal> games;
    for (int row = 0; row < table->rowCount(); ++row) {
        if (table->item(row, Title)->checkState() != Qt::Checked)
            continue;
        GameProposal game = proposals[row];
        game.title = table->item(row, Title)->text();
        game.program = chosenFile(table, row, Program);
        game.dos = qobject_cast<QComboBox*>(table->cellWidget(row, Type))->currentIndex() == 0;
        game.screenshot = chosenFile(table, row, Screenshot);
        game.description = chosenFile(table, row, Description);
        games.append(game);
    }
    return games;
}
