#pragma once

#include "platform/FilePicker.h"
#include "platform/PlatformServices.h"
#include "store/GameTable.h"

#include <QMainWindow>
#include <array>
#include <memory>
#include <optional>

class Backups;
class DescriptionBox;
class DropTarget;
class GameList;
class PictureBox;
class QAction;
class QCheckBox;
class QKeyEvent;
class QMenu;
class QPushButton;
class QRadioButton;
class QTimer;
class QToolButton;
struct PathParts;
namespace DroppedFiles {
struct Plan;
}

// The one window of Kavrel. It owns the controls, the game table and the module's variables;
// its handlers carry the names of the controls and events they answer, and each lives in the
// folder of its subsystem:
//   window/   layout, display of the selected game, navigation
//   store/    start-up, title sort
//   editing/  add, remove, title, screenshot and description, executable, type
//   launch/   play, locations and auto-exit, help and shutdown
//   shelf/    a whole folder at once, drops, find
//   collection/  restore a backup, move the games folder, export and import
class Hoofdscherm : public QMainWindow {
    Q_OBJECT

public:
    // Builds the window and runs the start-up, which shows it.
    explicit Hoofdscherm(PlatformServices services);
    ~Hoofdscherm() override;

    // --- Start-up
    void Form_Load();

    // --- Display of the selected game
    void Lijst_Click();
    void RefreshCaption();

    // --- Navigation
    void KnopVorige_Click();
    void KnopVolgende_Click();
    void Form_KeyDown(int keyCode, int shift);
    void Form_KeyPress(int keyAscii);
    void Form_KeyUp(int keyCode, int shift);

    // --- Collection editing
    void BubbleSort();
    void MnuBestandNieuw_Click();
    void HaalAfbeelding();
    void HaalBeschrijving();
    void MnuBestandVerwijderen_Click();
    void MnuBewerkenTitel_Click();
    void MnuBewerkenAfbeelding_Click();
    void Picture1_DblClick();
    void MnuBewerkenBeschrijving_Click();
    void RTB1_DblClick();
    void mnu_remove_screenshot_Click();
    void mnu_remove_description_Click();
    void RTB1_LostFocus();
    void MnuBewerkenDoel_Click();
    void optType_Click(int Index);
    void mnu_game_dos_Click();
    void mnu_game_win_Click();
    void mnuDosBoxSettings_Click();

    // --- Launching and environment
    void MnuBestandOpen_Click();
    void KnopSpelen_Click();
    void mnuRunSetup_Click();
    void mnuKavrelFolder_Click();
    void mnuLocateDOSBox_Click();
    void mnuExitOption_Click();
    void ExitCheck_Click();
    void MnuHelp_Click();
    void Form_QueryUnload();
    void MnuBestandAfsluiten_Click();

    // --- A shelf of games: add a folder, drops, find (shelf/)
    void mnuAddFolder_Click();
    void mnuFind_Click();
    // Add folder's proposals for these folders and programs; the games the user accepts join.
    void AddShelf(const QStringList& foldersAndPrograms);
    // Adds the games in one command: titles made free, files that cannot be shown left out,
    // the collection sorted and stored, the first of them in title order selected.
    void AddGames(QList<GameEntry> added);
    // The Add command for a program already chosen.
    void AddProgram(const QString& program);
    // --- Backups, moving the games folder, export and import (collection/CollectionMenu.cpp)
    void mnuRestoreCollection_Click();
    void mnuMoveGamesFolder_Click();
    void mnuExportCollection_Click();
    void mnuImportCollection_Click();

    // --- What tests and the next start read back
    const GameTable& games() const { return Games; }
    const QString& dosBoxPath() const { return DosBoxPath; }
    const QString& dosGamesFolder() const { return DosGamesFolder; }
    bool autoExit() const { return AutoExit; }
    bool helpShown() const { return HelpShown; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Layout (window/HoofdschermLayout.cpp)
    void createControls();
    void createMenus();
    void setTabOrder();
    void connectHandlers();

    // Key preview (window/KeyPreview.cpp). True when the key is the window's own, which then
    // reaches no control.
    bool previewKey(QObject* watched, const QKeyEvent& key);
    // A key let go runs Form_KeyUp only once it is clear that the platform did not report a
    // repeat of a held key (a release and a press at the same moment).
    void releaseKey(const QKeyEvent& key, int keyCode, int shift);
    void actOnPendingRelease();
    // Whether a stepping or paging key, with the description box focused, scrolls the box: the
    // window has no game to move to with it.
    bool descriptionScrolls(int keyCode) const;
    struct KeyRelease {
        int qtKey;
        int keyCode;
        int shift;
        quint64 timestamp;
    };
    std::optional<KeyRelease> pendingRelease;
    QTimer* releaseWait = nullptr;

    // Display helpers (window/Display.cpp)
    int GameCount() const { return Games.count(); }
    // The selected game's number, ListIndex + 1; 0 when nothing is selected.
    int currentGame() const;
    // Every command ends by giving the picture the focus, and with that the help text gives way
    // to the description, also while the window is not active again after a dialog.
    void FocusPicture();
    // The game's screenshot over the default picture, its description over "No description
    // available": a file that cannot be shown leaves the default in place, without a word.
    void ShowGameFiles(const GameEntry& game);
    void ShowDefaultPicture();
    // False, and the picture unchanged, when the file cannot be shown.
    bool ShowScreenshot(const QString& path);
    void ShowNoDescription();
    // False, and the text unchanged, when the file cannot be read.
    bool ShowDescription(const QString& path);
    // The help text, with its tooltip; HelpShown and the focus are the caller's.
    void LoadHelpText();
    // The seven controls that act on a game, and Find: disabled while the collection is empty.
    void DisableGameControls();
    void reportStoreFailure(const QString& reason);

    // Collection editing helpers
    enum class GameFile { Program, Screenshot, Description };
    // The menu item and the double click of a pair share these steps.
    void ChooseGameFile(GameFile kind);
    // Sets the picker up for a game's program, screenshot or description.
    void PrepareFilePicker(GameFile kind);
    // The folder a picker opens in for a stored file: a file in the root folder ("/pic.gif")
    // opens it in the root itself.
    static QString PickerFolderOf(const PathParts& stored);
    // The screenshot or description of the game being added, the table's last.
    void PickFileForNewGame(GameFile kind);
    void RemoveGameFile(GameFile kind);
    // Whether one of games 1 to lastGame has exactly this title: case and blanks count.
    bool TitleInUse(const QString& title, int lastGame) const;
    // Takes a chosen screenshot or description for game row when it can be shown, showing and
    // storing it; false, with nothing changed, when it cannot.
    bool ChangeGameFile(GameFile kind, int row, const QString& chosen);
    // True, after telling the user, when `adding` more games would not fit.
    bool CollectionFull(int adding = 1);
    // The controls a collection with games needs.
    void EnableGameControls();
    // Drops (shelf/Drops.cpp)
    void createDropTargets();
    void Dropped(const DroppedFiles::Plan& plan);
    void DropGameFile(GameFile kind, const QString& path);
    DropTarget* drops = nullptr;

    // Launching helpers

    // DOSBox settings and Run setup act on the selected DOS game, Run setup only when it has a
    // setup program; set as the menus open.
    void updateDosBoxCommands();

    // Stores the selected entry as "Last" (when the list holds entries), unless this run has
    // stored that same entry already.
    void storeLastGame();
    // Stores "Last" and ends the program; one exit, however many ways it is asked for.
    void endRun();
    std::optional<int> lastStored;
    bool runEnding = false;

    // Collection helpers (collection/CollectionMenu.cpp)
    // A backup before a command that replaces games; false, after saying why, when none can be
    // made.
    bool BackupFirst();
    // Shows the collection as the store now holds it, the window staying where it is: the game
    // given, or the one "Last" names.
    void ShowStoredCollection(std::optional<int> select);
    std::unique_ptr<Backups> backups;

    // Controls, each also found by its name as objectName

    PictureBox* Picture1 = nullptr;
    QToolButton* KnopVorige = nullptr;
    QToolButton* KnopVolgende = nullptr;
    GameList* Lijst = nullptr;
    QPushButton* KnopSpelen = nullptr;
    DescriptionBox* RTB1 = nullptr;
    std::array<QRadioButton*, 2> optType{};
    QCheckBox* ExitCheck = nullptr;

    QMenu* mnuGame = nullptr;
    QAction* MnuBestandNieuw = nullptr;
    QAction* MnuBestandVerwijderen = nullptr;
    QAction* MnuBestandOpen = nullptr;
    QAction* mnu_game_dos = nullptr;
    QAction* mnu_game_win = nullptr;
    QMenu* mnuChange = nullptr;
    QAction* MnuBewerkenTitel = nullptr;
    QAction* MnuBewerkenAfbeelding = nullptr;
    QAction* MnuBewerkenBeschrijving = nullptr;
    QAction* MnuBewerkenDoel = nullptr;
    QAction* mnuDosBoxSettings = nullptr;
    QAction* mnuRunSetup = nullptr;
    QAction* mnu_remove_screenshot = nullptr;
    QAction* mnu_remove_description = nullptr;
    QAction* mnuKavrelFolder = nullptr;
    QAction* mnuRestoreCollection = nullptr;
    QAction* mnuMoveGamesFolder = nullptr;
    QAction* mnuExportCollection = nullptr;
    QAction* mnuImportCollection = nullptr;
    QAction* MnuBestandAfsluiten = nullptr;
    QMenu* mnuDOSBox = nullptr;
    QAction* mnuLocateDOSBox = nullptr;
    QAction* mnuExitOption = nullptr;
    QAction* MnuHelp = nullptr;
    QAction* mnuAddFolder = nullptr;
    QAction* mnuFind = nullptr;

    // Module variables
    GameTable Games;
    QString DosBoxPath;
    QString DosGamesFolder;
    bool AutoExit = false;
    QString AppFolder;
    bool SelectionBusy = false;
    bool HelpShown = false;
    int LastKeyCode = 0;
    // The type the option buttons and menu marks show (0 DOS, 1 Win), kept while no game is there.
    int TypeShown = 0;

    PlatformServices platform;
    FilePicker CMDialog1;
    bool storeFailureShown = false;
};
