// The title list's selection model, which the commands rely on whatever the toolkit does.
#include "window/GameList.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

class GameListTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void selectsAndClicksOnlyWhenTold();
};

void GameListTest::selectsAndClicksOnlyWhenTold() {
    GameList list;
    QSignalSpy clicks(&list, &GameList::Click);
    for (const QString& title : {u"A"_s, u"B"_s, u"C"_s})
        list.AddItem(title, list.ListCount());
    // Filling an empty list selects nothing. Every assignment of an entry clicks, of the entry
    // already selected too; one of no entry, or of one beyond the end, selects none and is quiet.
    QVERIFY(list.ListIndex() == -1 && clicks.isEmpty());
    for (int index : {1, 1, -1, 3})
        list.setListIndex(index);
    QVERIFY(list.ListIndex() == -1 && clicks.size() == 2);
    // Removing another entry keeps the selection on its entry; removing the selected one leaves
    // none selected. Neither clicks.
    list.setListIndex(2);
    list.RemoveItem(0);
    QCOMPARE(list.ListIndex(), 1);
    list.RemoveItem(1);
    QVERIFY(list.ListIndex() == -1 && list.ListCount() == 1 && clicks.size() == 3);
}

QTEST_MAIN(GameListTest)
#include "tst_gamelist.moc"
