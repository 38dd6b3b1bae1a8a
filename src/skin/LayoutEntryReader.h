#pragma once
#include "skin/KeyTable.h"

#include <cstddef>

class CAnsiCodePage;

constexpr std::size_t kBitmapNameUnits = 260;

// The attributes one layout entry may carry; absent ones stay 0.
struct LayoutValues
{
    int nBackgroundWidth;
    int nBackgroundHeight;
    int nOrientationValue;
    int nLeft;
    int nTop;
    int nWidth;
    int nHeight;
    bool bBitmapNamed;                         // a DefaultPath attribute was read
    wchar_t szBitmapName[kBitmapNameUnits];    // DefaultPath after its trip through the ANSI
                                               // code page; empty when unusable
    wchar_t szAlternates[kMaxAlternates + 1];  // a key's own long-press characters, as written
                                               // (no code page), those of one UTF-16 unit, the
                                               // first kMaxAlternates of them
};

// Stores one attribute (name, and nLength units of text) of a layout entry; names are
// matched exactly, others are ignored, a repeated name takes the last value. False ends
// the entry: the text could not be converted for lack of memory.
bool StoreLayoutAttribute(LayoutValues& values, const wchar_t* pszName, const wchar_t* pszText,
                          std::size_t nLength, const CAnsiCodePage& codePage);

enum class LayoutEntryKind
{
    Ignored,            // a text that names no entry
    DefaultBackground,  // the design size
    Orientation,        // design orientation
    CharBackground,
    SymbolBackground,
    NumberBackground,
    EditView,           // "char_editview": where the typed text is drawn
    CharView,           // "char_charview": where the pressed key's label is shown
    WordView,           // "char_wordview": where words to complete the typed one are offered; optional
    Key,                // one of the 84 keys
};

struct LayoutEntryTarget
{
    LayoutEntryKind kind;
    int nKey;  // the key's index for LayoutEntryKind::Key, else KEY_NONE
};

// What the entry with this text (compared exactly and case-sensitively) fills.
LayoutEntryTarget ClassifyLayoutEntry(const wchar_t* pszEntry);
