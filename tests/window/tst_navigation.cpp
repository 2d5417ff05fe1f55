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

QList<GameEntry> titled(const QStringList& titles) {
    QList<GameEntry> all;
    for (const QString& title : titles) {
        GameEntry entry;
        entry.GTitle = title;
        entry.GPath = u"/games/"_s + title;
        all.append(entry);
    }
    return all;
}

QList<GameEntry> numbered(int count) {
    QStringList titles;
    for (int n = 1; n <= count; ++n)
        titles.append(u"Game %1"_s.arg(n, 2, 10, QChar(u'0')));
    return titled(titles);
}

// A key goes down and comes up at whatever control has the focus at that moment, as keys do.
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyPress(QApplication::focusWidget(), key, modifiers);
}
void release(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyRelease(QApplication::focusWidget(), key, modifiers);
}
void stroke(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    press(key, modifiers);
    release(key, modifiers);
}
void type(char character, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), character, modifiers);
}
// A key pressed and let go while Ctrl or Alt stays held: the release of Ctrl or Alt itself,
// which comes later, is a key release of its own.
void whileHeld(Qt::KeyboardModifiers modifiers, Qt::Key key, const QString& text = {}) {
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent event(type, key, modifiers, text);
        QApplication::sendEvent(QApplication::focusWidget(), &event);
    }
}

} // namespace

class NavigationTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void buttonsStepAndStopAtBothEnds();
    void keysStepPageAndGoToTheEnds();
    void aKeyActsOnceWhenReleasedAndOnlyWithoutCtrlOrAlt();
    void keysOfOtherWindowsAreNotTheWindows();
    void firstCharacterJumpsAndWraps();
    void anEmptyListSelectsNothing();
};

void NavigationTest::buttonsStepAndStopAtBothEnds() {
    KavrelFixture kavrel;
    kavrel.seedGames(numbered(3));
    Hoofdscherm& window = kavrel.start();
    auto* list = kavrel.find<GameList>(u"Lijst"_s);
    auto* previous = kavrel.find<QToolButton>(u"KnopVorige"_s);
    auto* next = kavrel.find<QToolButton>(u"KnopVolgende"_s);
    auto* picture = kavrel.find<PictureBox>(u"Picture1"_s);

    QVERIFY(!previous->isEnabled());
    for (int expected : {1, 2}) {
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(list->ListIndex(), expected);
        QCOMPARE(kavrel.focused(), picture);
    }
    QCOMPARE(window.windowTitle(), u"Kavrel (Game 3 of 3)"_s);
    QVERIFY(!next->isEnabled());
    QVERIFY(previous->isEnabled());
    window.KnopVolgende_Click();
    QCOMPARE(list->ListIndex(), 2);

    for (int expected : {1, 0}) {
        QTest::mouseClick(previous, Qt::LeftButton);
        QCOMPARE(list->ListIndex(), expected);
    }
    QVERIFY(!previous->isEnabled());
    QVERIFY(next->isEnabled());
    QCOMPARE(window.windowTitle(), u"Kavrel (Game 1 of 3)"_s);

    // With nothing selected the previous button does nothing at all; the next one selects the
    // first game.
    list->setListIndex(-1);
    window.setWindowTitle(u"untouched"_s);
    window.KnopVorige_Click();
    QCOMPARE(list->ListIndex(), -1);
    QCOMPARE(window.windowTitle(), u"untouched"_s);
    window.KnopVolgende_Click();
    QCOMPARE(list->ListIndex(), 0);
    VERIFY_DIALOGS(kavrel.dialogs);
}

void NavigationTest::keysStepPageAndGoToTheEnds() {
    KavrelFixture kavrel;
    kavrel.seedGames(numbered(20));
    Hoofdscherm& window = kavrel.start();
    auto* list = kavrel.find<GameList>(u"Lijst"_s);
    const auto after = [&](Qt::Key key, int from) {
        list->setListIndex(from);
        window.setWindowTitle(QString());
        stroke(key);
        return list->ListIndex();
    };

    QCOMPARE(after(Qt::Key_Right, 0), 1);
    QCOMPARE(after(Qt::Key_Down, 1), 2);
    QCOMPARE(after(Qt::Key_Left, 2), 1);
    QCOMPARE(after(Qt::Key_Up, 1), 0);
    QCOMPARE(after(Qt::Key_Up, 0), 0);
    QCOMPARE(after(Qt::Key_Left, 0), 0);
    QCOMPARE(after(Qt::Key_Down, 19), 19);
    QCOMPARE(after(Qt::Key_Right, 19), 19);
    QCOMPARE(after(Qt::Key_PageDown, 3), 13);
    QCOMPARE(after(Qt::Key_PageDown, 13), 19);
    QCOMPARE(after(Qt::Key_PageUp, 15), 5);
    QCOMPARE(after(Qt::Key_PageUp, 4), 0);
    QCOMPARE(after(Qt::Key_End, 19), 19);
    QCOMPARE(after(Qt::Key_End, 6), 19);
    QCOMPARE(after(Qt::Key_Home, 6), 0);
    // Every release refreshes the caption, also one that moves nothing.
    QCOMPARE(after(Qt::Key_Home, 0), 0);
    QCOMPARE(window.windowTitle(), u"Kavrel (Game 1 of 20)"_s);

    // Whichever control has the focus.
    list->setListIndex(4);
    kavrel.find<DescriptionBox>(u"RTB1"_s)->setFocus();
    stroke(Qt::Key_Down);
    QCOMPARE(list->ListIndex(), 5);
    VERIFY_DIALOGS(kavrel.dialogs);
}

void NavigationTest::aKeyActsOnceWhenReleasedAndOnlyWithoutCtrlOrAlt() {
    KavrelFixture kavrel;
    kavrel.seedGames(numbered(8));
    Hoofdscherm& window = kavrel.start();
    auto* list = kavrel.find<GameList>(u"Lijst"_s);
    list->setListIndex(3);

    press(Qt::Key_Down);
    QCOMPARE(list->ListIndex(), 3);
    // A held key repeats itself; it still moves once, when let go.
    for (int repeat = 0; repeat < 3; ++repeat) {
        for (QEvent::Type type : {QEvent::KeyRelease, QEvent::KeyPress}) {
            QKeyEvent repeated(type, Qt::Key_Down, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(QApplication::focusWidget(), &repeated);
        }
    }
    release(Qt::Key_Down);
    QCOMPARE(list->ListIndex(), 4);

    // Down, then Right before Down is let go: only the last key pressed acts.
    press(Qt::Key_Down);
    press(Qt::Key_Right);
    window.setWindowTitle(QString());
    release(Qt::Key_Down);
    QCOMPARE(list->ListIndex(), 4);
    QCOMPARE(window.windowTitle(), u"Kavrel (Game 5 of 8)"_s);
    release(Qt::Key_Right);
    QCOMPARE(list->ListIndex(), 5);

    stroke(Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(list->ListIndex(), 6);
    const QList<Qt::KeyboardModifiers> withCtrlOrAlt{Qt::ControlModifier, Qt::AltModifier,
                                                     Qt::ControlModifier | Qt::ShiftModifier};
    for (Qt::KeyboardModifiers held : withCtrlOrAlt) {
        window.setWindowTitle(u"untouched"_s);
        whileHeld(held, Qt::Key_Down);
        whileHeld(held, Qt::Key_Home);
        QCOMPARE(list->ListIndex(), 6);
        QCOMPARE(window.windowTitle(), u"untouched"_s);
    }
    VERIFY_DIALOGS(kavrel.dialogs);
}

void NavigationTest::keysOfOtherWindowsAreNotTheWindows() {
    KavrelFixture kavrel;
    kavrel.seedGames(titled({u"Alpha"_s, u"Beta"_s, u"Gamma"_s}));
    Hoofdscherm& window = kavrel.start();
    auto* list = kavrel.find<GameList>(u"Lijst"_s);

    QDialog prompt(&window);
    auto* title = new QLineEdit(&prompt);
    prompt.show();
    prompt.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&prompt));
    title->setFocus();
    QTest::keyClick(title, Qt::Key_End);
    QTest::keyClick(title, 'g');
    QCOMPARE(title->text(), u"g"_s);
    QCOMPARE(list->ListIndex(), 0);
    VERIFY_DIALOGS(kavrel.dialogs);
}

void NavigationTest::firstCharacterJumpsAndWraps() {
    KavrelFixture kavrel;
    kavrel.seedGames(
        titled({u"7th Guest"_s, u"Alpha"_s, u"Beta"_s, u"bravo"_s, u"- Dash"_s, u"Delta"_s}));
    Hoofdscherm& window = kavrel.start();
    auto* list = kavrel.find<GameList>(u"Lijst"_s);

    list->setListIndex(2);
    type('b');
    QCOMPARE(list->ListIndex(), 3);
    type('B', Qt::ShiftModifier);
    QCOMPARE(list->ListIndex(), 2);
    type('7');
    QCOMPARE(list->ListIndex(), 0);

    // From the last entry the search starts at the top and may find the entry itself.
    list->setListIndex(5);
    window.setWindowTitle(QString());
    type('d');
    QCOMPARE(list->ListIndex(), 5);
    QCOMPARE(window.windowTitle(), u"Kavrel (Game 6 of 6)"_s);

    // No match, no jump character, or Ctrl or Alt held: nothing, not even the caption (which
    // the release of a key refreshes, as every release does).
    window.setWindowTitle(u"untouched"_s);
    for (char character : {'z', '-', ' '})
        QTest::keyPress(QApplication::focusWidget(), character);
    whileHeld(Qt::ControlModifier, Qt::Key_A, u"a"_s);
    whileHeld(Qt::AltModifier, Qt::Key_A, u"a"_s);
    QCOMPARE(list->ListIndex(), 5);
    QCOMPARE(window.windowTitle(), u"untouched"_s);
    VERIFY_DIALOGS(kavrel.dialogs);
}

void NavigationTest::anEmptyListSelectsNothing() {
    KavrelFixture kavrel;
    Hoofdscherm& window = kavrel.start();
    auto* list = kavrel.find<GameList>(u"Lijst"_s);
    for (Qt::Key key :
         {Qt::Key_Home, Qt::Key_PageUp, Qt::Key_End, Qt::Key_PageDown, Qt::Key_Down, Qt::Key_Up})
        stroke(key);
    type('k');
    window.KnopVorige_Click();
    window.KnopVolgende_Click();
    QCOMPARE(list->ListIndex(), -1);
    QCOMPARE(window.windowTitle(), u"Kavrel (Game 0 of 0)"_s);
    VERIFY_DIALOGS(kavrel.dialogs);
}

QTEST_MAIN(NavigationTest)
#include "tst_navigation.moc"
