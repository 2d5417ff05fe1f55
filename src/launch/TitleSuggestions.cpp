#include "launch/TitleSuggestions.h"

#include "store/GameTable.h"

QStringList titlesContaining(const GameTable& games, const QString& text, int most) {
    QStringList found;
    for (const GameEntry& game : games) {
        if (found.size() == most)
            break;
        if (game.GTitle.contains(text, Qt::CaseInsensitive))
            found.append(game.GTitle);
    }
    return found;
}

QString noGameTitled(const GameTable& games, const QString& title) {
    QString message = QStringLiteral("The collection has no game titled \"%1\".").arg(title);
    const QStringList similar = titlesContaining(games, title);
    if (!similar.isEmpty())
        message +=
            QStringLiteral("\nTitles that contain it:\n  ") + similar.join(QStringLiteral("\n  "));
    return message;
}
