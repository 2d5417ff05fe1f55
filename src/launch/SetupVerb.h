#pragma once

class ProgramStarter;
class QString;
class QTextStream;
class SettingsStore;

// kavrel --setup TITLE: starts the game's setup program as Games > Run setup does; the exit
// status, with the reason on err when it cannot.
int setupTitle(const SettingsStore& store, const QString& title, ProgramStarter& starter,
               QTextStream& err);
