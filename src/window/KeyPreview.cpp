// Key preview: the window sees every key of its own controls first. The keys it moves with are
// its own alone; a held key moves once, when it is let go, however the platform reports its
// repeats.
#include "window/DescriptionBox.h"
#include "window/GameList.h"
#include "window/Hoofdscherm.h"
#include "window/KeyCodes.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QTimer>

namespace {

// X repeats a held key as a release and a press with the same time stamp, and the toolkit marks
// the pair as a repeat only when the press has already arrived as it handles the release. A
// release therefore waits this long for its press before it counts as the key let go.
constexpr int RepeatPairWait = 40; // milliseconds

// The keys the window acts on: stepping and paging without Ctrl or Alt, and the jump characters.
bool isWindowKey(const QKeyEvent& key, int keyCode, int shift) {
    if (shift & (KeyCodes::CtrlMask | KeyCodes::AltMask))
        return false;
    if (keyCode >= KeyCodes::PageUp && keyCode <= KeyCodes::Down)
        return true;
    return !key.text().isEmpty() && KeyCodes::isJumpCharacter(key.text().front().unicode());
}

} // namespace

bool Hoofdscherm::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        if (previewKey(watched, *static_cast<QKeyEvent*>(event)))
            return true;
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // A click comes after the key let go before it.
        actOnPendingRelease();
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool Hoofdscherm::previewKey(QObject* watched, const QKeyEvent& key) {
    // A key event travels from the focused control up through its parents; the window looks at
    // it once, at its first stop. Keys of other windows, dialogs among them, never stop at the
    // window's own focused control, so they are not its own.
    QWidget* focused = focusWidget() ? focusWidget() : this;
    if (watched != focused)
        return false;
    // Alt on its own hands the keyboard to the menu bar (in styles that do so), which then holds
    // the focus; from then on, and while a menu is open, every key is the menus'.
    if (qobject_cast<QMenuBar*>(focused) || QApplication::activePopupWidget())
        return false;
    const int keyCode = KeyCodes::fromQtKey(key.key());
    const int shift = KeyCodes::shiftState(key.modifiers().toInt());
    // A key the window has no game to move to scrolls the description box instead, so that a long
    // description or the help text can be read by keyboard. The window only refreshes its
    // caption, as on every key let go; showing the same game again would reset the box.
    if (watched == RTB1 && isWindowKey(key, keyCode, shift) && descriptionScrolls(keyCode)) {
        actOnPendingRelease();
        if (key.type() == QEvent::KeyRelease && !key.isAutoRepeat())
            RefreshCaption();
        return false;
    }
    if (key.type() == QEvent::KeyRelease) {
        releaseKey(key, keyCode, shift);
        return isWindowKey(key, keyCode, shift);
    }

    const bool pairedWithRelease = pendingRelease && pendingRelease->qtKey == key.key() &&
                                   pendingRelease->timestamp == key.timestamp();
    if (pairedWithRelease) {
        // The release before was no release: the key is still held.
        pendingRelease.reset();
        releaseWait->stop();
    } else {
        actOnPendingRelease();
    }
    // A held key repeats its press; the stroke counts once.
    if (!pairedWithRelease && !key.isAutoRepeat())
        Form_KeyDown(keyCode, shift);
    // With Ctrl or Alt held a key types no character: it is a command of another kind.
    const bool typesCharacter = (shift & (KeyCodes::CtrlMask | KeyCodes::AltMask)) == 0;
    if (typesCharacter && !key.text().isEmpty())
        Form_KeyPress(key.text().front().unicode());
    return isWindowKey(key, keyCode, shift);
}

bool Hoofdscherm::descriptionScrolls(int keyCode) const {
    using namespace KeyCodes;
    if (keyCode < PageUp || keyCode > Down)
        return false;
    const int count = Lijst->ListCount();
    const bool backwards = keyCode == PageUp || keyCode == Home || keyCode == Left || keyCode == Up;
    return count == 0 || Lijst->ListIndex() == (backwards ? 0 : count - 1);
}

void Hoofdscherm::releaseKey(const QKeyEvent& key, int keyCode, int shift) {
    if (key.isAutoRepeat())
        return;
    actOnPendingRelease();
    // Without a time stamp no press can pair with the release.
    if (key.timestamp() == 0) {
        Form_KeyUp(keyCode, shift);
        return;
    }
    if (!releaseWait) {
        releaseWait = new QTimer(this);
        releaseWait->setSingleShot(true);
        releaseWait->setInterval(RepeatPairWait);
        connect(releaseWait, &QTimer::timeout, this, &Hoofdscherm::actOnPendingRelease);
    }
    pendingRelease = KeyRelease{key.key(), keyCode, shift, key.timestamp()};
    releaseWait->start();
}

void Hoofdscherm::actOnPendingRelease() {
    if (!pendingRelease)
        return;
    const KeyRelease release = *pendingRelease;
    pendingRelease.reset();
    releaseWait->stop();
    Form_KeyUp(release.keyCode, release.shift);
}
