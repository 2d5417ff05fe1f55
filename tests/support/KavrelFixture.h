#pragma once

#include "RecordingStarter.h"
#include "ScriptedDialogs.h"
#include "platform/SettingsStore.h"
#include "store/GameTable.h"
#include "window/Hoofdscherm.h"

#include <QAction>
#include <QColor>
#include <QSize>
#include <QTemporaryDir>
#include <memory>

class GameList;
class QRadioButton;

// Which version of a file is on disk: changes with every replacement of the file, so a test can
// tell whether anything was written.
QString fileVersion(const QString& path);

// One Kavrel of a test's own: its store and program folder in a temporary folder, scripted
// dialogs and a recording program starter.
class KavrelFixture {
public:
    KavrelFixture();
    ~KavrelFixture();

    // A path inside the fixture's temporary folder, in the platform's native form.
    QString path(const QString& name) const;
    QString storePath() const { return path(QStringLiteral("config/Kavrel/Kavrel.conf")); }
    QString appFolder() const { return path(QStringLiteral("app")); }

    // --- Before the start: what the store holds
    void seed(const QString& section, const QString& key, const QString& value);
    // "Count" and one section per game; "Last" when given.
    void seedGames(const QList<GameEntry>& games, std::optional<int> last = std::nullopt);

    // --- Files the games point at
    QString writeFile(const QString& name, const QByteArray& content, bool executable = false);
    QString writePicture(const QString& name, QSize size, QColor colour, const char* format);

    // --- The window
    Hoofdscherm& start();
    // Ends the window as the user's last act did and starts a new one on the same store.
    Hoofdscherm& restart();
    Hoofdscherm& window() { return *kavrel; }
    // The window's own store, while it runs.
    SettingsStore& store() { return *settings; }
    template <typename Control> Control* find(const QString& name) const {
        return kavrel->findChild<Control*>(name);
    }
    QAction* action(const QString& name) const { return find<QAction>(name); }
    QRadioButton* optType(int index) const;
    GameList* list() const;
    // The texts of the title list's entries, in list order.
    QStringList listEntries() const;
    QWidget* focused() const;
    // Picks a title in the list the way the user does: opens the list and clicks the entry.
    void pickTitle(int index);

    // --- What reached the disk, read from the file itself
    std::optional<QString> onDisk(const QString& section, const QString& key) const;
    // Game n's five keys as they reached the disk; an absent key reads as Kavrel reads it, and
    // the type only as a DOS game when it reads exactly "True".
    GameEntry storedGame(int n) const;
    QByteArray storeFileBytes() const;

    ScriptedDialogs dialogs;
    RecordingStarter starter;
    int endProgramCalls = 0;

private:
    QTemporaryDir folder;
    std::unique_ptr<SettingsStore> settings;
    std::unique_ptr<Hoofdscherm> kavrel;
};
