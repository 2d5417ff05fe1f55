// The window's controls and menus with their captions, tooltips, places and first states.
#include "window/DescriptionBox.h"
#include "window/GameList.h"
#include "window/Hoofdscherm.h"
#include "window/PictureBox.h"
#include "window/WindowScale.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <type_traits>

namespace {

template <typename Control>
Control* named(Control* control, const char* name, const QString& toolTip = {}) {
    control->setObjectName(QString::fromLatin1(name));
    if (!toolTip.isEmpty())
        control->setToolTip(toolTip);
    // What a screen reader says: the caption, or the tooltip where there is none.
    if constexpr (std::is_base_of_v<QAbstractButton, Control>)
        control->setAccessibleName(
            control->text().isEmpty() ? toolTip : QString(control->text()).remove(u'&'));
    else if constexpr (std::is_base_of_v<QWidget, Control>)
        control->setAccessibleName(toolTip);
    return control;
}

QMenu* namedMenu(QMenu* menu, const char* name) {
    named(menu, name);
    named(menu->menuAction(), name);
    return menu;
}

QAction* item(QMenu* menu, const char* name, const QString& caption) {
    return named(menu->addAction(caption), name);
}

} // namespace

void Hoofdscherm::createControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    // Places are those of a 96-dpi screen, scaled to the desktop's.
    const WindowScale scale = WindowScale::of(*client);
    client->setFixedSize(scale(QSize(339, 411)));
    // The controls' sizes were made for a small dialog font: "Auto-exit" must fit in 65 pixels.
    QFont font = client->font();
    font.setPointSizeF(8.0);
    client->setFont(font);
    setCentralWidget(client);

    Picture1 = named(new PictureBox(client), "Picture1",
                     QStringLiteral("Screenshot of the current selected game"));
    Picture1->setGeometry(scale({8, 29, 324, 204}));
    Picture1->setScale(scale.factor);

    KnopVorige = named(new QToolButton(client), "KnopVorige",
                       QStringLiteral("Select previous game in collection"));
    KnopVorige->setGeometry(scale({8, 8, 21, 21}));
    KnopVolgende = named(new QToolButton(client), "KnopVolgende",
                         QStringLiteral("Select next game in collection"));
    KnopVolgende->setGeometry(scale({312, 8, 21, 21}));
    for (auto [button, direction] :
         {std::pair{KnopVorige, Qt::LeftArrow}, std::pair{KnopVolgende, Qt::RightArrow}}) {
        // The style draws the arrow, in the theme's colours, dimmed when the button is disabled.
        button->setArrowType(direction);
        button->setFocusPolicy(Qt::StrongFocus);
    }

    Lijst = named(new GameList(client), "Lijst", QStringLiteral("List of games in collection"));
    Lijst->setGeometry(scale({29, 8, 282, 21}));

    KnopSpelen = named(new QPushButton(QStringLiteral("&Play"), client), "KnopSpelen",
                       QStringLiteral("Press this button to play current selected game"));
    KnopSpelen->setGeometry(scale({280, 384, 49, 21}));

    RTB1 = named(new DescriptionBox(client), "RTB1",
                 QStringLiteral("Description of the current selected game"));
    RTB1->setGeometry(scale({8, 232, 324, 145}));
    // The description reads in a slightly larger font than the controls' labels.
    QFont descriptionFont = font;
    descriptionFont.setPointSizeF(8.5);
    RTB1->setFont(descriptionFont);
    RTB1->setPlainText(QStringLiteral("No description available"));

    // A control array: both buttons carry the name optType and their index as "Index". A group
    // without a frame of its own gives the pair a name for screen readers.
    auto* typeGroup = named(new QGroupBox(client), "typeGroup", QString());
    typeGroup->setAccessibleName(QStringLiteral("Game type"));
    typeGroup->setStyleSheet(QStringLiteral("QGroupBox { border: none; margin: 0; padding: 0; }"));
    typeGroup->setGeometry(scale({8, 384, 98, 21}));
    optType[0] = named(new QRadioButton(QStringLiteral("DOS"), typeGroup), "optType");
    optType[0]->setGeometry(scale({0, 0, 49, 21}));
    optType[1] = named(new QRadioButton(QStringLiteral("Win"), typeGroup), "optType");
    optType[1]->setGeometry(scale({49, 0, 49, 21}));
    optType[0]->setChecked(true);
    for (int index : {0, 1}) {
        optType[index]->setProperty("Index", index);
        optType[index]->setEnabled(false);
    }

    ExitCheck = named(new QCheckBox(QStringLiteral("Auto-exit"), client), "ExitCheck",
                      QStringLiteral("Check this option if you want DOSBox to close after "
                                     "ending your game"));
    ExitCheck->setGeometry(scale({112, 384, 65, 25}));
    ExitCheck->setStyleSheet(QStringLiteral("QCheckBox { spacing: %1px; }").arg(scale(2)));

    setTabOrder();
}

void Hoofdscherm::setTabOrder() {
    const QWidget* order[] = {Picture1, KnopVorige, KnopVolgende, Lijst,    KnopSpelen,
                              RTB1,     optType[0], optType[1],   ExitCheck};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(const_cast<QWidget*>(order[i - 1]), const_cast<QWidget*>(order[i]));
}

void Hoofdscherm::createMenus() {
    QMenuBar* bar = menuBar();

    mnuGame = namedMenu(bar->addMenu(QStringLiteral("&Games")), "mnuGame");
    MnuBestandNieuw = item(mnuGame, "MnuBestandNieuw", QStringLiteral("&Add..."));
    mnuAddFolder = item(mnuGame, "mnuAddFolder", QStringLiteral("Add &folder..."));
    mnuFind = item(mnuGame, "mnuFind", QStringLiteral("Fi&nd..."));
    mnuFind->setShortcut(QKeySequence::Find);
    MnuBestandVerwijderen =
        item(mnuGame, "MnuBestandVerwijderen", QStringLiteral("&Remove from list"));
    MnuBestandOpen = item(mnuGame, "MnuBestandOpen", QStringLiteral("&Play"));
    mnuRunSetup = item(mnuGame, "mnuRunSetup", QStringLiteral("Run set&up"));
    named(mnuGame->addSeparator(), "dummie01");
    mnu_game_dos = item(mnuGame, "mnu_game_dos", QStringLiteral("D&OS"));
    mnu_game_win = item(mnuGame, "mnu_game_win", QStringLiteral("&Win"));
    for (QAction* type : {mnu_game_dos, mnu_game_win}) {
        type->setCheckable(true);
        type->setEnabled(false);
    }
    mnu_game_dos->setChecked(true);
    named(mnuGame->addSeparator(), "dummie02");
    mnuChange = namedMenu(mnuGame->addMenu(QStringLiteral("&Change")), "mnuChange");
    MnuBewerkenTitel = item(mnuChange, "MnuBewerkenTitel", QStringLiteral("&Title..."));
    MnuBewerkenAfbeelding =
        item(mnuChange, "MnuBewerkenAfbeelding", QStringLiteral("&Screenshot..."));
    MnuBewerkenBeschrijving =
        item(mnuChange, "MnuBewerkenBeschrijving", QStringLiteral("&Description..."));
    MnuBewerkenDoel = item(mnuChange, "MnuBewerkenDoel", QStringLiteral("&Executable..."));
    mnuDosBoxSettings = item(mnuChange, "mnuDosBoxSettings", QStringLiteral("DOS&Box settings..."));
    mnu_remove_screenshot =
        item(mnuGame, "mnu_remove_screenshot", QStringLiteral("Remove &Screenshot"));
    mnu_remove_description =
        item(mnuGame, "mnu_remove_description", QStringLiteral("Remove &Description"));
    named(mnuGame->addSeparator(), "dummie03");
    mnuKavrelFolder =
        item(mnuGame, "mnuKavrelFolder", QStringLiteral("&Locate DOS Games Main Folder..."));
    mnuRestoreCollection =
        item(mnuGame, "mnuRestoreCollection", QStringLiteral("Res&tore collection..."));
    mnuMoveGamesFolder =
        item(mnuGame, "mnuMoveGamesFolder", QStringLiteral("&Move games folder..."));
    mnuExportCollection =
        item(mnuGame, "mnuExportCollection", QStringLiteral("&Export collection..."));
    mnuImportCollection =
        item(mnuGame, "mnuImportCollection", QStringLiteral("&Import collection..."));
    named(mnuGame->addSeparator(), "dummie04");
    MnuBestandAfsluiten = item(mnuGame, "MnuBestandAfsluiten", QStringLiteral("E&xit"));

    mnuDOSBox = namedMenu(bar->addMenu(QStringLiteral("&DOSBox")), "mnuDOSBox");
    mnuLocateDOSBox = item(mnuDOSBox, "mnuLocateDOSBox", QStringLiteral("&Locate DOSBox..."));
    mnuExitOption = item(mnuDOSBox, "mnuExitOption", QStringLiteral("&Auto-exit"));
    mnuExitOption->setCheckable(true);

    MnuHelp = named(bar->addAction(QStringLiteral("&Help")), "MnuHelp");
}
