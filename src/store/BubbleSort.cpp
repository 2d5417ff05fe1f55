// The title sort: the game table and the list are put in title order together, and the title
// that was selected is selected again.
#include "store/TitleSort.h"
#include "window/GameList.h"
#include "window/Hoofdscherm.h"

#include <algorithm>

void Hoofdscherm::BubbleSort() {
    const int selected = Lijst->ListIndex();
    const QString selectedTitle = selected >= 0 ? Lijst->List(selected) : QString();
    int reselect = selected;
    const int n = std::min(Lijst->ListCount(), GameCount());
    if (n > 1) {
        QStringList titles;
        QStringList entries;
        for (int k = 0; k < n; ++k) {
            titles.append(Games[k + 1].GTitle);
            entries.append(Lijst->List(k));
        }
        const std::vector<int> order = exchangeSortOrder(titles);
        GameTable sorted;
        for (int k = 0; k < n; ++k)
            sorted.append(std::move(Games[order[k] + 1]));
        for (int k = n + 1; k <= GameCount(); ++k)
            sorted.append(std::move(Games[k]));
        Games = std::move(sorted);
        // One pass over the list, and only the entries that change: an already sorted list
        // stays as it is.
        for (int k = 0; k < n; ++k) {
            if (order[k] != k)
                Lijst->setList(k, entries[order[k]]);
        }
        // With several equal titles the last of them is selected, whichever game was.
        for (int k = 0; k < n; ++k) {
            if (selected >= 0 && Lijst->List(k) == selectedTitle)
                reselect = k;
        }
    }
    Lijst->setListIndex(reselect);
}
