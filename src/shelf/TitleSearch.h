#pragma once

#include <QList>
#include <QStringList>

// Finds the titles that hold a typed text anywhere, ignoring case and accents: "runner" finds
// "Cave Rünner", "ETE" finds "Été". The titles are prepared once, so that each key typed costs
// one pass over them.
class TitleSearch {
public:
    explicit TitleSearch(const QStringList& titles);

    // The indexes of the titles holding the text, in the titles' order; all of them for the
    // empty text.
    QList<int> find(const QString& typed) const;

    // A text as it is compared: accents taken off, case folded.
    static QString comparable(const QString& text);

private:
    QStringList prepared;
};
