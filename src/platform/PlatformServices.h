#pragma once

#include <QString>
#include <functional>

class Dialogs;
class ProgramStarter;
class SettingsStore;

// What the window needs of the world around it; tests hand it fakes and a store of their own.
struct PlatformServices {
    SettingsStore& store;
    Dialogs& dialogs;
    ProgramStarter& starter;
    // The program's own folder, holding "Default.bmp" and "readme.txt".
    QString appFolder;
    // Ends the run at once.
    std::function<void()> endProgram;
};
