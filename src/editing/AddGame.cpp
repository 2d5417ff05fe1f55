// Adding a game: its program file, a title no other game has, and an optional screenshot and
// description; the collection is sorted and stored again as a whole.
#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"
#include "platform/ValueConversion.h"
#include "store/CollectionStore.h"
#include "store/Paths.h"
#include "store/StoreLayout.h"
#include "window/GameList.h"
#include "window/Hoofdscherm.h"
#include "window/PictureBox.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace {

const QString TitleBoxTitle = QStringLiteral("Title DOS Game");

// Where the program picker opens while no games folder has been chosen.
QString firstProgramFolder() {
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\");
#else
    return QDir::toNativeSeparators(QDir::homePath());
#endif
}

// The program's file name without its extension, taken as its last four characters (a dot and
// three letters). A name shorter than that, or one without any extension, as programs on Linux
// usually are, is taken whole.
QString defaultTitleFor(const QString& fileName) {
    if (fileName.size() < 4 || !fileName.contains(u'.'))
        return fileName;
    return fileName.left(fileName.size() - 4);
}

} // namespace

void Hoofdscherm::MnuBestandNieuw_Click() {
    SettingsStore::Batch batch(platform.store);
    if (CollectionFull())
        return;
    PrepareFilePicker(GameFile::Program);
    CMDialog1.InitDir = DosGamesFolder.isEmpty() ? firstProgramFolder() : DosGamesFolder;
    if (!CMDialog1.ShowOpen()) {
        FocusPicture();
        return;
    }
    AddProgram(CMDialog1.FileName);
}

void Hoofdscherm::AddProgram(const QString& program) {
    SettingsStore::Batch batch(platform.store);
    if (CollectionFull())
        return;
    // A dropped program counts as chosen: the screenshot picker starts from it.
    CMDialog1.FileName = program;

    const GameTable stored = Games;
    GameEntry game;
    game.GPath = program;
    Games.append(game);
    const int added = GameCount();
    platform.store.SaveSetting(StoreLayout::GamesSection, StoreLayout::Count, integerText(added));
    EnableGameControls();

    QString defaultTitle = QStringLiteral("No title");
    const PathParts programParts = splitAtLastSeparator(game.GPath);
    if (programParts.hasSeparator) {
        // The screenshot and description pickers then open in the game's own folder.
        CMDialog1.InitDir = PickerFolderOf(programParts);
        defaultTitle = defaultTitleFor(programParts.name);
    }
    QString title = platform.dialogs.InputBox(
        QStringLiteral("Please, fill in the title of this DOS Game"), TitleBoxTitle, defaultTitle);
    // Cancel gives the empty title, which must be free as well.
    while (TitleInUse(title, added - 1))
        title = platform.dialogs.InputBox(
            QStringLiteral("The given title is in use, please enter another title for this "
                           "DOS-game"),
            TitleBoxTitle, defaultTitle);
    Games[added].GTitle = title;
    Lijst->AddItem(title, added - 1);

    HaalAfbeelding();
    HaalBeschrijving();
    Lijst->setListIndex(added - 1);
    BubbleSort();
    writeGameTable(platform.store, Games, stored);
    RefreshCaption();
    FocusPicture();
}

bool Hoofdscherm::CollectionFull(int adding) {
    // Game sections are numbered with four digits.
    if (GameCount() + adding <= GameTable::MaxGames)
        return false;
    platform.dialogs.MsgBox(QStringLiteral("The collection is full: Kavrel holds at most "
                                           "%1 games. Remove a game before you add another.")
                                .arg(GameTable::MaxGames),
                            MsgBoxStyle::Exclamation, QStringLiteral("Kavrel"));
    FocusPicture();
    return true;
}

void Hoofdscherm::EnableGameControls() {
    for (QAction* command : {MnuBestandVerwijderen, mnuChange->menuAction(), MnuBestandOpen})
        command->setEnabled(true);
    for (QWidget* control : std::initializer_list<QWidget*>{KnopSpelen, KnopVolgende, Lijst})
        control->setEnabled(true);
    // After a start with an empty collection the type controls are still disabled, and the
    // first game's type must be settable at once.
    for (QWidget* control : std::initializer_list<QWidget*>{optType[0], optType[1]})
        control->setEnabled(true);
    for (QAction* command : {mnu_game_dos, mnu_game_win, mnuFind})
        command->setEnabled(true);
}

bool Hoofdscherm::TitleInUse(const QString& title, int lastGame) const {
    for (int n = 1; n <= lastGame; ++n) {
        if (Games[n].GTitle == title)
            return true;
    }
    return false;
}
