#pragma once
#include <string>

// The keys of the full-screen keyboard as a device user sees them: the layout
// entry name that places each key in a skin, the view it belongs to and what it
// types. The index is the key's position in every skin's key table.

constexpr int TYPING_KEY_COUNT = 84;
constexpr int TYPING_VIEW_CHAR = 1;
constexpr int TYPING_VIEW_SYMBOL = 2;
constexpr int TYPING_VIEW_NUMBER = 3;
constexpr int TYPING_VIEW_ALL = 100;

constexpr int TYPING_KEY_OK = 30;
constexpr int TYPING_KEY_SPACE = 31;
constexpr int TYPING_KEY_NUMBER_VIEW = 32;
constexpr int TYPING_KEY_SYMBOL_VIEW = 33;
constexpr int TYPING_KEY_CAPS = 34;
constexpr int TYPING_KEY_ENTER = 35;
constexpr int TYPING_KEY_SHIFT = 36;
constexpr int TYPING_KEY_BACKSPACE = 37;

struct TypingKey
{
    const char* pszName;      // layout entry text, e.g. "char_A"
    int nView;                // TYPING_VIEW_*
    const wchar_t* pszText;   // what the key types (empty for keys that type nothing)
    const wchar_t* pszShifted;// what it types when shift applies
};

// The key at an index 0..83; nullptr outside.
const TypingKey* GetTypingKey(int nIndex);

// The index of the key whose layout entry is pszName (exact, case-sensitive); -1 if none.
int FindTypingKey(const std::string& name);
