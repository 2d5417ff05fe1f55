// Help in the description box until the box loses the focus or a command hands it to the
// picture, and the ways out of Kavrel with the selected game remembered.
#include "CollectionChecks.h"
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
    void helpGivesWayWhenTheBoxLosesTheFocus();
    void everyWayOutRemembersTheSelectedGameOnce();
};

void HelpAndExitTest::helpGivesWayWhenTheBoxLosesTheFocus() {
    // With or without games; the control clicked or the command run; the program chosen in its
    // first picker (none: Cancel). The commands hand the focus to the picture while their dialog
    // still has the activation, as on a desktop; the dialog opening does not end the help.
    const struct {
        bool empty;
        QString control, program;
    } cases[] = {{false, u"Picture1"_s, {}},
                 {true, u"MnuBestandNieuw"_s, {}},
                 {true, u"MnuBestandNieuw"_s, u"ROBOT.EXE"_s},
                 {false, u"MnuBewerkenDoel"_s, {}},
                 {false, u"RTB1"_s, {}}};
    for (const auto& [empty, control, program] : cases) {
        KavrelFixture kavrel;
        kavrel.writeFile(u"app/readme.txt"_s, "How to add a game.");
        if (!empty)
            kavrel.seedGames({{.GText = kavrel.writeFile(u"a.txt"_s, "Alpha's story")}, {}});
        Hoofdscherm& window = kavrel.start();
        auto* rtb = kavrel.find<DescriptionBox>(u"RTB1"_s);
        // Start-up with an empty collection shows the help; a second command changes nothing.
        for (int times = empty ? 0 : 2; times > 0; --times)
            kavrel.action(u"MnuHelp"_s)->trigger();
        QVERIFY(rtb->toPlainText() == u"How to add a game."_s && kavrel.focused() == rtb);
        QCOMPARE(rtb->toolTip(), u"Help on how to add games to your collection"_s);
        // The menu bar taking the keyboard is no move to another control.
        window.menuBar()->setFocus(Qt::MenuBarFocusReason);
        rtb->setFocus(Qt::MenuBarFocusReason);
        kavrel.dialogs.takeActivation = true;
        const auto helpStays = [&] {
            QVERIFY(window.helpShown());
        };
        if (!program.isEmpty()) {
            kavrel.dialogs.chooseFile(kavrel.writeFile(program, "x"), helpStays);
            kavrel.dialogs.type(u"Robot"_s);
        }
        for (int pickers = program.isEmpty() ? 1 : 2; pickers > 0 && control != u"Picture1"_s;
             --pickers)
            kavrel.dialogs.cancelFile(helpStays);
        if (QAction* command = kavrel.action(control))
            command->trigger();
        else if (control == u"RTB1"_s)
            QTest::mouseDClick(rtb->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
        else
            QTest::mouseClick(kavrel.find<QWidget>(control), Qt::LeftButton);
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        VERIFY_DIALOGS(kavrel.dialogs);
        QVERIFY2(!window.helpShown() &&
                     rtb->toolTip() == u"Description of the current selected game"_s &&
                     rtb->toPlainText() ==
                         (empty ? u"No description available"_s : u"Alpha's story"_s),
                 qPrintable(control));
    }
}

void HelpAndExitTest::everyWayOutRemembersTheSelectedGameOnce() {
    KavrelFixture kavrel;
    const auto last = [&] {
        return kavrel.onDisk(u"Games"_s, u"Last"_s);
    };
    // An empty collection leaves "Last" as it was.
    kavrel.seed(u"Games"_s, u"Last"_s, u"3"_s);
    QVERIFY(kavrel.start().close());
    QVERIFY(last() == u"3"_s && kavrel.endProgramCalls == 1);
    kavrel.seedGames(QList<GameEntry>(6));
    // Exit, and the close box as well, stores the selected game once (-1 for none); a close as
    // the program ends belongs to the same exit.
    for (int index : {4, -1}) {
        Hoofdscherm& window = kavrel.restart();
        kavrel.list()->setListIndex(index);
        if (index < 0)
            QVERIFY(window.close());
        else
            kavrel.action(u"MnuBestandAfsluiten"_s)->trigger();
        kavrel.list()->setListIndex(2);
        window.close();
        QCOMPARE(last(), QString::number(index));
    }
    // The end of the desktop session stores the game selected by then, also again after a session
    // end that was called off, and leaves the ending to the close that follows, which writes no
    // second "Last" (nor anything else: the store's file stays gone).
    Hoofdscherm& window = kavrel.restart();
    for (int index : {3, 1}) {
        kavrel.list()->setListIndex(index);
        endDesktopSession();
        QCOMPARE(last(), QString::number(index));
    }
    QCOMPARE(kavrel.endProgramCalls, 3);
    QVERIFY(QFile::remove(kavrel.storePath()));
    window.close();
    QVERIFY(!QFile::exists(kavrel.storePath()) && kavrel.endProgramCalls == 4);
}

QTEST_MAIN(HelpAndExitTest)
#include "tst_helpandexit.moc"
