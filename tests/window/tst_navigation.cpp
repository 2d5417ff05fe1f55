// Moving through the collection with the arrow buttons, the stepping and paging keys and the
// first-character jump, whichever control has the focus.
#include "KavrelFixture.h"
#include "window/DescriptionBox.h"
#include "window/GameList.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

// A key event at whatever control has the focus, as keys go; its own modifiers only (QTest's
// clicks would also press Ctrl, Alt or Shift). Time stamp 0: the platform gave none.
void send(QEvent::Type type, Qt::Key key, Qt::KeyboardModifiers modifiers = {},
          const QString& text = {}, bool autoRepeat = false, quint64 time = 0) {
    QKeyEvent event(type, key, modifiers, text, autoRepeat);
    event.setTimestamp(time);
    QApplication::sendEvent(QApplication::focusWidget(), &event);
}
void stroke(Qt::Key key, Qt::KeyboardModifiers modifiers = {}, const QString& text = {}) {
    send(QEvent::KeyPress, key, modifiers, text);
    send(QEvent::KeyRelease, key, modifiers, text);
}

} // namespace

class NavigationTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void keysAndButtonsMoveOnceAndStopAtBothEnds();
};

void NavigationTest::keysAndButtonsMoveOnceAndStopAtBothEnds() {
    const QStringList named{u"7th"_s, u"Alpha"_s, u"Beta"_s, u"bravo"_s, u"- Dash"_s, u"Delta"_s};
    QList<GameEntry> games(20);
    for (int n = 0; n < 20; ++n)
        games[n].GTitle = n < 6 ? named[n] : n < 19 ? u"Game %1"_s.arg(n + 1) : u"Zork"_s;
    KavrelFixture kavrel;
    kavrel.seedGames(games);
    Hoofdscherm& window = kavrel.start();
    GameList* list = kavrel.list();
    auto* next = kavrel.find<QToolButton>(u"KnopVolgende"_s);
    const auto at = [&](int index) {
        return list->ListIndex() == index &&
               window.windowTitle() == u"Kavrel (Game %1 of 20)"_s.arg(index + 1);
    };

    // The buttons stop at both ends and refresh the caption all the same; with nothing selected
    // the previous button does nothing.
    list->setListIndex(18);
    QTest::mouseClick(next, Qt::LeftButton);
    window.KnopVolgende_Click();
    QVERIFY(at(19) && !next->isEnabled());
    list->setListIndex(0);
    window.KnopVorige_Click();
    QVERIFY(at(0));
    list->setListIndex(-1);
    window.KnopVorige_Click();
    QCOMPARE(list->ListIndex(), -1);

    // Every release refreshes the caption, also one that moves nothing. A character jumps to the
    // next title that starts with it, in either case, and from the end, or with no later match,
    // searches again from the top, where it may find the entry itself. A key the window acts on
    // is its own: neither the list (which would move too) nor a type button (which would store a
    // type) nor the description box gets it.
    QWidget* const controls[] = {kavrel.find<DescriptionBox>(u"RTB1"_s), kavrel.optType(0), list};
    const struct {
        Qt::Key key;
        int from, to;
        QString text = {};
        Qt::KeyboardModifiers modifiers = {};
    } moves[] = {{Qt::Key_Down, 4, 5},      {Qt::Key_Right, 0, 1},
                 {Qt::Key_Left, 2, 1},      {Qt::Key_Up, 1, 0},
                 {Qt::Key_Up, 0, 0},        {Qt::Key_Down, 19, 19},
                 {Qt::Key_Right, 18, 19},   {Qt::Key_Down, 3, 4, {}, Qt::ShiftModifier},
                 {Qt::Key_PageDown, 3, 13}, {Qt::Key_PageDown, 13, 19},
                 {Qt::Key_PageUp, 15, 5},   {Qt::Key_PageUp, 4, 0},
                 {Qt::Key_End, 19, 19},     {Qt::Key_End, 6, 19},
                 {Qt::Key_Home, 6, 0},      {Qt::Key_Home, 0, 0},
                 {Qt::Key_B, 2, 3, u"b"_s}, {Qt::Key_B, 3, 2, u"B"_s, Qt::ShiftModifier},
                 {Qt::Key_7, 2, 0, u"7"_s}, {Qt::Key_Z, 19, 19, u"z"_s}};
    for (int i = 0; i < int(std::size(moves)); ++i) {
        const auto& move = moves[i];
        list->setListIndex(move.from);
        controls[i % 3]->setFocus();
        window.setWindowTitle(QString());
        stroke(move.key, move.modifiers, move.text);
        QVERIFY2(at(move.to), qPrintable(u"key %1 from %2 in %3"_s.arg(move.key).arg(move.from).arg(
                                  controls[i % 3]->objectName())));
    }
    QVERIFY(std::ranges::all_of(window.games(), [](const GameEntry& game) { return game.GType; }));

    // A held key moves once, when let go, however its repeats come: flagged or not, a release
    // and a press with the same time stamp are a repeat. Two quick strokes move twice.
    list->setListIndex(3);
    send(QEvent::KeyPress, Qt::Key_Down, {}, {}, false, 100);
    for (quint64 time : {600, 633, 666}) {
        send(QEvent::KeyRelease, Qt::Key_Down, {}, {}, time == 633, time);
        send(QEvent::KeyPress, Qt::Key_Down, {}, {}, time == 633, time);
    }
    send(QEvent::KeyRelease, Qt::Key_Down, {}, {}, false, 900);
    QTRY_COMPARE(list->ListIndex(), 4);
    for (quint64 time : {1000, 1100}) {
        send(QEvent::KeyPress, Qt::Key_PageDown, {}, {}, false, time);
        send(QEvent::KeyRelease, Qt::Key_PageDown, {}, {}, false, time + 50);
    }
    QTRY_COMPARE(list->ListIndex(), 19);
    // Of two keys down at once only the one pressed last acts, on its release.
    list->setListIndex(4);
    send(QEvent::KeyPress, Qt::Key_Down);
    send(QEvent::KeyPress, Qt::Key_Right);
    send(QEvent::KeyRelease, Qt::Key_Down);
    QVERIFY(at(4));
    send(QEvent::KeyRelease, Qt::Key_Right);
    QCOMPARE(list->ListIndex(), 5);

    // With Ctrl or Alt held no key moves, jumps or even refreshes the caption; nor does a
    // character without a match or none that jumps (pressed only: every release refreshes).
    window.setWindowTitle(u"untouched"_s);
    for (Qt::KeyboardModifiers held : std::initializer_list<Qt::KeyboardModifiers>{
             Qt::ControlModifier, Qt::AltModifier, Qt::ControlModifier | Qt::ShiftModifier}) {
        stroke(Qt::Key_Down, held);
        stroke(Qt::Key_Home, held);
        stroke(Qt::Key_G, held, u"g"_s);
    }
    for (char character : {'q', '-', ' '})
        QTest::keyPress(QApplication::focusWidget(), character);
    QVERIFY(list->ListIndex() == 5 && window.windowTitle() == u"untouched"_s);

    // Keys typed into another window, a dialog's text field, are not the window's.
    QDialog prompt(&window);
    auto* field = new QLineEdit(&prompt);
    prompt.show();
    prompt.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&prompt));
    field->setFocus();
    QTest::keyClick(field, 'g');
    QCOMPARE(field->text(), u"g"_s);
    QCOMPARE(list->ListIndex(), 5);
    VERIFY_DIALOGS(kavrel.dialogs);
}

QTEST_MAIN(NavigationTest)
#include "tst_navigation.moc"
