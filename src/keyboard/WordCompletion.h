#pragma once
#include <windows.h>

#include "keyboard/TextDirection.h"
#include "words/WordLimits.h"

// Word completion in the open keyboard: the words offered for the letters before the
// edit control's caret (after the settings' number of letters, up to their number of
// words, best first), the strip of cells that shows them, a finger on it choosing one
// or, held on a word of the user's own, forgetting it; and what the keyboard learns
// from the text OK delivers. One keyboard is open at a time; the state lives here.

// The long press on an offered word of the user's own, on the dialog window.
constexpr UINT_PTR IDT_WORD_HOLD = 604;

// At each opening, once the windows are placed: the settings, the words' source and
// the strip's place; nothing is offered yet.
void OpenWordCompletion();

// Brings the offered words up to date with the letters before the caret. While they
// show in a band of the edit view, the edit control gives that band up, so that the
// typed text and the caret stay above it. Called before each repaint.
void RefreshWordStrip();

// The strip as it is to be drawn; bShown false when nothing is offered.
struct WordStripView
{
    bool bShown;
    bool bInEditView;                            // a band of the edit view, not the skin's own place
    ViewRect rcStrip;
    int nCells;
    ViewRect aCells[kMaxSuggestions];            // in reading order
    const wchar_t* apszWords[kMaxSuggestions];   // null for a cell without a word
    int nPressedCell;                            // the cell with a word under the finger, or -1
};
WordStripView CurrentWordStrip();

// A press that starts on the shown strip belongs to it until the lift, and reaches no
// key: true when the press at (x, y), keyboard control pixels, is the strip's.
bool PressWordStrip(int x, int y);
bool IsWordStripPressed();
// Follows the finger over the cells; true when the cell under it changed.
bool TrackWordStrip(int x, int y);
// The cell with a word under the finger, or -1.
int PressedWordCell();
// Whether that cell's word is one of the user's own, which a long press may forget.
bool IsPressedWordForgettable();
void EndWordStripPress();

// Puts cell nCell's word in place of the letters it completes, followed by a space when
// the settings ask for one, as typed text would be; the choice counts as a use when
// learning is on. False, changing nothing, when the cell holds no word or the letters
// before the caret are no longer the ones it completes.
bool ChooseOfferedWord(int nCell);

// Asks the user (a message box owned by hOwner) whether to forget cell nCell's word of
// the user's own; Yes forgets it and saves the user's words.
void AskToForgetOfferedWord(int nCell, HWND hOwner);

// OK delivered the text: with learning on, the new words in it are counted, and the
// user's words (with the choices counted since the opening) are saved.
void LearnFromDeliveredText(const wchar_t* pszText);
