// Removing the selected game: the game shown next, the sections stored, and the empty state
// after the last one.
#include "KavrelFixture.h"

class RemoveGameTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void removesTheSelectedGame() {
        // The titles, the one selected, the titles left in list order, and the entry shown then.
        const std::tuple<QString, int, QString, int> cases[] = {{u"ABC"_s, 0, u"BC"_s, 1},
                                                                {u"ABC"_s, 1, u"AC"_s, 0},
                                                                {u"ABC"_s, 2, u"AB"_s, 1},
                                                                {u"AB"_s, 0, u"B"_s, 0},
                                                                {u"A"_s, 0, {}, -1}};
        for (const auto& [titles, selected, remaining, shown] : cases) {
            KavrelFixture kavrel;
            QList<GameEntry> games, expected;
            for (const QString& title : titles.split(QString(), Qt::SkipEmptyParts)) {
                games.append({kavrel.writeFile(title + u".exe"_s, "x"),
                              kavrel.writePicture(title + u".bmp"_s, QSize(4, 4), Qt::green, "BMP"),
                              kavrel.writeFile(title, title.toLatin1()), title, title != u"B"_s});
                if (remaining.contains(title))
                    expected.append(games.last());
            }
            kavrel.seedGames(games, selected);
            Hoofdscherm& window = kavrel.start();
            kavrel.list()->setFocus();

            kavrel.action(u"MnuBestandVerwijderen"_s)->trigger();

            QCOMPARE(kavrel.listEntries().join(QString()), remaining);
            QCOMPARE(kavrel.list()->ListIndex(), shown);
            QCOMPARE(window.windowTitle() + kavrel.find<DescriptionBox>(u"RTB1"_s)->toPlainText(),
                     u"Kavrel (Game %1 of %2)"_s.arg(shown + 1).arg(remaining.size()) +
                         (shown < 0 ? u"No description available"_s : remaining.mid(shown, 1)));
            QCOMPARE(kavrel.focused(), kavrel.find<QWidget>(u"Picture1"_s));
            // Sections 1 to the new count hold the remaining games; the one beyond keeps the game
            // that was last.
            QCOMPARE(tableOf(window), expected);
            QCOMPARE(storedGames(kavrel, int(titles.size())), expected + QList{games.last()});
            QCOMPARE(kavrel.onDisk(u"Games"_s, u"Count"_s), QString::number(remaining.size()));
            if (remaining.isEmpty()) {
                // The empty state: the default picture, and the seven game controls go off; the
                // type controls are left as they were. From there a game comes in again.
                QCOMPARE(kavrel.find<PictureBox>(u"Picture1"_s)->picture(),
                         QImage(kavrel.appFolder() + u"/Default.bmp"_s));
                QCOMPARE(
                    enabledOf(kavrel,
                              u"KnopVorige KnopVolgende KnopSpelen Lijst MnuBestandVerwijderen "
                              u"MnuBestandOpen mnuChange optType"_s.split(u' ')),
                    QStringList{u"optType"_s});
                addGame(kavrel, games[0].GPath, {u"Again"_s});
                QCOMPARE(kavrel.storedGame(1),
                         (GameEntry{.GPath = games[0].GPath, .GTitle = u"Again"_s}));
            }
            VERIFY_DIALOGS(kavrel.dialogs);
        }
    }
};

QTEST_MAIN(RemoveGameTest)
#include "tst_removegame.moc"
