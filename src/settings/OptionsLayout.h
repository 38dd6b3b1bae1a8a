#pragma once

#include "support/PlacedRect.h"

// Placement arithmetic of the options dialog: two flow placers (a control
// centred under the previous one, and a full-width row) and the layout of the
// Options tab for landscape and portrait screens. Plain arithmetic.

// Vertical cursor of the centring placer.
struct CenteredCursor
{
    int nTop = 0;
};

// Cursor of the row placer and what it remembers of the control it placed last.
struct RowCursor
{
    int nTop = 0;
    int nLastRight = 0;
    int nLastHeight = 0;
    int nLastTopMargin = 0;
};

// Flow top: 0 keeps the cursor, 1 restarts it at 0, anything else moves it there.
void ApplyFlowTop(int& nCursor, int nFlowTop);

// A control nWidth wide centred between nRefLeft and nRefRight, nTopMargin
// below the (flowed) cursor. The cursor ends at the control's bottom.
PlacedRect LayoutCentered(CenteredCursor& cursor, int nTopMargin, int nHeight, int nWidth, int nRefLeft,
                         int nRefRight, int nFlowTop);

// A full-width row (indented, inside margins up to nRightEdge) under the
// cursor, or with bSameRow, beside the previous control and aligned with its
// top. nTopOverride replaces the margin above the control when non-zero.
PlacedRect LayoutRow(RowCursor& cursor, int nMargin, int nHeight, int nIndent, int nRightEdge, int nFlowTop,
                    bool bSameRow, int nTopOverride);

enum class OptionsOrientation { Landscape, Portrait, Square };

struct OptionsLayoutInput
{
    OptionsOrientation orientation;
    int nClientRight;     // the dialog's client width
    int nScreenWidth;
    int nLineHeight;      // L: the default font's height + 5
    int nMargin;          // M: L / 5
    int nWideBannerWidth;
    int nWideBannerHeight;
    int nNarrowBannerWidth;
    int nNarrowBannerHeight;
    // Each text control's text measured in its own font (a button's with its box
    // and the gap): a control is never narrower than its text, up to the client's
    // right edge, and never narrower than the rule makes it.
    int nKeyboardTextWidth;
    int nHabitTextWidth;
    int nLeftTextWidth;
    int nRightTextWidth;
    int nAccentsTextWidth;
};

struct OptionsLayoutResult
{
    bool bPlaced;         // false on a square screen, where nothing is placed
    bool bWideBanner;     // which banner the banner control shows
    PlacedRect banner;
    PlacedRect keyboardLabel;
    PlacedRect skinList;
    PlacedRect habitLabel;
    PlacedRect leftHanded;
    PlacedRect rightHanded;
    PlacedRect accents;   // the "Accents on long press" check box: in landscape two lines
                          // under the skin list, in portrait one under the radio buttons
};

// The Options tab's controls, placed in order with fresh cursors.
OptionsLayoutResult LayOutOptions(const OptionsLayoutInput& in);

// The text-line height and margin from the height of the dialog's font.
int OptionsLineHeight(int nFontHeight);
int OptionsMargin(int nLineHeight);
