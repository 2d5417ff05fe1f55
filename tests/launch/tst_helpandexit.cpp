// Help in the description box until the box loses the focus or a command hands it to the
// picture, and the ways out of Kavrel with the selected game remembered.
#include "KavrelFixture.h"
#include "window/DescriptionBox.h"
#include "window/GameList.h"

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
    void helpGivesWayWhenTheBoxLosesTheFocus_data();
    void helpGivesWayWhenTheBoxLosesTheFocus();
    void everyWayOutRemembersTheSelectedGameOnce();
};

void HelpAndExitTest::helpGivesWayWhenTheBoxLosesTheFocus_data() {
    QTest::addColumn<bool>("empty");
    QTest::addColumn<QString>("control");
    // The program chosen in the first picker; the empty text: Cancel.
    QTest::addColumn<QString>("program");
    QTest::newRow("click on the picture") << false << u"Picture1"_s << QString();
    QTest::newRow("start-up help, click on a box") << true << u"ExitCheck"_s << QString();
    // The commands hand the focus to the picture while their dialog still has the activation.
    QTest::newRow("Add, cancelled") << true << u"MnuBestandNieuw"_s << QString();
    QTest::newRow("first game added") << true << u"MnuBestandNieuw"_s << u"ROBOT.EXE"_s;
    QTest::newRow("executable, cancelled") << false << u"MnuBewerkenDoel"_s << QString();
    QTest::newRow("double click on the help, cancelled") << false << u"RTB1"_s << QString();
}

void HelpAndExitTest::helpGivesWayWhenTheBoxLosesTheFocus() {
    QFETCH(bool, empty);
    QFETCH(QString, control);
    QFETCH(QString, program);
    KavrelFixture kavrel;
    kavrel.writeFile(u"app/readme.txt"_s, "How to add a game: use Games, Add.\n");
    const QString story = kavrel.writeFile(u"alpha.txt"_s, "Alpha's story");
    if (!empty)
        kavrel.seedGames({GameEntry{{}, {}, story, {}}, GameEntry{}});
    Hoofdscherm& window = kavrel.start();
    auto* rtb = kavrel.find<DescriptionBox>(u"RTB1"_s);
    // Start-up with an empty collection shows the help; a second command changes nothing.
    for (int times = empty ? 0 : 2; times > 0; --times)
        kavrel.action(u"MnuHelp"_s)->trigger();
    QCOMPARE(rtb->toPlainText(), u"How to add a game: use Games, Add.\n"_s);
    QCOMPARE(rtb->toolTip(), u"Help on how to add games to your collection"_s);
    QVERIFY(window.helpShown() && kavrel.focused() == rtb);
    // The menu bar taking the keyboard is no move to another control, nor is a dialog opening.
    window.menuBar()->setFocus(Qt::MenuBarFocusReason);
    rtb->setFocus(Qt::MenuBarFocusReason);
    const auto helpStays = [&] {
        QVERIFY(window.helpShown());
    };
    kavrel.dialogs.takeActivation = true;
    if (control.startsWith(u"Mnu"_s) || control == u"RTB1"_s)
        program.isEmpty() ? kavrel.dialogs.cancelFile(helpStays)
                          : kavrel.dialogs.chooseFile(kavrel.writeFile(program, "x"), helpStays);
    if (!program.isEmpty()) {
        kavrel.dialogs.type(u"Robot"_s);
        kavrel.dialogs.cancelFile();
        kavrel.dialogs.cancelFile();
    }

    if (QAction* command = kavrel.action(control))
        command->trigger();
    else if (control == u"RTB1"_s)
        QTest::mouseDClick(rtb->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
    else
        QTest::mouseClick(kavrel.find<QWidget>(control), Qt::LeftButton);
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    VERIFY_DIALOGS(kavrel.dialogs);
    QVERIFY(!window.helpShown());
    QCOMPARE(rtb->toPlainText(), empty ? u"No description available"_s : u"Alpha's story"_s);
    QCOMPARE(rtb->toolTip(), u"Description of the current selected game"_s);
    // Outside help mode the focus leaving the box changes nothing, whatever it shows.
    QVERIFY(QFile::remove(story));
    rtb->setFocus(Qt::MouseFocusReason);
    QTest::mouseClick(kavrel.find<QWidget>(u"Picture1"_s), Qt::LeftButton);
    QCOMPARE(rtb->toPlainText(), empty ? u"No description available"_s : u"Alpha's story"_s);
    // Without the file beside the program the help built into it is shown.
    QVERIFY(QFile::remove(kavrel.appFolder() + u"/readme.txt"_s));
    kavrel.action(u"MnuHelp"_s)->trigger();
    QVERIFY(rtb->toPlainText().startsWith(u"Welcome to Kavrel"_s));
}

void HelpAndExitTest::everyWayOutRemembersTheSelectedGameOnce() {
    {
        // An empty collection leaves "Last" as it was.
        KavrelFixture kavrel;
        kavrel.seed(u"Games"_s, u"Last"_s, u"3"_s);
        QVERIFY(kavrel.start().close());
        QCOMPARE(kavrel.onDisk(u"Games"_s, u"Last"_s), u"3"_s);
        QCOMPARE(kavrel.endProgramCalls, 1);
    }
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
