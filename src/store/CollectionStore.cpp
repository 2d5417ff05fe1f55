#include "store/CollectionStore.h"

#include "platform/SettingsStore.h"
#include "platform/ValueConversion.h"
#include "store/StoreLayout.h"

#include <QRegularExpression>
#include <algorithm>

using namespace StoreLayout;

namespace {

// The highest n of the sections GameKey(n) the store holds; 0 when it holds none.
int highestGameSection(const SettingsStore& store) {
    static const QRegularExpression gameSection(QStringLiteral("^Game(\\d{4})$"));
    int highest = 0;
    for (const QString& section : store.sections())
        if (const QRegularExpressionMatch match = gameSection.match(section); match.hasMatch())
            highest = std::max(highest, match.capturedView(1).toInt());
    return highest;
}

// "Count" as Kavrel writes it: digits alone, for no more games than the layout holds.
std::optional<int> plainCount(const SettingsStore& store) {
    static const QRegularExpression digits(QStringLiteral("^\\d{1,4}$"));
    const QString text = store.GetSetting(GamesSection, Count, {}).trimmed();
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    return text.toInt();
}

} // namespace

int readGameCount(const SettingsStore& store) {
    // A count that is missing or no plain number cannot be believed; the game sections can, and
    // so none of them is hidden, nor later written over by an added game.
    if (const std::optional<int> count = plainCount(store))
        return *count;
    return highestGameSection(store);
}

GameTable readGames(const SettingsStore& store) {
    GameTable table;
    const int count = readGameCount(store);
    for (int n = 1; n <= count; ++n) {
        const QString key = GameKey(n);
        table.append(
            {store.GetSetting(key, GPath, {}), store.GetSetting(key, GBmp, {}),
             store.GetSetting(key, GText, {}), store.GetSetting(key, GTitle, {}),
             toBoolean(store.GetSetting(key, GType, QStringLiteral("True"))).value_or(true),
             store.GetSetting(key, GConf, {}), store.GetSetting(key, GImage, {}),
             store.GetSetting(key, GSetup, {}), toBoolean(store.GetSetting(key, GExit, {}))});
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
        const bool isNew = !stored.contains(n);
        const GameEntry& before = isNew ? game : stored[n];
        if (!isNew && before == game)
            continue;
        const QString key = GameKey(n);
        // A new number's keys go through the store's own comparison with the file; the keys of a
        // number that held another game are known to change where they differ.
        const auto write = [&](const QString& name, const QString& value, bool changed) {
            if (isNew)
                store.SaveSetting(key, name, value);
            else if (changed)
                store.SaveChange(key, name, value);
        };
        write(GPath, game.GPath, before.GPath != game.GPath);
        write(GBmp, game.GBmp, before.GBmp != game.GBmp);
        write(GText, game.GText, before.GText != game.GText);
        write(GTitle, game.GTitle, before.GTitle != game.GTitle);
        write(GType, booleanText(game.GType), before.GType != game.GType);
        // A game without DOSBox settings of its own has none of their keys, also where the
        // number's earlier game had them.
        const auto writeOwn = [&](const QString& name, const QString& value, bool changed) {
            if (value.isEmpty() && (isNew || changed))
                store.DeleteSetting(key, name);
            else
                write(name, value, changed);
        };
        writeOwn(GConf, game.GConf, before.GConf != game.GConf);
        writeOwn(GImage, game.GImage, before.GImage != game.GImage);
        writeOwn(GSetup, game.GSetup, before.GSetup != game.GSetup);
        writeOwn(GExit, game.GExit ? booleanText(*game.GExit) : QString(),
                 before.GExit != game.GExit);
    }
}

bool gameCountReadable(const SettingsStore& store) {
    const int sections = highestGameSection(store);
    if (!store.readHolds(GamesSection, Count))
        return sections == 0;
    const std::optional<int> count = plainCount(store);
    return count && *count <= sections;
}
