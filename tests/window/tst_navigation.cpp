// Moving through the collection with the arrow buttons, the stepping and paging keys and the
// first-character jump, whichever control has the focus.
#include "KavrelFixture.h"
#include "window/DescriptionBox.h"
#include "window/GameList.h"

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

using namespace Qt::StringLiterals;

// A key event at whatever control has the focus, as keys go; its own modifiers only (QTest's
// clicks would also press Ctrl, Alt or Shift). Time 0: the platform gave no time stamp.
static void send(QEvent::Type type, Qt::Key key, Qt::KeyboardModifiers modifiers = {},
                 const QString& text = {}, bool autoRepeat = false, quint64 time = 0) {
    QKeyEvent event(type, key, modifiers, text, autoRepeat);
    event.setTimestamp(time);
    QApplication::sendEvent(QApplication::focusWidget(), &event);
}

class NavigationTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void keysAndButtonsMoveOnceAndStopAtBothEnds();
};

void NavigationTest::keysAndButtonsMoveOnceAndStopAtBothEnds() {
    const QStringList named{u"7th"_s, u"Alpha"_s, u"Beta"_s, u"bravo"_s, u"0 A.D."_s, u"Delta"_s};
    QList<GameEntry> games(20);
    for (int n = 0; n < 20; ++n)
        games[n].GTitle = n < 6 ? named[n] : u"Game %1"_s.arg(n + 1);
    KavrelFixture kavrel;
    kavrel.seedGames(games);
    Hoofdscherm& window = kavrel.start();
    GameList* list = kavrel.list();
    const auto at = [&](int index) {
        return list->ListIndex() == index &&
               window.windowTitle() == u"Kavrel (Game %1 of 20)"_s.arg(index + 1);
    };
    // Presses and releases of one key in turn, at the given times; those at 633 are flagged.
    const auto hold = [](Qt::Key key, std::initializer_list<quint64> times) {
        for (int event = 0; quint64 time : times)
            send(QEvent::Type(QEvent::KeyPress + event++ % 2), key, {}, {}, time == 633, time);
    };

    // Every release refreshes the caption, also one that moves nothing; with Ctrl or Alt held
    // nothing happens at all. Moves stop at both ends. A character jumps to the next title that
    // starts with it, in either case, and from the end, or with no later match, searches again
    // from the top, where it may find the entry itself. A key the window acts on is its own:
    // neither the list (which would move as well) nor a type button (which would store a type)
    // nor the description box gets it.
    QWidget* const controls[] = {kavrel.find<DescriptionBox>(u"RTB1"_s), kavrel.optType(0), list};
    using enum Qt::Key;
    const int shift = Qt::ShiftModifier, ctrl = Qt::ControlModifier, alt = Qt::AltModifier,
              ctrlShift = ctrl | shift;
    // Key, from, to, text, modifiers.
    const std::tuple<Qt::Key, int, int, const char*, int> moves[] = {
        {Key_Down, 4, 5, "", 0},       {Key_Right, 0, 1, "", 0},      {Key_Left, 2, 1, "", 0},
        {Key_Up, 0, 0, "", 0},         {Key_Down, 19, 19, "", 0},     {Key_Down, 3, 4, "", shift},
        {Key_PageDown, 3, 13, "", 0},  {Key_PageDown, 13, 19, "", 0}, {Key_PageUp, 15, 5, "", 0},
        {Key_PageUp, 4, 0, "", 0},     {Key_End, 6, 19, "", 0},       {Key_Home, 6, 0, "", 0},
        {Key_B, 2, 3, "b", 0},         {Key_B, 3, 2, "B", shift},     {Key_7, 2, 0, "7", 0},
        {Key_Q, 19, 19, "q", 0},       {Key_Home, 6, 6, "", alt},     {Key_Down, 4, 4, "", ctrl},
        {Key_G, 2, 2, "g", ctrlShift}, {Key_0, 5, 4, "0", 0},         {Key_A, 2, 1, "a", 0}};
    for (int i = 0; const auto& [key, from, to, text, modifiers] : moves) {
        list->setListIndex(from);
        QWidget* focused = controls[i++ % 3];
        focused->setFocus();
        window.setWindowTitle(QString());
        for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
            send(type, key, Qt::KeyboardModifiers(modifiers), QString::fromLatin1(text));
        const bool quiet = modifiers & (ctrl | alt);
        QVERIFY2(quiet ? list->ListIndex() == to && window.windowTitle().isEmpty() : at(to),
                 qPrintable(u"%1 %2"_s.arg(focused->objectName()).arg(i)));
    }
    QVERIFY(std::ranges::all_of(window.games(), [](const GameEntry& game) { return game.GType; }));

    // A held key moves once, when let go, however its repeats come: flagged (633) or not, a
    // release and a press with the same time stamp are a repeat. Two quick strokes move twice.
    list->setListIndex(3);
    hold(Qt::Key_Down, {100, 600, 600, 633, 633, 666, 666, 900});
    QTRY_COMPARE(list->ListIndex(), 4);
    hold(Qt::Key_PageDown, {1000, 1050, 1100, 1150});
    QTRY_COMPARE(list->ListIndex(), 19);
    // The next button at the end refreshes the caption and hands the focus on all the same.
    controls[0]->setFocus();
    window.setWindowTitle(QString());
    window.KnopVolgende_Click();
    QVERIFY(at(19) && kavrel.focused() == kavrel.find<QWidget>(u"Picture1"_s));
    // Of two keys down at once only the one pressed last acts, on its release.
    list->setListIndex(4);
    send(QEvent::KeyPress, Qt::Key_Down);
    send(QEvent::KeyPress, Qt::Key_Right);
    send(QEvent::KeyRelease, Qt::Key_Down);
    QVERIFY(at(4));
    send(QEvent::KeyRelease, Qt::Key_Right);
    QCOMPARE(list->ListIndex(), 5);

    // Keys typed into another window are not the window's.
    QLineEdit field;
    field.show();
    field.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&field));
    QTest::keyClick(&field, 'g');
    QVERIFY(field.text() == u"g"_s && list->ListIndex() == 5);
}

QTEST_MAIN(NavigationTest)
#include "tst_navigation.moc"
