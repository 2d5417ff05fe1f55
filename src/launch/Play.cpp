// Play: a DOS game starts inside DOSBox, a Windows game on its own (outside Windows through
// Wine). Kavrel neither waits for nor watches the started program; it only tells of a start
// that failed, and why.
#include "launch/LaunchCommand.h"
#include "platform/Dialogs.h"
#include "window/Hoofdscherm.h"

void Hoofdscherm::MnuBestandOpen_Click() {
    const int n = currentGame();
    // An empty collection, or a list with no entry selected: there is no game to start.
    if (!Games.contains(n))
        return;
    const GameEntry& game = Games[n];
    const QString whyNot = startGame(game, DosBoxPath, AutoExit, platform.starter);
    // The first line names the game's program, also when DOSBox or Wine was what failed.
    if (!whyNot.isEmpty())
        platform.dialogs.MsgBox(QStringLiteral("Could not execute ") + game.GPath + u'\n' + whyNot,
                                MsgBoxStyle::Critical, QStringLiteral("Execute Error"));
}

void Hoofdscherm::KnopSpelen_Click() {
    MnuBestandOpen_Click();
}
