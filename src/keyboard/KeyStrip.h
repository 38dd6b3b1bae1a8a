#pragma once

#include "keyboard/Alternates.h"
#include "keyboard/AlternatesStrip.h"

// The alternates strip of the held key: opened by a long press in the case it is
// told, followed by the stylus, closed by the lift, which gets back the character
// of the cell under the stylus, if any. What that character does to the keyboard's
// state (shift, the text) is for whoever opened the strip.
struct KeyStrip
{
    int nKey;                          // the held key whose strip is open; -1 when closed
    int nCount;
    wchar_t aChars[kMaxAlternates];    // each cell's character in the case the strip was opened in
    ViewRect aCells[kMaxAlternates];   // keyboard control pixels, in reading order
    int nPressedCell;                  // the cell under the stylus, or -1
};

extern KeyStrip g_keyStrip;

// Opens the strip of key nKey with the cells of list in the case letterCase,
// laid out by PlaceAlternatesStrip (input.nCells is set here). False, and
// nothing open, when there is nothing to show or no room for it.
bool OpenKeyStrip(int nKey, const AlternateList& list, LetterCase letterCase, StripInput input);

bool IsKeyStripOpen();

// Makes the cell under (x, y) the pressed one; true when that changed.
bool TrackKeyStrip(int x, int y);

// The pressed cell's character, or 0 when the stylus is on no cell.
wchar_t PressedStripCharacter();

// Closes the strip and returns the character of the cell that was pressed, or
// 0 when none was.
wchar_t CloseKeyStrip();
