// Play: a DOS game starts inside DOSBox, a Windows game on its own. Kavrel neither waits for nor
// watches the started program; it only tells of a start that failed.
#include "launch/LaunchCommand.h"
#include "platform/Dialogs.h"
#include "window/Hoofdscherm.h"

#include <QFileInfo>

void Hoofdscherm::MnuBestandOpen_Click() {
    const int n = currentGame();
    // An empty collection, or a list with no entry selected: there is no game to start.
    if (!Games.contains(n))
        return;
    const GameEntry& game = Games[n];
    // DOSBox given a missing program waits with an error instead of closing, so a missing game
    // is refused here, for either type, before anything starts.
    const bool started = QFileInfo(game.GPath).isFile() &&
                         platform.starter.Shell(launchCommand(game, DosBoxPath, AutoExit));
    if (!started)
        platform.dialogs.MsgBox(QStringLiteral("Could not execute ") + game.GPath,
                                MsgBoxStyle::Critical, QStringLiteral("Execute Error"));
}

void Hoofdscherm::KnopSpelen_Click() {
    MnuBestandOpen_Click();
}
