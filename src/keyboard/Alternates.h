#pragma once

// The other forms a long press on a key offers: the accented letters of the
// Latin-script languages and a few signs beside punctuation, and the case rule
// that gives them their capitals. Plain data, no Win32.

#include "skin/KeyTable.h"

// The case a strip's letters take: small; title case under the one-shot shift,
// which starts a word (the digraph dž becomes Dž); capitals under caps lock (DŽ).
enum class LetterCase
{
    Small,
    Title,
    Capital,
};

// The case of the keys' letters: capitals when exactly one of caps lock and
// shift is on, title case when that one is shift.
LetterCase LetterCaseFor(bool bCapsLock, bool bShift);

// One cell of a strip: its character in small letters, and in capitals where
// that is not the case rule's capital of it (else 0). The dotless ı is such a
// cell: the i key already types its capital I, so in capitals the cell offers İ.
struct AlternateCell
{
    wchar_t chSmall;
    wchar_t chCapital;
};

struct AlternateList
{
    int nCount;   // 0 to kMaxAlternates; 0 when there are none
    AlternateCell aCells[kMaxAlternates];
};

// The built-in alternates of the character a key types (of a letter key, its
// small letter), most common first; none for others.
AlternateList FindBuiltInAlternates(wchar_t ch);

// A skin's own list as a strip offers it: its characters in order, those a
// single UTF-16 unit holds (the Basic Multilingual Plane), at most kMaxAlternates.
AlternateList ReadSkinAlternates(const wchar_t* pszList);

// What the cell types in the case c.
wchar_t CellInCase(const AlternateCell& cell, LetterCase c);

// ch in the case c: its title-case or capital form when it has one, else ch
// itself (ß has no capital and stays ß). Small leaves ch as it is.
wchar_t ApplyLetterCase(wchar_t ch, LetterCase c);

// The platform's capital of a character, for letters beyond Latin-1 and Latin
// Extended-A (Greek, Cyrillic, the rest of the Latin letters); ch itself when
// it has none. Set once by the Win32 side; without it those letters stay small.
using CapitalFallback = wchar_t (*)(wchar_t ch);
void SetCapitalFallback(CapitalFallback pfnCapital);
