// The window as it is designed: controls, menus, captions, tooltips, places, focus order and
// the states start-up leaves alone.
#include "KavrelFixture.h"
#include "PictureFiles.h"
#include "window/PictureBox.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTest>

class LayoutTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void controlsHaveTheirPlacesCaptionsAndTooltips();
    void theMenusHoldTheirItemsInOrder();
    void focusFollowsTheTabOrder();
    void screenshotsShowAtNaturalSizeFromTheTopLeft();
};

void LayoutTest::controlsHaveTheirPlacesCaptionsAndTooltips() {
    KavrelFixture kavrel;
    Hoofdscherm& window = kavrel.start();
    QCOMPARE(window.centralWidget()->size(), QSize(339, 411));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QVERIFY(window.windowIcon().availableSizes().contains(QSize(32, 32)));

    struct Expected {
        QString name;
        QRect place;
        QString caption;
        QString toolTip;
    };
    const Expected controls[] = {
        {QStringLiteral("Picture1"),
         {8, 29, 324, 204},
         {},
         QStringLiteral("Screenshot of the current selected game")},
        {QStringLiteral("KnopVorige"),
         {8, 8, 21, 21},
         {},
         QStringLiteral("Select previous game in collection")},
        {QStringLiteral("KnopVolgende"),
         {312, 8, 21, 21},
         {},
         QStringLiteral("Select next game in collection")},
        {QStringLiteral("Lijst"),
         {29, 8, 282, 21},
         {},
         QStringLiteral("List of games in collection")},
        {QStringLiteral("KnopSpelen"),
         {280, 384, 49, 21},
         QStringLiteral("&Play"),
         QStringLiteral("Press this button to play current selected game")},
        {QStringLiteral("RTB1"),
         {8, 232, 324, 145},
         {},
         QStringLiteral("Help on how to add games to your collection")},
        {QStringLiteral("ExitCheck"),
         {112, 384, 65, 25},
         QStringLiteral("Auto-exit"),
         QStringLiteral("Check this option if you want DOSBox to close after ending your game")},
    };
    for (const Expected& control : controls) {
        auto* widget = kavrel.find<QWidget>(control.name);
        QVERIFY2(widget, qPrintable(control.name));
        QCOMPARE(widget->geometry(), control.place);
        QCOMPARE(widget->toolTip(), control.toolTip);
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            QCOMPARE(button->text(), control.caption);
    }
    // The arrow buttons show pictures, no text.
    for (const QString& arrow : {QStringLiteral("KnopVorige"), QStringLiteral("KnopVolgende")})
        QVERIFY(!kavrel.find<QAbstractButton>(arrow)->icon().isNull());
    QCOMPARE(kavrel.optType(0)->text(), QStringLiteral("DOS"));
    QCOMPARE(kavrel.optType(0)->geometry(), QRect(8, 384, 49, 21));
    QCOMPARE(kavrel.optType(1)->text(), QStringLiteral("Win"));
    QCOMPARE(kavrel.optType(1)->geometry(), QRect(57, 384, 49, 21));
    QVERIFY(kavrel.optType(0)->toolTip().isEmpty());
    QVERIFY(!kavrel.find<QComboBox>(QStringLiteral("Lijst"))->isEditable());
}

void LayoutTest::theMenusHoldTheirItemsInOrder() {
    KavrelFixture kavrel;
    Hoofdscherm& window = kavrel.start();
    // Each menu as "objectName=caption" entries, separators as "-".
    const auto captions = [](const QList<QAction*>& actions) {
        QStringList list;
        for (const QAction* action : actions)
            list.append(action->objectName() + u'=' +
                        (action->isSeparator() ? QStringLiteral("-") : action->text()));
        return list.join(u'|');
    };
    QCOMPARE(captions(window.menuBar()->actions()),
             QStringLiteral("mnuGame=&Games|mnuDOSBox=&DOSBox|MnuHelp=&Help"));
    QVERIFY(!kavrel.action(QStringLiteral("MnuHelp"))->menu());
    QCOMPARE(captions(kavrel.find<QMenu>(QStringLiteral("mnuGame"))->actions()),
             QStringLiteral("MnuBestandNieuw=&Add...|MnuBestandVerwijderen=&Remove from list|"
                            "MnuBestandOpen=&Play|dummie01=-|mnu_game_dos=D&OS|mnu_game_win=&Win|"
                            "dummie02=-|mnuChange=&Change|"
                            "mnu_remove_screenshot=Remove &Screenshot|"
                            "mnu_remove_description=Remove &Description|dummie03=-|"
                            "mnuKavrelFolder=&Locate DOS Games Main Folder...|dummie04=-|"
                            "MnuBestandAfsluiten=E&xit"));
    QCOMPARE(captions(kavrel.find<QMenu>(QStringLiteral("mnuChange"))->actions()),
             QStringLiteral("MnuBewerkenTitel=&Title...|MnuBewerkenAfbeelding=&Screenshot...|"
                            "MnuBewerkenBeschrijving=&Description...|"
                            "MnuBewerkenDoel=&Executable..."));
    QCOMPARE(captions(kavrel.find<QMenu>(QStringLiteral("mnuDOSBox"))->actions()),
             QStringLiteral("mnuLocateDOSBox=&Locate DOSBox...|mnuExitOption=&Auto-exit"));
    for (QAction* action : window.findChildren<QAction*>())
        QVERIFY2(action->shortcut().isEmpty(), qPrintable(action->objectName()));
}

void LayoutTest::focusFollowsTheTabOrder() {
    KavrelFixture kavrel;
    kavrel.seedGames({{QStringLiteral("a.exe"), {}, {}, QStringLiteral("A"), true},
                      {QStringLiteral("b.exe"), {}, {}, QStringLiteral("B"), true},
                      {QStringLiteral("c.exe"), {}, {}, QStringLiteral("C"), true}},
                     1);
    kavrel.start();
    QCOMPARE(kavrel.focused(), kavrel.find<QWidget>(QStringLiteral("Picture1")));
    QStringList visited;
    for (int step = 0; step < 9; ++step) {
        QWidget* current = kavrel.focused();
        visited.append(current->objectName() +
                       (current->property("Index").isValid()
                            ? QString::number(current->property("Index").toInt())
                            : QString()));
        QTest::keyClick(current, Qt::Key_Tab);
    }
    QCOMPARE(visited.mid(0, 6),
             (QStringList{QStringLiteral("Picture1"), QStringLiteral("KnopVorige"),
                          QStringLiteral("KnopVolgende"), QStringLiteral("Lijst"),
                          QStringLiteral("KnopSpelen"), QStringLiteral("RTB1")}));
    // The option buttons are one stop (the selected one), then the check box.
    QCOMPARE(visited.mid(6, 2),
             (QStringList{QStringLiteral("optType0"), QStringLiteral("ExitCheck")}));
}

void LayoutTest::screenshotsShowAtNaturalSizeFromTheTopLeft() {
    KavrelFixture kavrel;
    const auto quarters = [&](const QString& name, QSize size) {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(Qt::red);
        for (int y = 0; y < size.height(); ++y)
            for (int x = size.width() / 2; x < size.width(); ++x)
                picture.setPixelColor(x, y, y < size.height() / 2 ? Qt::green : Qt::blue);
        const QString file = kavrel.path(name);
        picture.save(file, "BMP");
        return file;
    };
    kavrel.seedGames({{QStringLiteral("a.exe"),
                       quarters(QStringLiteral("exact.bmp"), {320, 200}),
                       {},
                       QStringLiteral("Exact"),
                       true},
                      {QStringLiteral("b.exe"),
                       quarters(QStringLiteral("large.bmp"), {640, 400}),
                       {},
                       QStringLiteral("Large"),
                       true},
                      {QStringLiteral("c.exe"),
                       quarters(QStringLiteral("small.bmp"), {100, 50}),
                       {},
                       QStringLiteral("Small"),
                       true}},
                     0);
    kavrel.start();
    auto* box = kavrel.find<PictureBox>(QStringLiteral("Picture1"));
    // The picture starts inside the two-pixel border.
    const auto shownAt = [&](int x, int y) {
        return box->grab().toImage().pixelColor(x + 2, y + 2);
    };

    QCOMPARE(shownAt(0, 0), QColor(Qt::red));
    QCOMPARE(shownAt(319, 0), QColor(Qt::green));
    QCOMPARE(shownAt(319, 199), QColor(Qt::blue));

    kavrel.pickTitle(1);
    // Only the top-left 320 x 200 pixels of the larger picture show: its left half, red.
    QCOMPARE(shownAt(0, 0), QColor(Qt::red));
    QCOMPARE(shownAt(319, 199), QColor(Qt::red));

    kavrel.pickTitle(2);
    QCOMPARE(shownAt(99, 0), QColor(Qt::green));
    const QColor beyond = shownAt(200, 150);
    QVERIFY(beyond != QColor(Qt::red) && beyond != QColor(Qt::green) && beyond != QColor(Qt::blue));
}

QTEST_MAIN(LayoutTest)
#include "tst_layout.moc"
