// Help in the description box until the box loses the focus or a command hands it to the
// picture, and the ways out of Kavrel with the selected game remembered.
#include "KavrelFixture.h"

#include <QGuiApplication>
#include <QMetaMethod>

// What the toolkit does when the user's desktop session ends. The window does not look at the
// session manager that comes with the request.
static void endDesktopSession() {
    const QMetaMethod sig = QMetaMethod::fromSignal(&QGuiApplication::commitDataRequest);
    void* arguments[] = {nullptr, nullptr};
    QMetaObject::activate(qApp, sig.enclosingMetaObject(), sig.relativeMethodIndex(), arguments);
}

class HelpAndExitTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void helpGivesWayWhenTheBoxLosesTheFocus() {
        KavrelFixture kavrel;
        kavrel.writeFile(u"app/readme.txt"_s, "How to add a game.");
        const QString story = kavrel.writeFile(u"robot.txt"_s, "Robot's story");
        Hoofdscherm& window = kavrel.start();
        auto* rtb = kavrel.find<DescriptionBox>(u"RTB1"_s);
        const auto helpStays = [&] {
            QCOMPARE(rtb->toPlainText(), u"How to add a game."_s);
        };
        // The control clicked or the command run, and the program chosen in its first picker (none:
        // Cancel), from an empty collection on. The commands hand the focus to the picture while
        // their dialog still has the activation, as on a desktop; a dialog opening ends no help.
        kavrel.dialogs.takeActivation = true;
        for (bool first = true;
             const QString& step : {u"MnuBestandNieuw"_s, u"MnuBestandNieuw ROBOT.EXE"_s,
                                    u"MnuBewerkenDoel"_s, u"RTB1"_s, u"Picture1"_s}) {
            const QString control = step.section(u' ', 0, 0), program = step.section(u' ', 1);
            // Start-up with an empty collection shows the help as the command does.
            if (!std::exchange(first, false))
                kavrel.action(u"MnuHelp"_s)->trigger();
            helpStays();
            QVERIFY(rtb->toolTip() == u"Help on how to add games to your collection"_s &&
                    kavrel.focused() == rtb);
            if (!program.isEmpty()) {
                kavrel.dialogs.chooseFile(kavrel.writeFile(program, "x"), helpStays);
                kavrel.dialogs.type(u"Robot"_s);
                kavrel.dialogs.cancelFile();
                kavrel.dialogs.chooseFile(story);
            } else if (control != u"Picture1"_s) {
                kavrel.dialogs.cancelFile(helpStays);
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
            QCOMPARE(
                rtb->toolTip() + u'|' + rtb->toPlainText(),
                u"Description of the current selected game|"_s +
                    (window.games().count() ? u"Robot's story"_s : u"No description available"_s));
        }
    }

    void everyWayOutRemembersTheSelectedGameOnce() {
        KavrelFixture kavrel;
        const auto last = [&] {
            return kavrel.onDisk(u"Games"_s, u"Last"_s);
        };
        // An empty collection leaves "Last" as it was.
        kavrel.seed(u"Games"_s, u"Last"_s, u"3"_s);
        QVERIFY(kavrel.start().close() && last() == u"3"_s);
        // Exit, the close box (which cannot be refused) and the end of the desktop session store
        // the selected game, -1 for none. The close that ends the program then, or follows the
        // session's end, writes no second "Last"; the session's end leaves the ending to that
        // close.
        for (int way = 0; way < 3; ++way) {
            kavrel.seedGames(QList<GameEntry>(6));
            Hoofdscherm& window = kavrel.start();
            const int index = way == 1 ? -1 : 4 - way;
            kavrel.list()->setListIndex(index);
            way == 0 ? kavrel.action(u"MnuBestandAfsluiten"_s)->trigger()
                     : (way == 2 ? endDesktopSession() : void());
            QVERIFY(way != 1 || window.close());
            QVERIFY(last() == QString::number(index) &&
                    kavrel.endProgramCalls == (way == 2 ? 3 : way + 2));
            QVERIFY(QFile::remove(kavrel.storePath()));
            window.close();
            QVERIFY(!QFile::exists(kavrel.storePath()) && kavrel.endProgramCalls == way + 2);
        }
    }
};

QTEST_MAIN(HelpAndExitTest)
#include "tst_helpandexit.moc"
