#pragma once

#include "settings/OptionsLayout.h"

// Placement arithmetic of the options dialog's Words tab. The tab shows no banner, so
// that its controls fit the shortest screen. They stand in a column from the top: one
// on a portrait screen, indented as the Options tab's labels; on a landscape screen,
// too low for one, a column in each half, the suggestions' switch and numbers on the
// left and the rest on the right. A label and its list share a row, the list at the
// column's right edge, where both fit; else the list goes under its label. A text too
// wide for its control's line wraps onto more lines.

struct WordsLayoutInput
{
    OptionsOrientation orientation;
    int nClientRight;     // the dialog's client width
    int nLineHeight;      // L, as on the Options tab
    int nMargin;          // M
    int nComboHeight;     // a drop-down list's height, which its font sets
    int nArrowWidth;      // the width of a drop-down list's button
    // Texts measured in their controls' font; a check box's with its box and the gap.
    int nSuggestTextWidth;
    int nAfterTextWidth;
    int nCountTextWidth;
    int nSpaceTextWidth;
    int nLearnTextWidth;
    int nListTextWidth;
    int nClearTextWidth;
    int nWidestNumberWidth;  // the widest item of the two lists of numbers
    int nWidestListWidth;    // the widest item of the word list box
};

struct WordsLayoutResult
{
    bool bPlaced;         // false on a square screen, where nothing is placed
    PlacedRect suggest;   // "Suggest words"
    PlacedRect afterLabel;
    PlacedRect afterList;
    PlacedRect countLabel;
    PlacedRect countList;
    PlacedRect space;     // "A space after a chosen word"
    PlacedRect learn;     // "Learn new words"
    PlacedRect listLabel;
    PlacedRect wordList;
    PlacedRect clear;     // "Clear learned words"
};

WordsLayoutResult LayOutWords(const WordsLayoutInput& in);

// The lines a text of nTextWidth takes in a line nWidth wide.
int WrappedLines(int nTextWidth, int nWidth);
