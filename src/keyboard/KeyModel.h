#pragma once

#include "keyboard/Alternates.h"
#include "skin/KeyTable.h"

// The run-time state of the full-screen keyboard: the current view, caps lock,
// the one-shot shift, and the key under the stylus. It lives as long as the
// module: closing and reopening the keyboard keeps it.
extern int g_nPressedKey;    // key under the stylus while it is down, else KEY_NONE
extern int g_bCapsLock;
extern int g_bShift;         // set by the shift key, cleared by the next typed text
extern int g_bStylusDown;

// The geometry of one key as the hit test sees it: its view and its rectangle
// in keyboard control pixels, right and bottom exclusive.
struct KeyPlace
{
    int nView;
    int nLeft;
    int nTop;
    int nRight;
    int nBottom;
};

// The first key (lowest index) of the current view, or of every view, whose
// rectangle holds the point; KEY_NONE when none does.
int FindKeyAt(const KeyPlace* pKeys, int nCount, int nView, int x, int y);

// What a key types in the given state, or null for a key that types nothing.
// Letters follow caps lock XOR shift; punctuation follows shift alone.
const wchar_t* GetKeyText(int nIndex, bool bCapsLock, bool bShift);

// The label of g_nPressedKey as the keyboard shows it, in a 10-unit buffer that
// is cleared first; empty for the keys drawn as pictures and for no key. Over an
// open strip it is the character of the cell under the stylus.
const wchar_t* GetKeyLabel();

// The alternates a long press on key nIndex offers in this state (none: nCount
// 0). OK, space, the view keys, caps lock, enter, shift and backspace offer none;
// a skin's own list (pszSkinList, when not empty) replaces the built-in ones of
// what the key would type now.
AlternateList FindKeyAlternates(int nIndex, const wchar_t* pszSkinList, bool bCapsLock, bool bShift);

// The view that the number view key (KEY_123) or the symbol view key (KEY_AT)
// leads to from nView; any other key, or a view other than 1 to 3, keeps nView.
int NextView(int nView, int nKey);

// What the window side has to do after a key acted on the state.
enum class KeyEffect
{
    None,
    InsertText,   // put pszText into the edit control
    Finish,       // end the keyboard with OK
};

struct KeyOutcome
{
    KeyEffect effect;
    const wchar_t* pszText;
};

// Applies the lift action of a key to the state (views, caps lock, shift) and
// says what the window side must do. Backspace acts on the press instead.
KeyOutcome ApplyKeyAction(int nIndex);

// One press, its moves and its lift, as the state sees them. nHitKey is what
// the hit test found under the stylus.
struct StylusOutcome
{
    bool bRedraw;          // the keyboard should be painted again
    bool bBackspaceDown;   // delete one character now and start the repeat
    bool bStopRepeat;      // stop the backspace repeat
};

StylusOutcome PressStylus(int nHitKey);
StylusOutcome MoveStylus(int nHitKey);
// The lift: the character of the strip's cell under the stylus (shift is spent,
// as after any typed text), else the action of the last key under the stylus.
// The press is over afterwards, as after EndStylus.
KeyOutcome LiftStylus();
// Ends the press without acting: the strip closes choosing nothing, nothing is
// pressed. Whatever ends a press ends it so.
void EndStylus();
