#pragma once

#include <QString>
#include <optional>
#include <vector>

// One game of the collection.
struct GameEntry {
    QString GPath;     // full path of the program file
    QString GBmp;      // full path of the screenshot; empty: none
    QString GText;     // full path of the description; empty: none
    QString GTitle;    // the title shown in the list
    bool GType = true; // true: a DOS game, started through DOSBox; false: a Windows game
    // The DOS game's own DOSBox settings, each empty (and not stored) when the game has none.
    QString GConf;  // full path of its DOSBox configuration: one that came with it, or Kavrel's own
    QString GImage; // full path of a CD image (.iso, .cue) mounted as D:, or a floppy (.img) as A:
    QString GSetup; // full path of its setup program, for Run setup
    std::optional<bool> GExit; // DOSBox closes with the game: always, never; nothing: as Auto-exit

    friend bool operator==(const GameEntry&, const GameEntry&) = default;
};

// The collection in memory. Games are numbered from 1, as in the store: game n is list entry
// n - 1 and lives in section GameKey(n).
class GameTable {
public:
    // The layout of the store holds no more games than this (see GameKey).
    static constexpr int MaxGames = 9999;

    int count() const { return static_cast<int>(rows.size()); }
    bool contains(int n) const { return n >= 1 && n <= count(); }

    GameEntry& operator[](int n) { return rows.at(static_cast<std::size_t>(n - 1)); }
    const GameEntry& operator[](int n) const { return rows.at(static_cast<std::size_t>(n - 1)); }

    void append(GameEntry entry) { rows.push_back(std::move(entry)); }
    // Keeps games 1 to count.
    void truncate(int count) { rows.resize(static_cast<std::size_t>(count)); }
    void clear() { rows.clear(); }

    auto begin() const { return rows.begin(); }
    auto end() const { return rows.end(); }
    auto begin() { return rows.begin(); }
    auto end() { return rows.end(); }

private:
    std::vector<GameEntry> rows;
};
