#pragma once
#include <windows.h>

// A finger on the screen and keys of a hardware keyboard, as real input: the
// window under the point gets the press, capture and activation as it would.
namespace InputInjector
{
// Moves the pointer to a screen point; false when it did not arrive there.
bool MoveTo(int x, int y);
void Press();
void Lift();
// A hardware key pressed and released.
void Key(WORD wVk);
}
