#pragma once

#include <QString>

// The sections and keys of the settings store.
namespace StoreLayout {

inline const QString LocationSection = QStringLiteral("Location");
inline const QString DosBox = QStringLiteral("DosBox");
inline const QString DosGames = QStringLiteral("DosGames");

inline const QString OptionsSection = QStringLiteral("Options");
inline const QString GExit = QStringLiteral("GExit");

inline const QString GamesSection = QStringLiteral("Games");
inline const QString Count = QStringLiteral("Count");
inline const QString Last = QStringLiteral("Last");

inline const QString GPath = QStringLiteral("GPath");
inline const QString GBmp = QStringLiteral("GBmp");
inline const QString GText = QStringLiteral("GText");
inline const QString GTitle = QStringLiteral("GTitle");
inline const QString GType = QStringLiteral("GType");
// A DOS game's own DOSBox settings, present only when set; "GExit" there overrides the option's.
inline const QString GConf = QStringLiteral("GConf");
inline const QString GImage = QStringLiteral("GImage");
inline const QString GSetup = QStringLiteral("GSetup");

} // namespace StoreLayout

// The section of game n: "Game" and the last four digits of n + 10000, so Game0001 for game 1.
// Distinct only for games 1 to 9999.
QString GameKey(int n);
