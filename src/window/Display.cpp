// Showing the selected game: screenshot, description, type, navigation buttons and caption.
#include "platform/PictureLoading.h"
#include "platform/SettingsStore.h"
#include "platform/TextLoading.h"
#include "window/DescriptionBox.h"
#include "window/GameList.h"
#include "window/Hoofdscherm.h"
#include "window/PictureBox.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

namespace {

const QString NoDescription = QStringLiteral("No description available");

// Shown when "Default.bmp" or "readme.txt" beside the program is missing or unreadable.
QImage builtInDefaultPicture() {
    return *LoadPicture(QStringLiteral(":/kavrel/Default.bmp"));
}
QString builtInHelpText() {
    return *LoadFile(QStringLiteral(":/kavrel/readme.txt"));
}

} // namespace

void Hoofdscherm::Lijst_Click() {
    if (SelectionBusy)
        return;
    const int n = currentGame();
    if (!Games.contains(n))
        return;
    SelectionBusy = true;
    const GameEntry& game = Games[n];
    ShowGameFiles(game);
    KnopVorige->setEnabled(Lijst->ListIndex() != 0);
    KnopVolgende->setEnabled(Lijst->ListIndex() != Lijst->ListCount() - 1);
    optType_Click(game.GType ? 0 : 1);
    SelectionBusy = false;
    RefreshCaption();
    FocusPicture();
}

void Hoofdscherm::RefreshCaption() {
    setWindowTitle(QStringLiteral("Kavrel (Game %1 of %2)")
                       .arg(Lijst->ListIndex() + 1)
                       .arg(Lijst->ListCount()));
}

int Hoofdscherm::currentGame() const {
    return Lijst->ListIndex() + 1;
}

void Hoofdscherm::FocusPicture() {
    Picture1->setFocus();
    // Right after a dialog the window is not active again yet: the focus then moves without a
    // word, and the description box never hears that it lost it.
    if (HelpShown)
        RTB1_LostFocus();
}

void Hoofdscherm::ShowGameFiles(const GameEntry& game) {
    ShowDefaultPicture();
    if (!game.GBmp.isEmpty())
        ShowScreenshot(game.GBmp);
    ShowNoDescription();
    if (!game.GText.isEmpty())
        ShowDescription(game.GText);
}

void Hoofdscherm::ShowDefaultPicture() {
    const std::optional<QImage> beside = LoadPicture(AppFolder + QStringLiteral("Default.bmp"));
    Picture1->setPicture(beside ? *beside : builtInDefaultPicture());
}

bool Hoofdscherm::ShowScreenshot(const QString& path) {
    const std::optional<QImage> picture = LoadPicture(path);
    if (picture)
        Picture1->setPicture(*picture);
    return picture.has_value();
}

void Hoofdscherm::ShowNoDescription() {
    RTB1->showText(NoDescription);
}

bool Hoofdscherm::ShowDescription(const QString& path) {
    const std::optional<DecodedText> text = LoadText(path);
    if (text)
        RTB1->showText(text->text(), text->isDosText() ? DescriptionBox::Pitch::Fixed
                                                       : DescriptionBox::Pitch::BoxFont);
    return text.has_value();
}

void Hoofdscherm::LoadHelpText() {
    const std::optional<QString> beside = LoadFile(AppFolder + QStringLiteral("readme.txt"));
    RTB1->showText(beside ? *beside : builtInHelpText());
    RTB1->setToolTip(QStringLiteral("Help on how to add games to your collection"));
}

void Hoofdscherm::DisableGameControls() {
    for (QWidget* control :
         std::initializer_list<QWidget*>{Lijst, KnopVolgende, KnopVorige, KnopSpelen})
        control->setEnabled(false);
    for (QAction* command : {MnuBestandVerwijderen, MnuBestandOpen, mnuChange->menuAction()})
        command->setEnabled(false);
    mnuFind->setEnabled(false);
}
