#include "settings/WordsLayout.h"

#include <algorithm>

namespace
{

// Places blocks of controls down a column, each a gap below the one before.
class CColumn
{
public:
    CColumn(int x, int nWidth, int nTop) : m_x(x), m_nWidth(nWidth), m_nTop(nTop) {}

    // The place of a block nHeight high, as wide as the column.
    PlacedRect Place(int nHeight, int nGap)
    {
        const PlacedRect rc = {m_x, m_nTop + nGap, m_nWidth, nHeight};
        m_nTop = rc.y + rc.nHeight;
        return rc;
    }

    int Width() const { return m_nWidth; }

private:
    int m_x;
    int m_nWidth;
    int m_nTop;
};

// A control of wrapping text: as many lines as its text takes, and a margin.
PlacedRect PlaceText(CColumn& column, int nTextWidth, int nLineHeight, int nMargin, int nGap)
{
    return column.Place(WrappedLines(nTextWidth, column.Width()) * nLineHeight + nMargin, nGap);
}

// A label and its list, nListWidth wide: on one row, the list at the column's right
// edge and the label centred on it, when the label's text fits beside the list; else
// the list under its label, whose text wraps.
void PlaceField(CColumn& column, const WordsLayoutInput& in, int nTextWidth, int nListWidth, PlacedRect& label,
                PlacedRect& list)
{
    const int L = in.nLineHeight;
    const int M = in.nMargin;
    nListWidth = std::min(nListWidth, column.Width());
    if (nTextWidth + 2 * M + nListWidth <= column.Width())
    {
        const PlacedRect row = column.Place(std::max(M + L, in.nComboHeight), M);
        list = {row.x + row.nWidth - nListWidth, row.y, nListWidth, in.nComboHeight};
        label = {row.x, row.y + (row.nHeight - L) / 2, list.x - 2 * M - row.x, L};
        return;
    }
    const int nLabelHeight = WrappedLines(nTextWidth, column.Width()) * L;
    const PlacedRect block = column.Place(nLabelHeight + M + in.nComboHeight, M);
    label = {block.x, block.y, block.nWidth, nLabelHeight};
    list = {block.x, block.y + nLabelHeight + M, nListWidth, in.nComboHeight};
}

} // namespace

int WrappedLines(int nTextWidth, int nWidth)
{
    return nTextWidth <= nWidth ? 1 : 1 + nTextWidth / std::max(nWidth, 1);
}

WordsLayoutResult LayOutWords(const WordsLayoutInput& in)
{
    WordsLayoutResult out = {};
    if (in.orientation == OptionsOrientation::Square)
        return out;
    out.bPlaced = true;

    const int R = in.nClientRight;
    const int L = in.nLineHeight;
    const int M = in.nMargin;
    // One column on a portrait screen, indented as the Options tab's labels; on a
    // landscape one a column in each half, the suggestions' switch and numbers on the
    // left. Each starts two margins down, as each block is a margin below the last.
    const bool bLandscape = in.orientation == OptionsOrientation::Landscape;
    CColumn left(bLandscape ? 2 * M : 2 * M + R / 12, bLandscape ? R / 2 - 3 * M : R - 4 * M - R / 12, M);
    CColumn right(R / 2 + M, R - R / 2 - 3 * M, M);
    CColumn& second = bLandscape ? right : left;

    // Room for the widest item, the button, and the frame and insets around them.
    const int nNumbersWidth = in.nWidestNumberWidth + in.nArrowWidth + L;
    const int nListWidth = in.nWidestListWidth + in.nArrowWidth + L;

    out.suggest = PlaceText(left, in.nSuggestTextWidth, L, M, M);
    PlaceField(left, in, in.nAfterTextWidth, nNumbersWidth, out.afterLabel, out.afterList);
    PlaceField(left, in, in.nCountTextWidth, nNumbersWidth, out.countLabel, out.countList);
    out.space = PlaceText(second, in.nSpaceTextWidth, L, M, M);
    out.learn = PlaceText(second, in.nLearnTextWidth, L, M, M);
    PlaceField(second, in, in.nListTextWidth, nListWidth, out.listLabel, out.wordList);
    // The button's text wraps inside its frame, which takes about a margin.
    out.clear = PlaceText(second, in.nClearTextWidth + M, L, M, 2 * M);
    out.clear.nWidth = std::min(in.nClearTextWidth + 2 * L, out.clear.nWidth);
    return out;
}
