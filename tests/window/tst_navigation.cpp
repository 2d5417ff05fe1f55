// Moving through the collection with the arrow buttons, the stepping and paging keys and the
// first-character jump, whichever control has the focus.
#include "KavrelFixture.h"
#include "window/DescriptionBox.h"
#include "window/GameList.h"
#include "window/PictureBox.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

// A key event at whatever control has the focus at that moment, as keys go. Events of their
// own, not QTest's clicks: those would also press and release Ctrl, Alt or Shift themselves.
void send(QEvent::Type type, Qt::Key key, Qt::KeyboardModifiers modifiers = {},
          const QString& text = {}, bool autoRepeat = false) {
    QKeyEvent event(type, key, modifiers, text, autoRepeat);
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
    void buttonsKeysAndFirstCharactersMoveAndStopAtBothEnds();
    void anEmptyListSelectsNothing();
};

void NavigationTest::buttonsKeysAndFirstCharactersMoveAndStopAtBothEnds() {
    const QStringList named{u"7th"_s, u"Alpha"_s, u"Beta"_s, u"bravo"_s, u"- Dash"_s, u"Delta"_s};
    QList<GameEntry> games(20);
    for (int n = 0; n < 20; ++n)
        games[n].GTitle = n < 6 ? named[n] : n < 19 ? u"Game %1"_s.arg(n + 1) : u"Zork"_s;
    KavrelFixture kavrel;
    kavrel.seedGames(games);
    Hoofdscherm& window = kavrel.start();
    GameList* list = kavrel.list();
    auto* rtb = kavrel.find<DescriptionBox>(u"RTB1"_s);
    auto* previous = kavrel.find<QToolButton>(u"KnopVorige"_s);
    auto* next = kavrel.find<QToolButton>(u"KnopVolgende"_s);
    const auto at = [&](int index) {
        return list->ListIndex() == index &&
               window.windowTitle() == u"Kavrel (Game %1 of 20)"_s.arg(index + 1);
    };

    // The buttons stop at both ends, also when called while disabled, and refresh the caption
    // and leave the focus on the picture all the same.
    list->setListIndex(18);
    QTest::mouseClick(next, Qt::LeftButton);
    QVERIFY(at(19) && !next->isEnabled());
    rtb->setFocus();
    window.setWindowTitle(QString());
    window.KnopVolgende_Click();
    QVERIFY(at(19));
    QCOMPARE(kavrel.focused(), kavrel.find<PictureBox>(u"Picture1"_s));
    list->setListIndex(1);
    QTest::mouseClick(previous, Qt::LeftButton);
    QVERIFY(at(0) && !previous->isEnabled());
    window.setWindowTitle(QString());
    window.KnopVorige_Click();
    QVERIFY(at(0));
    // With nothing selected the previous button does nothing at all; the next one selects the
    // first game.
    list->setListIndex(-1);
    window.setWindowTitle(u"untouched"_s);
    window.KnopVorige_Click();
    QVERIFY(list->ListIndex() == -1 && window.windowTitle() == u"untouched"_s);
    window.KnopVolgende_Click();
    QVERIFY(at(0));

    // Every release refreshes the caption, also one that moves nothing. The showing of a game
    // gives the picture the focus; the keys work as well in the description box. A character
    // jumps to the next title that starts with it, in either case, and from the end, or with no
    // later match, searches again from the top, where it may find the entry itself.
    const struct {
        Qt::Key key;
        int from, to;
        QString text = {};
        Qt::KeyboardModifiers modifiers = {};
    } moves[] = {{Qt::Key_Down, 4, 5},      {Qt::Key_Right, 0, 1},
                 {Qt::Key_Left, 2, 1},      {Qt::Key_Up, 1, 0},
                 {Qt::Key_Up, 0, 0},        {Qt::Key_Left, 0, 0},
                 {Qt::Key_Down, 19, 19},    {Qt::Key_Right, 19, 19},
                 {Qt::Key_PageDown, 3, 13}, {Qt::Key_PageDown, 13, 19},
                 {Qt::Key_PageUp, 15, 5},   {Qt::Key_PageUp, 4, 0},
                 {Qt::Key_End, 19, 19},     {Qt::Key_End, 6, 19},
                 {Qt::Key_Home, 6, 0},      {Qt::Key_Home, 0, 0},
                 {Qt::Key_B, 2, 3, u"b"_s}, {Qt::Key_B, 3, 2, u"B"_s, Qt::ShiftModifier},
                 {Qt::Key_7, 2, 0, u"7"_s}, {Qt::Key_Z, 19, 19, u"z"_s}};
    for (const auto& move : moves) {
        list->setListIndex(move.from);
        rtb->setFocus();
        window.setWindowTitle(QString());
        stroke(move.key, move.modifiers, move.text);
        QVERIFY2(at(move.to), qPrintable(u"key %1 from %2"_s.arg(move.key).arg(move.from)));
    }

    // The key then reaches the focused control: the description box moves its cursor.
    rtb->setFocus();
    stroke(Qt::Key_Right);
    QCOMPARE(rtb->textCursor().position(), 1);

    // A held key repeats its press and release but moves once, when let go; of two keys down at
    // once only the one pressed last acts, on its release.
    list->setListIndex(3);
    for (int event = 0; event < 8; ++event)
        send(event % 2 ? QEvent::KeyRelease : QEvent::KeyPress, Qt::Key_Down, {}, {},
             event > 0 && event < 7);
    QCOMPARE(list->ListIndex(), 4);
    send(QEvent::KeyPress, Qt::Key_Down);
    send(QEvent::KeyPress, Qt::Key_Right);
    window.setWindowTitle(QString());
    send(QEvent::KeyRelease, Qt::Key_Down);
    QVERIFY(at(4));
    send(QEvent::KeyRelease, Qt::Key_Right);
    QCOMPARE(list->ListIndex(), 5);

    // Shift alone changes nothing. With Ctrl or Alt held no key moves, jumps or even refreshes
    // the caption; nor does a character without a match or none that jumps (pressed only: every
    // release refreshes the caption).
    stroke(Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(list->ListIndex(), 6);
    window.setWindowTitle(u"untouched"_s);
    for (Qt::KeyboardModifiers held : std::initializer_list<Qt::KeyboardModifiers>{
             Qt::ControlModifier, Qt::AltModifier, Qt::ControlModifier | Qt::ShiftModifier}) {
        stroke(Qt::Key_Down, held);
        stroke(Qt::Key_Home, held);
        stroke(Qt::Key_G, held, u"g"_s);
    }
    for (char character : {'q', '-', ' '})
        QTest::keyPress(QApplication::focusWidget(), character);
    QVERIFY(list->ListIndex() == 6 && window.windowTitle() == u"untouched"_s);

    // Keys typed into another window, a dialog's text field, are not the window's.
    QDialog prompt(&window);
    auto* field = new QLineEdit(&prompt);
    prompt.show();
    prompt.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&prompt));
    field->setFocus();
    QTest::keyClick(field, 'g');
    QCOMPARE(field->text(), u"g"_s);
    QCOMPARE(list->ListIndex(), 6);
    VERIFY_DIALOGS(kavrel.dialogs);
}

void NavigationTest::anEmptyListSelectsNothing() {
    KavrelFixture kavrel;
    Hoofdscherm& window = kavrel.start();
    for (Qt::Key key :
         {Qt::Key_Home, Qt::Key_PageUp, Qt::Key_End, Qt::Key_PageDown, Qt::Key_Down, Qt::Key_Up})
        stroke(key);
    QTest::keyClick(QApplication::focusWidget(), 'k');
    window.KnopVorige_Click();
    window.KnopVolgende_Click();
    QCOMPARE(kavrel.list()->ListIndex(), -1);
    QCOMPARE(window.windowTitle(), u"Kavrel (Game 0 of 0)"_s);
    VERIFY_DIALOGS(kavrel.dialogs);
}

QTEST_MAIN(NavigationTest)
#include "tst_navigation.moc"
