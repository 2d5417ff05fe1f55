#include "launch/SetupVerb.h"

#include "launch/LaunchCommand.h"
#include "platform/SettingsStore.h"
#include "platform/ValueConversion.h"
#include "store/CollectionStore.h"
#include "store/StoreLayout.h"

#include <QTextStream>
#include <algorithm>

using namespace StoreLayout;

int setupTitle(const SettingsStore& store, const QString& title, ProgramStarter& starter,
               QTextStream& err) {
    const GameTable games = readGames(store);
    const auto game = std::find_if(games.begin(), games.end(),
                                   [&](const GameEntry& entry) { return entry.GTitle == title; });
    if (game == games.end()) {
        err << QStringLiteral("The collection has no game titled \"%1\".").arg(title) << '\n';
        return 1;
    }
    const bool autoExit =
        toBoolean(store.GetSetting(OptionsSection, GExit, QStringLiteral("True"))).value_or(true);
    const QString whyNot = startGame(*game, store.GetSetting(LocationSection, DosBox, {}), autoExit,
                                     starter, DosProgram::Setup);
    if (whyNot.isEmpty())
        return 0;
    err << QStringLiteral("Could not execute ")
        << (game->GSetup.isEmpty() ? game->GPath : game->GSetup) << '\n'
        << whyNot << '\n';
    return 1;
}
