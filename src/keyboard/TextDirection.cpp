#include "keyboard/TextDirection.h"

#include "support/ScreenRules.h"

namespace {

constexpr int kLandscapeDesign = 4;

bool IsLandscape(int nScreen) { return nScreen == ORIENT_LANDSCAPE; }

// The arrow seen by a user who reads the text turned by 90 degrees
// counter-clockwise: left goes up the text, up goes right, and so on round.
int TurnArrowCounterClockwise(int nKey)
{
    switch (nKey)
    {
    case VK_ARROW_LEFT: return VK_ARROW_UP;
    case VK_ARROW_UP: return VK_ARROW_RIGHT;
    case VK_ARROW_RIGHT: return VK_ARROW_DOWN;
    case VK_ARROW_DOWN: return VK_ARROW_LEFT;
    default: return nKey;
    }
}

int TurnArrowClockwise(int nKey)
{
    switch (nKey)
    {
    case VK_ARROW_LEFT: return VK_ARROW_DOWN;
    case VK_ARROW_UP: return VK_ARROW_LEFT;
    case VK_ARROW_RIGHT: return VK_ARROW_UP;
    case VK_ARROW_DOWN: return VK_ARROW_RIGHT;
    default: return nKey;
    }
}

bool IsArrow(int nKey) { return nKey >= VK_ARROW_LEFT && nKey <= VK_ARROW_DOWN; }

}  // namespace

TextTurn ChooseTextTurn(int nDesign, int nScreen, unsigned long dwHabit)
{
    if (nDesign == kLandscapeDesign)
    {
        if (IsLandscape(nScreen))
            return TextTurn::Upright;
        return dwHabit != 0 ? TextTurn::CounterClockwise : TextTurn::Clockwise;
    }
    return IsLandscape(nScreen) ? TextTurn::CounterClockwise : TextTurn::Upright;
}

ViewPoint MapCaretPoint(ViewPoint p, const ViewRect& a, int nDesign, int nScreen, unsigned long dwHabit)
{
    if (nDesign != kLandscapeDesign)
    {
        if (!IsLandscape(nScreen))
            return {a.left + p.x, a.top + p.y - 1};
        return {a.left + p.y, a.bottom - p.x - 1};
    }
    if (IsLandscape(nScreen))
        return {a.left + p.x + 1, a.top + p.y - 1};
    if (dwHabit == 0)
        return {a.right - p.y - 1, a.top + p.x};
    return {a.left + p.y, a.bottom - p.x - 2};
}

ViewPoint EditLineOrigin(TextTurn turn, const ViewRect& a, int nMargin, int nOffset)
{
    switch (turn)
    {
    case TextTurn::CounterClockwise:
        return {a.left + nOffset, a.bottom - nMargin - 2};
    case TextTurn::Clockwise:
        return {a.right - nOffset, a.top + nMargin + 2};
    case TextTurn::Upright:
        break;
    }
    return {a.left + nMargin + 2, a.top + nOffset};
}

EditKeyRoute RouteEditKey(int nKey, int nDesign, int nScreen, unsigned long dwHabit)
{
    const TextTurn turn = ChooseTextTurn(nDesign, nScreen, dwHabit);
    if (turn == TextTurn::Upright)
        return {true, nKey};
    // Keys other than the arrows would act on text the user sees turned, in
    // directions that no longer match their names: they are dropped.
    if (!IsArrow(nKey))
        return {false, nKey};
    if (turn == TextTurn::CounterClockwise)
        return {true, TurnArrowCounterClockwise(nKey)};
    return {true, TurnArrowClockwise(nKey)};
}
