// Play with a recording starter: what is started for each kind of game, and what a failed
// start tells the user.
#include "KavrelFixture.h"
#include "window/GameList.h"

#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

GameEntry game(const QString& title, const QString& path, bool dos) {
    GameEntry entry;
    entry.GTitle = title;
    entry.GPath = path;
    entry.GType = dos;
    return entry;
}

} // namespace

class PlayTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startsEachKindOfGameItsOwnWay();
    void aFailedStartIsReportedAndChangesNothing();
    void nothingIsStartedWithoutASelectedGame();
};

void PlayTest::startsEachKindOfGameItsOwnWay() {
    KavrelFixture kavrel;
    const QString dos = kavrel.writeFile(u"dos games/alpha dir/ALPHA.EXE"_s, "MZ");
    const QString win = kavrel.writeFile(u"win games/beta/beta.exe"_s, "MZ");
    const QString emulator = kavrel.path(u"emu dir/dosbox"_s);
    kavrel.seed(u"Location"_s, u"DosBox"_s, emulator);
    kavrel.seedGames({game(u"Alpha"_s, dos, true), game(u"Beta"_s, win, false)});
    Hoofdscherm& window = kavrel.start();
    QList<ProgramStart>& starts = kavrel.starter.starts;

    QTest::mouseClick(kavrel.find<QPushButton>(u"KnopSpelen"_s), Qt::LeftButton);
    QCOMPARE(starts.size(), 1);
    QCOMPARE(starts.last(),
             (ProgramStart{emulator, {dos, u"-exit"_s}, {}, WindowStyle::Minimized}));

    kavrel.action(u"mnuExitOption"_s)->trigger();
    // Nothing waits for the first start: Play starts the game again.
    for (int expected : {2, 3}) {
        kavrel.action(u"MnuBestandOpen"_s)->trigger();
        QCOMPARE(starts.size(), expected);
        QCOMPARE(starts.last(), (ProgramStart{emulator, {dos}, {}, WindowStyle::Minimized}));
    }

    kavrel.find<GameList>(u"Lijst"_s)->setListIndex(1);
    const ProgramStart alone{win, {}, kavrel.path(u"win games/beta"_s), WindowStyle::Normal};
    kavrel.action(u"MnuBestandOpen"_s)->trigger();
    QCOMPARE(starts.last(), alone);
    kavrel.action(u"mnuExitOption"_s)->trigger();
    QVERIFY(window.autoExit());
    kavrel.action(u"MnuBestandOpen"_s)->trigger();
    QCOMPARE(starts.last(), alone);
    QCOMPARE(starts.size(), 5);
    VERIFY_DIALOGS(kavrel.dialogs);
}

void PlayTest::aFailedStartIsReportedAndChangesNothing() {
    KavrelFixture kavrel;
    const QString dos = kavrel.writeFile(u"games/ALPHA.EXE"_s, "MZ");
    const QString gone = kavrel.path(u"games/GONE.EXE"_s);
    kavrel.seed(u"Location"_s, u"DosBox"_s, kavrel.path(u"emu/dosbox"_s));
    kavrel.seedGames({game(u"Alpha"_s, dos, true), game(u"Gone"_s, gone, true),
                      game(u"Gone too"_s, gone, false)});
    Hoofdscherm& window = kavrel.start();
    auto* list = kavrel.find<GameList>(u"Lijst"_s);
    const QByteArray stored = kavrel.storeFileBytes();
    const auto failsWith = [&](const QString& path) {
        kavrel.dialogs.acknowledge();
        kavrel.action(u"MnuBestandOpen"_s)->trigger();
        const ScriptedDialogs::Shown& box = kavrel.dialogs.last();
        QCOMPARE(box.kind, ScriptedDialogs::Kind::MsgBox);
        QCOMPARE(box.prompt, u"Could not execute "_s + path);
        QCOMPARE(box.style, MsgBoxStyle::Critical);
        QCOMPARE(box.title, u"Execute Error"_s);
    };

    kavrel.starter.succeeds = false;
    failsWith(dos);
    QCOMPARE(kavrel.starter.starts.size(), 1);

    // A missing program is never handed on: DOSBox would wait with an error instead of closing.
    kavrel.starter.succeeds = true;
    for (int row : {1, 2}) {
        list->setListIndex(row);
        failsWith(gone);
    }
    QCOMPARE(kavrel.starter.starts.size(), 1);
    QCOMPARE(list->ListIndex(), 2);
    QCOMPARE(window.games().count(), 3);
    QCOMPARE(kavrel.storeFileBytes(), stored);
    VERIFY_DIALOGS(kavrel.dialogs);
}

void PlayTest::nothingIsStartedWithoutASelectedGame() {
    KavrelFixture empty;
    empty.start().MnuBestandOpen_Click();
    QVERIFY(empty.starter.starts.isEmpty());
    VERIFY_DIALOGS(empty.dialogs);

    KavrelFixture kavrel;
    kavrel.seedGames({game(u"Alpha"_s, kavrel.writeFile(u"ALPHA.EXE"_s, "MZ"), false)});
    Hoofdscherm& window = kavrel.start();
    kavrel.find<GameList>(u"Lijst"_s)->setListIndex(-1);
    window.KnopSpelen_Click();
    QVERIFY(kavrel.starter.starts.isEmpty());
    VERIFY_DIALOGS(kavrel.dialogs);
}

QTEST_MAIN(PlayTest)
#include "tst_play.moc"
