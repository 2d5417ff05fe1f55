// The title list's selection model, which the commands rely on whatever the toolkit does.
#include "window/GameList.h"

#include <QSignalSpy>
#include <QTest>

class GameListTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyAssignmentOfAnEntryClicksOnce();
    void changingEntriesKeepsTheSelectionModel();
};

void GameListTest::everyAssignmentOfAnEntryClicksOnce() {
    GameList list;
    QSignalSpy clicks(&list, &GameList::Click);
    list.AddItem(QStringLiteral("Alpha"), 0);
    list.AddItem(QStringLiteral("Beta"), 1);
    QCOMPARE(list.ListIndex(), -1);
    QCOMPARE(clicks.size(), 0);

    list.setListIndex(1);
    QCOMPARE(clicks.size(), 1);
    list.setListIndex(1);
    QCOMPARE(clicks.size(), 2);
    list.setListIndex(-1);
    QCOMPARE(list.ListIndex(), -1);
    QCOMPARE(clicks.size(), 2);
    list.setListIndex(2);
    QCOMPARE(list.ListIndex(), -1);
    QCOMPARE(clicks.size(), 2);
}

void GameListTest::changingEntriesKeepsTheSelectionModel() {
    GameList list;
    QSignalSpy clicks(&list, &GameList::Click);
    for (const char* title : {"A", "B", "C", "D"})
        list.AddItem(QString::fromLatin1(title), list.ListCount());
    list.setListIndex(2);
    clicks.clear();

    list.setList(2, QStringLiteral("Charlie"));
    QCOMPARE(list.ListIndex(), 2);
    QCOMPARE(list.List(2), QStringLiteral("Charlie"));

    list.RemoveItem(0); // another entry: the selection stays on its entry
    QCOMPARE(list.ListIndex(), 1);
    QCOMPARE(list.List(1), QStringLiteral("Charlie"));

    list.RemoveItem(1); // the selected entry: nothing stays selected
    QCOMPARE(list.ListIndex(), -1);
    QCOMPARE(list.ListCount(), 2);

    list.Clear();
    QCOMPARE(list.ListCount(), 0);
    QCOMPARE(clicks.size(), 0);
}

QTEST_MAIN(GameListTest)
#include "tst_gamelist.moc"
