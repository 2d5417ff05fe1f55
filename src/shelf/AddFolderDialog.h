#pragma once

#include "shelf/GameProposal.h"

#include <QDialog>
#include <QList>

class QTableWidget;

// Add folder's proposals: one row a game with a check box (all checked), its title to edit, and
// its program, type, screenshot and description to choose from what its folder holds.
class AddFolderDialog : public QDialog {
    Q_OBJECT

public:
    enum Column { Title, Program, Type, Screenshot, Description };

    AddFolderDialog(const QList<GameProposal>& proposals, int leftOut, QWidget* parent = nullptr);

    // The checked games as the rows show them now.
    QList<GameProposal> accepted() const;

private:
    void addRow(int row, const GameProposal& game);

    QList<GameProposal> proposals;
    QTableWidget* table = nullptr;
};
