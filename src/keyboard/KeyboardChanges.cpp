#include "keyboard/KeyboardChanges.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr std::uint64_t kFnvPrime = 1099511628211ull;

bool SameRect(const ViewRect& a, const ViewRect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

bool SameLayer(const LayerShown& a, const LayerShown& b)
{
    return a.nContent == b.nContent && SameRect(a.rcBox, b.rcBox);
}

void Add(KeyboardChanges& changes, const ViewRect& rc)
{
    if (IsEmptyRect(rc))
        return;
    for (int i = 0; i < changes.nCount; ++i)
    {
        if (SameRect(changes.aRects[i], rc))
            return;
    }
    changes.aRects[changes.nCount++] = rc;
}

ViewRect Inflate(const ViewRect& rc, int dx, int dy)
{
    return {rc.left - dx, rc.top - dy, rc.right + dx, rc.bottom + dy};
}

}  // namespace

KeyboardChanges FindKeyboardChanges(const KeyboardFrame& shown, const KeyboardFrame& next)
{
    KeyboardChanges changes{};
    if (!shown.bKnown || !next.bKnown || shown.nWhole != next.nWhole)
    {
        changes.bAll = true;
        return changes;
    }
    for (int i = 0; i < LAYER_COUNT; ++i)
    {
        if (SameLayer(shown.layers[i], next.layers[i]))
            continue;
        // What the layer drew is taken away where it was, and drawn where it goes.
        Add(changes, shown.layers[i].rcBox);
        Add(changes, next.layers[i].rcBox);
    }
    return changes;
}

std::uint64_t MixSignature(std::uint64_t nSignature, std::uint64_t nValue)
{
    for (int i = 0; i < 8; ++i)
    {
        nSignature = (nSignature ^ (nValue & 0xFF)) * kFnvPrime;
        nValue >>= 8;
    }
    return nSignature;
}

std::uint64_t MixSignature(std::uint64_t nSignature, const wchar_t* pszText, int nLength)
{
    nSignature = MixSignature(nSignature, static_cast<std::uint64_t>(nLength));
    for (int i = 0; i < nLength; ++i)
    {
        const auto nUnit = static_cast<std::uint64_t>(pszText[i]);
        nSignature = (nSignature ^ (nUnit & 0xFF)) * kFnvPrime;
        nSignature = (nSignature ^ (nUnit >> 8 & 0xFF)) * kFnvPrime;
    }
    return nSignature;
}

bool IsEmptyRect(const ViewRect& rc) { return rc.right <= rc.left || rc.bottom <= rc.top; }

ViewRect UnionRects(const ViewRect& a, const ViewRect& b)
{
    if (IsEmptyRect(a))
        return b;
    if (IsEmptyRect(b))
        return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

ViewRect IntersectRects(const ViewRect& a, const ViewRect& b)
{
    const ViewRect rc{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                      std::min(a.bottom, b.bottom)};
    return IsEmptyRect(rc) ? ViewRect{0, 0, 0, 0} : rc;
}

KeyboardLayer EditLineLayer(int nLine)
{
    return static_cast<KeyboardLayer>(LAYER_EDIT_LINE + std::clamp(nLine, 0, kMaxEditLines - 1));
}

ViewRect EditLineBox(TextTurn turn, const ViewRect& rcArea, int nOffset, int nLineHeight)
{
    if (IsEmptyRect(rcArea) || nLineHeight <= 0)
        return {0, 0, 0, 0};
    const int nSide = std::max(nLineHeight / 4, 1);
    const ViewRect& a = rcArea;
    switch (turn)
    {
    case TextTurn::CounterClockwise:   // bottom to top, the next line to the right
        return Inflate({a.left + nOffset, a.top, a.left + nOffset + nLineHeight, a.bottom}, nSide, nLineHeight);
    case TextTurn::Clockwise:          // top to bottom, the next line to the left
        return Inflate({a.right - nOffset - nLineHeight, a.top, a.right - nOffset, a.bottom}, nSide, nLineHeight);
    case TextTurn::Upright:
        break;
    }
    return Inflate({a.left, a.top + nOffset, a.right, a.top + nOffset + nLineHeight}, nLineHeight, nSide);
}

ViewRect CaretBox(ViewPoint from, ViewPoint to, int nPenWidth)
{
    // A wide pen reaches half its width beside the line and past its ends,
    // rounded either way: the whole width each way is enough.
    const int nReach = std::max(nPenWidth, 1);
    return {std::min(from.x, to.x) - nReach, std::min(from.y, to.y) - nReach, std::max(from.x, to.x) + nReach + 1,
            std::max(from.y, to.y) + nReach + 1};
}

ViewRect PreviewBox(const ViewRect& rcArea, TextTurn turn, int nFontHeight)
{
    if (turn == TextTurn::Upright)
        return rcArea;
    const int cx = rcArea.left + (rcArea.right - rcArea.left) / 2;
    const int cy = rcArea.top + (rcArea.bottom - rcArea.top) / 2;
    const int nReach = std::abs(nFontHeight);
    return UnionRects(rcArea, {cx - nReach, cy - nReach, cx + nReach, cy + nReach});
}
