#pragma once

#include "skin/SkinGeometry.h"

// How text, caret and arrow keys follow a skin that is shown turned: all of
// them take the skin's own turn (ChooseSkinTurn), so the text reads along
// the keys it is typed with.

// Escapement of the font that reads along the turned skin, in tenths of a degree.
enum class TextTurn
{
    Upright = 0,
    CounterClockwise = 900,   // reads bottom to top, next line to the right
    Clockwise = 2700,         // reads top to bottom, next line to the left
};

TextTurn TextTurnFor(SkinTurn turn);

// A point and a rectangle of the keyboard control, right and bottom exclusive.
struct ViewPoint
{
    int x;
    int y;
};

struct ViewRect
{
    int left;
    int top;
    int right;
    int bottom;
};

// Where the edit control's caret point P (edit control pixels) lies on the
// keyboard when the edit view is drawn in area A of a skin shown with that
// turn. nDesign (4 landscape, else portrait) only nudges the caret by a pixel
// to sit on the glyphs of each kind of design.
ViewPoint MapCaretPoint(ViewPoint p, const ViewRect& a, SkinTurn turn, int nDesign);

// Where line text starts: the reading start of a line nOffset pixels (the sum
// of the line heights above it) into area A, with the edit control's left margin.
ViewPoint EditLineOrigin(TextTurn turn, const ViewRect& a, int nMargin, int nOffset);

// Virtual keys of the arrows.
constexpr int VK_ARROW_LEFT = 37;
constexpr int VK_ARROW_UP = 38;
constexpr int VK_ARROW_RIGHT = 39;
constexpr int VK_ARROW_DOWN = 40;

// A key press that reaches the edit control while the text may be turned:
// arrows are turned to move the caret the way the user sees the text; other
// keys are dropped while the text is turned.
struct EditKeyRoute
{
    bool bPass;   // hand the key on to the edit control
    int nKey;     // the key to hand on
};

EditKeyRoute RouteEditKey(int nKey, SkinTurn turn);
