#pragma once

// What every test of Kavrel needs: one Kavrel of its own with scripted dialogs, and the checks
// that several tests share, in forms that QCOMPARE shows in full.
#include "RecordingStarter.h"
#include "ScriptedDialogs.h"
#include "platform/SettingsStore.h"
#include "store/GameTable.h"
#include "window/DescriptionBox.h"
#include "window/GameList.h"
#include "window/Hoofdscherm.h"
#include "window/PictureBox.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;

// Game rows in tests name only the fields they set (GameEntry{.GPath = p, .GTitle = t}); GCC 12
// warns about every field left out of such an initializer, the others do not.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#endif

// Which version of a file is on disk: changes with every replacement of the file, so a test can
// tell whether anything was written.
QString fileVersion(const QString& path);
// What a file holds; nothing when it cannot be read.
QByteArray fileBytes(const QString& path);

// One Kavrel of a test's own: its store and program folder in a temporary folder, scripted
// dialogs and a recording program starter.
class KavrelFixture {
public:
    KavrelFixture();

    // A path inside the fixture's temporary folder, in the platform's native form.
    QString path(const QString& name) const;
    QString storePath() const { return path(u"config/Kavrel/Kavrel.conf"_s); }
    QString appFolder() const { return path(u"app"_s); }
    // The picture shown for a game without a screenshot, and without a game.
    QImage defaultPicture() const { return QImage(appFolder() + u"/Default.bmp"_s); }

    // --- Before the start: what the store holds
    void seed(const QString& section, const QString& key, const QString& value);
    // "Count" and one section per game; "Last" when given.
    void seedGames(const QList<GameEntry>& games, std::optional<int> last = std::nullopt);

    // --- Files the games point at
    QString writeFile(const QString& name, const QByteArray& content, bool executable = false);
    // A picture of one colour in the format "BMP", "JPEG" or any other Qt writes.
    QString writePicture(const QString& name, QSize size, QColor colour, const char* format);

    // --- The window
    // Starts Kavrel on the store, after the one started before has ended.
    Hoofdscherm& start();
    Hoofdscherm& window() { return *kavrel; }
    template <typename Control = QWidget> Control* find(const QString& name) const {
        return kavrel->findChild<Control*>(name);
    }
    QAction* action(const QString& name) const { return find<QAction>(name); }
    QRadioButton* optType(int index) const {
        return kavrel->findChildren<QRadioButton*>(u"optType"_s).value(index);
    }
    GameList* list() const { return find<GameList>(u"Lijst"_s); }
    // The texts of the title list's entries, in list order.
    QStringList listEntries() const;
    QWidget* focused() const { return QApplication::focusWidget(); }
    // Picks a title in the list the way the user does: opens the list and clicks the entry.
    void pickTitle(int index);

    // --- What reached the disk, read from the file itself
    std::optional<QString> onDisk(const QString& section, const QString& key) const;
    // Game n's keys as they reached the disk; an absent key reads as Kavrel reads it, and the
    // type (and an exit choice) only as true when it reads exactly "True".
    GameEntry storedGame(int n) const;
    QByteArray storeFileBytes() const { return fileBytes(storePath()); }

    ScriptedDialogs dialogs;
    RecordingStarter starter;
    int endProgramCalls = 0;

private:
    QTemporaryDir folder;
    // The window ends before its store.
    std::unique_ptr<SettingsStore> settings;
    std::unique_ptr<Hoofdscherm> kavrel;
};

// A GIF of one red pixel; Qt reads GIF but cannot write it.
inline const QByteArray
    RedPixelGif("GIF89a\1\0\1\0\x80\0\0\xFF\0\0\0\0\0,\0\0\0\0\1\0\1\0\0\2\2D\1\0;", 35);

// The root of the file system ("/", "C:\"), and the folder a picker opens for a file in it: the
// root itself, or the drive without its separator ("C:").
inline const QString Root = QDir::toNativeSeparators(QDir::rootPath());
inline const QString RootFolder = Root.size() == 1 ? Root : Root.chopped(1);

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
    kavrel.action(u"MnuBestandNieuw"_s)->trigger();
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
    return u"%1: %2 [%3]"_s.arg(shown.title, shown.prompt, shown.defaultText);
}

// Which of the named commands (actions) and controls (widgets) are enabled.
inline QStringList enabledOf(const KavrelFixture& kavrel, const QStringList& names) {
    QStringList enabled;
    for (const QString& name : names)
        if (QAction* command = kavrel.action(name);
            command ? command->isEnabled() : kavrel.find(name)->isEnabled())
            enabled.append(name);
    return enabled;
}

// Lets QCOMPARE show the games that differ.
inline char* toString(const GameEntry& game) {
    QStringList fields{game.GPath, game.GBmp, game.GText, game.GTitle,
                       game.GType ? u"DOS"_s : u"Win"_s};
    if (game.GConf + game.GImage + game.GSetup != QString() || game.GExit)
        fields << game.GConf << game.GImage << game.GSetup
               << (game.GExit ? (*game.GExit ? u"exit"_s : u"stay"_s) : u"as Auto-exit"_s);
    return QTest::toString(fields.join(u", "_s));
}
