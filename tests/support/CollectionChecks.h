#pragma once

#include "KavrelFixture.h"

#include <QDir>
#include <QTest>

// Checks on the collection that several tests share, in forms that QCOMPARE shows in full.

// Game rows in tests name only the fields they set (GameEntry{.GPath = p, .GTitle = t}); GCC 12
// warns about every field left out of such an initializer, the others do not.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#endif

// The flags of every picker for a game's file: the file must exist, explorer style, long names.
constexpr std::uint32_t GamePickerFlags = 0x281000;

// A check to run while a dialog is open: the store on disk still holds what it held when the
// check was made.
inline ScriptedDialogs::WhileOpen storeUnchanged(const KavrelFixture& kavrel) {
    return [&kavrel, before = kavrel.storeFileBytes()] {
        QCOMPARE(kavrel.storeFileBytes(), before);
    };
}

// Adds a game with "Add...": the program, the answers to the title prompts in turn, then the
// screenshot and the description (the empty text: Cancel). Nothing may reach the disk before
// the last answer.
inline void addGame(KavrelFixture& kavrel, const QString& program, const QStringList& titles,
                    const QString& screenshot = {}, const QString& description = {}) {
    kavrel.dialogs.chooseFile(program);
    for (const QString& title : titles)
        kavrel.dialogs.type(title, storeUnchanged(kavrel));
    for (const QString& file : {screenshot, description})
        file.isEmpty() ? kavrel.dialogs.cancelFile(storeUnchanged(kavrel))
                       : kavrel.dialogs.chooseFile(file, storeUnchanged(kavrel));
    kavrel.action(QStringLiteral("MnuBestandNieuw"))->trigger();
}

// The window's game table, and sections 1 to count as they reached the disk, to compare whole.
inline QList<GameEntry> tableOf(const Hoofdscherm& window) {
    return {window.games().begin(), window.games().end()};
}
inline QList<GameEntry> storedGames(const KavrelFixture& kavrel, int count) {
    QList<GameEntry> games;
    for (int n = 1; n <= count; ++n)
        games.append(kavrel.storedGame(n));
    return games;
}

// A dialog as the user saw it: "title: prompt [default text]".
inline QString promptSeen(const ScriptedDialogs::Shown& shown) {
    return QStringLiteral("%1: %2 [%3]").arg(shown.title, shown.prompt, shown.defaultText);
}

// Which of the named commands (actions) and controls (widgets) are enabled.
inline QStringList enabledOf(const KavrelFixture& kavrel, const QStringList& names) {
    QStringList enabled;
    for (const QString& name : names)
        if (QAction* command = kavrel.action(name);
            command ? command->isEnabled() : kavrel.find<QWidget>(name)->isEnabled())
            enabled.append(name);
    return enabled;
}

// Lets QCOMPARE show the games that differ.
inline char* toString(const GameEntry& game) {
    return QTest::toString(QStringList{game.GPath, game.GBmp, game.GText, game.GTitle,
                                       game.GType ? QStringLiteral("DOS") : QStringLiteral("Win")}
                               .join(QStringLiteral(", ")));
}
