// Start-up: the window that comes up for an empty store, for a stored collection, and for
// stores that hold what Kavrel never writes.
#include "KavrelFixture.h"
#include "window/DescriptionBox.h"
#include "window/GameList.h"
#include "window/PictureBox.h"

#include <QCheckBox>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

class StartupTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void emptyStoreShowsHelpAndDisablesGameControls();
};

void StartupTest::emptyStoreShowsHelpAndDisablesGameControls() {
    KavrelFixture kavrel;
    Hoofdscherm& window = kavrel.start();

    QCOMPARE(window.windowTitle(), QStringLiteral("Kavrel (Game 0 of 0)"));
    auto* rtb = kavrel.find<DescriptionBox>(QStringLiteral("RTB1"));
    QVERIFY(rtb->toPlainText().startsWith(QStringLiteral("Welcome to Kavrel")));
    QCOMPARE(rtb->toolTip(), QStringLiteral("Help on how to add games to your collection"));
    QCOMPARE(kavrel.focused(), rtb);
    QVERIFY(window.helpShown());
    for (const char* name : {"Lijst", "KnopVolgende", "KnopVorige", "KnopSpelen"})
        QVERIFY2(!kavrel.find<QWidget>(QString::fromLatin1(name))->isEnabled(), name);
    for (const char* name : {"MnuBestandVerwijderen", "MnuBestandOpen", "mnuChange"})
        QVERIFY2(!kavrel.action(QString::fromLatin1(name))->isEnabled(), name);
    QVERIFY(kavrel.find<QCheckBox>(QStringLiteral("ExitCheck"))->isChecked());
    QVERIFY(kavrel.action(QStringLiteral("mnuExitOption"))->isChecked());
    QCOMPARE(kavrel.onDisk(QStringLiteral("Options"), QStringLiteral("GExit")),
             QStringLiteral("True"));
    QCOMPARE(kavrel.onDisk(QStringLiteral("Games"), QStringLiteral("Count")), std::nullopt);
    VERIFY_DIALOGS(kavrel.dialogs);
}

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
