#pragma once
#include <windows.h>

// A finger on the screen and keys of a hardware keyboard, as real input: the
// window under the point gets the press, capture and activation as it would.
namespace InputInjector
{
// Moves the pointer to a screen point; false when it did not arrive there.
bool MoveTo(int x, int y);
// The finger goes down and up at a point; each event carries the point, so a
// late report of an earlier pointer position cannot move the press elsewhere.
void Press(int x, int y);
void Lift(int x, int y);
// A hardware key pressed and released.
void Key(WORD wVk);
// A character typed, as a keyboard that sends Unicode characters types it.
void Character(wchar_t ch);
}
