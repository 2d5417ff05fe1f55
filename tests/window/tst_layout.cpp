// What the window's design promises a user beyond its captions: a fixed size, the focus order
// of the controls, and screenshots shown at their natural size from the top left.
#include "KavrelFixture.h"

class LayoutTest : public QObject {
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
};

QTEST_MAIN(LayoutTest)
#include "tst_layout.moc"
