// The type of the selected game, and how the description reads.
#include "KavrelFixture.h"

class DisplayTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
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
