#pragma once

#include "store/TitleSort.h"

#include <QStringList>
#include <numeric>
#include <vector>

// The exchange sort as it is meant to run, swap by swap: element k is the index of the title
// that ends at position k. Slow, and plain enough to trust as the reference.
inline std::vector<int> exchangeSortedByHand(QStringList titles) {
    std::vector<int> order(static_cast<std::size_t>(titles.size()));
    std::iota(order.begin(), order.end(), 0);
    for (qsizetype i = 0; i + 1 < titles.size(); ++i) {
        for (qsizetype j = i + 1; j < titles.size(); ++j) {
            if (titleBefore(titles[j], titles[i])) {
                titles.swapItemsAt(i, j);
                std::swap(order[static_cast<std::size_t>(i)], order[static_cast<std::size_t>(j)]);
            }
        }
    }
    return order;
}
