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

// What the toolkit does when the user's desktop session ends. The window does not look at the
// session manager that comes with the request.
void endDesktopSession() {
    const QMetaMethod sig = QMetaMethod::fromSignal(&QGuiApplication::commitDataRequest);
    void* arguments[] = {nullptr, nullptr};
    QMetaObject::activate(qApp, sig.enclosingMetaObject(), sig.relativeMethodIndex(), arguments);
}

} // namespace

class HelpAndExitTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void helpGivesWayToTheDescriptionWhenTheBoxLosesTheFocus();
    void anEmptyCollectionKeepsItsLastOnExit();
    void everyWayOutRemembersTheSelectedGameOnce();
};

void HelpAndExitTest::helpGivesWayToTheDescriptionWhenTheBoxLosesTheFocus() {
    KavrelFixture kavrel;
    kavrel.writeFile(u"app/readme.txt"_s, "How to add a game: use Games, Add.\n");
    const QString story = kavrel.writeFile(u"alpha.txt"_s, "Alpha's story");
    kavrel.seedGames({GameEntry{{}, {}, story, {}}, GameEntry{}});
    Hoofdscherm& window = kavrel.start();
    auto* rtb = kavrel.find<DescriptionBox>(u"RTB1"_s);
    auto* picture = kavrel.find<PictureBox>(u"Picture1"_s);

    // A second command changes nothing visible.
    kavrel.action(u"MnuHelp"_s)->trigger();
    kavrel.action(u"MnuHelp"_s)->trigger();
    QCOMPARE(rtb->toPlainText(), u"How to add a game: use Games, Add.\n"_s);
    QCOMPARE(rtb->toolTip(), u"Help on how to add games to your collection"_s);
    QCOMPARE(kavrel.focused(), rtb);
    QVERIFY(window.helpShown());
    // The menu bar taking the keyboard is no move to another control.
    window.menuBar()->setFocus(Qt::MenuBarFocusReason);
    rtb->setFocus(Qt::MenuBarFocusReason);
    QVERIFY(window.helpShown());

    QTest::mouseClick(picture, Qt::LeftButton);
    QCOMPARE(rtb->toPlainText(), u"Alpha's story"_s);
    QCOMPARE(rtb->toolTip(), u"Description of the current selected game"_s);
    QVERIFY(!window.helpShown());

    // Outside help mode the focus leaving the box changes nothing, whatever it shows.
    QVERIFY(QFile::remove(story));
    rtb->setFocus(Qt::MouseFocusReason);
    QTest::mouseClick(picture, Qt::LeftButton);
    QCOMPARE(rtb->toPlainText(), u"Alpha's story"_s);

    // Without the file beside the program the help built into it is shown.
    QVERIFY(QFile::remove(kavrel.appFolder() + u"/readme.txt"_s));
    kavrel.list()->setListIndex(1);
    kavrel.action(u"MnuHelp"_s)->trigger();
    QVERIFY(rtb->toPlainText().startsWith(u"Welcome to Kavrel"_s));
    QTest::mouseClick(picture, Qt::LeftButton);
    QCOMPARE(rtb->toPlainText(), u"No description available"_s);
    VERIFY_DIALOGS(kavrel.dialogs);
}

void HelpAndExitTest::anEmptyCollectionKeepsItsLastOnExit() {
    KavrelFixture kavrel;
    kavrel.seed(u"Games"_s, u"Last"_s, u"3"_s);
    Hoofdscherm& window = kavrel.start();
    auto* rtb = kavrel.find<DescriptionBox>(u"RTB1"_s);

    // Start-up shows the help as well; the click ends it.
    QTest::mouseClick(kavrel.find<QCheckBox>(u"ExitCheck"_s), Qt::LeftButton);
    kavrel.action(u"MnuHelp"_s)->trigger();
    QVERIFY(rtb->toPlainText().startsWith(u"Welcome to Kavrel"_s));
    QCOMPARE(kavrel.focused(), rtb);
    QTest::mouseClick(kavrel.find<QCheckBox>(u"ExitCheck"_s), Qt::LeftButton);
    QCOMPARE(rtb->toPlainText(), u"No description available"_s);
    QCOMPARE(rtb->toolTip(), u"Description of the current selected game"_s);

    QVERIFY(window.close());
    QCOMPARE(kavrel.onDisk(u"Games"_s, u"Last"_s), u"3"_s);
    QCOMPARE(kavrel.endProgramCalls, 1);
    VERIFY_DIALOGS(kavrel.dialogs);
}

void HelpAndExitTest::everyWayOutRemembersTheSelectedGameOnce() {
    KavrelFixture kavrel;
    // Six games, whose details do not matter here.
    kavrel.seedGames(QList<GameEntry>(6));
    kavrel.start();
    const auto last = [&] {
        return kavrel.onDisk(u"Games"_s, u"Last"_s);
    };

    kavrel.list()->setListIndex(4);
    kavrel.action(u"MnuBestandAfsluiten"_s)->trigger();
    QCOMPARE(last(), u"4"_s);
    QCOMPARE(kavrel.endProgramCalls, 1);
    // Closing windows as the program ends belongs to the same exit.
    kavrel.list()->setListIndex(2);
    kavrel.window().close();
    QCOMPARE(last(), u"4"_s);

    // The close box saves as Exit does and cannot be refused; entries but none selected give -1.
    Hoofdscherm* window = &kavrel.restart();
    QCOMPARE(kavrel.list()->ListIndex(), 4);
    kavrel.list()->setListIndex(-1);
    QVERIFY(window->close());
    QCOMPARE(last(), u"-1"_s);
    QCOMPARE(kavrel.endProgramCalls, 2);

    // The end of the desktop session stores the game selected by then, also again after a session
    // end that was called off, and leaves the ending to the close that follows, which writes no
    // second "Last" (nor anything else: the store's file stays gone).
    window = &kavrel.restart();
    for (int index : {3, 1}) {
        kavrel.list()->setListIndex(index);
        endDesktopSession();
        QCOMPARE(last(), QString::number(index));
    }
    QCOMPARE(kavrel.endProgramCalls, 2);
    QVERIFY(QFile::remove(kavrel.storePath()));
    window->close();
    QVERIFY(!QFile::exists(kavrel.storePath()));
    QCOMPARE(kavrel.endProgramCalls, 3);
    VERIFY_DIALOGS(kavrel.dialogs);
}

QTEST_MAIN(HelpAndExitTest)
#include "tst_helpandexit.moc"
