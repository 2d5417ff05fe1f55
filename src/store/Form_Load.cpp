// Start-up: place the window, read the locations, the options and the collection, show the
// first game or the help, then select the game of the last run.
#include "platform/SettingsStore.h"
#include "platform/ValueConversion.h"
#include "store/CollectionStore.h"
#include "store/Paths.h"
#include "store/StoreLayout.h"
#include "window/DescriptionBox.h"
#include "window/GameList.h"
#include "window/Hoofdscherm.h"
#include "window/PictureBox.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QToolButton>

using namespace StoreLayout;

void Hoofdscherm::Form_Load() {
    platform.store.setReadCheck(gameCountReadable);
    SettingsStore::Batch batch(platform.store);
    SelectionBusy = true;

    const QRect screenArea = screen()->availableGeometry();
    move(screenArea.center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));

    AppFolder = EnsureBackslash(QDir::toNativeSeparators(platform.appFolder));
    DosBoxPath = platform.store.GetSetting(LocationSection, DosBox, {});
    DosGamesFolder = platform.store.GetSetting(LocationSection, DosGames, {});
    AutoExit = toBoolean(platform.store.GetSetting(OptionsSection, GExit, QStringLiteral("True")))
                   .value_or(true);
    ExitCheck->setChecked(AutoExit);
    mnuExitOption->setChecked(AutoExit);
    platform.store.SaveSetting(OptionsSection, GExit, booleanText(AutoExit));

    Lijst->Clear();
    Games = readGameTable(platform.store);
    for (int n = 1; n <= GameCount(); ++n)
        Lijst->AddItem(Games[n].GTitle, n - 1);

    if (GameCount() < 1) {
        ShowDefaultPicture();
        HelpShown = true;
        LoadHelpText();
        DisableGameControls();
    } else {
        Lijst->setListIndex(0);
        ShowGameFiles(Games[1]);
        Lijst->setEnabled(true);
        KnopVolgende->setEnabled(Lijst->ListCount() > 1);
        KnopVorige->setEnabled(false);
        for (QWidget* control : std::initializer_list<QWidget*>{KnopSpelen, optType[0], optType[1]})
            control->setEnabled(true);
        for (QAction* command : {MnuBestandVerwijderen, MnuBestandOpen, mnu_game_dos, mnu_game_win,
                                 mnuChange->menuAction()})
            command->setEnabled(true);
    }
    RefreshCaption();
    SelectionBusy = false;
    show();

    if (GameCount() == 0) {
        RTB1->setFocus();
        return;
    }
    const int last =
        toInteger(platform.store.GetSetting(GamesSection, Last, QStringLiteral("0"))).value_or(0);
    if (last >= 0 && last < GameCount()) {
        Lijst->setListIndex(last);
        RefreshCaption();
    }
}
