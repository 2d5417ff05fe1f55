// Moving through the collection: the two arrow buttons, the stepping and paging keys, and the
// first-character jump. Every move selects through ListIndex, which shows the game; moves stop
// at both ends, only the jump wraps around.
#include "window/GameList.h"
#include "window/Hoofdscherm.h"
#include "window/KeyCodes.h"
#include "window/PictureBox.h"

#include <QToolButton>
#include <algorithm>

namespace {

constexpr int PageStep = 10;

} // namespace

void Hoofdscherm::KnopVorige_Click() {
    // With nothing selected there is no previous game; the button is normally disabled then.
    if (Lijst->ListIndex() < 0)
        return;
    if (Lijst->ListIndex() != 0)
        Lijst->setListIndex(Lijst->ListIndex() - 1);
    KnopVorige->setEnabled(Lijst->ListIndex() != 0);
    RefreshCaption();
    FocusPicture();
}

void Hoofdscherm::KnopVolgende_Click() {
    if (Lijst->ListIndex() + 1 < Lijst->ListCount())
        Lijst->setListIndex(Lijst->ListIndex() + 1);
    KnopVolgende->setEnabled(Lijst->ListIndex() != Lijst->ListCount() - 1);
    RefreshCaption();
    FocusPicture();
}

void Hoofdscherm::Form_KeyDown(int keyCode, int) {
    // Keys act when released, and only the key pressed last: one stroke, one move.
    LastKeyCode = keyCode;
}

void Hoofdscherm::Form_KeyUp(int keyCode, int shift) {
    // Ctrl and Alt make the key someone else's; Shift alone changes nothing.
    if (shift > KeyCodes::ShiftMask)
        return;
    if (keyCode == LastKeyCode) {
        const int index = Lijst->ListIndex();
        const int last = Lijst->ListCount() - 1;
        switch (keyCode) {
        // On an empty list Home and Page Up ask for an entry that does not exist: the list then
        // selects nothing.
        case KeyCodes::PageUp:
            Lijst->setListIndex(std::max(index - PageStep, 0));
            break;
        case KeyCodes::PageDown:
            Lijst->setListIndex(std::min(index + PageStep, last));
            break;
        case KeyCodes::End:
            Lijst->setListIndex(last);
            break;
        case KeyCodes::Home:
            Lijst->setListIndex(0);
            break;
        case KeyCodes::Left:
        case KeyCodes::Up:
            if (KnopVorige->isEnabled())
                KnopVorige_Click();
            break;
        case KeyCodes::Right:
        case KeyCodes::Down:
            if (KnopVolgende->isEnabled())
                KnopVolgende_Click();
            break;
        default:
            break;
        }
    }
    RefreshCaption();
}

void Hoofdscherm::Form_KeyPress(int keyAscii) {
    if (!KeyCodes::isJumpCharacter(keyAscii))
        return;
    const QChar wanted = QChar(keyAscii).toLower();

    const int current = Lijst->ListIndex();
    const int count = Lijst->ListCount();
    const auto matches = [&](int i) {
        const QString title = Lijst->List(i);
        return !title.isEmpty() && title.front().toLower() == wanted;
    };
    const auto firstMatchFrom = [&](int from) {
        for (int i = from; i < count; ++i)
            if (matches(i))
                return i;
        return -1;
    };
    // Search on after the selected entry, then once more from the top: the same key cycles
    // through the titles with that first character and comes back to the first of them. The
    // second pass takes in the selected entry itself, for a title alone with its character.
    int found = current == count - 1 ? -1 : firstMatchFrom(current + 1);
    if (found < 0)
        found = firstMatchFrom(0);
    if (found < 0)
        return;
    Lijst->setListIndex(found);
    RefreshCaption();
}
