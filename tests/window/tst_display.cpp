// What the window's design promises a user beyond its captions: a fixed size, the focus order
// of the controls, screenshots shown at their natural size from the top left, and the type of the
// selected game, marked once.
#include "KavrelFixture.h"

class DisplayTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void focusFollowsTheTabOrder() {
        KavrelFixture kavrel;
        // The middle game of three, a DOS game: both arrow buttons take the focus.
        kavrel.seedGames(QList<GameEntry>(3), 1);
        Hoofdscherm& window = kavrel.start();
        QCOMPARE(window.centralWidget()->size(), QSize(339, 411));
        QCOMPARE(window.minimumSize(), window.maximumSize());
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
};

QTEST_MAIN(DisplayTest)
#include "tst_display.moc"
