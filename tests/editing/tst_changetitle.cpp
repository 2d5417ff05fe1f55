// Renaming the selected game: answers that change nothing, titles in use, and renames that keep
// blanks and letter case and move the game to another place and section.
#include "CollectionChecks.h"
#include "window/GameList.h"

#include <QTest>
#include <algorithm>

using namespace Qt::StringLiterals;

class ChangeTitleTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void renames_data();
    void renames();
};

void ChangeTitleTest::renames_data() {
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QStringList>("answers");
    // The title Zulu ends with; the empty text: Zulu keeps its title.
    QTest::addColumn<QString>("renamed");
    const QStringList games{u"Bravo"_s, u"Charlie"_s, u"Zulu"_s};
    QTest::newRow("cancel") << games << QStringList{QString()} << QString();
    QTest::newRow("unchanged") << games << QStringList{u"Zulu"_s} << QString();
    QTest::newRow("in use, then cancel")
        << games << QStringList{u"Charlie"_s, QString()} << QString();
    QTest::newRow("in use twice, then unchanged")
        << games << QStringList{u"Charlie"_s, u"Bravo"_s, u"Zulu"_s} << QString();
    QTest::newRow("letter case counts")
        << games << QStringList{u"Charlie"_s, u"Charlie"_s, u"charlie"_s} << u"charlie"_s;
    QTest::newRow("to the top") << games << QStringList{u"Alpha"_s} << u"Alpha"_s;
    QTest::newRow("only game, blanks kept")
        << QStringList{u"Zulu"_s} << QStringList{u" Zulu "_s} << u" Zulu "_s;
}

void ChangeTitleTest::renames() {
    QFETCH(QStringList, titles);
    QFETCH(QStringList, answers);
    QFETCH(QString, renamed);
    KavrelFixture kavrel;
    QList<GameEntry> games;
    for (const QString& title : titles)
        games.append({u"p"_s + title, u"b"_s + title, u"t"_s + title, title, title != u"Zulu"_s});
    // Zulu, the last game, is selected.
    kavrel.seedGames(games, int(titles.size()) - 1);
    Hoofdscherm& window = kavrel.start();
    const QByteArray before = kavrel.storeFileBytes();
    QWidget* list = kavrel.list();
    list->setFocus();

    for (const QString& answer : answers)
        kavrel.dialogs.type(answer, storeUnchanged(kavrel));
    kavrel.action(u"MnuBewerkenTitel"_s)->trigger();

    VERIFY_DIALOGS(kavrel.dialogs);
    // Every prompt offers the current title, never a refused one.
    QStringList prompts{u"Change title: Change the title of the current DOS Game [Zulu]"_s};
    while (prompts.size() < answers.size())
        prompts.append(u"Change title: The given title is in use, please enter another title for "
                       u"this DOS-game [Zulu]"_s);
    QStringList seen;
    for (const ScriptedDialogs::Shown& shown : kavrel.dialogs.shown())
        seen.append(promptSeen(shown));
    QCOMPARE(seen, prompts);

    if (renamed.isEmpty()) {
        QCOMPARE(kavrel.storeFileBytes(), before);
        QCOMPARE(kavrel.listEntries(), titles);
        QCOMPARE(tableOf(window), games);
        QCOMPARE(kavrel.focused(), list);
        return;
    }
    // The game keeps its files and type under its new title, and every section is rewritten in
    // the new order.
    games.last().GTitle = renamed;
    std::sort(games.begin(), games.end(),
              [](const GameEntry& a, const GameEntry& b) { return a.GTitle < b.GTitle; });
    QStringList sorted;
    for (const GameEntry& game : games)
        sorted.append(game.GTitle);
    QCOMPARE(kavrel.listEntries(), sorted);
    QCOMPARE(kavrel.list()->ListIndex(), sorted.indexOf(renamed));
    QCOMPARE(tableOf(window), games);
    QCOMPARE(storedGames(kavrel, int(games.size())), games);
    QCOMPARE(kavrel.focused(), kavrel.find<QWidget>(u"Picture1"_s));
}

QTEST_MAIN(ChangeTitleTest)
#include "tst_changetitle.moc"
