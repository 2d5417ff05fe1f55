#pragma once

#include "shelf/GameProposal.h"
#include "store/GameTable.h"

#include <QList>

// What of a scanned shelf can join the collection.
struct ShelfPlan {
    QList<GameProposal> toAdd;
    // Left out: a program of the game's folder (of a program given on its own: that program) is
    // in the collection already.
    QList<GameProposal> known;
    // Left out: the collection holds as many games as the store can.
    QList<GameProposal> noRoom;
};

// Leaves out the games whose folder holds a program of the collection (whichever program a game
// was added with, it is the same game; a program given on its own only when it is itself in the
// collection), and those beyond the collection's limit; the others get titles no game has
// (uniqueTitles).
ShelfPlan planShelf(const GameTable& collection, const QList<GameProposal>& found);

// The titles made unique among themselves and against the collection, the way titles must be:
// a title already in use, or given earlier in the list, gets " (2)", " (3)" ... the first number
// that makes it free. Titles compare exactly (case and blanks count).
QStringList uniqueTitles(const GameTable& collection, const QStringList& titles);

// The collection with the games appended and everything put in title order, as the title sort
// orders it; `firstAdded` is set to the number the first of them in that order ends at.
GameTable withGamesAdded(const GameTable& collection, const QList<GameEntry>& added,
                         int* firstAdded = nullptr);

// The game's type as a word for people: "DOS" or "Windows".
QString typeName(bool dos);
