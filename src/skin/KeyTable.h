#pragma once

// The 84 keys of the full-screen keyboard: each index with the entry text that names
// it in a layout file, the view it belongs to, what kind of key it is, and the text it
// types and shows. Plain data, no Win32: the skin loader, the key model and the
// renderer all read it.

// View values: the view field of a key record and the keyboard's current view.
constexpr int VIEW_CHAR = 1;
constexpr int VIEW_SYMBOL = 2;
constexpr int VIEW_NUMBER = 3;
constexpr int VIEW_ALL = 100;  // only as a key's view: the key is in every view

constexpr int KEY_COUNT = 84;
constexpr int KEY_NONE = -1;

// The most alternates one key offers on a long press; a skin's own list is cut to this many.
constexpr int kMaxAlternates = 15;

// False for either half of a surrogate pair: a key's list keeps only characters of
// the Basic Multilingual Plane, one UTF-16 unit each. (Where wchar_t is 32 bits wide,
// characters past the plane come whole, and are refused the same.)
bool IsSingleUnitCharacter(wchar_t ch);

// The keyboard's current view: VIEW_CHAR, VIEW_SYMBOL or VIEW_NUMBER. The key model
// switches it; every layout a skin load reads starts it at the character view again.
extern int g_nCurrentView;

// Indices that the key actions single out.
constexpr int KEY_A = 0;
constexpr int KEY_Z = 25;
constexpr int KEY_COMMA = 26;
constexpr int KEY_EXCLAMATION = 29;
constexpr int KEY_OK = 30;
constexpr int KEY_SPACE = 31;
constexpr int KEY_123 = 32;
constexpr int KEY_AT = 33;
constexpr int KEY_CAPS = 34;
constexpr int KEY_ENTER = 35;
constexpr int KEY_SHIFT = 36;
constexpr int KEY_BACKSPACE = 37;
constexpr int KEY_NUMBER_FIRST = 38;
constexpr int KEY_SYMBOL_FIRST = 54;
constexpr int KEY_SYMBOL_AND = 57;

enum class KeyKind
{
    Letter,          // types its letter, upper case when caps lock XOR shift
    Punctuation,     // types its text, or the shifted text while shift is on
    Character,       // types its one text whatever the state
    Ok,              // ends the keyboard
    NumberViewKey,   // switches to and from the number view
    SymbolViewKey,   // switches to and from the symbol view
    CapsLock,
    Enter,           // types "\r\n"
    Shift,
    Backspace,
};

struct KeyInfo
{
    int nIndex;
    const wchar_t* pszEntry;    // layout entry text, compared exactly and case-sensitively
    int nView;                  // VIEW_CHAR, VIEW_SYMBOL, VIEW_NUMBER or VIEW_ALL
    KeyKind kind;
    const wchar_t* pszText;     // what the key types; null when it types nothing
    const wchar_t* pszShifted;  // what it types with shift applied; null when nothing
    const wchar_t* pszLabel;    // plain label (prefix-processed when drawn); null when none
};

// The record of a key, or null when nIndex is not 0 to 83.
const KeyInfo* FindKeyInfo(int nIndex);

// The index of the key whose layout entry text is exactly pszEntry, or KEY_NONE
// (also for a null pointer).
int FindKeyByEntry(const wchar_t* pszEntry);

// The view a key belongs to (what the skin loader writes into the key table before it
// reads a layout); 0 for an index outside the table.
int GetDefaultKeyView(int nIndex);
