#pragma once

#include "keyboard/Alternates.h"
#include "keyboard/AlternatesStrip.h"

// The alternates strip of the held key, as the key model sees it: opened by a
// long press, followed by the stylus, closed by the lift. While it is open the
// held key stays the pressed key whatever lies under the stylus; the lift types
// the pressed cell's character, or the held key's own text off the cells.
struct KeyStrip
{
    int nKey;                          // the held key whose strip is open; KEY_NONE when closed
    int nCount;
    wchar_t aChars[kMaxAlternates];    // as they would be typed now, the case rule applied
    ViewRect aCells[kMaxAlternates];   // keyboard control pixels, in reading order
    int nPressedCell;                  // the cell under the stylus, or -1
};

extern KeyStrip g_keyStrip;

// The alternates a long press on key nIndex offers in this state, or null. OK,
// space, the view keys, caps lock, enter, shift and backspace offer none; a
// skin's own list (pszSkinList, when not empty) replaces the built-in ones of
// what the key would type now.
const wchar_t* FindKeyAlternates(int nIndex, const wchar_t* pszSkinList, bool bCapsLock, bool bShift);

// Opens the strip of key nKey with at most kMaxAlternates of pszAlternates, the
// case rule applied, laid out by PlaceAlternatesStrip (input.nCells is set here).
// False, and nothing open, when there is nothing to show or no room for it.
bool OpenKeyStrip(int nKey, const wchar_t* pszAlternates, StripInput input);

bool IsKeyStripOpen();

// Makes the cell under (x, y) the pressed one; true when that changed.
bool TrackKeyStrip(int x, int y);

// The pressed cell's character, or 0 when the stylus is on no cell.
wchar_t PressedStripCharacter();

// Closes the strip. When it closes with a cell pressed, that character is
// chosen: shift is cleared, as after any typed text, and the character comes
// back as a text to type; otherwise null.
const wchar_t* CloseKeyStrip();

// Closes the strip choosing nothing: the press it belonged to was cut short.
void DiscardKeyStrip();
