// What the window's design promises a user beyond its captions: a fixed size, the focus order
// of the controls, and screenshots shown at their natural size from the top left.
#include "KavrelFixture.h"
#include "window/PictureBox.h"

#include <QTest>

using namespace Qt::StringLiterals;

class LayoutTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void focusFollowsTheTabOrder();
    void screenshotsShowAtNaturalSizeFromTheTopLeft_data();
    void screenshotsShowAtNaturalSizeFromTheTopLeft();
};

void LayoutTest::focusFollowsTheTabOrder() {
    KavrelFixture kavrel;
    // The middle game of three: both arrow buttons take the focus.
    kavrel.seedGames({{u"a.exe"_s, {}, {}, u"A"_s, true},
                      {u"b.exe"_s, {}, {}, u"B"_s, true},
                      {u"c.exe"_s, {}, {}, u"C"_s, true}},
                     1);
    Hoofdscherm& window = kavrel.start();
    QCOMPARE(window.centralWidget()->size(), QSize(339, 411));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QStringList visited;
    for (int step = 0; step < 9; ++step) {
        QWidget* current = kavrel.focused();
        const QVariant index = current->property("Index");
        visited.append(current->objectName() + (index.isValid() ? index.toString() : QString()));
        QTest::keyClick(current, Qt::Key_Tab);
    }
    // The option buttons are one stop (the selected one), then the check box; then round again.
    QCOMPARE(visited, u"Picture1 KnopVorige KnopVolgende Lijst KnopSpelen RTB1 optType0 "
                      u"ExitCheck Picture1"_s.split(u' '));
}

void LayoutTest::screenshotsShowAtNaturalSizeFromTheTopLeft_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("at");
    // An invalid colour: the box's own background, none of the picture's colours.
    QTest::addColumn<QColor>("expected");
    QTest::newRow("exact, top left") << QSize(320, 200) << QPoint(0, 0) << QColor(Qt::red);
    QTest::newRow("exact, top right") << QSize(320, 200) << QPoint(319, 0) << QColor(Qt::green);
    QTest::newRow("exact, bottom right") << QSize(320, 200) << QPoint(319, 199) << QColor(Qt::blue);
    // Only the top-left 320 x 200 pixels of a larger picture show: its left half, red.
    QTest::newRow("larger") << QSize(640, 400) << QPoint(319, 199) << QColor(Qt::red);
    QTest::newRow("smaller, its edge") << QSize(100, 50) << QPoint(99, 0) << QColor(Qt::green);
    QTest::newRow("smaller, beyond") << QSize(100, 50) << QPoint(200, 150) << QColor();
}

void LayoutTest::screenshotsShowAtNaturalSizeFromTheTopLeft() {
    QFETCH(QSize, size);
    QFETCH(QPoint, at);
    QFETCH(QColor, expected);
    KavrelFixture kavrel;
    // Red on the left half, green on the top right, blue on the bottom right.
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::red);
    for (int y = 0; y < size.height(); ++y)
        for (int x = size.width() / 2; x < size.width(); ++x)
            picture.setPixelColor(x, y, y < size.height() / 2 ? Qt::green : Qt::blue);
    const QString file = kavrel.path(u"shot.bmp"_s);
    QVERIFY(picture.save(file, "BMP"));
    kavrel.seedGames({{u"a.exe"_s, file, {}, u"A"_s, true}}, 0);
    kavrel.start();

    // The picture starts inside the two-pixel border.
    const QImage box = kavrel.find<PictureBox>(u"Picture1"_s)->grab().toImage();
    const QColor shown = box.pixelColor(at + QPoint(2, 2));
    if (expected.isValid())
        QCOMPARE(shown, expected);
    else
        QVERIFY(shown != QColor(Qt::red) && shown != QColor(Qt::green) &&
                shown != QColor(Qt::blue));
}

QTEST_MAIN(LayoutTest)
#include "tst_layout.moc"
