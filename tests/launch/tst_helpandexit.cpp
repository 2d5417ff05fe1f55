// Help in the description box until the box loses the focus, and the ways out of Kavrel with the
// selected game remembered.
#include "KavrelFixture.h"
#include "window/DescriptionBox.h"
#include "window/GameList.h"
#include "window/PictureBox.h"

#include <QCheckBox>
#include <QFile>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMetaMethod>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString HelpTip = u"Help on how to add games to your collection"_s;
const QString DescriptionTip = u"Description of the current selected game"_s;

QList<GameEntry> games(int count) {
    QList<GameEntry> all;
    for (int n = 1; n <= count; ++n) {
        GameEntry entry;
        entry.GTitle = u"Game %1"_s.arg(n);
        entry.GPath = u"/games/game%1.exe"_s.arg(n);
        all.append(entry);
    }
    return all;
}

// What the toolkit does when the user's desktop session ends: it asks the application to save
// its data. The window does not look at the session manager that comes with the request.
void endDesktopSession() {
    const QMetaMethod request = QMetaMethod::fromSignal(&QGuiApplication::commitDataRequest);
    const QMetaObject& meta = QGuiApplication::staticMetaObject;
    void* arguments[] = {nullptr, nullptr};
    QMetaObject::activate(qApp, &meta, request.methodIndex() - meta.methodOffset(), arguments);
}

} // namespace

class HelpAndExitTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void helpGivesWayToTheDescriptionWhenTheBoxLosesTheFocus();
    void helpOnAnEmptyCollection();
    void exitRemembersTheSelectedGameOnce();
    void closingTheWindowSavesAsExitDoes();
    void theEndOfTheSessionRemembersTheSelectedGame();
};

void HelpAndExitTest::helpGivesWayToTheDescriptionWhenTheBoxLosesTheFocus() {
    KavrelFixture kavrel;
    kavrel.writeFile(u"app/readme.txt"_s, "How to add a game: use Games, Add.\n");
    const QString story = kavrel.writeFile(u"alpha.txt"_s, "Alpha's story");
    QList<GameEntry> collection = games(2);
    collection[0].GText = story;
    kavrel.seedGames(collection);
    Hoofdscherm& window = kavrel.start();
    auto* rtb = kavrel.find<DescriptionBox>(u"RTB1"_s);
    auto* picture = kavrel.find<PictureBox>(u"Picture1"_s);

    for (int time = 1; time <= 2; ++time) {
        kavrel.action(u"MnuHelp"_s)->trigger();
        QCOMPARE(rtb->toPlainText(), u"How to add a game: use Games, Add.\n"_s);
        QCOMPARE(rtb->toolTip(), HelpTip);
        QCOMPARE(kavrel.focused(), rtb);
        QVERIFY(window.helpShown());
    }
    // The menu bar taking the keyboard is no move to another control.
    window.menuBar()->setFocus(Qt::MenuBarFocusReason);
    rtb->setFocus(Qt::MenuBarFocusReason);
    QVERIFY(window.helpShown());

    QTest::mouseClick(picture, Qt::LeftButton);
    QCOMPARE(rtb->toPlainText(), u"Alpha's story"_s);
    QCOMPARE(rtb->toolTip(), DescriptionTip);
    QVERIFY(!window.helpShown());

    // Outside help mode the focus leaving the box changes nothing, whatever it shows.
    QVERIFY(QFile::remove(story));
    rtb->setFocus(Qt::MouseFocusReason);
    QTest::mouseClick(picture, Qt::LeftButton);
    QCOMPARE(rtb->toPlainText(), u"Alpha's story"_s);

    kavrel.find<GameList>(u"Lijst"_s)->setListIndex(1);
    kavrel.action(u"MnuHelp"_s)->trigger();
    QTest::mouseClick(picture, Qt::LeftButton);
    QCOMPARE(rtb->toPlainText(), u"No description available"_s);
    VERIFY_DIALOGS(kavrel.dialogs);
}

void HelpAndExitTest::helpOnAnEmptyCollection() {
    KavrelFixture kavrel;
    // Without the file beside the program the help built into it is shown.
    QVERIFY(QFile::remove(kavrel.appFolder() + u"/readme.txt"_s));
    Hoofdscherm& window = kavrel.start();
    auto* rtb = kavrel.find<DescriptionBox>(u"RTB1"_s);

    kavrel.action(u"MnuHelp"_s)->trigger();
    QVERIFY(rtb->toPlainText().startsWith(u"Welcome to Kavrel"_s));
    QCOMPARE(kavrel.focused(), rtb);

    QTest::mouseClick(kavrel.find<QCheckBox>(u"ExitCheck"_s), Qt::LeftButton);
    QCOMPARE(rtb->toPlainText(), u"No description available"_s);
    QCOMPARE(rtb->toolTip(), DescriptionTip);
    QVERIFY(!window.helpShown());
    VERIFY_DIALOGS(kavrel.dialogs);
}

void HelpAndExitTest::exitRemembersTheSelectedGameOnce() {
    KavrelFixture kavrel;
    kavrel.seedGames(games(6));
    Hoofdscherm& window = kavrel.start();
    auto* list = kavrel.find<GameList>(u"Lijst"_s);

    list->setListIndex(4);
    kavrel.action(u"MnuBestandAfsluiten"_s)->trigger();
    QCOMPARE(kavrel.onDisk(u"Games"_s, u"Last"_s), u"4"_s);
    QCOMPARE(kavrel.endProgramCalls, 1);
    // Closing windows as the program ends belongs to the same exit.
    list->setListIndex(2);
    window.close();
    QCOMPARE(kavrel.onDisk(u"Games"_s, u"Last"_s), u"4"_s);
    QCOMPARE(kavrel.endProgramCalls, 1);

    kavrel.restart();
    QCOMPARE(kavrel.find<GameList>(u"Lijst"_s)->ListIndex(), 4);
    QCOMPARE(kavrel.window().windowTitle(), u"Kavrel (Game 5 of 6)"_s);

    // Entries but none selected.
    kavrel.find<GameList>(u"Lijst"_s)->setListIndex(-1);
    kavrel.action(u"MnuBestandAfsluiten"_s)->trigger();
    QCOMPARE(kavrel.onDisk(u"Games"_s, u"Last"_s), u"-1"_s);
    VERIFY_DIALOGS(kavrel.dialogs);
}

void HelpAndExitTest::closingTheWindowSavesAsExitDoes() {
    KavrelFixture kavrel;
    kavrel.seedGames(games(3));
    Hoofdscherm& window = kavrel.start();
    kavrel.find<GameList>(u"Lijst"_s)->setListIndex(1);
    QVERIFY(window.close());
    QVERIFY(!window.isVisible());
    QCOMPARE(kavrel.onDisk(u"Games"_s, u"Last"_s), u"1"_s);
    QCOMPARE(kavrel.endProgramCalls, 1);

    // An empty list keeps the "Last" of the former collection.
    KavrelFixture empty;
    empty.seed(u"Games"_s, u"Last"_s, u"3"_s);
    QVERIFY(empty.start().close());
    QCOMPARE(empty.onDisk(u"Games"_s, u"Last"_s), u"3"_s);
    QCOMPARE(empty.endProgramCalls, 1);
    VERIFY_DIALOGS(kavrel.dialogs);
    VERIFY_DIALOGS(empty.dialogs);
}

void HelpAndExitTest::theEndOfTheSessionRemembersTheSelectedGame() {
    KavrelFixture kavrel;
    kavrel.seedGames(games(4));
    Hoofdscherm& window = kavrel.start();
    auto* list = kavrel.find<GameList>(u"Lijst"_s);

    list->setListIndex(2);
    endDesktopSession();
    QCOMPARE(kavrel.onDisk(u"Games"_s, u"Last"_s), u"2"_s);
    QCOMPARE(kavrel.endProgramCalls, 0);

    // The close of the window that may follow writes no second "Last": a mark put into the
    // file by hand survives it.
    QByteArray bytes = kavrel.storeFileBytes();
    QVERIFY(bytes.contains("Last=2"));
    bytes.replace("Last=2", "Last=9");
    QFile file(kavrel.storePath());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    file.close();
    window.close();
    QCOMPARE(kavrel.onDisk(u"Games"_s, u"Last"_s), u"9"_s);
    QCOMPARE(kavrel.endProgramCalls, 1);

    // A session end that was called off: the later exit stores the game selected by then.
    kavrel.restart();
    kavrel.find<GameList>(u"Lijst"_s)->setListIndex(3);
    endDesktopSession();
    QCOMPARE(kavrel.onDisk(u"Games"_s, u"Last"_s), u"3"_s);
    kavrel.find<GameList>(u"Lijst"_s)->setListIndex(0);
    kavrel.action(u"MnuBestandAfsluiten"_s)->trigger();
    QCOMPARE(kavrel.onDisk(u"Games"_s, u"Last"_s), u"0"_s);
    VERIFY_DIALOGS(kavrel.dialogs);
}

QTEST_MAIN(HelpAndExitTest)
#include "tst_helpandexit.moc"
