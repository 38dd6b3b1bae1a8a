#pragma once
#include <cstdint>

// Geometry of the SIP bar: the eight buttons of each bitmap size, where the bar
// sits in its window, and which button a point falls on. Plain arithmetic.

constexpr int kBarButtonCount = 8;
constexpr int kNoButton = -1;

// Action numbers of the bar's buttons; each button's index is its action.
enum SipAction : int
{
    SIP_ACTION_NONE = -1,
    SIP_ACTION_KEYBOARD = 0,
    SIP_ACTION_COPY = 1,
    SIP_ACTION_SELECT_ALL = 2,
    SIP_ACTION_CUT = 3,
    SIP_ACTION_ENTER = 4,
    SIP_ACTION_PASTE = 5,
    SIP_ACTION_BACKSPACE = 6,
    SIP_ACTION_OPTIONS = 7,
};

// Right and bottom are exclusive.
struct BarRect
{
    int left;
    int top;
    int right;
    int bottom;
};

// The buttons of one bitmap size, in action order, with their pressed images.
struct BarButtonLayout
{
    BarRect aRects[kBarButtonCount];
    int aPressedIds[kBarButtonCount];
    int nBarBitmapId;
    int nBarWidth;   // the bar bitmap's size
    int nBarHeight;
};

const BarButtonLayout& GetQvgaBarLayout();
const BarButtonLayout& GetVgaBarLayout();

// The first button, in action order, whose rectangle holds (x, y); kNoButton for none.
int HitTestBar(const BarRect (&aRects)[kBarButtonCount], int x, int y);

// Left edge of the bar bitmap centred in a client area; negative when the
// window is narrower than the bitmap (both sides are then clipped).
int BarLeft(int nClientLeft, int nClientRight, int nBitmapWidth);

struct BarPoint
{
    int x;
    int y;
};

// A mouse message's lParam in bar coordinates. The 16-bit halves are taken
// unsigned: a captured point left of or above the window becomes a large value
// that hits no button.
BarPoint TranslateBarPoint(std::uint32_t lParam, int nBarLeft);
