// Files dropped on the window: programs and folders are added, a picture on the screenshot and a
// text on the description change the selected game's.
#include "platform/SettingsStore.h"
#include "shelf/DropTarget.h"
#include "window/DescriptionBox.h"
#include "window/GameList.h"
#include "window/Hoofdscherm.h"
#include "window/PictureBox.h"

#include <QCheckBox>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

void Hoofdscherm::createDropTargets() {
    drops = new DropTarget([this] { return Games.contains(currentGame()); }, this);
    drops->watch(Picture1, DroppedFiles::Place::Screenshot);
    drops->watch(RTB1, DroppedFiles::Place::Description);
    for (QWidget* control : std::initializer_list<QWidget*>{this, centralWidget(), menuBar(), Lijst,
                                                            KnopVorige, KnopVolgende, KnopSpelen,
                                                            optType[0], optType[1], ExitCheck})
        drops->watch(control, DroppedFiles::Place::Window);
    connect(drops, &DropTarget::dropped, this, &Hoofdscherm::Dropped);
}

void Hoofdscherm::Dropped(const DroppedFiles::Plan& plan) {
    switch (plan.action) {
    case DroppedFiles::Action::AddProgram:
        AddProgram(plan.paths[0]);
        break;
    case DroppedFiles::Action::AddShelf:
        if (!CollectionFull())
            AddShelf(plan.paths);
        break;
    case DroppedFiles::Action::ChangeScreenshot:
        DropGameFile(GameFile::Screenshot, plan.paths[0]);
        break;
    case DroppedFiles::Action::ChangeDescription:
        DropGameFile(GameFile::Description, plan.paths[0]);
        break;
    case DroppedFiles::Action::Refuse:
        break;
    }
}

void Hoofdscherm::DropGameFile(GameFile kind, const QString& path) {
    SettingsStore::Batch batch(platform.store);
    const int row = currentGame();
    if (Games.contains(row))
        ChangeGameFile(kind, row, path);
    FocusPicture();
}
