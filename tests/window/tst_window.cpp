// What the window promises a user beyond its captions: a fixed size, the focus order of the
// controls, their names, screenshots shown at their natural size from the top left, and the type of
// the selected game marked once; moving through the collection with the arrow buttons, the stepping
// and paging keys and the first-character jump, whichever control has the focus; help in the
// description box until the box loses the focus or a command hands it to the picture; and the ways
// out of Kavrel, with the selected game remembered.
#include "KavrelFixture.h"
#include "window/WindowScale.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMetaMethod>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>

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

// What the toolkit does when the user's desktop session ends. The window does not look at the
// session manager that comes with the request.
static void endDesktopSession() {
    const QMetaMethod sig = QMetaMethod::fromSignal(&QGuiApplication::commitDataRequest);
    void* arguments[] = {nullptr, nullptr};
    QMetaObject::activate(qApp, sig.enclosingMetaObject(), sig.relativeMethodIndex(), arguments);
}

class WindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void focusFollowsTheTabOrder() {
        KavrelFixture kavrel;
        // The middle game of three, a DOS game: both arrow buttons take the focus.
        kavrel.seedGames(QList<GameEntry>(3), 1);
        Hoofdscherm& window = kavrel.start();
        QCOMPARE(window.centralWidget()->size(), QSize(339, 411));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        // The picture and the description make one column, which the previous button starts; the
        // list stands in line with the arrow buttons, which are alike, and so are the buttons of
        // the bottom row.
        const auto place = [&](const char* name) {
            return kavrel.find(QLatin1StringView(name))->geometry();
        };
        QVERIFY(place("Picture1").left() == place("RTB1").left() &&
                place("Picture1").right() == place("RTB1").right() &&
                place("KnopVorige").left() == place("RTB1").left());
        QVERIFY(place("Lijst").top() == place("KnopVorige").top() &&
                place("Lijst").height() == place("KnopVorige").height());
        QCOMPARE(place("KnopVorige").size(), place("KnopVolgende").size());
        QVERIFY(place("KnopSpelen").size() == kavrel.optType(0)->size() &&
                kavrel.optType(1)->size() == kavrel.optType(0)->size());
        // The style draws the arrows, the previous one pointing left.
        QVERIFY(kavrel.find<QToolButton>(u"KnopVorige"_s)->arrowType() == Qt::LeftArrow &&
                kavrel.find<QToolButton>(u"KnopVolgende"_s)->arrowType() == Qt::RightArrow);
        QStringList visited;
        for (int step = 0; step < 9; ++step) {
            QWidget* current = kavrel.focused();
            visited.append(current->objectName() + current->property("Index").toString());
            QTest::keyClick(current, Qt::Key_Tab);
        }
        // The option buttons are one stop (the selected one), then the check box; then round again.
        QCOMPARE(visited, u"Picture1 KnopVorige KnopVolgende Lijst KnopSpelen RTB1 optType0 "
                          u"ExitCheck Picture1"_s.split(u' '));
    }

    void screenshotsShowAtNaturalSizeFromTheTopLeft() {
        // The picture's size, a point of the box's inside (within its two-pixel border) and the
        // colour shown there: a picture shows whole, not scaled, not centred, and cut at 320 x 200.
        // An invalid colour: the box's own background, none of the picture's colours.
        const std::tuple<QSize, QPoint, QColor> cases[] = {{{320, 200}, {319, 199}, Qt::blue},
                                                           {{640, 400}, {319, 199}, Qt::red},
                                                           {{100, 50}, {99, 0}, Qt::green},
                                                           {{100, 50}, {200, 150}, {}}};
        for (const auto& [size, at, expected] : cases) {
            KavrelFixture kavrel;
            // Red on the left half, green on the top right, blue on the bottom right.
            QImage picture(size, QImage::Format_RGB32);
            picture.fill(Qt::red);
            for (int y = 0; y < size.height(); ++y)
                for (int x = size.width() / 2; x < size.width(); ++x)
                    picture.setPixelColor(x, y, y < size.height() / 2 ? Qt::green : Qt::blue);
            QVERIFY(picture.save(kavrel.path(u"shot.bmp"_s), "BMP"));
            kavrel.seedGames({{{}, kavrel.path(u"shot.bmp"_s), {}, {}}}, 0);
            kavrel.start();
            const QImage box = kavrel.find<PictureBox>(u"Picture1"_s)->grab().toImage();
            const QColor shown = box.pixelColor(at + QPoint(2, 2));
            QVERIFY((expected.isValid()
                         ? shown == expected
                         : !QList<QColor>{Qt::red, Qt::green, Qt::blue}.contains(shown)));
        }
    }

    void typeCommandsKeepExactlyOneMark() {
        // The first game's type (DOS?); whether it is removed first, leaving none; by menu or
        // button; the type chosen. Without a game nothing changes, the marks included.
        const std::tuple<bool, bool, bool, int> cases[] = {
            {false, false, true, 0}, {true, false, true, 1},   {true, false, true, 0},
            {true, false, false, 1}, {false, false, false, 0}, {true, true, true, 1},
            {false, true, true, 0},  {true, true, false, 1}};
        for (const auto& [dos, removed, byMenu, chosen] : cases) {
            KavrelFixture kavrel;
            kavrel.seedGames(QList<GameEntry>{{.GType = dos}, {}}.first(removed ? 1 : 2), 0);
            kavrel.start();
            // The description reads in its own font.
            QCOMPARE(kavrel.find<QWidget>(u"RTB1"_s)->font().pointSizeF(), 8.5);
            QAction* const marks[] = {kavrel.action(u"mnu_game_dos"_s),
                                      kavrel.action(u"mnu_game_win"_s)};
            const auto shows = [&](int type) {
                return kavrel.optType(type)->isChecked() && marks[type]->isChecked() &&
                       !marks[1 - type]->isChecked();
            };
            QVERIFY(shows(dos ? 0 : 1));
            if (removed)
                kavrel.action(u"MnuBestandVerwijderen"_s)->trigger();
            const QByteArray before = kavrel.storeFileBytes();
            byMenu ? marks[chosen]->trigger()
                   : QTest::mouseClick(kavrel.optType(chosen), Qt::LeftButton);
            QVERIFY(shows(removed ? (dos ? 0 : 1) : chosen));
            QVERIFY(removed ? kavrel.storeFileBytes() == before
                            : kavrel.onDisk(u"Game0001"_s, u"GType"_s) ==
                                      (chosen ? u"False"_s : u"True"_s) &&
                                  kavrel.onDisk(u"Game0002"_s, u"GType"_s) == u"True"_s);
        }
    }

    void keysAndButtonsMoveOnceAndStopAtBothEnds() {
        QList<GameEntry> games(20);
        for (int n = 0; n < 20; ++n)
            games[n].GTitle =
                u"7th|Alpha|Beta|bravo|0 A.D.|Zulu"_s.split(u'|').value(n, u"Game %1"_s.arg(n + 1));
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
        // The key, the entry selected before and after, its text and its modifiers.
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
            {Key_Z, 2, 5, "z", 0},         {Key_A, 2, 1, "a", 0}};
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
        // The arrow buttons at the ends refresh the caption and hand the focus on all the same.
        for (const auto& [click, end] : {std::pair(&Hoofdscherm::KnopVolgende_Click, 19),
                                         {&Hoofdscherm::KnopVorige_Click, 0}}) {
            list->setListIndex(end);
            controls[0]->setFocus();
            window.setWindowTitle(QString());
            (window.*click)();
            QVERIFY(at(end) && kavrel.focused() == kavrel.find<QWidget>(u"Picture1"_s));
        }
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

    // Where Alt alone hands the menu bar the keyboard, the keys after it are the menus': Down
    // opens Games, g picks it; neither moves a game. Once the menus close the keys are the
    // window's again.
    void keysAfterAltAreTheMenus() {
        const QString style = QApplication::style()->name();
        QApplication::setStyle(u"Windows"_s);
        KavrelFixture kavrel;
        kavrel.seedGames({{.GTitle = u"Alpha"_s}, {.GTitle = u"Golf"_s}, {.GTitle = u"Gamma"_s}},
                         0);
        Hoofdscherm& window = kavrel.start();
        for (const auto& [key, text] : {std::pair(Qt::Key_Down, ""), std::pair(Qt::Key_G, "g")}) {
            QTest::keyClick(kavrel.focused(), Qt::Key_Alt);
            QVERIFY(window.menuBar()->hasFocus());
            keys(key, {0, 0}, {}, QString::fromLatin1(text));
            QTRY_COMPARE(QApplication::activePopupWidget(), kavrel.find<QMenu>(u"mnuGame"_s));
            QCOMPARE(kavrel.list()->ListIndex(), 0);
            QApplication::activePopupWidget()->close();
            QTest::keyClick(kavrel.focused(), Qt::Key_Escape);
        }
        kavrel.find<QWidget>(u"Picture1"_s)->setFocus();
        keys(Qt::Key_Down);
        QCOMPARE(kavrel.list()->ListIndex(), 1);
        QApplication::setStyle(style);
    }

    // With the description box focused, a key the window has no game to move to scrolls the box;
    // any other moves the game (and the focus to the picture). Left and Right have nothing to
    // scroll in a box that wraps its lines, and change nothing.
    void theDescriptionScrollsWhereNoGameIsToGoTo() {
        using enum Qt::Key;
        using enum QAbstractSlider::SliderAction;
        // The games, the one selected, the key, how the box scrolls from line 10 (-1: the game
        // moves instead), the game selected after.
        const std::tuple<int, int, Qt::Key, int, int> rows[] = {
            {0, -1, Key_Down, SliderSingleStepAdd, -1},
            {0, -1, Key_PageDown, SliderPageStepAdd, -1},
            {0, -1, Key_End, SliderToMaximum, -1},
            {0, -1, Key_Up, SliderSingleStepSub, -1},
            {0, -1, Key_Home, SliderToMinimum, -1},
            {3, 0, Key_Up, SliderSingleStepSub, 0},
            {3, 0, Key_PageUp, SliderPageStepSub, 0},
            {3, 0, Key_Left, SliderNoAction, 0},
            {3, 0, Key_Down, -1, 1},
            {3, 1, Key_Up, -1, 0},
            {3, 1, Key_End, -1, 2},
            {3, 2, Key_End, SliderToMaximum, 2},
            {3, 2, Key_Right, SliderNoAction, 2},
            {3, 2, Key_Home, -1, 0}};
        for (const auto& [games, selected, key, scroll, selectedAfter] : rows) {
            KavrelFixture kavrel;
            const QByteArray longText = QByteArray("A line of a long text\n").repeated(200);
            kavrel.writeFile(u"app/readme.txt"_s, longText);
            const QString story = kavrel.writeFile(u"story.txt"_s, longText);
            kavrel.seedGames(QList<GameEntry>(games, {.GText = story}), selected);
            kavrel.start();
            auto* box = kavrel.find<DescriptionBox>(u"RTB1"_s);
            box->setFocus();
            QScrollBar* bar = box->verticalScrollBar();
            bar->setValue(10);
            keys(key);
            QTRY_COMPARE(kavrel.list()->ListIndex(), selectedAfter);
            if (scroll < 0) {
                QCOMPARE(kavrel.focused(), kavrel.find<QWidget>(u"Picture1"_s));
                continue;
            }
            QScrollBar expected(Qt::Vertical);
            expected.setRange(bar->minimum(), bar->maximum());
            expected.setPageStep(bar->pageStep());
            expected.setValue(10);
            expected.triggerAction(QAbstractSlider::SliderAction(scroll));
            // A page may end on the line that was only partly in view.
            const int slack = scroll == SliderPageStepAdd ? 1 : 0;
            QVERIFY2(
                qAbs(bar->value() - expected.value()) <= slack && kavrel.focused() == box &&
                    (expected.value() != 10 || scroll == SliderNoAction),
                qPrintable(u"%1: %2, not %3"_s.arg(key).arg(bar->value()).arg(expected.value())));
        }
    }

    // A disabled arrow button shows its arrow fainter than an enabled one, in a light and a dark
    // palette alike: the contrast of the arrow's middle against the button's face.
    void disabledArrowsLookDisabledInEveryTheme() {
        const QPalette original = QApplication::palette();
        for (const QColor theme : {QColor(0xe0, 0xe0, 0xe0), QColor(0x30, 0x30, 0x30)}) {
            QApplication::setPalette(QPalette(theme));
            KavrelFixture kavrel;
            kavrel.seedGames(QList<GameEntry>(2), 0);
            kavrel.start();
            // The lightness of the button's face, and of its arrow's middle against it.
            const auto look = [&](const char* name) {
                const QImage button = kavrel.find(QLatin1StringView(name))->grab().toImage();
                const int face = button.pixelColor(button.width() / 2, 3).lightness();
                const QPoint middle(button.width() / 2, button.height() / 2);
                return std::pair(face, qAbs(button.pixelColor(middle).lightness() - face));
            };
            QVERIFY(!kavrel.find<QWidget>(u"KnopVorige"_s)->isEnabled());
            const auto [disabledFace, disabledArrow] = look("KnopVorige");
            const auto [face, arrow] = look("KnopVolgende");
            QVERIFY2(
                disabledArrow * 10 < arrow * 9 && qAbs(disabledFace - face) < 16,
                qPrintable(
                    u"%1 %2 %3 %4"_s.arg(disabledFace).arg(disabledArrow).arg(face).arg(arrow)));
        }
        QApplication::setPalette(original);
    }

    // At the desktop's scale (1.5 in the scaled run) every control keeps its place in proportion,
    // on whole pixels, with its border drawn all round.
    void controlsStayWholeAtTheDesktopsScale() {
        KavrelFixture kavrel;
        kavrel.seedGames(QList<GameEntry>(2), 0);
        Hoofdscherm& window = kavrel.start();
        const WindowScale scale = WindowScale::of(window);
        // The scaled run's screen has 144 dpi; Qt leaves the whole of it to the window.
        QCOMPARE(scale.factor,
                 qEnvironmentVariable("QT_QPA_PLATFORM").contains(u"144dpi") ? 1.5 : 1);
        QCOMPARE(window.devicePixelRatio(), qFloor(window.devicePixelRatio()));
        QCOMPARE(window.centralWidget()->size(), scale(QSize(339, 411)));
        const std::pair<const char*, QRect> places[] = {
            {"Picture1", {8, 29, 324, 204}},    {"KnopVorige", {8, 8, 21, 21}},
            {"KnopVolgende", {312, 8, 21, 21}}, {"Lijst", {29, 8, 282, 21}},
            {"KnopSpelen", {280, 384, 49, 21}}, {"RTB1", {8, 232, 324, 145}},
            {"typeGroup", {8, 384, 98, 21}},    {"ExitCheck", {112, 384, 65, 25}}};
        for (const auto& [name, designed] : places)
            QCOMPARE(kavrel.find(QLatin1StringView(name))->geometry(), scale(designed));
        // The description's frame and the picture's border show on the right and at the bottom;
        // the picture's border, and only its border, has the highlight colour while it has the
        // focus. The picture's 320 x 200 pixels stay as they are.
        auto* picture = kavrel.find<PictureBox>(u"Picture1"_s);
        const QColor highlight = picture->palette().color(QPalette::Highlight);
        const QRect shown = picture->contentsRect().translated(picture->pos());
        QCOMPARE(shown.size(), scale(QSize(320, 200)));
        QList<QImage> pictures;
        for (QWidget* focused : {static_cast<QWidget*>(picture), kavrel.find(u"RTB1"_s)}) {
            focused->setFocus();
            const QImage client = window.centralWidget()->grab().toImage();
            pictures.append(client.copy(shown));
            for (const char* name : {"RTB1", "Picture1"}) {
                const QRect box = kavrel.find(QLatin1StringView(name))->geometry();
                const QColor inside = client.pixelColor(box.center());
                const QColor right = client.pixelColor(box.right(), box.center().y());
                QVERIFY2(right != inside &&
                             client.pixelColor(box.center().x(), box.bottom()) != inside &&
                             (right == highlight) ==
                                 (focused == picture && box == picture->geometry()),
                         name);
            }
        }
        QCOMPARE(pictures.first(), pictures.last());
    }

    // The menu items that no other test finds are there by their names too, and a screen reader
    // names each control.
    void controlsHaveTheirNames() {
        KavrelFixture kavrel;
        kavrel.start();
        for (const QString& name :
             u"mnuGame mnuDOSBox MnuBestandAfsluiten dummie01 dummie02 dummie03 dummie04"_s.split(
                 u' '))
            QVERIFY2(kavrel.find<QObject>(name), qPrintable(name));
        for (QWidget* control : kavrel.window().centralWidget()->findChildren<QWidget*>(
                 QString(), Qt::FindDirectChildrenOnly))
            QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
        // The type buttons are named as a pair.
        QCOMPARE(kavrel.optType(0)->parentWidget()->accessibleName(), u"Game type"_s);
        QCOMPARE(kavrel.optType(1)->parentWidget(), kavrel.optType(0)->parentWidget());
    }

    // Within one menu no two items answer the same letter, so a letter typed in an open menu
    // runs its item at once.
    void everyMenuItemHasALetterOfItsOwn() {
        KavrelFixture kavrel;
        kavrel.start();
        for (const QMenu* menu : kavrel.window().findChildren<QMenu*>()) {
            QSet<QChar> letters;
            for (const QAction* item : menu->actions()) {
                const qsizetype mark = item->text().indexOf(u'&');
                if (item->isSeparator() || mark < 0)
                    continue;
                const QChar letter = item->text().at(mark + 1).toLower();
                QVERIFY2(!letters.contains(letter),
                         qPrintable(menu->title() + u": "_s + item->text()));
                letters.insert(letter);
            }
        }
    }

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
                    rtb->accessibleName() == rtb->toolTip() && kavrel.focused() == rtb);
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
            QCOMPARE(rtb->accessibleName(), rtb->toolTip());
        }
    }

    void everyWayOutRemembersTheSelectedGameOnce() {
        KavrelFixture kavrel;
        // An empty collection leaves "Last" as it was.
        kavrel.seed(u"Games"_s, u"Last"_s, u"3"_s);
        QVERIFY(kavrel.start().close() && kavrel.onDisk(u"Games"_s, u"Last"_s) == u"3"_s);
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
            QVERIFY(kavrel.onDisk(u"Games"_s, u"Last"_s) == QString::number(index) &&
                    kavrel.endProgramCalls == (way == 2 ? 3 : way + 2));
            QVERIFY(QFile::remove(kavrel.storePath()));
            window.close();
            QVERIFY(!QFile::exists(kavrel.storePath()) && kavrel.endProgramCalls == way + 2);
        }
    }
};

// Qt's scaling by whole factors, as the program sets it, before the application exists.
int main(int argc, char* argv[]) {
    useWholeScaleFactors();
    QApplication app(argc, argv);
    WindowTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_window.moc"
