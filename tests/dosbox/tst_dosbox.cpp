// Each DOS game's own DOSBox: the command DOSBox gets for every combination of a game's settings
// and the DOSBox found, the settings dialog and where its answer is kept, the settings moving
// with their game when the collection is renumbered and going with it when it is removed, the
// command line's --setup, and one game run end to end in the real DOSBox.
#include "KavrelFixture.h"
#include "launch/CommandLine.h"
#include "platform/ProcessStarter.h"
#include "platform/ValueConversion.h"
#include "store/StoreLayout.h"
#include "window/DosBoxSettingsDialog.h"

#include <QMenu>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>

// A game's settings, Play or Run setup, with DOSBox Staging or 0.74, with Auto-exit on or off;
// what follows DOSBox on its command line and the folder it runs in, or why nothing starts.
struct Row {
    GameEntry game;
    bool setup = false;
    bool staging = false;
    bool autoExit = true;
    QStringList arguments;
    QString folder;
    QString why;
};
Q_DECLARE_METATYPE(Row)

// Each command behind its "-c".
static QStringList commands(const QStringList& lines) {
    QStringList arguments;
    for (const QString& line : lines)
        arguments << u"-c"_s << line;
    return arguments;
}

class DosBoxTest : public QObject {
    Q_OBJECT

    // The games' files, with blanks and letters beyond ASCII in every path.
    KavrelFixture shelf;
    const QString classic =
        shelf.writeFile(u"dosbox ä/dosbox"_s, "#!/bin/sh\necho 'DOSBox version 0.74-3'\n", true);
    const QString staging = shelf.writeFile(
        u"staging ö/dos box"_s, "#!/bin/sh\necho 'dosbox-staging, version 0.82.0'\n", true);
    const QString folder = shelf.path(u"spiele ü/KEEN é"_s);
    const QString keen = shelf.writeFile(u"spiele ü/KEEN é/KEEN.EXE"_s, "MZ");
    const QString batch = shelf.writeFile(u"spiele ü/KEEN é/GO.BAT"_s, "@echo off\r\n");
    const QString setup = shelf.writeFile(u"spiele ü/KEEN é/SETUP.EXE"_s, "MZ");
    const QString disc = shelf.writeFile(u"bilder é/disc one.iso"_s, "CD001");
    const QString floppy = shelf.writeFile(u"bilder é/disk ä.IMA"_s, "\xEB\x3C");
    const QString own = shelf.writeFile(u"mine ß/Keen.conf"_s, "[cpu]\ncycles=20000\n");
    // As archives of ready-made games write them: Windows line ends, a comment, several mounts,
    // relative paths, a batch file called, and exit.
    const QString archive =
        shelf.writeFile(u"archiv ö/keen game.conf"_s,
                        "[cpu]\r\ncycles=8000\r\n\r\n[autoexec]\r\n# Lines run at startup.\r\n"
                        "@echo off\r\nmount c \".\\KEEN\"\r\nimgmount e \"cd\\keen.cue\" -t iso\r\n"
                        "mount f ..\\shared\r\nc:\r\ncd \\KEEN\r\ncall GO.BAT\r\nexit\r\n");
    const QString gone = shelf.path(u"weg/gone.conf"_s);

private Q_SLOTS:
    void eachCombinationGetsItsOwnCommand_data() {
        QTest::addColumn<Row>("row");
        const QString mountC = u"mount c \"%1\""_s.arg(folder);
        const QString mountCd = u"imgmount d \"%1\" -t iso"_s.arg(disc);
        const QStringList runKeen{mountC, u"c:"_s, u"KEEN.EXE"_s};
        const QStringList adopted{u"@echo off"_s,
                                  u"mount c \".\\KEEN\""_s,
                                  u"imgmount e \"cd\\keen.cue\" -t iso"_s,
                                  u"mount f ..\\shared"_s,
                                  u"c:"_s,
                                  u"cd \\KEEN"_s,
                                  u"call GO.BAT"_s};
        const QString archiveFolder = QFileInfo(archive).path();
        const QStringList classicConf{u"-userconf"_s, u"-conf"_s, own};
        const auto row = [](const char* name, const Row& row) {
            QTest::newRow(name) << row;
        };
        const GameEntry game{.GPath = keen, .GTitle = u"Keen"_s};
        const auto with = [&](GameEntry changed) {
            changed.GPath = changed.GPath.isEmpty() ? keen : changed.GPath;
            changed.GTitle = u"Keen"_s;
            return changed;
        };

        // Without settings of its own a game starts as it always has.
        row("none", {game, false, false, true, {keen, u"-exit"_s}});
        row("stays open", {with({.GExit = false}), false, false, true, commands(runKeen)});
        row("always closes", {with({.GExit = true}), false, true, false,
                              commands(runKeen + QStringList{u"exit"_s})});
        row("CD", {with({.GImage = disc}), false, false, true,
                   commands(QStringList{mountCd} + runKeen + QStringList{u"exit"_s})});
        row("floppy",
            {with({.GImage = floppy}), false, true, false,
             commands(QStringList{u"imgmount a \"%1\" -t floppy"_s.arg(floppy)} + runKeen)});
        row("batch file", {with({.GPath = batch, .GExit = true}), false, false, false,
                           commands({mountC, u"c:"_s, u"call GO.BAT"_s, u"exit"_s})});
        row("configuration, 0.74",
            {with({.GConf = own}), false, false, false, classicConf + commands(runKeen)});
        row("configuration, Staging",
            {with({.GConf = own, .GImage = disc}), false, true, true,
             QStringList{u"-conf"_s, own, u"-nolocalconf"_s} +
                 commands(QStringList{mountCd} + runKeen + QStringList{u"exit"_s})});
        // An [autoexec] that starts the game is used as it stands, in its own folder.
        row("adopted, stays open",
            {with({.GConf = archive, .GImage = disc, .GExit = false}), false, false, true,
             QStringList{u"-userconf"_s, u"-conf"_s, archive, u"-noautoexec"_s} +
                 commands(QStringList{mountCd} + adopted),
             archiveFolder});
        row("adopted, Staging closes",
            {with({.GConf = archive}), false, true, true,
             QStringList{u"-conf"_s, archive, u"-nolocalconf"_s, u"-noautoexec"_s} +
                 commands(adopted + QStringList{u"exit"_s}),
             archiveFolder});
        // The setup program runs in the game's folder, without the [autoexec], never closing.
        row("setup", {with({.GSetup = setup, .GExit = true}), true, false, true,
                      commands({mountC, u"c:"_s, u"SETUP.EXE"_s})});
        row("setup, adopted",
            {with({.GConf = archive, .GImage = disc, .GSetup = setup}), true, true, true,
             QStringList{u"-conf"_s, archive, u"-nolocalconf"_s, u"-noautoexec"_s} +
                 commands({mountCd, mountC, u"c:"_s, u"SETUP.EXE"_s})});
        // Nothing starts without every file; the box's second line names the one missing.
        row("no setup program", {game, true, false, true, {}, {}, u"has no setup program"_s});
        row("setup gone", {with({.GSetup = gone}),
                           true,
                           false,
                           true,
                           {},
                           {},
                           u"The setup program %1 does not exist."_s.arg(gone)});
        row("configuration gone", {with({.GConf = gone}),
                                   false,
                                   false,
                                   true,
                                   {},
                                   {},
                                   u"The DOSBox configuration %1 does not exist."_s.arg(gone)});
        row("image gone", {with({.GImage = gone}),
                           false,
                           true,
                           true,
                           {},
                           {},
                           u"The disc image %1 does not exist."_s.arg(gone)});
        // DOSBox 0.74 drops "-c" commands beyond eleven without a word.
        const QString longConf = shelf.writeFile(
            u"archiv ö/long.conf"_s, "[autoexec]\n" + QByteArray("rem\n").repeated(10) + "GO\n");
        row("too long for 0.74", {with({.GConf = longConf, .GImage = disc}),
                                  false,
                                  false,
                                  true,
                                  {},
                                  {},
                                  u"has more lines than DOSBox 0.74 takes"_s});
    }

    void eachCombinationGetsItsOwnCommand() {
        QFETCH(Row, row);
        KavrelFixture kavrel;
        const QString dosBox = row.staging ? staging : classic;
        kavrel.seed(u"Location"_s, u"DosBox"_s, dosBox);
        kavrel.seed(u"Options"_s, u"GExit"_s, booleanText(row.autoExit));
        kavrel.seedGames({row.game});
        const QByteArray store = kavrel.storeFileBytes();
        kavrel.start();
        if (!row.why.isEmpty())
            kavrel.dialogs.acknowledge();
        kavrel.action(row.setup ? u"mnuRunSetup"_s : u"MnuBestandOpen"_s)->trigger();
        const ProgramStart start{dosBox, row.arguments, row.folder, WindowStyle::Minimized};
        QCOMPARE(kavrel.starter.starts, row.why.isEmpty() ? QList{start} : QList<ProgramStart>());
        const QString program = row.setup && !row.game.GSetup.isEmpty() ? row.game.GSetup : keen;
        const QString box =
            kavrel.dialogs.shown().isEmpty() ? QString() : kavrel.dialogs.last().prompt;
        QVERIFY2(row.why.isEmpty() ? box.isEmpty()
                                   : box.startsWith(u"Could not execute "_s + program + u'\n') &&
                                         box.contains(row.why),
                 qPrintable(box));
        VERIFY_DIALOGS(kavrel.dialogs);
        QCOMPARE(kavrel.storeFileBytes(), store);
    }

    void settingsAreKeptWithTheirGameAndGoWithIt() {
        KavrelFixture kavrel;
        const QString ownFolder = kavrel.path(u"config/Kavrel/dosbox"_s);
        // Game0003 lies beyond the count, with settings of a game no longer there.
        kavrel.seedGames({{.GPath = keen, .GTitle = u"Keen"_s},
                          {.GPath = keen, .GTitle = u"Win game"_s, .GType = false},
                          {.GPath = keen,
                           .GTitle = u"Old"_s,
                           .GConf = archive,
                           .GImage = disc,
                           .GSetup = setup,
                           .GExit = true}});
        kavrel.seed(u"Games"_s, u"Count"_s, u"2"_s);
        kavrel.start();
        const auto commandsOn = [&] {
            Q_EMIT kavrel.find<QMenu>(u"mnuGame"_s)->aboutToShow();
            return enabledOf(kavrel, {u"mnuDosBoxSettings"_s, u"mnuRunSetup"_s});
        };
        // The Windows game has no DOSBox settings; the DOS game has no setup program yet.
        kavrel.list()->setListIndex(1);
        QCOMPARE(commandsOn(), QStringList());
        kavrel.list()->setListIndex(0);
        QCOMPARE(commandsOn(), QStringList{u"mnuDosBoxSettings"_s});

        // The dialog shows what the game has; Cancel changes nothing.
        QAction* settings = kavrel.action(u"mnuDosBoxSettings"_s);
        const QString version = fileVersion(kavrel.storePath());
        kavrel.dialogs.answerDosBoxSettings(std::nullopt);
        settings->trigger();
        DosBoxSettingsForm shown{.title = u"Keen"_s, .gameFolder = folder, .autoExit = true};
        QCOMPARE(kavrel.dialogs.last().form, shown);
        QCOMPARE(fileVersion(kavrel.storePath()), version);

        // Typed settings go into a file of Kavrel's own, named after the title; OK stores all.
        DosBoxSettingsForm typed = shown;
        typed.source = DosBoxSettingsForm::Source::Typed;
        typed.typed = u"[sblaster]\nirq=5"_s;
        typed.image = disc;
        typed.setup = setup;
        typed.exit = false;
        kavrel.dialogs.answerDosBoxSettings(typed);
        settings->trigger();
        const QString ownFile = ownFolder + u"/Keen.conf"_s;
        QCOMPARE(fileBytes(ownFile), "[sblaster]\nirq=5\n"_ba);
        GameEntry keenGame{.GPath = keen,
                           .GTitle = u"Keen"_s,
                           .GConf = ownFile,
                           .GImage = disc,
                           .GSetup = setup,
                           .GExit = false};
        QCOMPARE(kavrel.storedGame(1), keenGame);
        QCOMPARE(commandsOn(), (QStringList{u"mnuDosBoxSettings"_s, u"mnuRunSetup"_s}));
        // Shown again as typed; typed again, the same file is rewritten.
        typed.typed = u"[sblaster]\nirq=5\n"_s;
        kavrel.dialogs.answerDosBoxSettings(typed);
        settings->trigger();
        QCOMPARE(kavrel.dialogs.last().form, typed);
        QCOMPARE(QDir(ownFolder).entryList(QDir::Files), QStringList{u"Keen.conf"_s});

        // Renumbered by an addition before it and a new title after the other: the keys move
        // with the game, the number the game left has none, and the new game at the stale
        // number 3 gets none of the old game's.
        addGame(kavrel, batch, {u"Alpha"_s});
        QCOMPARE(storedGames(kavrel, 3),
                 (QList<GameEntry>{{.GPath = batch, .GTitle = u"Alpha"_s},
                                   keenGame,
                                   {.GPath = keen, .GTitle = u"Win game"_s, .GType = false}}));
        kavrel.list()->setListIndex(0);
        kavrel.dialogs.type(u"Zulu"_s);
        kavrel.action(u"MnuBewerkenTitel"_s)->trigger();
        QCOMPARE(storedGames(kavrel, 3).value(0), keenGame);
        QCOMPARE(kavrel.onDisk(GameKey(2), u"GSetup"_s), std::nullopt);
        QCOMPARE(tableOf(kavrel.window()), storedGames(kavrel, 3));

        // A configuration that came with a game is only named, never touched; the own file goes
        // once no game names it.
        DosBoxSettingsForm chosen = typed;
        chosen.source = DosBoxSettingsForm::Source::File;
        chosen.file = archive;
        kavrel.list()->setListIndex(0);
        kavrel.dialogs.answerDosBoxSettings(chosen);
        settings->trigger();
        QVERIFY(!QFileInfo::exists(ownFile));
        QCOMPARE(kavrel.storedGame(1).GConf, archive);
        const QByteArray archived = fileBytes(archive);
        kavrel.action(u"MnuBestandVerwijderen"_s)->trigger();
        QCOMPARE(fileBytes(archive), archived);
        // Removed, the game's settings go with it.
        for (const QString& key : {u"GConf"_s, u"GImage"_s, u"GSetup"_s, u"GExit"_s})
            QCOMPARE(kavrel.onDisk(GameKey(1), key), std::nullopt);
        VERIFY_DIALOGS(kavrel.dialogs);

        // Typed settings of a removed game go with it, their file too.
        kavrel.list()->setListIndex(1);
        kavrel.dialogs.answerDosBoxSettings(typed);
        settings->trigger();
        QCOMPARE(QDir(ownFolder).entryList(QDir::Files), QStringList{u"Zulu.conf"_s});
        kavrel.action(u"MnuBestandVerwijderen"_s)->trigger();
        QCOMPARE(QDir(ownFolder).entryList(QDir::Files), QStringList());
        VERIFY_DIALOGS(kavrel.dialogs);
    }

    void setupFromTheCommandLine() {
        KavrelFixture kavrel;
        kavrel.seed(u"Location"_s, u"DosBox"_s, classic);
        kavrel.seedGames({{.GPath = keen, .GTitle = u"Keen é"_s, .GSetup = setup, .GExit = true},
                          {.GPath = keen, .GTitle = u"Plain"_s}});
        const QByteArray store = kavrel.storeFileBytes();
        // The verb and title, the status, what it says, and what names the program past the mount.
        const std::tuple<QString, QString, int, QString, QStringList> verbs[] = {
            {u"--setup"_s, u"Keen é"_s, 0, {}, {u"-c"_s, u"SETUP.EXE"_s}},
            {u"--play"_s, u"Keen é"_s, 0, {}, {u"-c"_s, u"KEEN.EXE"_s, u"-c"_s, u"exit"_s}},
            {u"--setup"_s,
             u"Plain"_s,
             1,
             u"Could not execute %1\nThe game has no setup"_s.arg(keen),
             {}},
            {u"--setup"_s, u"keen é"_s, 1, u"no game titled \"keen é\""_s, {}}};
        for (const auto& [verb, title, status, said, named] : verbs) {
            kavrel.starter.starts.clear();
            QString out, err;
            QTextStream outStream(&out), errStream(&err);
            const std::optional<int> result =
                runCommandLine({u"kavrel"_s, verb, title},
                               {[&] { return SettingsStore::openIniFile(kavrel.storePath()); },
                                kavrel.starter, outStream, errStream});
            QCOMPARE(result, std::optional(status));
            QVERIFY2(err.contains(said), qPrintable(err));
            const QList<ProgramStart>& starts = kavrel.starter.starts;
            QCOMPARE(starts.isEmpty() ? QStringList() : starts[0].arguments.mid(4), named);
            QVERIFY(starts.isEmpty() || starts[0].program == classic);
        }
        QCOMPARE(kavrel.storeFileBytes(), store);
    }

    // The dialog gives back what it shows, and says when a configuration starts the game itself.
    void theDialogGivesBackWhatItShows() {
        using Source = DosBoxSettingsForm::Source;
        const DosBoxSettingsForm forms[] = {
            {.title = u"Keen"_s, .autoExit = false},
            {.source = Source::File, .file = archive, .image = disc, .exit = false},
            {.source = Source::File, .file = own, .setup = setup, .exit = true},
            {.source = Source::Typed, .typed = u"[cpu]\ncycles=3000\n"_s, .image = floppy}};
        for (int k = 0; const DosBoxSettingsForm& form : forms) {
            DosBoxSettingsDialog dialog(form);
            QCOMPARE(dialog.answer(), form);
            QCOMPARE(dialog.findChild<QWidget*>(u"adoptedNote"_s)->isVisibleTo(&dialog), k++ == 1);
        }
    }

    // The real DOSBox: a batch file copies a file from its CD image to C: and writes down the
    // Sound Blaster settings it sees, which its own settings (IRQ 5) and the user's (DMA 3) make;
    // DOSBox closes by itself. It gives up after half a minute, so that nothing outlives the test.
    void aGameRunsInTheRealDosBox() {
        if (!QFileInfo::exists(u"/usr/bin/dosbox"_s) ||
            QStandardPaths::findExecutable(u"genisoimage"_s).isEmpty())
            QSKIP("needs dosbox and genisoimage");
        KavrelFixture kavrel;
        const QString home = kavrel.path(u"home"_s);
        kavrel.writeFile(u"home/.dosbox/dosbox-0.74-3.conf"_s, "[sblaster]\ndma=3\n");
        const QString dosBox =
            kavrel.writeFile(u"dos box ä/run dosbox"_s,
                             "#!/bin/sh\nexport HOME='" + QFile::encodeName(home) +
                                 "' SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy\n"
                                 "[ \"$1\" = -version ] && exec /usr/bin/dosbox -version\n"
                                 "/usr/bin/timeout -s KILL 30 /usr/bin/dosbox \"$@\" && echo "
                                 "closed >\"$0.closed\"\n",
                             true);
        kavrel.writeFile(u"cd src/DATA.TXT"_s, "from the disc\r\n");
        const QString image = kavrel.path(u"bilder é/disc ü.iso"_s);
        QDir().mkpath(QFileInfo(image).path());
        QCOMPARE(QProcess::execute(u"genisoimage"_s,
                                   {u"-quiet"_s, u"-o"_s, image, kavrel.path(u"cd src"_s)}),
                 0);
        const QString game = kavrel.writeFile(
            u"spiele ü/RUN é/RUN.BAT"_s,
            "@echo off\r\ncopy D:\\DATA.TXT C:\\COPIED.TXT\r\necho %BLASTER%> C:\\BLASTER.TXT\r\n");
        kavrel.seed(u"Location"_s, u"DosBox"_s, dosBox);
        kavrel.seed(u"Options"_s, u"GExit"_s, u"False"_s);
        kavrel.seedGames({{.GPath = game, .GTitle = u"Run"_s}});
        ProcessStarter desktop;
        kavrel.starter.passTo = &desktop;
        kavrel.start();
        DosBoxSettingsForm answer{.title = u"Run"_s,
                                  .gameFolder = QFileInfo(game).path(),
                                  .autoExit = false,
                                  .source = DosBoxSettingsForm::Source::Typed,
                                  .typed = u"[sblaster]\nirq=5\n"_s,
                                  .image = image,
                                  .exit = true};
        const QString gameFolder = QFileInfo(game).path();
        // Then with a configuration as archives ship it, whose [autoexec] mounts its own folder
        // and calls the game without closing DOSBox: the image comes before it, the exit after.
        const QString archive = kavrel.writeFile(
            u"spiele ü/RUN é/run game.conf"_s,
            "[sblaster]\r\nirq=7\r\n[autoexec]\r\n# ready to play\r\nmount c .\r\nc:\r\n"
            "call RUN.BAT\r\n");
        for (const auto& [source, blaster] :
             {std::pair{DosBoxSettingsForm::Source::Typed, "A220 I5 D3 H5 T6"_ba},
              std::pair{DosBoxSettingsForm::Source::File, "A220 I7 D3 H5 T6"_ba}}) {
            for (const QString& file : {gameFolder + u"/COPIED.TXT"_s,
                                        gameFolder + u"/BLASTER.TXT"_s, dosBox + u".closed"_s})
                QFile::remove(file);
            answer.source = source;
            answer.file = archive;
            kavrel.dialogs.answerDosBoxSettings(answer);
            kavrel.action(u"mnuDosBoxSettings"_s)->trigger();
            kavrel.action(u"MnuBestandOpen"_s)->trigger();
            QTRY_COMPARE_WITH_TIMEOUT(fileBytes(dosBox + u".closed"_s), "closed\n"_ba, 40000);
            QCOMPARE(fileBytes(gameFolder + u"/COPIED.TXT"_s), "from the disc\r\n"_ba);
            QCOMPARE(fileBytes(gameFolder + u"/BLASTER.TXT"_s).trimmed(), blaster);
        }
        VERIFY_DIALOGS(kavrel.dialogs);
    }
};

QTEST_MAIN(DosBoxTest)
#include "tst_dosbox.moc"
