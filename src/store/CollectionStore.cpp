#include "store/CollectionStore.h"

#include "platform/SettingsStore.h"
#include "platform/ValueConversion.h"
#include "store/StoreLayout.h"

#include <QRegularExpression>
#include <algorithm>

using namespace StoreLayout;

int readGameCount(const SettingsStore& store) {
    const int count =
        toInteger(store.GetSetting(GamesSection, Count, QStringLiteral("0"))).value_or(0);
    return std::clamp(count, 0, GameTable::MaxGames);
}

GameTable readGames(const SettingsStore& store) {
    GameTable table;
    const int count = readGameCount(store);
    for (int n = 1; n <= count; ++n) {
        const QString key = GameKey(n);
        table.append(
            {store.GetSetting(key, GPath, {}), store.GetSetting(key, GBmp, {}),
             store.GetSetting(key, GText, {}), store.GetSetting(key, GTitle, {}),
             toBoolean(store.GetSetting(key, GType, QStringLiteral("True"))).value_or(true)});
    }
    return table;
}

GameTable readGameTable(SettingsStore& store) {
    GameTable table = readGames(store);
    for (int n = 1; n <= table.count(); ++n)
        store.SaveSetting(GameKey(n), GType, booleanText(table[n].GType));
    return table;
}

void writeGameTable(SettingsStore& store, const GameTable& table, const GameTable& stored) {
    for (int n = 1; n <= table.count(); ++n) {
        const GameEntry& game = table[n];
        const GameEntry* was = stored.contains(n) ? &stored[n] : nullptr;
        if (was && *was == game)
            continue;
        const QString key = GameKey(n);
        const auto write = [&](const QString& name, QString GameEntry::*field) {
            if (!was)
                store.SaveSetting(key, name, game.*field);
            else if (was->*field != game.*field)
                store.SaveChange(key, name, game.*field);
        };
        write(GPath, &GameEntry::GPath);
        write(GBmp, &GameEntry::GBmp);
        write(GText, &GameEntry::GText);
        write(GTitle, &GameEntry::GTitle);
        if (!was || was->GType != game.GType)
            store.SaveSetting(key, GType, booleanText(game.GType));
    }
}

bool gameCountReadable(const SettingsStore& store) {
    static const QRegularExpression gameSection(QStringLiteral("^Game\\d{4}$"));
    return store.sections().filter(gameSection).isEmpty() || store.readHolds(GamesSection, Count);
}
