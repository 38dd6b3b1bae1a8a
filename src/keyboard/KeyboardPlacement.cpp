#include "keyboard/KeyboardPlacement.h"

#include "support/ScreenRules.h"

namespace {

constexpr int kEditLeft = 10;
constexpr int kEditTop = 20;

}  // namespace

KeyboardPlacement PlaceKeyboard(int nScreen, int nScreenWidth, int nScreenHeight, int nBackgroundWidth,
                                int nBackgroundHeight, int nEditWidth, int nEditHeight)
{
    KeyboardPlacement placement{};
    if (nScreen == ORIENT_LANDSCAPE)
    {
        placement.bMove = true;
        placement.dialog = {0, 0, nScreenWidth, nScreenHeight};
        placement.edit = {kEditLeft, kEditTop, nEditWidth, nEditHeight};
        placement.keyboard = {(nScreenWidth - nBackgroundWidth) / 2, 0, nBackgroundWidth, nBackgroundHeight};
    }
    else if (nScreen == ORIENT_PORTRAIT)
    {
        placement.bMove = true;
        placement.dialog = {0, 0, nBackgroundHeight, nBackgroundWidth};
        placement.edit = {kEditLeft, kEditTop, nEditHeight, nEditWidth};
        placement.keyboard = {0, (nScreenHeight - nBackgroundWidth) / 2, nBackgroundHeight, nBackgroundWidth};
    }
    return placement;
}

void DialogToKeyboardPoint(int nScreen, int nScreenWidth, int nScreenHeight, int nBackgroundWidth, int& x,
                           int& y)
{
    if (nScreen == ORIENT_LANDSCAPE)
        x += (nBackgroundWidth - nScreenWidth) / 2;
    else if (nScreen == ORIENT_PORTRAIT)
        y += (nBackgroundWidth - nScreenHeight) / 2;
}
