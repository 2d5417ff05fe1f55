#pragma once

#include "shelf/TitleSearch.h"

#include <QDialog>

class QLineEdit;
class QListView;
class FoundTitles;

// Find: a text field and the titles holding what was typed, in list order, found anew with each
// key. Up and Down move in the results, Enter or a double click chooses one, Escape closes.
class FindDialog : public QDialog {
    Q_OBJECT

public:
    explicit FindDialog(const QStringList& titles, QWidget* parent = nullptr);

    // The list index of the chosen title; -1 before a choice.
    int chosen() const { return choice; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showFound(const QString& typed);
    void choose();

    TitleSearch search;
    QLineEdit* text = nullptr;
    QListView* results = nullptr;
    FoundTitles* found = nullptr;
    int choice = -1;
};
