#include "settings/OptionsLayout.h"

#include <algorithm>
#include <cstdlib>

void ApplyFlowTop(int& nCursor, int nFlowTop)
{
    if (nFlowTop == 1)
        nCursor = 0;
    else if (nFlowTop != 0)
        nCursor = nFlowTop;
}

PlacedRect LayoutCentered(CenteredCursor& cursor, int nTopMargin, int nHeight, int nWidth, int nRefLeft,
                         int nRefRight, int nFlowTop)
{
    ApplyFlowTop(cursor.nTop, nFlowTop);
    const PlacedRect rc = {nRefLeft + (nRefRight - nRefLeft - nWidth) / 2, cursor.nTop + nTopMargin, nWidth,
                           nHeight};
    cursor.nTop = rc.y + rc.nHeight;
    return rc;
}

PlacedRect LayoutRow(RowCursor& cursor, int nMargin, int nHeight, int nIndent, int nRightEdge, int nFlowTop,
                    bool bSameRow, int nTopOverride)
{
    ApplyFlowTop(cursor.nTop, nFlowTop);
    const int nTopMargin = nTopOverride != 0 ? nTopOverride : nMargin;
    PlacedRect rc = {};
    rc.nHeight = nHeight;
    if (bSameRow)
    {
        rc.x = cursor.nLastRight + nMargin;
        rc.y = cursor.nTop - cursor.nLastHeight - cursor.nLastTopMargin + nTopMargin;
        rc.nWidth = nRightEdge - rc.x - nMargin;
    }
    else
    {
        rc.x = nMargin + nIndent;
        rc.y = cursor.nTop + nTopMargin;
        rc.nWidth = nRightEdge - 2 * nMargin - nIndent;
    }
    cursor.nLastHeight = nHeight;
    cursor.nLastRight = rc.x + rc.nWidth;
    cursor.nLastTopMargin = nTopMargin;
    cursor.nTop = rc.y + rc.nHeight;
    return rc;
}

namespace
{

void WidenToText(PlacedRect& rc, int nTextWidth, int nClientRight)
{
    rc.nWidth = std::max(rc.nWidth, std::min(nTextWidth, nClientRight - rc.x));
}

} // namespace

OptionsLayoutResult LayOutOptions(const OptionsLayoutInput& in)
{
    OptionsLayoutResult out = {};
    if (in.orientation == OptionsOrientation::Square)
        return out;
    out.bPlaced = true;

    const int R = in.nClientRight;
    const int L = in.nLineHeight;
    const int M = in.nMargin;
    CenteredCursor centered;
    RowCursor row;

    const bool bLandscape = in.orientation == OptionsOrientation::Landscape;
    out.bWideBanner = bLandscape;
    const int nBannerWidth = bLandscape ? in.nWideBannerWidth : in.nNarrowBannerWidth;
    const int nBannerHeight = bLandscape ? in.nWideBannerHeight : in.nNarrowBannerHeight;
    out.banner = {(in.nScreenWidth - nBannerWidth) / 2, 0, nBannerWidth, nBannerHeight};

    // The controls start under the narrow banner in both orientations, so they
    // stay where they are when the screen turns.
    const int nTop = in.nNarrowBannerHeight + 4 * M;
    if (bLandscape)
    {
        out.keyboardLabel = LayoutRow(row, 2 * M, L, R / 24, R / 2, nTop, false, 0);
        out.skinList = LayoutCentered(centered, M, M + L, (2 * (R / 2)) / 3, 0, R / 2,
                                     out.keyboardLabel.y + out.keyboardLabel.nHeight);
        out.habitLabel = LayoutRow(row, 2 * M, L, R / 2, R, nTop, false, 0);
        out.leftHanded = LayoutCentered(centered, M, M + L, R / 3, R / 2, R,
                                       M + out.habitLabel.y + out.habitLabel.nHeight);
        out.rightHanded = LayoutCentered(centered, M, M + L, R / 3, R / 2, R,
                                        M + out.leftHanded.y + out.leftHanded.nHeight);
    }
    else
    {
        out.keyboardLabel = LayoutRow(row, 2 * M, L, R / 12, (9 * R) / 24, nTop, false, 0);
        out.skinList = LayoutCentered(centered, M, M + L, R / 2, 0, R,
                                     out.keyboardLabel.y + out.keyboardLabel.nHeight);
        out.habitLabel = LayoutRow(row, 2 * M, L, R / 12, (9 * R) / 24,
                                  2 * M + out.skinList.y + out.skinList.nHeight, false, 0);
        out.leftHanded = LayoutCentered(centered, M, M + L, R / 2, 0, R,
                                       M + out.habitLabel.y + out.habitLabel.nHeight);
        out.rightHanded = LayoutCentered(centered, M, M + L, R / 2, 0, R,
                                        M + out.leftHanded.y + out.leftHanded.nHeight);
    }
    if (bLandscape)
    {
        // Two lines under the skin list: below the radio buttons the tab strip leaves no room.
        out.accents = LayoutRow(row, 2 * M, 2 * L + M, R / 24, R / 2, out.skinList.y + out.skinList.nHeight,
                                false, 0);
    }
    else
    {
        out.accents = LayoutCentered(centered, M, M + L, R / 2, 0, R,
                                     M + out.rightHanded.y + out.rightHanded.nHeight);
    }
    // Wider only to the right: the rows keep their indent and the boxes stay aligned.
    WidenToText(out.keyboardLabel, in.nKeyboardTextWidth, R);
    WidenToText(out.habitLabel, in.nHabitTextWidth, R);
    WidenToText(out.leftHanded, in.nLeftTextWidth, R);
    WidenToText(out.rightHanded, in.nRightTextWidth, R);
    if (!bLandscape)
        WidenToText(out.accents, in.nAccentsTextWidth, R);
    return out;
}

int OptionsLineHeight(int nFontHeight)
{
    return std::abs(nFontHeight) + 5;
}

int OptionsMargin(int nLineHeight)
{
    return nLineHeight / 5;
}
