// A shelf of games: the folder scan's proposals on a generated shelf, Add folder through the
// window (its dialogs, what is left out, the one write), drops on the window's controls, Find,
// and kavrel --add-folder.
#include "KavrelFixture.h"
#include "launch/CommandLine.h"
#include "launch/SingleInstance.h"
#include "shelf/AddFolderDialog.h"
#include "shelf/FindDialog.h"
#include "shelf/FolderScan.h"
#include "shelf/ProgramChoice.h"
#include "shelf/ShelfAdditions.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QPushButton>
#include <QTableWidget>
#include <QTextStream>
#include <QtEndian>

namespace {

// A DOS program: its header points at no newer one.
QByteArray dosProgram() {
    return "MZ" + QByteArray(0x40, '\0') + "code";
}
// A program whose DOS header points at a newer header with this signature: "NE" and "PE" are
// Windows programs, "LE" a DOS extender's.
QByteArray programWithHeader(const QByteArray& signature) {
    QByteArray bytes = "MZ" + QByteArray(0x7E, '\0');
    qToLittleEndian<quint32>(0x80, bytes.data() + 0x3C);
    return bytes + signature + QByteArray(32, '\0');
}
// A DOS program whose bytes where a newer header's offset would be point beyond the file.
QByteArray dosProgramPointingAway() {
    QByteArray bytes = dosProgram();
    qToLittleEndian<quint32>(0x7FFF0000, bytes.data() + 0x3C);
    return bytes;
}
// In a list of keys: a double click on the result that is current.
constexpr int DoubleClick = 0;

const QByteArray NoText("\0\0\x01\x02 not a text", 16);

// A line a proposal can be compared by: program, type, title, screenshot, description (names).
QString summary(const GameProposal& game) {
    const auto name = [](const QString& path) {
        return QFileInfo(path).fileName();
    };
    return QStringList{name(game.program), typeName(game.dos), game.title, name(game.screenshot),
                       name(game.description)}
        .join(u" | "_s);
}

QStringList titlesOf(const QList<GameProposal>& games) {
    QStringList titles;
    for (const GameProposal& game : games)
        titles.append(game.title);
    return titles;
}

} // namespace

class ShelfTest : public QObject {
    Q_OBJECT

    // The shelf every test looks at: games as they ship, with installers, pictures and texts.
    KavrelFixture files;
    QString shelf = files.path(u"shelf"_s);

    QString at(const QString& name) const { return shelf + u'/' + name; }

    void program(const QString& name, const QByteArray& bytes) {
        files.writeFile(u"shelf/"_s + name, bytes);
    }
    void aged(const QString& file, int hoursAgo) {
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadWrite) &&
                f.setFileTime(QDateTime::currentDateTime().addSecs(-3600 * hoursAgo),
                              QFileDevice::FileModificationTime));
    }

    // The real window's collection: KEEN4's title is in use, Digger's program is in it.
    void seedCollection(KavrelFixture& kavrel) {
        kavrel.seedGames({{at(u"dos/action/digger/digger.com"_s), {}, {}, u"Digger"_s},
                          {kavrel.writeFile(u"k.exe"_s, dosProgram()), {}, {}, u"KEEN4"_s}},
                         0);
    }

    // The titles and the chosen list entry a QDropEvent leaves.
    bool drop(KavrelFixture& kavrel, const QList<QUrl>& urls, const QString& control) {
        QWidget* target = kavrel.find(control);
        if (auto* box = qobject_cast<QAbstractScrollArea*>(target))
            target = box->viewport();
        QMimeData mime;
        mime.setUrls(urls);
        const QPoint centre = target->rect().center();
        QDragEnterEvent enter(centre, Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(target, &enter);
        QDropEvent dropped(centre, Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(target, &dropped);
        // What the drop does runs once the drop has ended.
        QCoreApplication::processEvents();
        return enter.isAccepted() && dropped.isAccepted();
    }

private Q_SLOTS:
    void initTestCase() {
        program(u"GO.BAT"_s, "@echo off\r\nmenu\r\n");
        program(u"KEEN4/KEEN4E.EXE"_s, dosProgram());
        program(u"KEEN4/INSTALL.EXE"_s, dosProgram());
        program(u"KEEN4/CONFIG.EXE"_s, dosProgram());
        program(u"KEEN4/UTIL/EDIT.EXE"_s, dosProgram());
        files.writeFile(u"shelf/KEEN4/FILE_ID.DIZ"_s, "Keen 4\r\n");
        files.writeFile(u"shelf/KEEN4/README"_s, "Read me first.\r\n\x1A");
        program(u"Wolfenstein 3D/WOLF3D.EXE"_s, dosProgramPointingAway());
        program(u"Wolfenstein 3D/UNINST.EXE"_s, dosProgram());
        program(u"Wolfenstein 3D/SOUNDSET.EXE"_s, dosProgram());
        files.writeFile(u"shelf/Wolfenstein 3D/VENDOR.NFO"_s, "Shareware.");
        files.writeFile(u"shelf/Wolfenstein 3D/ORDER.TXT"_s, "Order the full game.");
        const struct {
            QString name;
            int hoursAgo;
        } pictures[] = {{u"Wolfenstein 3D/cover.bmp"_s, 3},
                        {u"Wolfenstein 3D/CAPTURE/wolf3d_000.png"_s, 2},
                        {u"Wolfenstein 3D/CAPTURE/wolf3d_001.png"_s, 1},
                        {u"win/Civilization/shot.jpg"_s, 5}};
        for (const auto& picture : pictures)
            aged(files.writePicture(u"shelf/"_s + picture.name, QSize(8, 8), Qt::blue,
                                    picture.name.endsWith(u"png"_s)   ? "PNG"
                                    : picture.name.endsWith(u"jpg"_s) ? "JPEG"
                                                                      : "BMP"),
                 picture.hoursAgo);
        aged(files.writeFile(u"shelf/win/Civilization/civ.gif"_s, "no picture"), 1);
        program(u"win/Civilization/CIV.EXE"_s, programWithHeader("NE\x05\x0A"));
        program(u"win/Civilization/SETUP.EXE"_s, dosProgram());
        files.writeFile(u"shelf/win/Civilization/README.TXT"_s, NoText);
        files.writeFile(u"shelf/win/Civilization/intro.txt"_s, "Build an empire.");
        program(u"win/Doom/DOOM95.EXE"_s, programWithHeader(QByteArray("PE\0\0", 4)));
        files.writeFile(u"shelf/win/Doom/readme.txt"_s, "Doom 95.");
        program(u"dos/Doom/DOOM.EXE"_s, programWithHeader("LE\0\0"));
        program(u"dos/action/digger/digger.com"_s, "\xB4\x4C\xCD\x21");
        program(u"dos/action/digger/Go.Bat"_s, "digger\r\n");
        program(u"dos/action/1991/KEEN1/KEEN1.EXE"_s, dosProgram());
        program(u"Installers only/SETUP.EXE"_s, dosProgram());
        program(u"Installers only/INSTALL.BAT"_s, "copy *.* c:\\game\r\n");
        program(u"PEWIN/PEWIN.EXE"_s, dosProgram());
        files.writeFile(u"shelf/docs/readme.txt"_s, "No game here.");
        files.writePicture(u"shelf/docs/pic.png"_s, QSize(4, 4), Qt::red, "PNG");
    }

    void scanProposesEachGameOfTheShelf_data() {
        QTest::addColumn<QString>("folder");
        // Program | type | title | screenshot | description; empty: no game there.
        QTest::addColumn<QString>("proposal");
        // The folder given is a game of its own and still holds games.
        QTest::newRow("shelf itself") << u""_s << u"GO.BAT | DOS | shelf |  | "_s;
        // Installers and helpers are passed over; README before FILE_ID.DIZ.
        QTest::newRow("helpers") << u"KEEN4"_s << u"KEEN4E.EXE | DOS | KEEN4 |  | README"_s;
        // The name closest to the folder's; the newest picture, in a captures folder too;
        // *.TXT before *.NFO; a DOS header's stray bytes are no Windows header.
        QTest::newRow("8.3 name") << u"Wolfenstein 3D"_s
                                  << u"WOLF3D.EXE | DOS | Wolfenstein 3D | wolf3d_001.png | "
                                     u"ORDER.TXT"_s;
        // A 16-bit Windows header; a newer picture that is none and a text that is none are
        // passed over for the next.
        QTest::newRow("NE header") << u"win/Civilization"_s
                                   << u"CIV.EXE | Windows | Civilization | shot.jpg | intro.txt"_s;
        QTest::newRow("PE header")
            << u"win/Doom"_s << u"DOOM95.EXE | Windows | Doom |  | readme.txt"_s;
        QTest::newRow("DOS extender") << u"dos/Doom"_s << u"DOOM.EXE | DOS | Doom |  | "_s;
        QTest::newRow("small letters")
            << u"dos/action/digger"_s << u"digger.com | DOS | digger |  | "_s;
        QTest::newRow("only helpers")
            << u"Installers only"_s << u"INSTALL.BAT | DOS | Installers only |  | "_s;
        QTest::newRow("name says PE") << u"PEWIN"_s << u"PEWIN.EXE | DOS | PEWIN |  | "_s;
        // No game below a game, none deeper than three folders, none without programs.
        QTest::newRow("below a game") << u"KEEN4/UTIL"_s << QString();
        QTest::newRow("too deep") << u"dos/action/1991/KEEN1"_s << QString();
        QTest::newRow("no programs") << u"docs"_s << QString();
    }
    void scanProposesEachGameOfTheShelf() {
        QFETCH(QString, folder);
        QFETCH(QString, proposal);
        const QString wanted = QDir::toNativeSeparators(folder.isEmpty() ? shelf : at(folder));
        QStringList found;
        for (const GameProposal& game : FolderScan().scan({shelf}))
            if (game.folder == wanted)
                found.append(summary(game));
        QCOMPARE(found, proposal.isEmpty() ? QStringList() : QStringList{proposal});
    }

    void choosesTheProgramThatStartsTheGame_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QStringList>("programs");
        QTest::addColumn<QString>("chosen");
        // Equally close: .exe before .com before .bat, then by name.
        QTest::newRow("extension")
            << u"Prince of Persia"_s
            << QStringList{u"PRINCE.BAT"_s, u"PRINCE.COM"_s, u"PRINCE.EXE"_s} << u"PRINCE.EXE"_s;
        QTest::newRow("by name") << u"Xyz"_s << QStringList{u"B.BAT"_s, u"A.BAT"_s} << u"A.BAT"_s;
        // The closest name wins over the kind of program.
        QTest::newRow("closest") << u"Lemmings"_s
                                 << QStringList{u"VGALEMMI.EXE"_s, u"LEMMINGS.BAT"_s}
                                 << u"LEMMINGS.BAT"_s;
        QTest::newRow("8.3 name") << u"SimCity 2000"_s << QStringList{u"SC2000.EXE"_s, u"SC.EXE"_s}
                                  << u"SC2000.EXE"_s;
        // Helpers by their names' ends and beginnings, however close, unless nothing else is.
        QTest::newRow("helper suffix")
            << u"Dreams"_s << QStringList{u"DREAMSETUP.EXE"_s, u"KD.EXE"_s} << u"KD.EXE"_s;
        QTest::newRow("helper prefix")
            << u"Sound Blaster"_s << QStringList{u"SOUNDBLA.EXE"_s, u"SB.COM"_s} << u"SB.COM"_s;
        QTest::newRow("only helpers")
            << u"Xyz"_s << QStringList{u"SOUNDSET.EXE"_s, u"SETUP.EXE"_s} << u"SETUP.EXE"_s;
        QTest::newRow("none") << u"Xyz"_s << QStringList() << QString();
    }
    void choosesTheProgramThatStartsTheGame() {
        QFETCH(QString, folder);
        QFETCH(QStringList, programs);
        QFETCH(QString, chosen);
        QCOMPARE(ProgramChoice::choose(programs, folder), chosen);
    }

    void programsGivenOnTheirOwnAreKnownOnlyThemselves() {
        GameTable collection;
        collection.append({at(u"dos/action/digger/digger.com"_s), {}, {}, u"Digger"_s});
        const ShelfPlan plan =
            planShelf(collection, FolderScan().scan({at(u"dos/action/digger/Go.Bat"_s),
                                                     at(u"dos/action/digger/digger.com"_s)}));
        QCOMPARE(titlesOf(plan.toAdd), QStringList{u"Go"_s});
        QCOMPARE(titlesOf(plan.known), QStringList{u"digger"_s});
    }

    void addFolderAddsTheAcceptedGamesInOneCommand() {
        KavrelFixture kavrel;
        seedCollection(kavrel);
        kavrel.seed(u"Location"_s, u"DosGames"_s, files.path(u"games"_s));
        Hoofdscherm& window = kavrel.start();
        kavrel.dialogs.chooseFolder(shelf);
        // The user leaves one game out and gives another a title in use.
        kavrel.dialogs.acceptGames(
            [](QList<GameProposal>& games) {
                games.removeIf(
                    [](const GameProposal& g) { return g.title == u"Installers only"_s; });
                for (GameProposal& game : games)
                    if (game.title == u"Wolfenstein 3D"_s)
                        game.title = u"Digger"_s;
            },
            storeUnchanged(kavrel));
        kavrel.action(u"mnuAddFolder"_s)->trigger();
        VERIFY_DIALOGS(kavrel.dialogs);

        QCOMPARE(kavrel.dialogs.shown()[0].request.initDir, files.path(u"games"_s));
        // Proposed in the order of their folders; Digger's folder is left out and counted; a
        // title in use or given before gets a number.
        const ScriptedDialogs::Shown& proposals = kavrel.dialogs.last();
        QCOMPARE(titlesOf(proposals.proposals),
                 (QStringList{u"shelf"_s, u"Doom"_s, u"Installers only"_s, u"KEEN4 (2)"_s,
                              u"PEWIN"_s, u"Civilization"_s, u"Doom (2)"_s, u"Wolfenstein 3D"_s}));
        QCOMPARE(proposals.leftOut, 1);
        // In title order with the rest; the first added in that order is shown.
        const QStringList titles{u"Civilization"_s, u"Digger"_s,   u"Digger (2)"_s,
                                 u"Doom"_s,         u"Doom (2)"_s, u"KEEN4"_s,
                                 u"KEEN4 (2)"_s,    u"PEWIN"_s,    u"shelf"_s};
        QCOMPARE(kavrel.listEntries(), titles);
        QCOMPARE(window.windowTitle(), u"Kavrel (Game 1 of 9)"_s);
        QCOMPARE(kavrel.find<DescriptionBox>(u"RTB1"_s)->toPlainText(), u"Build an empire."_s);
        QCOMPARE(window.games()[1],
                 (GameEntry{at(u"win/Civilization/CIV.EXE"_s), at(u"win/Civilization/shot.jpg"_s),
                            at(u"win/Civilization/intro.txt"_s), u"Civilization"_s, false}));
        QCOMPARE(window.games()[3].GPath, at(u"Wolfenstein 3D/WOLF3D.EXE"_s));
        QCOMPARE(storedGames(kavrel, 9), tableOf(window));
        QCOMPARE(kavrel.onDisk(u"Games"_s, u"Count"_s), u"9"_s);
        QCOMPARE(kavrel.focused(), kavrel.find<QWidget>(u"Picture1"_s));
    }

    void addFolderChangesNothingUnlessGamesAreAccepted_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<int>("cancelAfterReports");
        QTest::addColumn<bool>("proposals");
        // The message shown; empty: none.
        QTest::addColumn<QString>("message");
        QTest::newRow("picker cancelled") << QString() << -1 << false << QString();
        QTest::newRow("search cancelled") << u"shelf"_s << 1 << false << QString();
        QTest::newRow("proposals cancelled") << u"shelf"_s << -1 << true << QString();
        QTest::newRow("no games") << u"shelf/docs"_s << -1 << false
                                  << u"Kavrel found no new games in %1."_s;
        QTest::newRow("only known games")
            << u"shelf/dos/action/digger"_s << -1 << false
            << u"Kavrel found no new games in %1. The one game it found is in the collection "
               u"already."_s;
    }
    void addFolderChangesNothingUnlessGamesAreAccepted() {
        QFETCH(QString, folder);
        QFETCH(int, cancelAfterReports);
        QFETCH(bool, proposals);
        QFETCH(QString, message);
        KavrelFixture kavrel;
        seedCollection(kavrel);
        kavrel.start();
        const QByteArray store = kavrel.storeFileBytes();
        const QString chosen = folder.isEmpty() ? QString() : files.path(folder);
        kavrel.dialogs.chooseFolder(chosen);
        kavrel.dialogs.cancelProgressAfter(cancelAfterReports);
        if (proposals)
            kavrel.dialogs.cancelGames();
        if (!message.isEmpty())
            kavrel.dialogs.acknowledge();
        kavrel.action(u"mnuAddFolder"_s)->trigger();
        VERIFY_DIALOGS(kavrel.dialogs);
        if (!message.isEmpty())
            QCOMPARE(kavrel.dialogs.last().prompt, message.arg(chosen));
        QCOMPARE(kavrel.listEntries(), (QStringList{u"Digger"_s, u"KEEN4"_s}));
        QCOMPARE(kavrel.storeFileBytes(), store);
    }

    void addFolderStopsAtTheLimitOfTheCollection() {
        KavrelFixture kavrel;
        QList<GameEntry> games(GameTable::MaxGames - 1);
        for (int n = 0; n < games.size(); ++n)
            games[n] = {u"/games/%1.exe"_s.arg(n), {}, {}, u"Game %1"_s.arg(n, 4, 10, QChar(u'0'))};
        kavrel.seedGames(games, 0);
        kavrel.start();
        kavrel.dialogs.chooseFolder(at(u"win"_s));
        kavrel.dialogs.acknowledge();
        kavrel.dialogs.acceptGames();
        kavrel.action(u"mnuAddFolder"_s)->trigger();
        VERIFY_DIALOGS(kavrel.dialogs);
        QCOMPARE(kavrel.dialogs.shown()[1].prompt,
                 u"Only 1 of the 2 new games found fit in the collection: Kavrel holds at most "
                 u"9999 games."_s);
        QCOMPARE(titlesOf(kavrel.dialogs.last().proposals), QStringList{u"Civilization"_s});
        QCOMPARE(kavrel.onDisk(u"Games"_s, u"Count"_s), u"9999"_s);
        // A full collection takes no more: the picker does not open.
        kavrel.dialogs.acknowledge();
        kavrel.action(u"mnuAddFolder"_s)->trigger();
        VERIFY_DIALOGS(kavrel.dialogs);
        QCOMPARE(kavrel.dialogs.last().kind, ScriptedDialogs::Kind::MsgBox);
    }

    void dropsOnTheControls_data() {
        QTest::addColumn<QStringList>("dropped");
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("empty");
        QTest::addColumn<bool>("taken");
        // The titles afterwards, and the first game's screenshot and description.
        QTest::addColumn<QString>("after");
        const QString keen = u"Digger|KEEN4"_s;
        QTest::newRow("program") << QStringList{u"KEEN4/KEEN4E.EXE"_s} << u"Lijst"_s << false
                                 << true << u"Digger|KEEN4|Keen|| "_s;
        QTest::newRow("program, empty")
            << QStringList{u"KEEN4/KEEN4E.EXE"_s} << u"Picture1"_s << true << true << u"Keen|| "_s;
        QTest::newRow("picture on screenshot")
            << QStringList{u"Wolfenstein 3D/cover.bmp"_s} << u"Picture1"_s << false << true
            << keen + u"|cover.bmp| "_s;
        QTest::newRow("text on description") << QStringList{u"win/Doom/readme.txt"_s} << u"RTB1"_s
                                             << false << true << keen + u"|| readme.txt"_s;
        QTest::newRow("folder") << QStringList{u"win"_s} << u"clientArea"_s << false << true
                                << keen + u"|| "_s;
        QTest::newRow("two programs") << QStringList{u"dos/Doom/DOOM.EXE"_s, u"PEWIN/PEWIN.EXE"_s}
                                      << u"RTB1"_s << false << true << keen + u"|| "_s;
        QTest::newRow("picture elsewhere") << QStringList{u"Wolfenstein 3D/cover.bmp"_s}
                                           << u"RTB1"_s << false << false << keen + u"|| "_s;
        QTest::newRow("no picture") << QStringList{u"win/Civilization/civ.gif"_s} << u"Picture1"_s
                                    << false << false << keen + u"|| "_s;
        QTest::newRow("no text") << QStringList{u"win/Civilization/README.TXT"_s} << u"RTB1"_s
                                 << false << false << keen + u"|| "_s;
        QTest::newRow("picture, empty") << QStringList{u"Wolfenstein 3D/cover.bmp"_s}
                                        << u"Picture1"_s << true << false << u"|| "_s;
        QTest::newRow("program and picture")
            << QStringList{u"PEWIN/PEWIN.EXE"_s, u"Wolfenstein 3D/cover.bmp"_s} << u"Picture1"_s
            << false << false << keen + u"|| "_s;
        QTest::newRow("web link") << QStringList{u"https://example.org/keen.exe"_s} << u"Lijst"_s
                                  << false << false << keen + u"|| "_s;
    }
    void dropsOnTheControls() {
        QFETCH(QStringList, dropped);
        QFETCH(QString, control);
        QFETCH(bool, empty);
        QFETCH(bool, taken);
        QFETCH(QString, after);
        KavrelFixture kavrel;
        if (!empty)
            kavrel.seedGames({{kavrel.writeFile(u"d.com"_s, "x"), {}, {}, u"Digger"_s},
                              {kavrel.writeFile(u"k.exe"_s, "x"), {}, {}, u"KEEN4"_s}},
                             0);
        Hoofdscherm& window = kavrel.start();
        QList<QUrl> urls;
        for (const QString& item : dropped)
            urls.append(item.startsWith(u"https:"_s) ? QUrl(item) : QUrl::fromLocalFile(at(item)));
        const bool adds = taken && dropped.size() == 1 && dropped[0].endsWith(u".EXE"_s);
        if (adds) {
            kavrel.dialogs.type(u"Keen"_s);
            kavrel.dialogs.cancelFile();
            kavrel.dialogs.cancelFile();
        } else if (taken && (dropped.size() > 1 || control == u"clientArea"_s)) {
            kavrel.dialogs.cancelGames();
        }
        QCOMPARE(drop(kavrel, urls, control), taken);
        VERIFY_DIALOGS(kavrel.dialogs);
        // A program added by a drop asks for its title as Add does, with the pickers in its
        // folder; several programs or a folder go to the proposals.
        if (adds)
            QCOMPARE(promptSeen(kavrel.dialogs.shown()[0]),
                     u"Title DOS Game: Please, fill in the title of this DOS Game [KEEN4E]"_s);
        if (adds)
            QCOMPARE(kavrel.dialogs.last().request.initDir, at(u"KEEN4"_s));
        if (!kavrel.dialogs.shown().isEmpty() &&
            kavrel.dialogs.last().kind == ScriptedDialogs::Kind::Games)
            QCOMPARE(kavrel.dialogs.last().proposals.size(), 2);
        const auto name = [](const QString& path) {
            return QFileInfo(path).fileName();
        };
        const GameEntry first = window.games().count() ? window.games()[1] : GameEntry{};
        QCOMPARE(kavrel.listEntries().join(u'|') + u'|' + name(first.GBmp) + u"| "_s +
                     name(first.GText),
                 after);
        QCOMPARE(storedGames(kavrel, window.games().count()), tableOf(window));
        // Find has titles to look through once there are games.
        QCOMPARE(kavrel.action(u"mnuFind"_s)->isEnabled(), window.games().count() > 0);
    }

    void findSelectsAGameByAnyPartOfItsTitle_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("downs");
        QTest::addColumn<bool>("shortcut");
        QTest::addColumn<QString>("selected");
        QTest::newRow("accent") << u"runner"_s << 0 << false << u"Cave Rünner"_s;
        QTest::newRow("Ctrl+F") << u"runner"_s << 0 << true << u"Cave Rünner"_s;
        QTest::newRow("case, down") << u"RUNNER"_s << 1 << false << u"Runner's High"_s;
        QTest::newRow("down stops") << u"ÜNN"_s << 5 << false << u"Runner's High"_s;
        QTest::newRow("nothing found") << u"xyz"_s << 0 << false << u"Zork"_s;
        QTest::newRow("Escape") << QString() << -1 << false << u"Zork"_s;
    }
    void findSelectsAGameByAnyPartOfItsTitle() {
        QFETCH(QString, typed);
        QFETCH(int, downs);
        QFETCH(bool, shortcut);
        QFETCH(QString, selected);
        KavrelFixture kavrel;
        QList<GameEntry> games;
        for (const QString& title : {u"Alpha"_s, u"Cave Rünner"_s, u"Runner's High"_s, u"Zork"_s})
            games.append({kavrel.writeFile(title + u".exe"_s, "x"),
                          {},
                          kavrel.writeFile(title + u".txt"_s, title.toUtf8()),
                          title});
        kavrel.seedGames(games, 3);
        Hoofdscherm& window = kavrel.start();
        kavrel.dialogs.find(typed, downs);
        if (shortcut)
            QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier);
        else
            kavrel.action(u"mnuFind"_s)->trigger();
        VERIFY_DIALOGS(kavrel.dialogs);
        QCOMPARE(kavrel.dialogs.last().titles, kavrel.listEntries());
        // Shown as a pick in the list shows it.
        const int index = int(kavrel.listEntries().indexOf(selected));
        QCOMPARE(kavrel.list()->ListIndex(), index);
        QCOMPARE(window.windowTitle(), u"Kavrel (Game %1 of 4)"_s.arg(index + 1));
        QCOMPARE(kavrel.find<DescriptionBox>(u"RTB1"_s)->toPlainText(), selected);
        QCOMPARE(kavrel.focused(), kavrel.find<QWidget>(u"Picture1"_s));
    }

    void findDialogFollowsEachKey_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QStringList>("shown");
        // The list index chosen; -1: still open; -2: closed without a choice.
        QTest::addColumn<int>("chosen");
        const QStringList all{u"Alpha"_s, u"Cave Rünner"_s, u"Runner's High"_s, u"Zork"_s};
        QTest::newRow("everything") << QString() << QList<int>{Qt::Key_Return} << all << 0;
        QTest::newRow("down, up, down")
            << u"RUN"_s << QList<int>{Qt::Key_Down, Qt::Key_Up, Qt::Key_Down, Qt::Key_Enter}
            << all.mid(1, 2) << 2;
        QTest::newRow("nothing found")
            << u"zz"_s << QList<int>{Qt::Key_Return} << QStringList() << -1;
        QTest::newRow("double click") << u"a"_s << QList<int>{Qt::Key_Down, DoubleClick}
                                      << QStringList{u"Alpha"_s, u"Cave Rünner"_s} << 1;
        QTest::newRow("Escape") << u"a"_s << QList<int>{Qt::Key_Escape}
                                << QStringList{u"Alpha"_s, u"Cave Rünner"_s} << -2;
    }
    void findDialogFollowsEachKey() {
        QFETCH(QString, typed);
        QFETCH(QList<int>, keys);
        QFETCH(QStringList, shown);
        QFETCH(int, chosen);
        FindDialog find({u"Alpha"_s, u"Cave Rünner"_s, u"Runner's High"_s, u"Zork"_s});
        find.show();
        QVERIFY(QTest::qWaitForWindowActive(&find));
        auto* text = find.findChild<QLineEdit*>(u"findText"_s);
        QTest::keyClicks(text, typed);
        const QAbstractItemModel* results = find.findChild<QListView*>(u"foundTitles"_s)->model();
        QStringList found;
        for (int row = 0; row < results->rowCount(); ++row)
            found.append(results->index(row, 0).data().toString());
        QCOMPARE(found, shown);
        auto* view = find.findChild<QListView*>(u"foundTitles"_s);
        for (int key : keys) {
            if (key == DoubleClick) {
                const QPoint current = view->visualRect(view->currentIndex()).center();
                QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, current);
                QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, current);
            } else
                QTest::keyClick(text, Qt::Key(key));
        }
        const int outcome = find.isVisible()                     ? -1
                            : find.result() == QDialog::Accepted ? find.chosen()
                                                                 : -2;
        QCOMPARE(outcome, chosen);
    }

    void proposalsDialogHandsBackWhatTheRowsShow() {
        const QList<GameProposal> games = FolderScan().scan({at(u"win"_s)});
        AddFolderDialog dialog(games, 2);
        QCOMPARE(dialog.findChild<QLabel*>(u"leftOut"_s)->text(),
                 u"2 games are in the collection already and are left out."_s);
        auto* table = dialog.findChild<QTableWidget*>(u"proposals"_s);
        QCOMPARE(table->rowCount(), 2);
        // All checked at first, and handed back unchanged.
        QCOMPARE(titlesOf(dialog.accepted()), (QStringList{u"Civilization"_s, u"Doom"_s}));
        QCOMPARE(summary(dialog.accepted()[0]), summary(games[0]));
        table->item(1, AddFolderDialog::Title)->setCheckState(Qt::Unchecked);
        table->item(0, AddFolderDialog::Title)->setText(u"Civ"_s);
        // Another program brings the type its header says.
        auto* program = qobject_cast<QComboBox*>(table->cellWidget(0, AddFolderDialog::Program));
        program->setCurrentIndex(program->findText(u"SETUP.EXE"_s));
        qobject_cast<QComboBox*>(table->cellWidget(0, AddFolderDialog::Screenshot))
            ->setCurrentIndex(0);
        const QList<GameProposal> accepted = dialog.accepted();
        QCOMPARE(accepted.size(), 1);
        QCOMPARE(summary(accepted[0]), u"SETUP.EXE | DOS | Civ |  | intro.txt"_s);
        // Cancel closes it, as rejected.
        dialog.show();
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    void addFolderFromTheCommandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("windowOpen");
        QTest::addColumn<int>("status");
        // Lines it prints, in full.
        QTest::addColumn<QStringList>("printed");
        QTest::addColumn<int>("count");
        const QString dos = u"shelf/dos"_s;
        const QString leftOut = u"Left out: %1 (its program is in the collection already)"_s.arg(
            QDir::toNativeSeparators(at(u"dos/action/digger"_s)));
        const QString doom = u"Doom (DOS, %1)"_s.arg(at(u"dos/Doom/DOOM.EXE"_s));
        QTest::newRow("adds") << QStringList{u"--add-folder"_s, dos} << false << 0
                              << QStringList{u"Added: "_s + doom,
                                             u"Added: KEEN1 (DOS, %1)"_s.arg(
                                                 at(u"dos/action/1991/KEEN1/KEEN1.EXE"_s)),
                                             leftOut}
                              << 4;
        QTest::newRow("dry run") << QStringList{u"--add-folder"_s, dos, u"--dry-run"_s} << true << 0
                                 << QStringList{u"Would add: "_s + doom, leftOut} << 2;
        QTest::newRow("window open")
            << QStringList{u"--add-folder"_s, dos} << true << 1
            << QStringList{u"Kavrel is open on this collection. Close its window, or add the "
                           u"folder there with Games > Add folder..."_s}
            << 2;
        QTest::newRow("no folder") << QStringList{u"--add-folder"_s, u"shelf/GO.BAT"_s} << false
                                   << 1 << QStringList{u"Not a folder: "_s + at(u"GO.BAT"_s)} << 2;
        QTest::newRow("dry run alone") << QStringList{u"--dry-run"_s} << false << 1
                                       << QStringList{u"--dry-run goes with --add-folder."_s} << 2;
    }
    void addFolderFromTheCommandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, windowOpen);
        QFETCH(int, status);
        QFETCH(QStringList, printed);
        QFETCH(int, count);
        KavrelFixture kavrel;
        seedCollection(kavrel);
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(kavrel.path(u"config"_s)));
        SingleInstance window(kavrel.storePath());
        QVERIFY(!windowOpen || window.claim() == SingleInstance::Claim::Holding);
        for (QString& argument : arguments)
            if (argument.startsWith(u"shelf/"_s))
                argument = files.path(argument);
        const QByteArray before = kavrel.storeFileBytes();
        QString out;
        QTextStream outStream(&out), errStream(&out);
        RecordingStarter starter;
        const std::optional<int> result =
            runCommandLine(QStringList{u"kavrel"_s} + arguments,
                           {[&] { return SettingsStore::openIniFile(kavrel.storePath()); }, starter,
                            outStream, errStream});
        outStream.flush();
        QCOMPARE(result, std::optional(status));
        for (const QString& line : printed)
            QVERIFY2(out.split(u'\n').contains(line), qPrintable(out));
        // One write with the new count and the collection in title order, or none at all.
        QCOMPARE(kavrel.onDisk(u"Games"_s, u"Count"_s), QString::number(count));
        if (count == 2)
            QCOMPARE(kavrel.storeFileBytes(), before);
        else
            QCOMPARE(kavrel.storedGame(2),
                     (GameEntry{at(u"dos/Doom/DOOM.EXE"_s), {}, {}, u"Doom"_s, true}));
        QVERIFY(starter.starts.isEmpty());
    }
};

QTEST_MAIN(ShelfTest)
#include "tst_shelf.moc"
