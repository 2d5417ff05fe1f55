#include "window/Hoofdscherm.h"

#include "backup/Backups.h"
#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"
#include "window/DescriptionBox.h"
#include "window/GameList.h"
#include "window/PictureBox.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

Hoofdscherm::Hoofdscherm(PlatformServices services)
    : platform(std::move(services)), CMDialog1(platform.dialogs) {
    setObjectName(QStringLiteral("Hoofdscherm"));
    setWindowTitle(QStringLiteral("Kavrel"));
    setWindowIcon(QIcon(QStringLiteral(":/kavrel/kavrel.png")));
    createControls();
    createMenus();
    setFixedSize(sizeHint());
    connectHandlers();
    createDropTargets();
    // An earlier version of the store is kept before the first change of each day.
    backups = std::make_unique<Backups>(platform.store.location());
    platform.store.setBeforeChange([this] { backups->makeDailyIfDue(); });
    platform.store.setFailureReporter(
        [this](const QString& reason) { reportStoreFailure(reason); });
    platform.store.setNoticeReporter([this](const QString& notice) {
        platform.dialogs.MsgBox(notice, MsgBoxStyle::Exclamation, QStringLiteral("Kavrel"));
    });
    // Key preview: the window sees every key of its controls before they do.
    qApp->installEventFilter(this);
    Form_Load();
}

Hoofdscherm::~Hoofdscherm() {
    qApp->removeEventFilter(this);
    platform.store.setFailureReporter({});
    platform.store.setNoticeReporter({});
    platform.store.setBeforeChange({});
}

void Hoofdscherm::connectHandlers() {
    connect(Lijst, &GameList::Click, this, &Hoofdscherm::Lijst_Click);
    connect(KnopVorige, &QToolButton::clicked, this, &Hoofdscherm::KnopVorige_Click);
    connect(KnopVolgende, &QToolButton::clicked, this, &Hoofdscherm::KnopVolgende_Click);
    connect(KnopSpelen, &QPushButton::clicked, this, &Hoofdscherm::KnopSpelen_Click);
    connect(Picture1, &PictureBox::DblClick, this, &Hoofdscherm::Picture1_DblClick);
    connect(RTB1, &DescriptionBox::DblClick, this, &Hoofdscherm::RTB1_DblClick);
    connect(RTB1, &DescriptionBox::LostFocus, this, &Hoofdscherm::RTB1_LostFocus);
    for (int index : {0, 1})
        connect(optType[index], &QRadioButton::clicked, this,
                [this, index] { optType_Click(index); });
    // The check box answers every change of its state, also one made by the program.
    connect(ExitCheck, &QCheckBox::toggled, this, &Hoofdscherm::ExitCheck_Click);
    // The end of the desktop session need not close the window first, so it remembers the
    // selected game on its own; the session manager handed along is of no use here.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { storeLastGame(); });

    const std::pair<QAction*, void (Hoofdscherm::*)()> menuHandlers[] = {
        {MnuBestandNieuw, &Hoofdscherm::MnuBestandNieuw_Click},
        {MnuBestandVerwijderen, &Hoofdscherm::MnuBestandVerwijderen_Click},
        {MnuBestandOpen, &Hoofdscherm::MnuBestandOpen_Click},
        {mnu_game_dos, &Hoofdscherm::mnu_game_dos_Click},
        {mnu_game_win, &Hoofdscherm::mnu_game_win_Click},
        {MnuBewerkenTitel, &Hoofdscherm::MnuBewerkenTitel_Click},
        {MnuBewerkenAfbeelding, &Hoofdscherm::MnuBewerkenAfbeelding_Click},
        {MnuBewerkenBeschrijving, &Hoofdscherm::MnuBewerkenBeschrijving_Click},
        {MnuBewerkenDoel, &Hoofdscherm::MnuBewerkenDoel_Click},
        {mnu_remove_screenshot, &Hoofdscherm::mnu_remove_screenshot_Click},
        {mnu_remove_description, &Hoofdscherm::mnu_remove_description_Click},
        {mnuKavrelFolder, &Hoofdscherm::mnuKavrelFolder_Click},
        {MnuBestandAfsluiten, &Hoofdscherm::MnuBestandAfsluiten_Click},
        {mnuLocateDOSBox, &Hoofdscherm::mnuLocateDOSBox_Click},
        {mnuExitOption, &Hoofdscherm::mnuExitOption_Click},
        {MnuHelp, &Hoofdscherm::MnuHelp_Click},
        {mnuDosBoxSettings, &Hoofdscherm::mnuDosBoxSettings_Click},
        {mnuRunSetup, &Hoofdscherm::mnuRunSetup_Click},
        {mnuAddFolder, &Hoofdscherm::mnuAddFolder_Click},
        {mnuFind, &Hoofdscherm::mnuFind_Click},
        {mnuRestoreCollection, &Hoofdscherm::mnuRestoreCollection_Click},
        {mnuMoveGamesFolder, &Hoofdscherm::mnuMoveGamesFolder_Click},
        {mnuExportCollection, &Hoofdscherm::mnuExportCollection_Click},
        {mnuImportCollection, &Hoofdscherm::mnuImportCollection_Click},
    };
    for (const auto& [action, handler] : menuHandlers)
        connect(action, &QAction::triggered, this, handler);
    for (QMenu* menu : {mnuGame, mnuChange})
        connect(menu, &QMenu::aboutToShow, this, &Hoofdscherm::updateDosBoxCommands);
}

void Hoofdscherm::closeEvent(QCloseEvent* event) {
    Form_QueryUnload();
    event->accept();
}

void Hoofdscherm::reportStoreFailure(const QString& reason) {
    if (storeFailureShown)
        return;
    storeFailureShown = true;
    platform.dialogs.MsgBox(QStringLiteral("Kavrel cannot save changes to your collection. %1\n\n"
                                           "Kavrel keeps running with the collection as you "
                                           "see it, but your changes may be gone the next time "
                                           "it starts.")
                                .arg(reason),
                            MsgBoxStyle::Exclamation, QStringLiteral("Kavrel"));
}
