#pragma once

// Key codes and shift states as the key handlers know them: the platform's virtual-key codes.
namespace KeyCodes {

inline constexpr int PageUp = 33;
inline constexpr int PageDown = 34;
inline constexpr int End = 35;
inline constexpr int Home = 36;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;

inline constexpr int ShiftMask = 1;
inline constexpr int CtrlMask = 2;
inline constexpr int AltMask = 4;

// The virtual-key code of a Qt key: letters 65 to 90, digits 48 to 57, the navigation keys
// above, the space 32; 0 for every other key.
int fromQtKey(int qtKey);
// Whether a typed character jumps to a title: the digits and the letters A to Z in either case.
bool isJumpCharacter(int character);
// The shift state of Qt keyboard modifiers: Shift 1, Ctrl 2, Alt 4.
int shiftState(int qtModifiers);

} // namespace KeyCodes
