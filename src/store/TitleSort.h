#pragma once

#include <QStringList>
#include <vector>

// Titles are ordered by character code: case-sensitive and the same in every locale, so all
// capitals come before all small letters, and a title that begins another comes before it.
bool titleBefore(const QString& left, const QString& right);

// Where an exchange sort of the titles leaves each of them: for i from the first title to the
// last but one, and for every j after i, titles i and j swap places whenever title i comes after
// title j. Equal titles never swap with each other, yet their swaps with other titles reorder
// them; the result tells exactly where each one ends. Element k is the index (from 0) of the
// title that ends at position k.
//
// It finds that order without making the swaps: the sort's n(n - 1) / 2 comparisons and up to
// as many swaps would be far too slow for a large collection.
std::vector<int> exchangeSortOrder(const QStringList& titles);
