// Moving through the collection with the arrow buttons, the stepping and paging keys and the
// first-character jump, whichever control has the focus.
#include "KavrelFixture.h"

#include <QLineEdit>

// Key events at whatever control has the focus, as keys go, a press and a release in turn; their
// own modifiers only (QTest's clicks would also press Ctrl, Alt or Shift). Time 0: the platform
// gave no time stamp; events at 633 are flagged as repeats.
static void keys(Qt::Key key, std::initializer_list<quint64> times = {0, 0},
                 Qt::KeyboardModifiers modifiers = {}, const QString& text = {}) {
    for (int n = 0; quint64 time : times) {
        QKeyEvent event(QEvent::Type(QEvent::KeyPress + n++ % 2), key, modifiers, text,
                        time == 633);
        event.setTimestamp(time);
        QApplication::sendEvent(QApplication::focusWidget(), &event);
    }
}

class NavigationTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void keysAndButtonsMoveOnceAndStopAtBothEnds() {
        QList<GameEntry> games(20);
        for (int n = 0; n < 20; ++n)
            games[n].GTitle = u"7th|Alpha|Beta|bravo|0 A.D.|Delta"_s.split(u'|').value(
                n, u"Game %1"_s.arg(n + 1));
        KavrelFixture kavrel;
        kavrel.seedGames(games);
        Hoofdscherm& window = kavrel.start();
        GameList* list = kavrel.list();
        const auto at = [&](int index) {
            return list->ListIndex() == index &&
                   window.windowTitle() == u"Kavrel (Game %1 of 20)"_s.arg(index + 1);
        };

        // Every release refreshes the caption, also one that moves nothing; with Ctrl or Alt held
        // nothing happens at all. Moves stop at both ends. A character jumps to the next title that
        // starts with it, in either case, and from the end, or with no later match, searches again
        // from the top, where it may find the entry itself. A key the window acts on is its own:
        // neither the list (which would move as well) nor a type button (which would store a type)
        // nor the description box gets it.
        QWidget* const controls[] = {kavrel.find<DescriptionBox>(u"RTB1"_s), kavrel.optType(0),
                                     list};
        using enum Qt::Key;
        const int shift = Qt::ShiftModifier, ctrl = Qt::ControlModifier, alt = Qt::AltModifier,
                  ctrlShift = ctrl | shift;
        // Key, from, to, text, modifiers.
        const std::tuple<Qt::Key, int, int, const char*, int> moves[] = {
            {Key_Down, 4, 5, "", 0},       {Key_Right, 0, 1, "", 0},
            {Key_Left, 2, 1, "", 0},       {Key_Up, 0, 0, "", 0},
            {Key_Down, 19, 19, "", 0},     {Key_Down, 3, 4, "", shift},
            {Key_PageDown, 3, 13, "", 0},  {Key_PageDown, 13, 19, "", 0},
            {Key_PageUp, 15, 5, "", 0},    {Key_PageUp, 4, 0, "", 0},
            {Key_End, 6, 19, "", 0},       {Key_Home, 6, 0, "", 0},
            {Key_B, 2, 3, "b", 0},         {Key_B, 3, 2, "B", shift},
            {Key_7, 2, 0, "7", 0},         {Key_Q, 19, 19, "q", 0},
            {Key_Home, 6, 6, "", alt},     {Key_Down, 4, 4, "", ctrl},
            {Key_G, 2, 2, "g", ctrlShift}, {Key_0, 5, 4, "0", 0},
            {Key_A, 2, 1, "a", 0}};
        for (int i = 0; const auto& [key, from, to, text, modifiers] : moves) {
            list->setListIndex(from);
            QWidget* focused = controls[i++ % 3];
            focused->setFocus();
            window.setWindowTitle(QString());
            keys(key, {0, 0}, Qt::KeyboardModifiers(modifiers), QString::fromLatin1(text));
            QVERIFY2(modifiers & (ctrl | alt)
                         ? list->ListIndex() == to && window.windowTitle().isEmpty()
                         : at(to),
                     qPrintable(u"%1 %2"_s.arg(focused->objectName()).arg(i)));
        }
        QVERIFY(
            std::ranges::all_of(window.games(), [](const GameEntry& game) { return game.GType; }));

        // A held key moves once, when let go, however its repeats come: flagged (633) or not, a
        // release and a press with the same time stamp are a repeat. Two quick strokes move twice.
        list->setListIndex(3);
        keys(Qt::Key_Down, {100, 600, 600, 633, 633, 666, 666, 900});
        QTRY_COMPARE(list->ListIndex(), 4);
        keys(Qt::Key_PageDown, {1000, 1050, 1100, 1150});
        QTRY_COMPARE(list->ListIndex(), 19);
        // The next button at the end refreshes the caption and hands the focus on all the same.
        controls[0]->setFocus();
        window.setWindowTitle(QString());
        window.KnopVolgende_Click();
        QVERIFY(at(19) && kavrel.focused() == kavrel.find<QWidget>(u"Picture1"_s));
        // Of two keys down at once only the one pressed last acts, on its release.
        list->setListIndex(4);
        QWidget* focused = QApplication::focusWidget();
        QTest::keyPress(focused, Qt::Key_Down);
        QTest::keyPress(focused, Qt::Key_Right);
        QTest::keyRelease(focused, Qt::Key_Down);
        QVERIFY(at(4));
        QTest::keyRelease(focused, Qt::Key_Right);
        QCOMPARE(list->ListIndex(), 5);

        // Keys typed into another window are not the window's.
        QLineEdit field;
        field.show();
        field.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&field));
        QTest::keyClick(&field, 'g');
        QVERIFY(field.text() == u"g"_s && list->ListIndex() == 5);
    }
};

QTEST_MAIN(NavigationTest)
#include "tst_navigation.moc"
