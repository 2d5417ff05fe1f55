// Games > Run setup: the selected DOS game's setup program, started in DOSBox as Play starts the
// game, with the game's own settings, and never closing DOSBox by itself.
#include "launch/LaunchCommand.h"
#include "platform/Dialogs.h"
#include "window/Hoofdscherm.h"

#include <QAction>

void Hoofdscherm::mnuRunSetup_Click() {
    const int n = currentGame();
    if (!Games.contains(n) || !Games[n].GType)
        return;
    const GameEntry& game = Games[n];
    const QString whyNot =
        startGame(game, DosBoxPath, AutoExit, platform.starter, DosProgram::Setup);
    if (!whyNot.isEmpty())
        platform.dialogs.MsgBox(QStringLiteral("Could not execute ") +
                                    (game.GSetup.isEmpty() ? game.GPath : game.GSetup) + u'\n' +
                                    whyNot,
                                MsgBoxStyle::Critical, QStringLiteral("Execute Error"));
}

void Hoofdscherm::updateDosBoxCommands() {
    const int n = currentGame();
    const bool dosGame = Games.contains(n) && Games[n].GType;
    mnuDosBoxSettings->setEnabled(dosGame);
    mnuRunSetup->setEnabled(dosGame && !Games[n].GSetup.isEmpty());
}
