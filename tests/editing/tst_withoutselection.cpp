// The commands that act on the selected game do nothing while there is none: with an empty
// collection, and with games but no entry selected.
#include "KavrelFixture.h"
#include "window/GameList.h"

#include <QTest>

namespace {

using Command = void (Hoofdscherm::*)();

const QList<std::pair<const char*, Command>> SelectedGameCommands{
    {"remove", &Hoofdscherm::MnuBestandVerwijderen_Click},
    {"title", &Hoofdscherm::MnuBewerkenTitel_Click},
    {"screenshot", &Hoofdscherm::MnuBewerkenAfbeelding_Click},
    {"picture double click", &Hoofdscherm::Picture1_DblClick},
    {"description", &Hoofdscherm::MnuBewerkenBeschrijving_Click},
    {"description double click", &Hoofdscherm::RTB1_DblClick},
    {"remove screenshot", &Hoofdscherm::mnu_remove_screenshot_Click},
    {"remove description", &Hoofdscherm::mnu_remove_description_Click},
    {"executable", &Hoofdscherm::MnuBewerkenDoel_Click},
};

} // namespace

class WithoutSelectionTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void emptyCollection();
    void noEntrySelected();
};

void WithoutSelectionTest::emptyCollection() {
    KavrelFixture kavrel;
    Hoofdscherm& window = kavrel.start();
    const QByteArray before = kavrel.storeFileBytes();

    for (const auto& [name, command] : SelectedGameCommands) {
        (window.*command)();
        QVERIFY2(kavrel.dialogs.shown().isEmpty(), name);
        QVERIFY2(kavrel.storeFileBytes() == before, name);
        QVERIFY2(window.games().count() == 0, name);
        QVERIFY2(kavrel.list()->ListCount() == 0, name);
    }
    // The help text stays, since no command moved the focus.
    QVERIFY(window.helpShown());
    QCOMPARE(window.windowTitle(), QStringLiteral("Kavrel (Game 0 of 0)"));
    VERIFY_DIALOGS(kavrel.dialogs);
}

void WithoutSelectionTest::noEntrySelected() {
    KavrelFixture kavrel;
    const GameEntry alpha{QStringLiteral("pa"), QStringLiteral("ba"), QStringLiteral("ta"),
                          QStringLiteral("Alpha"), true};
    const GameEntry bravo{QStringLiteral("pb"), QStringLiteral("bb"), QStringLiteral("tb"),
                          QStringLiteral("Bravo"), false};
    kavrel.seedGames({alpha, bravo});
    Hoofdscherm& window = kavrel.start();
    kavrel.list()->setListIndex(-1);
    const QByteArray before = kavrel.storeFileBytes();

    for (const auto& [name, command] : SelectedGameCommands) {
        (window.*command)();
        QVERIFY2(kavrel.dialogs.shown().isEmpty(), name);
        QVERIFY2(kavrel.storeFileBytes() == before, name);
        QVERIFY2(window.games().count() == 2, name);
        QVERIFY2(window.games()[1] == alpha && window.games()[2] == bravo, name);
        QVERIFY2(kavrel.listEntries() ==
                     (QStringList{QStringLiteral("Alpha"), QStringLiteral("Bravo")}),
                 name);
        QVERIFY2(kavrel.list()->ListIndex() == -1, name);
    }
    VERIFY_DIALOGS(kavrel.dialogs);
}

QTEST_MAIN(WithoutSelectionTest)
#include "tst_withoutselection.moc"
