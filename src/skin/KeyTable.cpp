#include "skin/KeyTable.h"

#include <cwchar>

int g_nCurrentView = VIEW_CHAR;

bool IsSingleUnitCharacter(wchar_t ch)
{
    const unsigned long nCode = static_cast<unsigned long>(ch);
    return nCode < 0xd800 || (nCode > 0xdfff && nCode <= 0xffff);
}

namespace {

constexpr KeyKind L_ = KeyKind::Letter;
constexpr KeyKind P_ = KeyKind::Punctuation;
constexpr KeyKind C_ = KeyKind::Character;

// Index, entry, view, kind, text, shifted text, label. Keys 30 to 37 show no label:
// the keyboard draws their pictures, not text.
const KeyInfo g_keyTable[KEY_COUNT] = {
    {0, L"char_A", VIEW_CHAR, L_, L"a", L"A", L"a"},
    {1, L"char_B", VIEW_CHAR, L_, L"b", L"B", L"b"},
    {2, L"char_C", VIEW_CHAR, L_, L"c", L"C", L"c"},
    {3, L"char_D", VIEW_CHAR, L_, L"d", L"D", L"d"},
    {4, L"char_E", VIEW_CHAR, L_, L"e", L"E", L"e"},
    {5, L"char_F", VIEW_CHAR, L_, L"f", L"F", L"f"},
    {6, L"char_G", VIEW_CHAR, L_, L"g", L"G", L"g"},
    {7, L"char_H", VIEW_CHAR, L_, L"h", L"H", L"h"},
    {8, L"char_I", VIEW_CHAR, L_, L"i", L"I", L"i"},
    {9, L"char_J", VIEW_CHAR, L_, L"j", L"J", L"j"},
    {10, L"char_K", VIEW_CHAR, L_, L"k", L"K", L"k"},
    {11, L"char_L", VIEW_CHAR, L_, L"l", L"L", L"l"},
    {12, L"char_M", VIEW_CHAR, L_, L"m", L"M", L"m"},
    {13, L"char_N", VIEW_CHAR, L_, L"n", L"N", L"n"},
    {14, L"char_O", VIEW_CHAR, L_, L"o", L"O", L"o"},
    {15, L"char_P", VIEW_CHAR, L_, L"p", L"P", L"p"},
    {16, L"char_Q", VIEW_CHAR, L_, L"q", L"Q", L"q"},
    {17, L"char_R", VIEW_CHAR, L_, L"r", L"R", L"r"},
    {18, L"char_S", VIEW_CHAR, L_, L"s", L"S", L"s"},
    {19, L"char_T", VIEW_CHAR, L_, L"t", L"T", L"t"},
    {20, L"char_U", VIEW_CHAR, L_, L"u", L"U", L"u"},
    {21, L"char_V", VIEW_CHAR, L_, L"v", L"V", L"v"},
    {22, L"char_W", VIEW_CHAR, L_, L"w", L"W", L"w"},
    {23, L"char_X", VIEW_CHAR, L_, L"x", L"X", L"x"},
    {24, L"char_Y", VIEW_CHAR, L_, L"y", L"Y", L"y"},
    {25, L"char_Z", VIEW_CHAR, L_, L"z", L"Z", L"z"},
    {26, L"char_comma", VIEW_CHAR, P_, L",", L"@", L","},
    {27, L"char_dot", VIEW_CHAR, P_, L".", L"-", L"."},
    {28, L"char_question", VIEW_CHAR, P_, L"?", L"\"", L"?"},
    {29, L"char_exclamation", VIEW_CHAR, P_, L"!", L"'", L"!"},
    {30, L"char_ok", VIEW_ALL, KeyKind::Ok, nullptr, nullptr, nullptr},
    {31, L"char_space", VIEW_ALL, C_, L" ", L" ", nullptr},
    {32, L"char_123", VIEW_ALL, KeyKind::NumberViewKey, nullptr, nullptr, nullptr},
    {33, L"char_at", VIEW_ALL, KeyKind::SymbolViewKey, nullptr, nullptr, nullptr},
    {34, L"char_caps", VIEW_ALL, KeyKind::CapsLock, nullptr, nullptr, nullptr},
    {35, L"char_enter", VIEW_ALL, KeyKind::Enter, L"\r\n", L"\r\n", nullptr},
    {36, L"char_shift", VIEW_ALL, KeyKind::Shift, nullptr, nullptr, nullptr},
    {37, L"char_backspace", VIEW_ALL, KeyKind::Backspace, nullptr, nullptr, nullptr},
    {38, L"number_0", VIEW_NUMBER, C_, L"0", L"0", L"0"},
    {39, L"number_1", VIEW_NUMBER, C_, L"1", L"1", L"1"},
    {40, L"number_2", VIEW_NUMBER, C_, L"2", L"2", L"2"},
    {41, L"number_3", VIEW_NUMBER, C_, L"3", L"3", L"3"},
    {42, L"number_4", VIEW_NUMBER, C_, L"4", L"4", L"4"},
    {43, L"number_5", VIEW_NUMBER, C_, L"5", L"5", L"5"},
    {44, L"number_6", VIEW_NUMBER, C_, L"6", L"6", L"6"},
    {45, L"number_7", VIEW_NUMBER, C_, L"7", L"7", L"7"},
    {46, L"number_8", VIEW_NUMBER, C_, L"8", L"8", L"8"},
    {47, L"number_9", VIEW_NUMBER, C_, L"9", L"9", L"9"},
    {48, L"number_plus", VIEW_NUMBER, C_, L"+", L"+", L"+"},
    {49, L"number_minus", VIEW_NUMBER, C_, L"-", L"-", L"-"},
    {50, L"number_dot", VIEW_NUMBER, C_, L".", L".", L"."},
    {51, L"number_equals", VIEW_NUMBER, C_, L"=", L"=", L"="},
    {52, L"number_divide", VIEW_NUMBER, C_, L"/", L"/", L"/"},
    {53, L"number_multiply", VIEW_NUMBER, C_, L"*", L"*", L"*"},
    {54, L"symbol_hash", VIEW_SYMBOL, C_, L"#", L"#", L"#"},
    {55, L"symbol_dollar", VIEW_SYMBOL, C_, L"$", L"$", L"$"},
    {56, L"symbol_percent", VIEW_SYMBOL, C_, L"%", L"%", L"%"},
    // Labels are drawn with prefix processing, which shows "&&" as one ampersand.
    {57, L"symbol_and", VIEW_SYMBOL, C_, L"&", L"&", L"&&"},
    {58, L"symbol_at", VIEW_SYMBOL, C_, L"@", L"@", L"@"},
    {59, L"symbol_left_square_bracket", VIEW_SYMBOL, C_, L"[", L"[", L"["},
    {60, L"symbol_right_square_bracket", VIEW_SYMBOL, C_, L"]", L"]", L"]"},
    {61, L"symbol_acute", VIEW_SYMBOL, C_, L"`", L"`", L"`"},
    {62, L"symbol_plus", VIEW_SYMBOL, C_, L"+", L"+", L"+"},
    {63, L"symbol_forward_slash", VIEW_SYMBOL, C_, L"/", L"/", L"/"},
    {64, L"symbol_underscore", VIEW_SYMBOL, C_, L"_", L"_", L"_"},
    {65, L"symbol_exclamation", VIEW_SYMBOL, C_, L"!", L"!", L"!"},
    {66, L"symbol_star", VIEW_SYMBOL, C_, L"*", L"*", L"*"},
    {67, L"symbol_dash", VIEW_SYMBOL, C_, L"-", L"-", L"-"},
    {68, L"symbol_backward_slash", VIEW_SYMBOL, C_, L"\\", L"\\", L"\\"},
    {69, L"symbol_pipe", VIEW_SYMBOL, C_, L"|", L"|", L"|"},
    {70, L"symbol_question", VIEW_SYMBOL, C_, L"?", L"?", L"?"},
    {71, L"symbol_dot", VIEW_SYMBOL, C_, L".", L".", L"."},
    {72, L"symbol_comma", VIEW_SYMBOL, C_, L",", L",", L","},
    {73, L"symbol_caret", VIEW_SYMBOL, C_, L"^", L"^", L"^"},
    {74, L"symbol_right_angle_bracket", VIEW_SYMBOL, C_, L">", L">", L">"},
    {75, L"symbol_left_angle_bracket", VIEW_SYMBOL, C_, L"<", L"<", L"<"},
    {76, L"symbol_double_quotation", VIEW_SYMBOL, C_, L"\"", L"\"", L"\""},
    {77, L"symbol_single_quotation", VIEW_SYMBOL, C_, L"'", L"'", L"'"},
    {78, L"symbol_right_curly_bracket", VIEW_SYMBOL, C_, L"}", L"}", L"}"},
    {79, L"symbol_left_curly_bracket", VIEW_SYMBOL, C_, L"{", L"{", L"{"},
    {80, L"symbol_semicolon", VIEW_SYMBOL, C_, L";", L";", L";"},
    {81, L"symbol_colon", VIEW_SYMBOL, C_, L":", L":", L":"},
    {82, L"symbol_right_parenthesis", VIEW_SYMBOL, C_, L")", L")", L")"},
    {83, L"symbol_left_parenthesis", VIEW_SYMBOL, C_, L"(", L"(", L"("},
};

}  // namespace

const KeyInfo* FindKeyInfo(int nIndex)
{
    if (nIndex < 0 || nIndex >= KEY_COUNT)
        return nullptr;
    return &g_keyTable[nIndex];
}

int FindKeyByEntry(const wchar_t* pszEntry)
{
    if (pszEntry == nullptr)
        return KEY_NONE;
    for (const KeyInfo& key : g_keyTable)
    {
        if (std::wcscmp(key.pszEntry, pszEntry) == 0)
            return key.nIndex;
    }
    return KEY_NONE;
}

int GetDefaultKeyView(int nIndex)
{
    const KeyInfo* pKey = FindKeyInfo(nIndex);
    return pKey != nullptr ? pKey->nView : 0;
}
