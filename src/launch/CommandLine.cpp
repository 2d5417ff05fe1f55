// The verbs that need no window: help, version, the list of titles and playing one game, for
// scripts and desktop shortcuts.
#include "launch/CommandLine.h"

#include "collection/CollectionCommands.h"
#include "launch/LaunchCommand.h"
#include "launch/QtOptions.h"
#include "launch/SetupVerb.h"
#include "launch/TitleSuggestions.h"
#include "platform/SettingsStore.h"
#include "platform/ValueConversion.h"
#include "shelf/AddFolderCommand.h"
#include "store/CollectionStore.h"
#include "store/StoreLayout.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

using namespace StoreLayout;

namespace {

// One game, one line: a line break in a title is printed as the store writes it, "\n" (and a
// carriage return as "\r").
int listTitles(const SettingsStore& store, QTextStream& out) {
    for (const GameEntry& game : readGames(store))
        out << QString(game.GTitle)
                   .replace(u'\n', QStringLiteral("\\n"))
                   .replace(u'\r', QStringLiteral("\\r"))
            << '\n';
    return 0;
}

// A store that cannot be read is said so, not taken for an empty collection.
std::optional<int> unreadable(const SettingsStore& store, QTextStream& err) {
    if (store.readFailure().isEmpty())
        return std::nullopt;
    err << store.readFailure() << '\n';
    return 1;
}

int playTitle(const SettingsStore& store, const QString& title, const CommandLineWorld& world) {
    const GameTable games = readGames(store);
    const auto game = std::find_if(games.begin(), games.end(),
                                   [&](const GameEntry& entry) { return entry.GTitle == title; });
    const std::optional<QString> failure =
        game == games.end() ? noGameTitled(games, title)
                            : startGameFromCommandLine(*game, store, world.starter);
    if (!failure)
        return 0;
    world.err << *failure << '\n';
    return 1;
}

} // namespace

std::optional<int> runCommandLine(const QStringList& arguments, const CommandLineWorld& world) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Keeps your collection of old DOS and Windows games and starts them.\n"
                       "Without options, Kavrel opens its window; Qt's own options, such as\n"
                       "-style or -platform, go to Qt."));
    // Not addHelpOption(): its --help-all lists Qt's own options, which Kavrel does not take.
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Displays these options."));
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption listOption(QStringLiteral("list"),
                                        QStringLiteral("Print the titles of the collection, one a "
                                                       "line, in the order of the list."));
    const QCommandLineOption playOption(QStringLiteral("play"),
                                        QStringLiteral("Start the game with exactly this title, as "
                                                       "the Play button does."),
                                        QStringLiteral("title"));
    const QCommandLineOption addFolderOption(
        QStringLiteral("add-folder"),
        QStringLiteral("Add every game found in the folder and its subfolders, as Games > Add "
                       "folder proposes them, and print each."),
        QStringLiteral("folder"));
    const QCommandLineOption dryRunOption(
        QStringLiteral("dry-run"),
        QStringLiteral("With --add-folder: only print what would be added."));
    parser.addOption(helpOption);
    parser.addOption(listOption);
    parser.addOption(playOption);
    const QCommandLineOption setupOption(QStringLiteral("setup"),
                                         QStringLiteral("Start the setup program of the game with "
                                                        "exactly this title, as Run setup does."),
                                         QStringLiteral("title"));
    parser.addOption(setupOption);
    parser.addOption(addFolderOption);
    parser.addOption(dryRunOption);
    const QCommandLineOption exportOption(
        QStringLiteral("export"),
        QStringLiteral("Write the collection, with its screenshots and descriptions, to a zip."),
        QStringLiteral("file.zip"));
    const QCommandLineOption importOption(
        QStringLiteral("import"),
        QStringLiteral("Replace the collection by the one in the zip, its games under the games "
                       "folder given after it (or the present one)."),
        QStringLiteral("file.zip"));
    const QCommandLineOption moveOption(
        QStringLiteral("move-games"),
        QStringLiteral("Point every game under the folder old at the same place under the "
                       "folder given after it."),
        QStringLiteral("old"));
    parser.addOption(exportOption);
    parser.addOption(importOption);
    parser.addOption(moveOption);

    // "-style" is one option, not five letters; Qt's own options are Qt's.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    if (!parser.parse(withoutQtOptions(arguments))) {
        world.err << parser.errorText() << '\n'
                  << QStringLiteral("Try \"kavrel --help\" for the options.") << '\n';
        return 1;
    }
    // --import takes a games folder after its file, --move-games the new folder after the old.
    const qsizetype folderArguments =
        parser.isSet(importOption) || parser.isSet(moveOption) ? 1 : 0;
    if (parser.isSet(moveOption) && parser.positionalArguments().isEmpty()) {
        world.err << QStringLiteral("--move-games needs the old and the new folder.") << '\n';
        return 1;
    }
    if (parser.positionalArguments().size() > folderArguments) {
        world.err << QStringLiteral("Unexpected argument: %1")
                         .arg(parser.positionalArguments().value(folderArguments))
                  << '\n';
        return 1;
    }
    if (parser.isSet(dryRunOption) && !parser.isSet(addFolderOption)) {
        world.err << QStringLiteral("--dry-run goes with --add-folder.") << '\n';
        return 1;
    }
    if (parser.isSet(helpOption)) {
        world.out << parser.helpText();
        return 0;
    }
    if (parser.isSet(versionOption)) {
        world.out << QCoreApplication::applicationName() << ' '
                  << QCoreApplication::applicationVersion() << '\n';
        return 0;
    }
    if (parser.isSet(listOption) || parser.isSet(playOption) || parser.isSet(setupOption)) {
        const auto store = world.openStore();
        if (const std::optional<int> status = unreadable(*store, world.err))
            return *status;
        if (parser.isSet(listOption))
            return listTitles(*store, world.out);
        if (parser.isSet(playOption))
            return playTitle(*store, parser.value(playOption), world);
        return setupTitle(*store, parser.value(setupOption), world.starter, world.err);
    }
    if (parser.isSet(addFolderOption))
        return addFolderFromCommandLine(parser.value(addFolderOption), parser.isSet(dryRunOption),
                                        world);
    if (parser.isSet(exportOption))
        return exportCommand(parser.value(exportOption), world);
    if (parser.isSet(importOption))
        return importCommand(parser.value(importOption), parser.positionalArguments().value(0),
                             world);
    if (parser.isSet(moveOption))
        return moveGamesCommand(parser.value(moveOption), parser.positionalArguments()[0], world);
    return std::nullopt;
}

std::optional<QString> startGameFromCommandLine(const GameEntry& game, const SettingsStore& store,
                                                ProgramStarter& starter) {
    const QString dosBoxPath = store.GetSetting(LocationSection, DosBox, {});
    const bool autoExit =
        toBoolean(store.GetSetting(OptionsSection, GExit, QStringLiteral("True"))).value_or(true);
    const QString whyNot = startGame(game, dosBoxPath, autoExit, starter);
    if (whyNot.isEmpty())
        return std::nullopt;
    return QStringLiteral("Could not execute ") + game.GPath + u'\n' + whyNot;
}
