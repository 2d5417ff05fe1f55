#pragma once

#include <QComboBox>

// The drop-down list of titles, with the selection model the commands rely on:
// - every assignment of ListIndex to an existing entry, also to the entry already selected, and
//   every pick by the user raise Click exactly once, before the call returns;
// - ListIndex -1 selects nothing and raises nothing;
// - adding, replacing and removing entries raise nothing; removing the selected entry leaves no
//   entry selected, removing another keeps the selection on its entry.
class GameList : public QComboBox {
    Q_OBJECT

public:
    explicit GameList(QWidget* parent = nullptr);

    int ListIndex() const { return currentIndex(); }
    void setListIndex(int index);
    int ListCount() const { return count(); }
    QString List(int index) const { return itemText(index); }
    void setList(int index, const QString& text) { setItemText(index, text); }
    void AddItem(const QString& text, int position);
    void RemoveItem(int position);
    void Clear();

Q_SIGNALS:
    void Click();
};
