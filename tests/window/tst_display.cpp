// Showing the selected game, and setting its type.
#include "KavrelFixture.h"
#include "window/DescriptionBox.h"
#include "window/GameList.h"
#include "window/PictureBox.h"

#include <QRadioButton>
#include <QTest>
#include <QToolButton>

namespace {

GameEntry game(const QString& title, bool dos = true, const QString& bmp = {},
               const QString& text = {}) {
    return {QStringLiteral("/games/%1/%1.exe").arg(title), bmp, text, title, dos};
}

} // namespace

class DisplayTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theNavigationButtonsAndCaptionFollowThePosition();
    void eachGameShowsItsOwnScreenshotAndDescription();
    void theTypeCommandsSetMarksTableAndStore();
    void withoutAGameTheTypeRoutineChangesNothing();
    void noSelectionShowsNothing();
};

void DisplayTest::theNavigationButtonsAndCaptionFollowThePosition() {
    KavrelFixture kavrel;
    QList<GameEntry> seven;
    for (const char* title : {"A", "B", "C", "D", "E", "F", "G"})
        seven.append(game(QString::fromLatin1(title)));
    kavrel.seedGames(seven, 3);
    Hoofdscherm& window = kavrel.start();
    auto* previous = kavrel.find<QToolButton>(QStringLiteral("KnopVorige"));
    auto* next = kavrel.find<QToolButton>(QStringLiteral("KnopVolgende"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Kavrel (Game 4 of 7)"));

    kavrel.pickTitle(2);
    QCOMPARE(window.windowTitle(), QStringLiteral("Kavrel (Game 3 of 7)"));
    QVERIFY(previous->isEnabled() && next->isEnabled());
    QCOMPARE(kavrel.focused(), kavrel.find<QWidget>(QStringLiteral("Picture1")));

    kavrel.pickTitle(0);
    QVERIFY(!previous->isEnabled() && next->isEnabled());
    QCOMPARE(window.windowTitle(), QStringLiteral("Kavrel (Game 1 of 7)"));

    kavrel.pickTitle(6);
    QVERIFY(previous->isEnabled() && !next->isEnabled());
    QCOMPARE(window.windowTitle(), QStringLiteral("Kavrel (Game 7 of 7)"));
    VERIFY_DIALOGS(kavrel.dialogs);
}

void DisplayTest::eachGameShowsItsOwnScreenshotAndDescription() {
    KavrelFixture kavrel;
    const QString gif = kavrel.writePicture(QStringLiteral("a.gif"), {320, 200}, Qt::red, "GIF");
    const QString jpeg = kavrel.writePicture(QStringLiteral("b.jpg"), {320, 200}, Qt::blue, "JPEG");
    const QString text = kavrel.writeFile(QStringLiteral("a.txt"), "About A.");
    const QString rtf = kavrel.writeFile(QStringLiteral("b.rtf"), "{\\rtf1\\ansi B}");
    kavrel.seedGames({game(QStringLiteral("A"), true, gif, text),
                      game(QStringLiteral("B"), true, jpeg, rtf), game(QStringLiteral("C"))},
                     0);
    kavrel.start();
    auto* picture = kavrel.find<PictureBox>(QStringLiteral("Picture1"));
    auto* rtb = kavrel.find<DescriptionBox>(QStringLiteral("RTB1"));
    const QImage defaultPicture = picture->picture();
    const auto centre = [&] {
        return picture->picture().pixelColor(160, 100);
    };

    kavrel.pickTitle(0);
    QCOMPARE(centre(), QColor(Qt::red));
    QCOMPARE(rtb->toPlainText(), QStringLiteral("About A."));

    kavrel.pickTitle(1);
    QVERIFY(qAbs(centre().blue() - 255) < 8 && centre().red() < 8);
    QCOMPARE(rtb->toPlainText(), QStringLiteral("{\\rtf1\\ansi B}"));

    kavrel.pickTitle(2);
    QCOMPARE(rtb->toPlainText(), QStringLiteral("No description available"));
    QVERIFY(centre() != QColor(Qt::blue));

    // Files are read afresh at every display.
    kavrel.writeFile(QStringLiteral("a.txt"), "About A, revised.");
    kavrel.pickTitle(0);
    QCOMPARE(rtb->toPlainText(), QStringLiteral("About A, revised."));
    VERIFY_DIALOGS(kavrel.dialogs);
}

void DisplayTest::theTypeCommandsSetMarksTableAndStore() {
    KavrelFixture kavrel;
    kavrel.seedGames({game(QStringLiteral("Alpha"), false), game(QStringLiteral("Beta"))}, 1);
    Hoofdscherm& window = kavrel.start();
    QAction* dos = kavrel.action(QStringLiteral("mnu_game_dos"));
    QAction* win = kavrel.action(QStringLiteral("mnu_game_win"));
    QVERIFY(kavrel.optType(0)->isChecked() && dos->isChecked() && !win->isChecked());

    // Showing a game marks its type.
    kavrel.pickTitle(0);
    QVERIFY(kavrel.optType(1)->isChecked() && !kavrel.optType(0)->isChecked());
    QVERIFY(win->isChecked() && !dos->isChecked());

    dos->trigger();
    QVERIFY(kavrel.optType(0)->isChecked());
    QVERIFY(dos->isChecked() && !win->isChecked());
    QVERIFY(window.games()[1].GType);
    QCOMPARE(kavrel.onDisk(QStringLiteral("Game0001"), QStringLiteral("GType")),
             QStringLiteral("True"));
    // Choosing the type the game has already keeps it, mark included.
    dos->trigger();
    QVERIFY(dos->isChecked() && !win->isChecked());

    win->trigger();
    QVERIFY(kavrel.optType(1)->isChecked());
    QVERIFY(win->isChecked() && !dos->isChecked());
    QVERIFY(!window.games()[1].GType);
    QCOMPARE(kavrel.onDisk(QStringLiteral("Game0001"), QStringLiteral("GType")),
             QStringLiteral("False"));

    QTest::mouseClick(kavrel.optType(0), Qt::LeftButton);
    QVERIFY(dos->isChecked() && !win->isChecked());
    QCOMPARE(kavrel.onDisk(QStringLiteral("Game0001"), QStringLiteral("GType")),
             QStringLiteral("True"));
    // Only the selected game changes.
    QVERIFY(window.games()[2].GType);
    QTest::mouseClick(kavrel.optType(1), Qt::LeftButton);
    QCOMPARE(kavrel.onDisk(QStringLiteral("Game0002"), QStringLiteral("GType")),
             QStringLiteral("True"));

    Hoofdscherm& again = kavrel.restart();
    QVERIFY(!again.games()[1].GType);
    QVERIFY(again.games()[2].GType);
}

void DisplayTest::withoutAGameTheTypeRoutineChangesNothing() {
    KavrelFixture kavrel;
    Hoofdscherm& window = kavrel.start();
    window.optType_Click(1);
    window.mnu_game_win_Click();
    QVERIFY(kavrel.action(QStringLiteral("mnu_game_dos"))->isChecked());
    QVERIFY(!kavrel.action(QStringLiteral("mnu_game_win"))->isChecked());
    QVERIFY(kavrel.optType(0)->isChecked());
    QCOMPARE(kavrel.onDisk(QStringLiteral("Game0001"), QStringLiteral("GType")), std::nullopt);
}

void DisplayTest::noSelectionShowsNothing() {
    KavrelFixture kavrel;
    kavrel.seedGames({game(QStringLiteral("A")), game(QStringLiteral("B"), false)}, 1);
    Hoofdscherm& window = kavrel.start();
    auto* list = kavrel.find<GameList>(QStringLiteral("Lijst"));
    const QString caption = window.windowTitle();
    list->setListIndex(-1);
    QCOMPARE(list->ListIndex(), -1);
    window.Lijst_Click();
    QCOMPARE(window.windowTitle(), caption);
    QVERIFY(kavrel.optType(1)->isChecked());
    // An index past the list selects nothing either.
    list->setListIndex(5);
    QCOMPARE(list->ListIndex(), -1);
}

QTEST_MAIN(DisplayTest)
#include "tst_display.moc"
