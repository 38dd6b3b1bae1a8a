#pragma once

// Where the keyboard dialog and its two controls go on the screen. The
// keyboard control is centred along the screen's long side; its background
// width is always its extent along that side, so on a portrait screen the
// control is BH wide and BW high. The edit control, never seen, sits at
// (10, 20) with the edit view area's size.

struct PlacedRect
{
    int x;
    int y;
    int nWidth;
    int nHeight;
};

struct KeyboardPlacement
{
    bool bMove;            // false on a square screen: the template's places stay
    PlacedRect dialog;
    PlacedRect edit;
    PlacedRect keyboard;
};

// nScreen: 1 landscape, 2 portrait, 3 square; W x H the screen; BW x BH the
// skin's background; EW x EH the skin's edit view area.
KeyboardPlacement PlaceKeyboard(int nScreen, int nScreenWidth, int nScreenHeight, int nBackgroundWidth,
                                int nBackgroundHeight, int nEditWidth, int nEditHeight);

// Turns a point of the dialog's client area into a point of the keyboard
// control, undoing the centring above.
void DialogToKeyboardPoint(int nScreen, int nScreenWidth, int nScreenHeight, int nBackgroundWidth, int& x,
                           int& y);
