#include "shelf/TitleSearch.h"

TitleSearch::TitleSearch(const QStringList& titles) {
    prepared.reserve(titles.size());
    for (const QString& title : titles)
        prepared.append(comparable(title));
}

QString TitleSearch::comparable(const QString& text) {
    // Only texts with letters beyond ASCII need taking apart.
    bool plain = true;
    for (const QChar c : text)
        plain = plain && c.unicode() < 0x80;
    if (plain)
        return text.toLower();
    const QString apart = text.normalized(QString::NormalizationForm_KD);
    QString kept;
    kept.reserve(apart.size());
    for (const QChar c : apart)
        if (c.category() != QChar::Mark_NonSpacing)
            kept.append(c);
    return kept.toCaseFolded();
}

QList<int> TitleSearch::find(const QString& typed) const {
    const QString wanted = comparable(typed);
    QList<int> found;
    for (qsizetype i = 0; i < prepared.size(); ++i)
        if (prepared[i].contains(wanted))
            found.append(int(i));
    return found;
}
