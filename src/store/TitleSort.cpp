#include "store/TitleSort.h"

#include <algorithm>
#include <numeric>

// Why the order of equal titles can be found without swapping: take one title v with several
// copies. Titles after v play no part in where the copies of v end; only the titles before v
// ("smaller") and the copies themselves do. In every pass of the sort one smaller title leaves
// for its final place, and the copies of v move only when the first of the titles still to be
// sorted is a copy of v: that copy then jumps to the place of the first smaller title after it,
// behind every copy that stood in between. Seen from the copies, the smaller titles cut them
// into groups: group 0 before the first smaller title, group g between smaller titles g and
// g + 1. Pass g turns the copies still in line by one, first to last, when the first of them is
// at the front, which is the case exactly when the line holds any copy at all (every smaller
// title before it has gone), and then group g joins the end of the line. Once every smaller
// title has gone, the copies take their places in the order of the line.

namespace {

// Counts, for a position, how many marked positions lie before it.
class PositionCounter {
public:
    explicit PositionCounter(int size) : tree(static_cast<std::size_t>(size) + 1, 0) {}

    void mark(int position) {
        for (auto i = static_cast<std::size_t>(position) + 1; i < tree.size(); i += i & (~i + 1))
            ++tree[i];
    }
    int markedBefore(int position) const {
        int marked = 0;
        for (auto i = static_cast<std::size_t>(position); i > 0; i -= i & (~i + 1))
            marked += tree[i];
        return marked;
    }

private:
    std::vector<int> tree;
};

void turn(std::vector<int>& line, int passes) {
    if (line.size() > 1 && passes > 0)
        std::rotate(line.begin(), line.begin() + passes % static_cast<int>(line.size()),
                    line.end());
}

} // namespace

bool titleBefore(const QString& left, const QString& right) {
    return QString::compare(left, right, Qt::CaseSensitive) < 0;
}

std::vector<int> exchangeSortOrder(const QStringList& titles) {
    const int n = static_cast<int>(titles.size());
    std::vector<int> byTitle(static_cast<std::size_t>(n));
    std::iota(byTitle.begin(), byTitle.end(), 0);
    // Stable: the copies of one title stay in the order they stood.
    std::stable_sort(byTitle.begin(), byTitle.end(),
                     [&](int left, int right) { return titleBefore(titles[left], titles[right]); });

    std::vector<int> order(static_cast<std::size_t>(n));
    PositionCounter smaller(n);
    std::vector<int> groupOf;
    std::vector<int> line;
    for (int first = 0; first < n;) {
        int end = first + 1;
        while (end < n && titles[byTitle[end]] == titles[byTitle[first]])
            ++end;

        groupOf.clear();
        for (int k = first; k < end; ++k)
            groupOf.push_back(smaller.markedBefore(byTitle[k]));
        // Copies come in the order they stood, so their groups never decrease.
        line.clear();
        int passes = 0;
        for (int k = first; k < end; ++k) {
            const int group = groupOf[static_cast<std::size_t>(k - first)];
            if (group != passes) {
                turn(line, group - passes);
                passes = group;
            }
            line.push_back(byTitle[k]);
        }
        // There are as many passes as titles before this one: first of them.
        turn(line, first - passes);
        std::copy(line.begin(), line.end(), order.begin() + first);

        for (int k = first; k < end; ++k)
            smaller.mark(byTitle[k]);
        first = end;
    }
    return order;
}
