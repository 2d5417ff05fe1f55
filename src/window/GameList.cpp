#include "window/GameList.h"

#include <QSignalBlocker>

GameList::GameList(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
    connect(this, &QComboBox::activated, this, &GameList::Click);
}

void GameList::setListIndex(int index) {
    const bool exists = index >= 0 && index < count();
    {
        const QSignalBlocker quiet(this);
        setCurrentIndex(exists ? index : -1);
    }
    if (exists)
        Q_EMIT Click();
}

void GameList::AddItem(const QString& text, int position) {
    const QSignalBlocker quiet(this);
    const bool wasEmpty = count() == 0;
    insertItem(position, text);
    // The toolkit selects the first entry of an empty list by itself; the list does not.
    if (wasEmpty)
        setCurrentIndex(-1);
}

void GameList::RemoveItem(int position) {
    const QSignalBlocker quiet(this);
    const bool removesSelected = position == currentIndex();
    removeItem(position);
    // The toolkit selects a neighbour of a removed current entry; the list selects nothing.
    if (removesSelected)
        setCurrentIndex(-1);
}

void GameList::Clear() {
    const QSignalBlocker quiet(this);
    clear();
}
