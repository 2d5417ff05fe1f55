// Showing the selected game, and setting its type.
#include "CollectionChecks.h"
#include "window/DescriptionBox.h"
#include "window/GameList.h"
#include "window/PictureBox.h"

#include <QRadioButton>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;

class DisplayTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void showsTheSelectedGameInFull();
    void typeCommandsKeepExactlyOneMark_data();
    void typeCommandsKeepExactlyOneMark();
};

void DisplayTest::showsTheSelectedGameInFull() {
    KavrelFixture kavrel;
    const QString text = kavrel.writeFile(u"a.txt"_s, "About A.");
    kavrel.seedGames(
        {{u"pa"_s, kavrel.writePicture(u"a.gif"_s, {320, 200}, Qt::red, "GIF"), text, u"A"_s},
         {u"pb"_s, kavrel.writePicture(u"b.jpg"_s, {320, 200}, Qt::blue, "JPEG"),
          kavrel.writeFile(u"b.rtf"_s, "{\\rtf1\\ansi B}"), u"B"_s},
         {u"pc"_s, {}, {}, u"C"_s}},
        2);
    Hoofdscherm& window = kavrel.start();
    QCOMPARE(window.windowTitle(), u"Kavrel (Game 3 of 3)"_s);
    auto* picture = kavrel.find<PictureBox>(u"Picture1"_s);
    auto* rtb = kavrel.find<DescriptionBox>(u"RTB1"_s);
    QCOMPARE(rtb->font().pointSizeF(), 8.5);
    const struct {
        int index;
        QRgb centre;
        QString text;
        bool previous, next;
    } picks[] = {{0, qRgb(255, 0, 0), u"About A."_s, false, true},
                 {1, qRgb(0, 0, 255), u"{\\rtf1\\ansi B}"_s, true, true},
                 {2, QImage(kavrel.appFolder() + u"/Default.bmp"_s).pixel(160, 100),
                  u"No description available"_s, true, false}};
    for (const auto& pick : picks) {
        kavrel.pickTitle(pick.index);
        QCOMPARE(window.windowTitle(), u"Kavrel (Game %1 of 3)"_s.arg(pick.index + 1));
        // The JPEG's blue may come back a shade off.
        const QColor centre = picture->picture().pixelColor(160, 100);
        QVERIFY(qAbs(centre.red() - qRed(pick.centre)) + qAbs(centre.blue() - qBlue(pick.centre)) <
                16);
        QCOMPARE(rtb->toPlainText(), pick.text);
        QCOMPARE(kavrel.find<QToolButton>(u"KnopVorige"_s)->isEnabled(), pick.previous);
        QCOMPARE(kavrel.find<QToolButton>(u"KnopVolgende"_s)->isEnabled(), pick.next);
        QCOMPARE(kavrel.focused(), picture);
    }
    // Files are read afresh at every display; no selection shows nothing.
    kavrel.writeFile(u"a.txt"_s, "About A, revised.");
    kavrel.pickTitle(0);
    QCOMPARE(rtb->toPlainText(), u"About A, revised."_s);
    kavrel.list()->setListIndex(-1);
    window.Lijst_Click();
    QCOMPARE(window.windowTitle(), u"Kavrel (Game 1 of 3)"_s);
    VERIFY_DIALOGS(kavrel.dialogs);
}

void DisplayTest::typeCommandsKeepExactlyOneMark_data() {
    // The first game, removed first (the only one then) or not; its type; menu item or button; the
    // type chosen.
    QTest::addColumn<bool>("removed");
    QTest::addColumn<bool>("dos");
    QTest::addColumn<bool>("byMenu");
    QTest::addColumn<int>("chosen");
    QTest::newRow("DOS menu on a Windows game") << false << false << true << 0;
    QTest::newRow("Win menu on a DOS game") << false << true << true << 1;
    QTest::newRow("DOS menu on a DOS game") << false << true << true << 0;
    QTest::newRow("Win button on a DOS game") << false << true << false << 1;
    QTest::newRow("DOS button on a Windows game") << false << false << false << 0;
    QTest::newRow("Win menu, no game") << true << true << true << 1;
    QTest::newRow("DOS menu, no game, Win shown") << true << false << true << 0;
    QTest::newRow("Win button, no game") << true << true << false << 1;
}

void DisplayTest::typeCommandsKeepExactlyOneMark() {
    QFETCH(bool, removed);
    QFETCH(bool, dos);
    QFETCH(bool, byMenu);
    QFETCH(int, chosen);
    KavrelFixture kavrel;
    QList<GameEntry> games{{.GPath = u"pa"_s, .GTitle = u"A"_s, .GType = dos}, {.GTitle = u"B"_s}};
    kavrel.seedGames(games.first(removed ? 1 : 2), 0);
    Hoofdscherm& window = kavrel.start();
    QAction* const marks[] = {kavrel.action(u"mnu_game_dos"_s), kavrel.action(u"mnu_game_win"_s)};
    const auto shows = [&](int type) {
        return kavrel.optType(type)->isChecked() && marks[type]->isChecked() &&
               !marks[1 - type]->isChecked();
    };
    QVERIFY(shows(dos ? 0 : 1));
    if (removed)
        kavrel.action(u"MnuBestandVerwijderen"_s)->trigger();
    const QByteArray before = kavrel.storeFileBytes();

    byMenu ? marks[chosen]->trigger() : QTest::mouseClick(kavrel.optType(chosen), Qt::LeftButton);

    // Without a game nothing changes, the marks included.
    QVERIFY(shows(removed ? (dos ? 0 : 1) : chosen));
    if (removed) {
        QCOMPARE(kavrel.storeFileBytes(), before);
        return;
    }
    QCOMPARE(kavrel.onDisk(u"Game0001"_s, u"GType"_s), chosen == 0 ? u"True"_s : u"False"_s);
    QCOMPARE(kavrel.onDisk(u"Game0002"_s, u"GType"_s), u"True"_s);
    QCOMPARE(window.games()[1].GType, chosen == 0);
    QCOMPARE(kavrel.restart().games()[1].GType, chosen == 0);
}

QTEST_MAIN(DisplayTest)
#include "tst_display.moc"
