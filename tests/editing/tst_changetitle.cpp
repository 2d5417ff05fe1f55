// Renaming the selected game: answers that change nothing, titles in use, and renames that keep
// blanks and letter case and move the game to another place and section.
#include "KavrelFixture.h"

#include <algorithm>

class ChangeTitleTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void renames() {
        // The titles (Zulu, the last, is selected), the answers, and the title Zulu ends with.
        const QStringList games3{u"Bravo"_s, u"Charlie"_s, u"Zulu"_s};
        const std::tuple<QStringList, QStringList, QString> cases[] = {
            {games3, {QString()}, u"Zulu"_s},
            {games3, {u"Zulu"_s}, u"Zulu"_s},
            {games3, {u"Charlie"_s, QString()}, u"Zulu"_s},
            {games3, {u"Charlie"_s, u"Bravo"_s, u"Zulu"_s}, u"Zulu"_s},
            {games3, {u"Charlie"_s, u"Charlie"_s, u"charlie"_s}, u"charlie"_s},
            {games3, {u"Alpha"_s}, u"Alpha"_s},
            {{u"Zulu"_s}, {u" Zulu "_s}, u" Zulu "_s}};
        for (const auto& [titles, answers, renamed] : cases) {
            KavrelFixture kavrel;
            QList<GameEntry> games;
            for (const QString& title : titles)
                games.append(
                    {u"p"_s + title, u"b"_s + title, u"t"_s + title, title, title != u"Zulu"_s});
            kavrel.seedGames(games, int(titles.size()) - 1);
            Hoofdscherm& window = kavrel.start();
            const QByteArray before = kavrel.storeFileBytes();
            kavrel.list()->setFocus();
            for (const QString& answer : answers)
                kavrel.dialogs.type(answer, storeUnchanged(kavrel));
            kavrel.action(u"MnuBewerkenTitel"_s)->trigger();

            VERIFY_DIALOGS(kavrel.dialogs);
            // Every prompt offers the current title, never a refused one.
            for (int n = 0; const ScriptedDialogs::Shown& shown : kavrel.dialogs.shown())
                QCOMPARE(
                    promptSeen(shown),
                    n++ ? u"Change title: The given title is in use, please enter another title for this DOS-game [Zulu]"_s
                        : u"Change title: Change the title of the current DOS Game [Zulu]"_s);
            // A renamed game keeps its files and type, and every section is rewritten in the new
            // order; an unchanged title stores nothing and leaves the focus where it was.
            games.last().GTitle = renamed;
            std::ranges::sort(games, {}, &GameEntry::GTitle);
            QStringList sorted;
            for (const GameEntry& game : games)
                sorted.append(game.GTitle);
            QCOMPARE(kavrel.listEntries(), sorted);
            QCOMPARE(kavrel.list()->ListIndex(), sorted.indexOf(renamed));
            QCOMPARE(tableOf(window), games);
            if (renamed == u"Zulu"_s)
                QVERIFY(kavrel.storeFileBytes() == before && kavrel.focused() == kavrel.list());
            else
                QVERIFY(storedGames(kavrel, int(games.size())) == games &&
                        kavrel.focused() == kavrel.find<QWidget>(u"Picture1"_s));
        }
    }
};

QTEST_MAIN(ChangeTitleTest)
#include "tst_changetitle.moc"
