#include "keyboard/TextDirection.h"

namespace {

constexpr int kLandscapeDesign = 4;

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

TextTurn TextTurnFor(SkinTurn turn)
{
    switch (turn)
    {
    case SkinTurn::Clockwise: return TextTurn::Clockwise;
    case SkinTurn::CounterClockwise: return TextTurn::CounterClockwise;
    case SkinTurn::None: break;
    }
    return TextTurn::Upright;
}

ViewPoint MapCaretPoint(ViewPoint p, const ViewRect& a, SkinTurn turn, int nDesign)
{
    const bool bLandscapeDesign = nDesign == kLandscapeDesign;
    switch (turn)
    {
    case SkinTurn::Clockwise:
        return {a.right - p.y - 1, a.top + p.x};
    case SkinTurn::CounterClockwise:
        return {a.left + p.y, a.bottom - p.x - (bLandscapeDesign ? 2 : 1)};
    case SkinTurn::None:
        break;
    }
    return {a.left + p.x + (bLandscapeDesign ? 1 : 0), a.top + p.y - 1};
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

EditKeyRoute RouteEditKey(int nKey, SkinTurn turn)
{
    if (turn == SkinTurn::None)
        return {true, nKey};
    // Keys other than the arrows would act on text the user sees turned, in
    // directions that no longer match their names: they are dropped.
    if (!IsArrow(nKey))
        return {false, nKey};
    if (turn == SkinTurn::CounterClockwise)
        return {true, TurnArrowCounterClockwise(nKey)};
    return {true, TurnArrowClockwise(nKey)};
}
