#pragma once

#include "store/GameTable.h"

#include <QString>
#include <QStringList>

// A game found on the user's shelf, as Kavrel proposes to add it, with the choices its folder
// offers. Paths are full and in the platform's native form.
struct GameProposal {
    QString folder;
    QString title;
    // Every program of the folder, by name, and the one proposed.
    QStringList programs;
    QString program;
    // True for a game found as a folder, false for a program given on its own, which does not
    // speak for the other programs beside it.
    bool wholeFolder = true;
    bool dos = true;
    // Pictures of the folder and its captures folder, newest first, and the one proposed (the
    // first Kavrel can show); empty: none.
    QStringList screenshots;
    QString screenshot;
    // Texts of the folder in the order they are tried, and the first Kavrel can read.
    QStringList descriptions;
    QString description;

    GameEntry entry() const {
        GameEntry game;
        game.GPath = program;
        game.GBmp = screenshot;
        game.GText = description;
        game.GTitle = title;
        game.GType = dos;
        return game;
    }
};
