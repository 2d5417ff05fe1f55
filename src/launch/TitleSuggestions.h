#pragma once

#include <QStringList>

class GameTable;

// What --play says when no title matches exactly: the titles that contain the text, ignoring
// case, so that a typo or a half-remembered title leads somewhere.
//
// At most `most` titles that contain the text in any letter case, in list order.
QStringList titlesContaining(const GameTable& games, const QString& text, int most = 5);

// The message for a title that matches none exactly, with the titles that contain it.
QString noGameTitled(const GameTable& games, const QString& title);
