#include "keyboard/KeyboardPlacement.h"

#include "support/ScreenRules.h"

namespace {

constexpr int kEditLeft = 10;
constexpr int kEditTop = 20;

}  // namespace

KeyboardPlacement PlaceKeyboard(const PlacementInput& in)
{
    KeyboardPlacement placement{};
    if (in.nScreen != ORIENT_LANDSCAPE && in.nScreen != ORIENT_PORTRAIT)
        return placement;
    placement.bMove = true;
    // The whole screen in either orientation: the keyboard is centred along the
    // long side, so a dialog only as big as the background would cut off its
    // far end wherever the screen is longer than the skin (240x400, say).
    placement.dialog = {0, 0, in.nScreenWidth, in.nScreenHeight};
    // The edit view area lies turned on the screen when the text is turned;
    // the edit control holds the text upright.
    placement.edit = in.bTurned ? PlacedRect{kEditLeft, kEditTop, in.nEditHeight, in.nEditWidth}
                                : PlacedRect{kEditLeft, kEditTop, in.nEditWidth, in.nEditHeight};
    const int nWidth = in.bTurned ? in.nBackgroundHeight : in.nBackgroundWidth;
    const int nHeight = in.bTurned ? in.nBackgroundWidth : in.nBackgroundHeight;
    if (in.nScreen == ORIENT_LANDSCAPE)
        placement.keyboard = {(in.nScreenWidth - nWidth) / 2, 0, nWidth, nHeight};
    else
        placement.keyboard = {0, (in.nScreenHeight - nHeight) / 2, nWidth, nHeight};
    return placement;
}

void DialogToKeyboardPoint(const PlacementInput& input, int& x, int& y)
{
    const KeyboardPlacement placement = PlaceKeyboard(input);
    if (!placement.bMove)
        return;
    x -= placement.keyboard.x;
    y -= placement.keyboard.y;
}
