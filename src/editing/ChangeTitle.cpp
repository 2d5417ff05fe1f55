// Renaming the selected game: the new title must be free; the collection is sorted and stored
// again as a whole, since the game may move to another number.
#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"
#include "store/CollectionStore.h"
#include "window/GameList.h"
#include "window/Hoofdscherm.h"
#include "window/PictureBox.h"

void Hoofdscherm::MnuBewerkenTitel_Click() {
    SettingsStore::Batch batch(platform.store);
    const int selected = Lijst->ListIndex();
    if (GameCount() == 0 || !Games.contains(selected + 1))
        return;

    const QString BoxTitle = QStringLiteral("Change title");
    const QString current = Lijst->List(selected);
    QString answer = platform.dialogs.InputBox(
        QStringLiteral("Change the title of the current DOS Game"), BoxTitle, current);
    // An empty or unchanged answer, Cancel among them, leaves everything as it was.
    if (answer == current || answer.isEmpty())
        return;
    if (GameCount() > 1) {
        while (TitleInUse(answer, GameCount())) {
            answer = platform.dialogs.InputBox(
                QStringLiteral("The given title is in use, please enter another title for this "
                               "DOS-game"),
                BoxTitle, current);
            if (answer == current || answer.isEmpty())
                return;
        }
    }

    const GameTable stored = Games;
    Games[selected + 1].GTitle = answer;
    Lijst->setList(selected, answer);
    BubbleSort();
    writeGameTable(platform.store, Games, stored);
    FocusPicture();
}
