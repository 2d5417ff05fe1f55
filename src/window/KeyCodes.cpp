#include "window/KeyCodes.h"

#include <Qt>

int KeyCodes::fromQtKey(int qtKey) {
    switch (qtKey) {
    case Qt::Key_PageUp:
        return PageUp;
    case Qt::Key_PageDown:
        return PageDown;
    case Qt::Key_End:
        return End;
    case Qt::Key_Home:
        return Home;
    case Qt::Key_Left:
        return Left;
    case Qt::Key_Up:
        return Up;
    case Qt::Key_Right:
        return Right;
    case Qt::Key_Down:
        return Down;
    case Qt::Key_Space:
        return 32;
    default:
        break;
    }
    const bool letter = qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z;
    const bool digit = qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9;
    return letter || digit ? qtKey : 0;
}

bool KeyCodes::isJumpCharacter(int character) {
    return (character >= '0' && character <= '9') || (character >= 'A' && character <= 'Z') ||
           (character >= 'a' && character <= 'z');
}

int KeyCodes::shiftState(int qtModifiers) {
    int state = 0;
    if (qtModifiers & Qt::ShiftModifier)
        state |= ShiftMask;
    if (qtModifiers & Qt::ControlModifier)
        state |= CtrlMask;
    if (qtModifiers & Qt::AltModifier)
        state |= AltMask;
    return state;
}
