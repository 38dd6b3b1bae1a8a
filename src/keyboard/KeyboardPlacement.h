#pragma once

#include "support/PlacedRect.h"

// Where the keyboard dialog and its two controls go on the screen. The dialog
// covers the screen; the keyboard control is centred along the screen's long
// side. A skin shown turned by 90 degrees takes its design height across and
// its design width along the screen. The edit control, never seen, sits at
// (10, 20) and is sized like the edit view area as the text reads in it, so
// that its lines wrap at the length the area shows.

struct KeyboardPlacement
{
    bool bMove;            // false on a square screen: the template's places stay
    PlacedRect dialog;
    PlacedRect edit;
    PlacedRect keyboard;
};

// The screen, its size, the skin's design size, the edit view area's size as
// it lies on the screen, and whether the skin (and its text) is shown turned.
struct PlacementInput
{
    int nScreen;            // 1 landscape, 2 portrait, 3 square
    int nScreenWidth;
    int nScreenHeight;
    int nBackgroundWidth;
    int nBackgroundHeight;
    int nEditWidth;
    int nEditHeight;
    bool bTurned;
};

KeyboardPlacement PlaceKeyboard(const PlacementInput& input);

// Turns a point of the dialog's client area into a point of the keyboard
// control, undoing the centring above.
void DialogToKeyboardPoint(const PlacementInput& input, int& x, int& y);
