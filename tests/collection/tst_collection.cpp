// The collection as a whole: the backups kept before changes and going back to one, moving the
// games folder, export and import, through the window with scripted dialogs and through the
// command line, and the zips that are refused.
#include "KavrelFixture.h"
#include "backup/Backups.h"
#include "collection/CollectionArchive.h"
#include "collection/MoveGamesFolder.h"
#include "launch/CommandLine.h"
#include "launch/SingleInstance.h"
#include "window/RestoreDialog.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QTextStream>
#include <archive.h>
#include <archive_entry.h>

namespace {

// The user's folders are the fixture's: its store is the command line's, and the backups and
// unpacked files land in it.
void useFoldersOf(const KavrelFixture& kavrel) {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(kavrel.path(u"config"_s)));
    qputenv("XDG_STATE_HOME", QFile::encodeName(kavrel.path(u"state"_s)));
    qputenv("XDG_DATA_HOME", QFile::encodeName(kavrel.path(u"data"_s)));
}

QList<Backups::Entry> backupsOf(const KavrelFixture& kavrel) {
    return Backups(kavrel.storePath()).list();
}

struct Run {
    int status;
    QString out, err;
};

Run kavrelCommand(const QStringList& arguments) {
    RecordingStarter starter;
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const std::optional<int> status =
        runCommandLine(QStringList{u"kavrel"_s} + arguments,
                       {SettingsStore::openUserStore, starter, outStream, errStream});
    return {status.value_or(-1), out, err};
}

struct ZipEntry {
    QString name;
    QByteArray bytes;
    bool link = false;
};

// A zip as another program might make it.
QString writeZip(const QString& path, const QList<ZipEntry>& entries) {
    archive* zip = archive_write_new();
    archive_write_set_format_zip(zip);
    archive_write_open_filename(zip, QFile::encodeName(path).constData());
    for (const ZipEntry& entry : entries) {
        archive_entry* header = archive_entry_new();
        archive_entry_set_pathname(header, entry.name.toUtf8().constData());
        archive_entry_set_filetype(header, entry.link ? AE_IFLNK : AE_IFREG);
        archive_entry_set_perm(header, 0644);
        if (entry.link)
            archive_entry_set_symlink(header, entry.bytes.constData());
        else
            archive_entry_set_size(header, entry.bytes.size());
        archive_write_header(zip, header);
        if (!entry.link)
            archive_write_data(zip, entry.bytes.constData(), size_t(entry.bytes.size()));
        archive_entry_free(header);
    }
    archive_write_close(zip);
    archive_write_free(zip);
    return path;
}

const QByteArray ExportedStore = "[Export]\nFormat=Kavrel collection 1\n[Games]\nCount=0\n";

GameEntry game(const QString& path, const QString& title, const QString& picture = {},
               const QString& text = {}) {
    return {path, picture, text, title, true};
}

} // namespace

class CollectionTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A copy of the store as it stood, newest first, of which only the newest twenty stay; files
    // of other names in the folder are not Kavrel's and stay too.
    void backupsKeepTheNewestTwentyOfTheirOwn() {
        KavrelFixture kavrel;
        useFoldersOf(kavrel);
        Backups backups(kavrel.storePath());
        QVERIFY(!backups.make());
        QVERIFY(backups.list().isEmpty());
        const QString notes = kavrel.writeFile(u"state/Kavrel/backups/notes.txt"_s, "mine");
        const QString lookalike = kavrel.writeFile(u"state/Kavrel/backups/Kavrel-1.conf"_s, "x");
        QList<QByteArray> made;
        for (int round = 1; round <= 23; ++round) {
            kavrel.seedGames({game(u"/g/A.EXE"_s, u"A%1"_s.arg(round))});
            kavrel.seed(u"Games"_s, u"Count"_s, QString::number(round % 2));
            QVERIFY(!backups.make());
            made.prepend(kavrel.storeFileBytes());
        }
        const QList<Backups::Entry> kept = backups.list();
        QCOMPARE(kept.size(), Backups::Kept);
        for (int i = 0; i < Backups::Kept; ++i) {
            QCOMPARE(fileBytes(kept[i].file), made[i]);
            QCOMPARE(kept[i].games, std::optional((23 - i) % 2));
            QVERIFY(kept[i].made.date() == QDate::currentDate());
        }
        QVERIFY(QFile::exists(notes) && QFile::exists(lookalike));
    }

    void backupsSayHowManyGamesTheyHold_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("games"); // -1: cannot be read
        const QByteArray two = "[Games]\nCount=2\nLast=0\n\n[Game0001]\nGTitle=A\n\n[Game0002]\n"
                               "GTitle=B\n";
        QTest::newRow("two games") << two << 2;
        QTest::newRow("windows line ends") << QByteArray(two).replace("\n", "\r\n") << 2;
        QTest::newRow("no games yet") << QByteArray("[Options]\nGExit=True\n") << 0;
        QTest::newRow("last game first, as sorted")
            << QByteArray("[Game0001]\nGTitle=A\n[Games]\nCount=1\n") << 1;
        QTest::newRow("no settings") << QByteArray("\1\2\3") << -1;
        QTest::newRow("cut short") << two.left(two.indexOf("[Game0002]")) << -1;
        QTest::newRow("no text") << QByteArray("[Games]\nCount=1\0\1\2", 18) << -1;
        QTest::newRow("not UTF-8")
            << QByteArray("[Games]\nCount=1\n[Game0001]\nGTitle=\xff\n") << -1;
    }
    void backupsSayHowManyGamesTheyHold() {
        QFETCH(QByteArray, content);
        QFETCH(int, games);
        KavrelFixture kavrel;
        useFoldersOf(kavrel);
        kavrel.writeFile(u"state/Kavrel/backups/Kavrel-20260101-120000-000.conf"_s, content);
        const QList<Backups::Entry> listed = backupsOf(kavrel);
        QCOMPARE(listed.size(), 1);
        QCOMPARE(listed[0].games, games < 0 ? std::nullopt : std::optional(games));
        QCOMPARE(listed[0].made, QDateTime(QDate(2026, 1, 1), QTime(12, 0)));
    }

    // Through the window: no copy while nothing changes, one before the first change of the day,
    // and one before every removal.
    void backupsBeforeTheDaysFirstChangeAndEveryRemoval() {
        KavrelFixture kavrel;
        useFoldersOf(kavrel);
        kavrel.seedGames({game(u"/g/A.EXE"_s, u"A"_s), game(u"/g/B.EXE"_s, u"B"_s)}, 0);
        kavrel.seed(u"Options"_s, u"GExit"_s, u"True"_s);
        const QByteArray seeded = kavrel.storeFileBytes();
        kavrel.start();
        kavrel.action(u"mnu_game_dos"_s)->trigger();
        QVERIFY(backupsOf(kavrel).isEmpty());
        kavrel.action(u"mnu_game_win"_s)->trigger();
        kavrel.action(u"mnu_game_dos"_s)->trigger();
        QCOMPARE(backupsOf(kavrel).size(), 1);
        QCOMPARE(fileBytes(backupsOf(kavrel)[0].file), seeded);
        const QByteArray beforeRemoval = kavrel.storeFileBytes();
        kavrel.action(u"MnuBestandVerwijderen"_s)->trigger();
        QCOMPARE(backupsOf(kavrel).size(), 2);
        QCOMPARE(fileBytes(backupsOf(kavrel)[0].file), beforeRemoval);
        QCOMPARE(kavrel.onDisk(u"Games"_s, u"Count"_s), u"1"_s);
        // The next start finds the day's copy made.
        kavrel.start();
        kavrel.action(u"mnu_game_win"_s)->trigger();
        QCOMPARE(backupsOf(kavrel).size(), 2);
        VERIFY_DIALOGS(kavrel.dialogs);
    }

    void restoreGoesBackToTheChosenVersion() {
        KavrelFixture kavrel;
        useFoldersOf(kavrel);
        const QList<GameEntry> three = {game(u"/g/A.EXE"_s, u"A"_s), game(u"/g/B.EXE"_s, u"B"_s),
                                        game(u"/g/C.EXE"_s, u"C"_s)};
        kavrel.seedGames(three, 2);
        kavrel.seed(u"Options"_s, u"GExit"_s, u"True"_s);
        Hoofdscherm& window = kavrel.start();
        kavrel.action(u"MnuBestandVerwijderen"_s)->trigger();
        kavrel.action(u"MnuBestandVerwijderen"_s)->trigger();
        kavrel.writeFile(u"state/Kavrel/backups/Kavrel-20000101-000000-000.conf"_s, "\1\2\3");
        QCOMPARE(kavrel.listEntries(), QStringList{u"A"_s});

        // Cancel changes nothing.
        const QString version = fileVersion(kavrel.storePath());
        kavrel.dialogs.chooseBackup(std::nullopt);
        kavrel.action(u"mnuRestoreCollection"_s)->trigger();
        QCOMPARE(fileVersion(kavrel.storePath()), version);
        QCOMPARE(backupsOf(kavrel).size(), 3);

        // Newest first, each with its date, time and number of games; the unreadable one cannot
        // be chosen.
        const QByteArray present = kavrel.storeFileBytes();
        kavrel.dialogs.chooseBackup(1, storeUnchanged(kavrel));
        kavrel.action(u"mnuRestoreCollection"_s)->trigger();
        VERIFY_DIALOGS(kavrel.dialogs);
        const QList<BackupChoice>& rows = kavrel.dialogs.backupsShown;
        QCOMPARE(rows.size(), 3);
        const QString today = QDate::currentDate().toString(u"yyyy-MM-dd"_s);
        QVERIFY2(rows[0].shown.startsWith(today) && rows[0].shown.endsWith(u"  2 games"_s),
                 qPrintable(rows[0].shown));
        QVERIFY(rows[1].shown.endsWith(u"  3 games"_s) && rows[1].readable);
        QCOMPARE(rows[2].shown, u"2000-01-01 00:00:00  (cannot be read)"_s);
        QVERIFY(!rows[2].readable);

        // The window shows the restored collection at once, with the game "Last" names, and the
        // next start finds it; the collection as it was is the newest backup.
        QCOMPARE(kavrel.listEntries(), (QStringList{u"A"_s, u"B"_s, u"C"_s}));
        QCOMPARE(window.windowTitle(), u"Kavrel (Game 3 of 3)"_s);
        QCOMPARE(storedGames(kavrel, 3), three);
        QCOMPARE(kavrel.onDisk(u"Games"_s, u"Count"_s), u"3"_s);
        QCOMPARE(fileBytes(backupsOf(kavrel)[0].file), present);
        QCOMPARE(backupsOf(kavrel)[0].games, std::optional(1));
        QCOMPARE(tableOf(kavrel.start()), three);
    }

    // The list itself: a backup that cannot be read can never be chosen, and Restore waits for
    // one that can.
    void restoreListOffersOnlyReadableBackups() {
        RestoreDialog dialog({{u"2000-01-01 00:00:00  (cannot be read)"_s, false},
                              {u"2026-01-01 00:00:00  2 games"_s, true}});
        auto* list = dialog.findChild<QListWidget*>(u"backupList"_s);
        QPushButton* restore = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        QCOMPARE(dialog.chosen(), std::optional(1));
        QVERIFY(restore->isEnabled() && !(list->item(0)->flags() & Qt::ItemIsSelectable));
        list->clearSelection();
        QVERIFY(!dialog.chosen() && !restore->isEnabled());
        list->item(0)->setSelected(true);
        QVERIFY(!dialog.chosen() && !restore->isEnabled());
    }

    void foldersOfAMove_data() {
        QTest::addColumn<QStringList>("programs");
        QTest::addColumn<QString>("offered");
        QTest::newRow("none") << QStringList() << QString();
        QTest::newRow("one") << QStringList{u"/dos/KEEN/KEEN.EXE"_s} << u"/dos/KEEN"_s;
        QTest::newRow("most under one")
            << QStringList{u"/dos/KEEN/KEEN.EXE"_s, u"/dos/DOOM/DOOM.EXE"_s, u"/win/X.EXE"_s}
            << u"/dos"_s;
        QTest::newRow("no majority deeper than the root")
            << QStringList{u"/a/X.EXE"_s, u"/b/Y.EXE"_s} << u"/"_s;
        QTest::newRow("a name that only starts alike")
            << QStringList{u"/dos/A/A.EXE"_s, u"/dos/AB/B.EXE"_s, u"/dos/A/C.EXE"_s} << u"/dos/A"_s;
    }
    void foldersOfAMove() {
        QFETCH(QStringList, programs);
        QFETCH(QString, offered);
        GameTable games;
        for (const QString& program : programs)
            games.append(game(program, program));
        QCOMPARE(suggestedOldFolder(games), offered);
        // A path lies under a folder only at a separator, and keeps what follows it.
        QVERIFY(liesUnder(u"/dos/A/A.EXE"_s, u"/dos/A/"_s) &&
                !liesUnder(u"/dos/AB"_s, u"/dos/A"_s));
        QCOMPARE(rebased(u"/dos/A/A.EXE"_s, u"/dos/"_s, u"/mnt/games"_s), u"/mnt/games/A/A.EXE"_s);
        QCOMPARE(rebased(u"/dos/A.EXE"_s, u"/dos"_s, u"/"_s), u"/A.EXE"_s);
    }

    void moveGamesFolderThroughTheWindow() {
        KavrelFixture kavrel;
        useFoldersOf(kavrel);
        const QString old = kavrel.path(u"old/dos"_s), moved = kavrel.path(u"new/dos"_s);
        const QString elsewhere = kavrel.path(u"win/X.EXE"_s), notes = kavrel.path(u"cave.txt"_s);
        kavrel.seed(u"Location"_s, u"DosGames"_s, old);
        kavrel.seedGames(
            {game(old + u"/CAVE/CAVE.EXE"_s, u"Cave"_s, old + u"/CAVE/CAVE.BMP"_s, notes),
             game(old + u"/ROBOT/ROBOT.EXE"_s, u"Robot"_s), game(elsewhere, u"X"_s)},
            1);
        kavrel.writeFile(u"new/dos/CAVE/CAVE.EXE"_s, "MZ");
        kavrel.writeFile(u"new/dos/CAVE/CAVE.BMP"_s, "BM");
        Hoofdscherm& window = kavrel.start();
        const QByteArray before = kavrel.storeFileBytes();

        kavrel.dialogs.type({});
        kavrel.action(u"mnuMoveGamesFolder"_s)->trigger();
        QCOMPARE(kavrel.storeFileBytes(), before);

        kavrel.dialogs.type(old, storeUnchanged(kavrel));
        kavrel.dialogs.pickFolder(moved, storeUnchanged(kavrel));
        kavrel.dialogs.acknowledge();
        kavrel.action(u"mnuMoveGamesFolder"_s)->trigger();
        VERIFY_DIALOGS(kavrel.dialogs);
        const QList<ScriptedDialogs::Shown> shown = kavrel.dialogs.shown().mid(1);
        QCOMPARE(shown[0].defaultText, old);
        QCOMPARE(shown[1].defaultText, old);
        QCOMPARE(shown[2].prompt,
                 u"2 games moved to %1. 1 of their files is missing there."_s.arg(moved));
        const QList<GameEntry> expected = {
            game(moved + u"/CAVE/CAVE.EXE"_s, u"Cave"_s, moved + u"/CAVE/CAVE.BMP"_s, notes),
            game(moved + u"/ROBOT/ROBOT.EXE"_s, u"Robot"_s), game(elsewhere, u"X"_s)};
        QCOMPARE(tableOf(window), expected);
        QCOMPARE(storedGames(kavrel, 3), expected);
        QCOMPARE(kavrel.onDisk(u"Location"_s, u"DosGames"_s), moved);
        QCOMPARE(kavrel.list()->ListIndex(), 1);
        QCOMPARE(fileBytes(backupsOf(kavrel)[0].file), before);

        // From the command line, back again.
        const QString version = fileVersion(kavrel.storePath());
        QCOMPARE(kavrelCommand({u"--move-games"_s, moved, old}).out,
                 u"2 games moved to %1. 3 of their files are missing there.\n"_s.arg(old));
        QVERIFY(fileVersion(kavrel.storePath()) != version);
        QCOMPARE(kavrel.onDisk(u"Location"_s, u"DosGames"_s), old);
        QCOMPARE(kavrel.storedGame(1).GPath, old + u"/CAVE/CAVE.EXE"_s);
    }

    // A collection taken to another computer through the window and the command line, with its
    // screenshots and descriptions, its games under another folder there.
    void exportAndImportRoundTrip() {
        KavrelFixture here, there;
        useFoldersOf(here);
        const QString dos = here.path(u"dos"_s);
        const QByteArray story("The Cave\r\n\xb0\xb1\xb2\x1a", 14);
        const QString shot = here.writePicture(u"dos/CAVE/CAVE.BMP"_s, {64, 40}, Qt::red, "BMP");
        const QString text = here.writeFile(u"notes/CAVE.TXT"_s, story);
        const QList<GameEntry> games = {
            game(dos + u"/CAVE/CAVE.EXE"_s, u"Cave"_s, shot, text),
            game(dos + u"/KEEN/KEEN.EXE"_s, u"Keen"_s, shot, dos + u"/KEEN/GONE.TXT"_s),
            game(u"/opt/win/X.EXE"_s, u"X"_s)};
        here.seed(u"Location"_s, u"DosGames"_s, dos);
        here.seedGames(games, 1);
        here.start();
        here.dialogs.saveAs(here.path(u"shelf"_s));
        here.dialogs.acknowledge();
        here.action(u"mnuExportCollection"_s)->trigger();
        VERIFY_DIALOGS(here.dialogs);
        const QString zip = here.path(u"shelf.zip"_s);
        QCOMPARE(here.dialogs.last().prompt, u"3 games exported to %1."_s.arg(zip));

        useFoldersOf(there);
        there.seedGames({game(u"/old/OLD.EXE"_s, u"Old"_s)});
        const QByteArray replaced = there.storeFileBytes();
        const QString games2 = there.path(u"games"_s);
        const Run imported = kavrelCommand({u"--import"_s, zip, games2});
        QCOMPARE(imported.err, QString());
        QCOMPARE(imported.out, u"3 games imported; the games folder is %1.\n"_s.arg(games2));
        QCOMPARE(fileBytes(backupsOf(there)[0].file), replaced);
        const GameEntry cave = there.storedGame(1), keen = there.storedGame(2);
        QCOMPARE(cave.GPath, games2 + u"/CAVE/CAVE.EXE"_s);
        QVERIFY(cave.GBmp.startsWith(there.path(u"data/Kavrel/"_s)));
        QCOMPARE(fileBytes(cave.GBmp), fileBytes(shot));
        QCOMPARE(fileBytes(cave.GText), story);
        QCOMPARE(keen.GBmp, cave.GBmp); // one picture shared travels once
        QCOMPARE(keen.GText, games2 + u"/KEEN/GONE.TXT"_s);
        QCOMPARE(there.storedGame(3), games[2]);
        QCOMPARE(there.onDisk(u"Location"_s, u"DosGames"_s), games2);
        QCOMPARE(there.onDisk(u"Games"_s, u"Last"_s), u"1"_s);
        QCOMPARE(there.start().windowTitle(), u"Kavrel (Game 2 of 3)"_s);

        // Back through the command line's export and the window's import: the window shows the
        // collection at once, its games where they were.
        there.window().close();
        const QString back = there.path(u"back.zip"_s);
        QCOMPARE(kavrelCommand({u"--export"_s, back}).out,
                 u"3 games exported to %1.\n"_s.arg(back));
        useFoldersOf(here);
        here.dialogs.chooseFile(back);
        here.dialogs.pickFolder(dos);
        here.dialogs.acknowledge();
        here.action(u"mnuImportCollection"_s)->trigger();
        VERIFY_DIALOGS(here.dialogs);
        QCOMPARE(here.dialogs.shown().at(here.dialogs.shown().size() - 2).defaultText, dos);
        QCOMPARE(here.dialogs.last().prompt,
                 u"3 games imported; the games folder is %1."_s.arg(dos));
        QCOMPARE(here.listEntries(), (QStringList{u"Cave"_s, u"Keen"_s, u"X"_s}));
        QCOMPARE(here.window().games()[1].GPath, games[0].GPath);
        QCOMPARE(fileBytes(here.window().games()[1].GText), story);
        QCOMPARE(here.storedGame(2).GText, games[1].GText);
    }

    // A game's own DOSBox configuration, image and setup program lie in its folder and move with
    // it; the settings Kavrel keeps for a game travel in the zip.
    void aGamesDosBoxSettingsMoveAndTravelWithIt() {
        KavrelFixture here, there;
        useFoldersOf(here);
        const QString dos = here.path(u"dos"_s);
        const QByteArray settings("[cpu]\ncycles=20000\n");
        const QString typed = here.writeFile(u"config/Kavrel/dosbox/Cave.conf"_s, settings);
        GameEntry cave = game(dos + u"/CAVE/CAVE.EXE"_s, u"Cave"_s);
        cave.GConf = typed;
        cave.GImage = dos + u"/CAVE/CD.ISO"_s;
        cave.GSetup = dos + u"/CAVE/SETUP.EXE"_s;
        GameEntry keen = game(dos + u"/KEEN/KEEN.EXE"_s, u"Keen"_s);
        keen.GConf = dos + u"/KEEN/keen.conf"_s;
        here.seed(u"Location"_s, u"DosGames"_s, dos);
        here.seedGames({cave, keen}, 1);
        const QString zip = here.path(u"shelf.zip"_s);
        QCOMPARE(kavrelCommand({u"--export"_s, zip}).status, 0);

        const QString moved = here.path(u"new"_s);
        QCOMPARE(kavrelCommand({u"--move-games"_s, dos, moved}).status, 0);
        QCOMPARE(here.storedGame(1).GImage, moved + u"/CAVE/CD.ISO"_s);
        QCOMPARE(here.storedGame(1).GSetup, moved + u"/CAVE/SETUP.EXE"_s);
        QCOMPARE(here.storedGame(1).GConf, typed);
        QCOMPARE(here.storedGame(2).GConf, moved + u"/KEEN/keen.conf"_s);

        useFoldersOf(there);
        const QString games = there.path(u"games"_s);
        QCOMPARE(kavrelCommand({u"--import"_s, zip, games}).status, 0);
        const GameEntry caveThere = there.storedGame(1);
        QCOMPARE(caveThere.GImage, games + u"/CAVE/CD.ISO"_s);
        QCOMPARE(caveThere.GSetup, games + u"/CAVE/SETUP.EXE"_s);
        QVERIFY(caveThere.GConf.startsWith(there.path(u"data/Kavrel/"_s)));
        QCOMPARE(fileBytes(caveThere.GConf), settings);
        QCOMPARE(there.storedGame(2).GConf, games + u"/KEEN/keen.conf"_s);
    }

    // The games folder: the one given, else the collection's present one, else the one the zip
    // was made with. DOSBox stays where this computer has it, once located here.
    void importFindsTheGamesFolderAndKeepsDosBox_data() {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("present");
        QTest::addColumn<QString>("presentDosBox");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("dosBox");
        QTest::newRow("given") << u"/given"_s << u"/here"_s << u""_s << u"/given"_s
                               << u"/z/dosbox"_s;
        QTest::newRow("present") << u""_s << u"/here"_s << u"/bin/dosbox"_s << u"/here"_s
                                 << u"/bin/dosbox"_s;
        QTest::newRow("recorded") << u""_s << u""_s << u""_s << u"/made"_s << u"/z/dosbox"_s;
    }
    void importFindsTheGamesFolderAndKeepsDosBox() {
        QFETCH(QString, given);
        QFETCH(QString, present);
        QFETCH(QString, presentDosBox);
        QFETCH(QString, folder);
        QFETCH(QString, dosBox);
        KavrelFixture kavrel;
        useFoldersOf(kavrel);
        const QString zip =
            writeZip(kavrel.path(u"in.zip"_s),
                     {{u"Kavrel.conf"_s, "[Export]\nFormat=Kavrel collection 1\nGamesFolder=/made\n"
                                         "[Location]\nDosBox=/z/dosbox\n[Games]\nCount=1\n"
                                         "[Game0001]\nGPath=KEEN/KEEN.EXE\nGTitle=Keen\n"}});
        kavrel.seed(u"Location"_s, u"DosGames"_s, present);
        kavrel.seed(u"Location"_s, u"DosBox"_s, presentDosBox);
        const Run run = kavrelCommand(given.isEmpty() ? QStringList{u"--import"_s, zip}
                                                      : QStringList{u"--import"_s, zip, given});
        QCOMPARE(run.status, 0);
        QCOMPARE(kavrel.onDisk(u"Location"_s, u"DosGames"_s), folder);
        QCOMPARE(kavrel.onDisk(u"Location"_s, u"DosBox"_s), dosBox);
        QCOMPARE(kavrel.storedGame(1), game(folder + u"/KEEN/KEEN.EXE"_s, u"Keen"_s));
        QVERIFY(!kavrel.onDisk(u"Export"_s, u"Format"_s));
    }

    void commandLineMistakesChangeNothing_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("error");
        QTest::newRow("move without a new folder")
            << QStringList{u"--move-games"_s, u"/g"_s}
            << u"--move-games needs the old and the new folder.\n"_s;
        QTest::newRow("move to the same folder")
            << QStringList{u"--move-games"_s, u"/g/"_s, u"/g"_s}
            << u"The old and the new folder are the same.\n"_s;
        QTest::newRow("import with two folders")
            << QStringList{u"--import"_s, u"a.zip"_s, u"/g"_s, u"/h"_s}
            << u"Unexpected argument: /h"_s;
        QTest::newRow("export with a folder")
            << QStringList{u"--export"_s, u"a.zip"_s, u"/g"_s} << u"Unexpected argument: /g"_s;
        QTest::newRow("export where no file can be made")
            << QStringList{u"--export"_s, u"/proc/no/a.zip"_s}
            << u"The file /proc/no/a.zip cannot be written: "_s;
        QTest::newRow("no game under the old folder")
            << QStringList{u"--move-games"_s, u"/nowhere"_s, u"/h"_s}
            << u"No game lies under /nowhere; nothing was changed.\n"_s;
    }
    void commandLineMistakesChangeNothing() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, error);
        KavrelFixture kavrel;
        useFoldersOf(kavrel);
        kavrel.seedGames({game(u"/g/A.EXE"_s, u"A"_s)});
        const QByteArray before = kavrel.storeFileBytes();
        const Run run = kavrelCommand(arguments);
        QCOMPARE(run.status, 1);
        QVERIFY2((run.err + run.out).startsWith(error), qPrintable(run.err + run.out));
        QCOMPARE(kavrel.storeFileBytes(), before);
        QVERIFY(!QFileInfo::exists(kavrel.path(u"a.zip"_s)) && backupsOf(kavrel).isEmpty());
    }

    void badZipsAreRefusedAndChangeNothing_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no such file") << u"missing"_s << u"it cannot be opened"_s;
        QTest::newRow("no zip") << u"text"_s << u"it is not a zip file"_s;
        QTest::newRow("cut short") << u"cut"_s << u"it is damaged"_s;
        QTest::newRow("damaged data") << u"flipped"_s << u"it is damaged"_s;
        QTest::newRow("foreign") << u"foreign"_s << u"it holds no Kavrel.conf"_s;
        QTest::newRow("another format") << u"format"_s << u"no collection exported by Kavrel"_s;
        QTest::newRow("../ entry") << u"dotdot"_s << u"\"descriptions/../../x.txt\" would land"_s;
        QTest::newRow("absolute entry") << u"absolute"_s << u"\"/tmp/x.txt\" is an absolute"_s;
        QTest::newRow("link") << u"link"_s << u"\"descriptions/0001/A.TXT\" is a link"_s;
    }
    void badZipsAreRefusedAndChangeNothing() {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        KavrelFixture kavrel;
        useFoldersOf(kavrel);
        const QString zip = kavrel.path(u"in.zip"_s);
        const QString good = kavrel.path(u"good.zip"_s);
        const QByteArray text = QByteArray("A long and winding story. ").repeated(200);
        writeZip(good, {{u"Kavrel.conf"_s, ExportedStore}, {u"descriptions/0001/A.TXT"_s, text}});
        QByteArray bytes = fileBytes(good);
        if (kind == u"text")
            kavrel.writeFile(u"in.zip"_s, "Just some text.");
        else if (kind == u"cut")
            kavrel.writeFile(u"in.zip"_s, bytes.left(bytes.size() / 2));
        else if (kind == u"flipped") {
            // Inside the first entry's data: after its header, name and extra field.
            const int data = 30 + uchar(bytes[26]) + uchar(bytes[28]) + 256 * uchar(bytes[29]);
            bytes[data + 3] = char(bytes[data + 3] ^ 0x55);
            kavrel.writeFile(u"in.zip"_s, bytes);
        } else if (kind == u"foreign")
            writeZip(zip, {{u"readme.txt"_s, "Hello"}});
        else if (kind == u"format")
            writeZip(zip, {{u"Kavrel.conf"_s, "[Export]\nFormat=Kavrel collection 9\n"}});
        else if (kind == u"dotdot")
            writeZip(zip,
                     {{u"Kavrel.conf"_s, ExportedStore}, {u"descriptions/../../x.txt"_s, "x"}});
        else if (kind == u"absolute")
            writeZip(zip, {{u"Kavrel.conf"_s, ExportedStore}, {u"/tmp/x.txt"_s, "x"}});
        else if (kind == u"link")
            writeZip(zip, {{u"Kavrel.conf"_s, ExportedStore},
                           {u"descriptions/0001/A.TXT"_s, "/etc/passwd", true}});

        kavrel.seedGames({game(u"/g/A.EXE"_s, u"A"_s)});
        const QByteArray before = kavrel.storeFileBytes();
        const Run refused = kavrelCommand({u"--import"_s, zip, kavrel.path(u"games"_s)});
        QCOMPARE(refused.status, 1);
        QVERIFY2(refused.err.startsWith(u"The file %1 cannot be imported: "_s.arg(zip)) &&
                     refused.err.contains(reason) &&
                     refused.err.endsWith(u". Nothing was changed.\n"_s),
                 qPrintable(refused.err));
        QCOMPARE(kavrel.storeFileBytes(), before);
        QVERIFY(backupsOf(kavrel).isEmpty());
        QVERIFY(!QFileInfo::exists(kavrel.path(u"data"_s)));
        QVERIFY(!QFileInfo::exists(u"/tmp/x.txt"_s) || kind != u"absolute");

        // The good zip itself is taken.
        QCOMPARE(kavrelCommand({u"--import"_s, good, kavrel.path(u"games"_s)}).status, 0);
    }

    // The writing verbs wait for the window to close; export only reads and runs beside it.
    void writingVerbsRefuseWhileTheWindowIsOpen() {
        KavrelFixture kavrel;
        useFoldersOf(kavrel);
        kavrel.seedGames({game(u"/g/A.EXE"_s, u"A"_s)});
        const QString zip = kavrel.path(u"shelf.zip"_s);
        SingleInstance window(SettingsStore::userStoreLocation());
        QVERIFY(window.claim() == SingleInstance::Claim::Holding);
        QCOMPARE(kavrelCommand({u"--export"_s, zip}).status, 0);
        const QByteArray before = kavrel.storeFileBytes();
        for (const QStringList& verb :
             {QStringList{u"--import"_s, zip, u"/g"_s}, {u"--move-games"_s, u"/g"_s, u"/h"_s}}) {
            const Run refused = kavrelCommand(verb);
            QCOMPARE(refused.status, 1);
            QCOMPARE(refused.err, u"Kavrel is open on this collection. Close its window and try "
                                  u"again; nothing was changed.\n"_s);
        }
        QCOMPARE(kavrel.storeFileBytes(), before);
        QVERIFY(backupsOf(kavrel).isEmpty());
        QCOMPARE(kavrelCommand({u"--move-games"_s, u"/g"_s}).status, 1);
    }
};

QTEST_MAIN(CollectionTest)
#include "tst_collection.moc"
