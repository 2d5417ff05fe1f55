// The window's controls and menus with their captions, tooltips, places and first states.
#include "window/DescriptionBox.h"
#include "window/GameList.h"
#include "window/Hoofdscherm.h"
#include "window/PictureBox.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPolygon>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <type_traits>

namespace {

// The arrow buttons' pictures: a triangle in the button's text colour on its face colour,
// 24 x 24 pixels, so that they follow a dark theme.
QPixmap arrowPicture(Qt::ArrowType direction, const QPalette& palette) {
    QPixmap picture(24, 24);
    picture.fill(palette.color(QPalette::Button));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette.color(QPalette::ButtonText));
    const QPolygon pointingLeft({QPoint(8, 12), QPoint(15, 6), QPoint(15, 18)});
    const QPolygon pointingRight({QPoint(16, 12), QPoint(9, 6), QPoint(9, 18)});
    painter.drawPolygon(direction == Qt::LeftArrow ? pointingLeft : pointingRight);
    return picture;
}

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
    client->setFixedSize(339, 411);
    // The controls' sizes were made for a small dialog font: "Auto-exit" must fit in 65 pixels.
    QFont font = client->font();
    font.setPointSizeF(8.0);
    client->setFont(font);
    setCentralWidget(client);

    Picture1 = named(new PictureBox(client), "Picture1",
                     QStringLiteral("Screenshot of the current selected game"));
    Picture1->setGeometry(8, 29, 324, 204);

    KnopVorige = named(new QToolButton(client), "KnopVorige",
                       QStringLiteral("Select previous game in collection"));
    KnopVorige->setGeometry(8, 8, 21, 21);
    KnopVolgende = named(new QToolButton(client), "KnopVolgende",
                         QStringLiteral("Select next game in collection"));
    KnopVolgende->setGeometry(312, 8, 21, 21);
    for (auto [button, direction] :
         {std::pair{KnopVorige, Qt::LeftArrow}, std::pair{KnopVolgende, Qt::RightArrow}}) {
        button->setIcon(QIcon(arrowPicture(direction, button->palette())));
        button->setIconSize(QSize(24, 24));
        button->setFocusPolicy(Qt::StrongFocus);
    }

    Lijst = named(new GameList(client), "Lijst", QStringLiteral("List of games in collection"));
    Lijst->setGeometry(29, 8, 282, 21);

    KnopSpelen = named(new QPushButton(QStringLiteral("&Play"), client), "KnopSpelen",
                       QStringLiteral("Press this button to play current selected game"));
    KnopSpelen->setGeometry(280, 384, 49, 21);

    RTB1 = named(new DescriptionBox(client), "RTB1",
                 QStringLiteral("Description of the current selected game"));
    RTB1->setGeometry(8, 232, 324, 145);
    // The description reads in a slightly larger font than the controls' labels.
    QFont descriptionFont = font;
    descriptionFont.setPointSizeF(8.5);
    RTB1->setFont(descriptionFont);
    RTB1->setPlainText(QStringLiteral("No description available"));

    // A control array: both buttons carry the name optType and their index as "Index".
    optType[0] = named(new QRadioButton(QStringLiteral("DOS"), client), "optType");
    optType[0]->setGeometry(8, 384, 49, 21);
    optType[1] = named(new QRadioButton(QStringLiteral("Win"), client), "optType");
    optType[1]->setGeometry(57, 384, 49, 21);
    optType[0]->setChecked(true);
    for (int index : {0, 1}) {
        optType[index]->setProperty("Index", index);
        optType[index]->setEnabled(false);
    }

    ExitCheck = named(new QCheckBox(QStringLiteral("Auto-exit"), client), "ExitCheck",
                      QStringLiteral("Check this option if you want DOSBox to close after "
                                     "ending your game"));
    ExitCheck->setGeometry(112, 384, 65, 25);
    ExitCheck->setStyleSheet(QStringLiteral("QCheckBox { spacing: 2px; }"));

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
    MnuBestandVerwijderen =
        item(mnuGame, "MnuBestandVerwijderen", QStringLiteral("&Remove from list"));
    MnuBestandOpen = item(mnuGame, "MnuBestandOpen", QStringLiteral("&Play"));
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
