#pragma once

#include <QString>
#include <optional>

// What the DOSBox settings dialog shows for one DOS game, and what it gives back on OK.
struct DosBoxSettingsForm {
    // Where the game's own DOSBox configuration comes from.
    enum class Source { None, File, Typed };

    QString title;        // the game's title, for the caption
    QString gameFolder;   // where the pickers open
    bool autoExit = true; // the window's Auto-exit, which the default exit choice follows

    Source source = Source::None;
    QString file;             // the configuration that came with the game (Source::File)
    QString typed;            // the settings typed in DOSBox's own form (Source::Typed)
    QString image;            // a CD (.iso, .cue) or floppy (.img, .ima) image; empty: none
    QString setup;            // the setup program; empty: none
    std::optional<bool> exit; // DOSBox closes with the game: always, never; nothing: as Auto-exit

    friend bool operator==(const DosBoxSettingsForm&, const DosBoxSettingsForm&) = default;
};
