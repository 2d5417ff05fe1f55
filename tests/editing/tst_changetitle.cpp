// Renaming the selected game: refused and cancelled answers, titles in use, and a rename that
// moves the game to another place and another section.
#include "KavrelFixture.h"
#include "window/GameList.h"

#include <QTest>

namespace {

const QString ChangePrompt = QStringLiteral("Change the title of the current DOS Game");
const QString InUsePrompt =
    QStringLiteral("The given title is in use, please enter another title for this DOS-game");
const QString BoxTitle = QStringLiteral("Change title");

QList<GameEntry> bravoCharlieZulu() {
    return {GameEntry{QStringLiteral("pB"), QStringLiteral("bB"), QStringLiteral("tB"),
                      QStringLiteral("Bravo"), true},
            GameEntry{QStringLiteral("pC"), QStringLiteral("bC"), QStringLiteral("tC"),
                      QStringLiteral("Charlie"), true},
            GameEntry{QStringLiteral("pZ"), QStringLiteral("bZ"), QStringLiteral("tZ"),
                      QStringLiteral("Zulu"), false}};
}

} // namespace

class ChangeTitleTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void renameMovesTheGameToTheTop();
    void refusedAnswersChangeNothing_data();
    void refusedAnswersChangeNothing();
    void titleInUseIsAskedAgain();
    void renamesTheOnlyGame();
};

void ChangeTitleTest::renameMovesTheGameToTheTop() {
    KavrelFixture kavrel;
    kavrel.seedGames(bravoCharlieZulu(), 2);
    Hoofdscherm& window = kavrel.start();
    kavrel.list()->setFocus();

    kavrel.dialogs.type(QStringLiteral("Alpha"),
                        [&] { QCOMPARE(kavrel.storedGame(3).GTitle, QStringLiteral("Zulu")); });
    kavrel.action(QStringLiteral("MnuBewerkenTitel"))->trigger();

    VERIFY_DIALOGS(kavrel.dialogs);
    const ScriptedDialogs::Shown& prompt = kavrel.dialogs.last();
    QCOMPARE(prompt.prompt, ChangePrompt);
    QCOMPARE(prompt.title, BoxTitle);
    QCOMPARE(prompt.defaultText, QStringLiteral("Zulu"));

    QCOMPARE(kavrel.listEntries(), (QStringList{QStringLiteral("Alpha"), QStringLiteral("Bravo"),
                                                QStringLiteral("Charlie")}));
    QCOMPARE(kavrel.list()->ListIndex(), 0);
    QCOMPARE(window.windowTitle(), QStringLiteral("Kavrel (Game 1 of 3)"));
    QCOMPARE(kavrel.focused(), kavrel.find<QWidget>(QStringLiteral("Picture1")));
    // Zulu's section moved to the top with it; every section is rewritten.
    QList<GameEntry> expected = bravoCharlieZulu();
    expected[2].GTitle = QStringLiteral("Alpha");
    QCOMPARE(kavrel.storedGame(1), expected[2]);
    QCOMPARE(kavrel.storedGame(2), expected[0]);
    QCOMPARE(kavrel.storedGame(3), expected[1]);
    QCOMPARE(window.games()[1], expected[2]);
}

void ChangeTitleTest::refusedAnswersChangeNothing_data() {
    QTest::addColumn<QStringList>("answers");
    QTest::newRow("cancel") << QStringList{QString()};
    QTest::newRow("unchanged") << QStringList{QStringLiteral("Charlie")};
    QTest::newRow("in use, then cancel") << QStringList{QStringLiteral("Zulu"), QString()};
    QTest::newRow("in use twice, then unchanged")
        << QStringList{QStringLiteral("Zulu"), QStringLiteral("Bravo"), QStringLiteral("Charlie")};
}

void ChangeTitleTest::refusedAnswersChangeNothing() {
    QFETCH(QStringList, answers);
    KavrelFixture kavrel;
    kavrel.seedGames(bravoCharlieZulu(), 1);
    Hoofdscherm& window = kavrel.start();
    const QByteArray before = kavrel.storeFileBytes();
    QWidget* list = kavrel.list();
    list->setFocus();

    for (const QString& answer : answers)
        kavrel.dialogs.type(answer);
    kavrel.action(QStringLiteral("MnuBewerkenTitel"))->trigger();

    VERIFY_DIALOGS(kavrel.dialogs);
    QCOMPARE(kavrel.dialogs.shown().size(), answers.size());
    QCOMPARE(kavrel.storeFileBytes(), before);
    QCOMPARE(kavrel.listEntries(), (QStringList{QStringLiteral("Bravo"), QStringLiteral("Charlie"),
                                                QStringLiteral("Zulu")}));
    QCOMPARE(window.games()[2].GTitle, QStringLiteral("Charlie"));
    QCOMPARE(kavrel.list()->ListIndex(), 1);
    QCOMPARE(kavrel.focused(), list);
}

void ChangeTitleTest::titleInUseIsAskedAgain() {
    KavrelFixture kavrel;
    kavrel.seedGames(bravoCharlieZulu(), 2);
    kavrel.start();

    const auto storedAsBefore = [&] {
        QCOMPARE(kavrel.storedGame(3).GTitle, QStringLiteral("Zulu"));
    };
    kavrel.dialogs.type(QStringLiteral("Charlie"));
    kavrel.dialogs.type(QStringLiteral("Charlie"), storedAsBefore);
    kavrel.dialogs.type(QStringLiteral("Bravo"), storedAsBefore);
    // Another letter case makes another title.
    kavrel.dialogs.type(QStringLiteral("charlie"), storedAsBefore);
    kavrel.action(QStringLiteral("MnuBewerkenTitel"))->trigger();

    VERIFY_DIALOGS(kavrel.dialogs);
    const QList<ScriptedDialogs::Shown>& shown = kavrel.dialogs.shown();
    QCOMPARE(shown.size(), 4);
    for (int i : {1, 2, 3}) {
        QCOMPARE(shown[i].prompt, InUsePrompt);
        QCOMPARE(shown[i].title, BoxTitle);
        // The current title is offered again, not the refused one.
        QCOMPARE(shown[i].defaultText, QStringLiteral("Zulu"));
    }
    QCOMPARE(kavrel.listEntries(), (QStringList{QStringLiteral("Bravo"), QStringLiteral("Charlie"),
                                                QStringLiteral("charlie")}));
    QCOMPARE(kavrel.list()->ListIndex(), 2);
    QCOMPARE(kavrel.storedGame(3).GTitle, QStringLiteral("charlie"));
    QCOMPARE(kavrel.storedGame(3).GPath, QStringLiteral("pZ"));
}

void ChangeTitleTest::renamesTheOnlyGame() {
    KavrelFixture kavrel;
    kavrel.seedGames({GameEntry{QStringLiteral("p"), {}, {}, QStringLiteral("Solo"), true}});
    Hoofdscherm& window = kavrel.start();

    kavrel.dialogs.type(QStringLiteral(" Solo "));
    kavrel.action(QStringLiteral("MnuBewerkenTitel"))->trigger();

    VERIFY_DIALOGS(kavrel.dialogs);
    QCOMPARE(kavrel.listEntries(), QStringList{QStringLiteral(" Solo ")});
    QCOMPARE(window.games()[1].GTitle, QStringLiteral(" Solo "));
    QCOMPARE(kavrel.storedGame(1).GTitle, QStringLiteral(" Solo "));
    QCOMPARE(window.windowTitle(), QStringLiteral("Kavrel (Game 1 of 1)"));
}

QTEST_MAIN(ChangeTitleTest)
#include "tst_changetitle.moc"
