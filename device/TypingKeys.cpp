#include "TypingKeys.h"

namespace {

// Letters and punctuation of the character view are filled in by MakeTable;
// the rest is written out because each key has its own name and text.
struct FixedKey { int nIndex; const char* pszName; int nView; const wchar_t* pszText; const wchar_t* pszShifted; };

const FixedKey g_aFixedKeys[] = {
    {26, "char_comma", TYPING_VIEW_CHAR, L",", L"@"},
    {27, "char_dot", TYPING_VIEW_CHAR, L".", L"-"},
    {28, "char_question", TYPING_VIEW_CHAR, L"?", L"\""},
    {29, "char_exclamation", TYPING_VIEW_CHAR, L"!", L"'"},
    {30, "char_ok", TYPING_VIEW_ALL, L"", L""},
    {31, "char_space", TYPING_VIEW_ALL, L" ", L" "},
    {32, "char_123", TYPING_VIEW_ALL, L"", L""},
    {33, "char_at", TYPING_VIEW_ALL, L"", L""},
    {34, "char_caps", TYPING_VIEW_ALL, L"", L""},
    {35, "char_enter", TYPING_VIEW_ALL, L"\r\n", L"\r\n"},
    {36, "char_shift", TYPING_VIEW_ALL, L"", L""},
    {37, "char_backspace", TYPING_VIEW_ALL, L"", L""},
    {48, "number_plus", TYPING_VIEW_NUMBER, L"+", L"+"},
    {49, "number_minus", TYPING_VIEW_NUMBER, L"-", L"-"},
    {50, "number_dot", TYPING_VIEW_NUMBER, L".", L"."},
    {51, "number_equals", TYPING_VIEW_NUMBER, L"=", L"="},
    {52, "number_divide", TYPING_VIEW_NUMBER, L"/", L"/"},
    {53, "number_multiply", TYPING_VIEW_NUMBER, L"*", L"*"},
    {54, "symbol_hash", TYPING_VIEW_SYMBOL, L"#", L"#"},
    {55, "symbol_dollar", TYPING_VIEW_SYMBOL, L"$", L"$"},
    {56, "symbol_percent", TYPING_VIEW_SYMBOL, L"%", L"%"},
    {57, "symbol_and", TYPING_VIEW_SYMBOL, L"&", L"&"},
    {58, "symbol_at", TYPING_VIEW_SYMBOL, L"@", L"@"},
    {59, "symbol_left_square_bracket", TYPING_VIEW_SYMBOL, L"[", L"["},
    {60, "symbol_right_square_bracket", TYPING_VIEW_SYMBOL, L"]", L"]"},
    {61, "symbol_acute", TYPING_VIEW_SYMBOL, L"`", L"`"},
    {62, "symbol_plus", TYPING_VIEW_SYMBOL, L"+", L"+"},
    {63, "symbol_forward_slash", TYPING_VIEW_SYMBOL, L"/", L"/"},
    {64, "symbol_underscore", TYPING_VIEW_SYMBOL, L"_", L"_"},
    {65, "symbol_exclamation", TYPING_VIEW_SYMBOL, L"!", L"!"},
    {66, "symbol_star", TYPING_VIEW_SYMBOL, L"*", L"*"},
    {67, "symbol_dash", TYPING_VIEW_SYMBOL, L"-", L"-"},
    {68, "symbol_backward_slash", TYPING_VIEW_SYMBOL, L"\\", L"\\"},
    {69, "symbol_pipe", TYPING_VIEW_SYMBOL, L"|", L"|"},
    {70, "symbol_question", TYPING_VIEW_SYMBOL, L"?", L"?"},
    {71, "symbol_dot", TYPING_VIEW_SYMBOL, L".", L"."},
    {72, "symbol_comma", TYPING_VIEW_SYMBOL, L",", L","},
    {73, "symbol_caret", TYPING_VIEW_SYMBOL, L"^", L"^"},
    {74, "symbol_right_angle_bracket", TYPING_VIEW_SYMBOL, L">", L">"},
    {75, "symbol_left_angle_bracket", TYPING_VIEW_SYMBOL, L"<", L"<"},
    {76, "symbol_double_quotation", TYPING_VIEW_SYMBOL, L"\"", L"\""},
    {77, "symbol_single_quotation", TYPING_VIEW_SYMBOL, L"'", L"'"},
    {78, "symbol_right_curly_bracket", TYPING_VIEW_SYMBOL, L"}", L"}"},
    {79, "symbol_left_curly_bracket", TYPING_VIEW_SYMBOL, L"{", L"{"},
    {80, "symbol_semicolon", TYPING_VIEW_SYMBOL, L";", L";"},
    {81, "symbol_colon", TYPING_VIEW_SYMBOL, L":", L":"},
    {82, "symbol_right_parenthesis", TYPING_VIEW_SYMBOL, L")", L")"},
    {83, "symbol_left_parenthesis", TYPING_VIEW_SYMBOL, L"(", L"("},
};

struct Table
{
    TypingKey aKeys[TYPING_KEY_COUNT];
    char aszLetterNames[26][8];
    char aszDigitNames[10][10];
    wchar_t aszLetterTexts[26][2][2];
    wchar_t aszDigitTexts[10][2];
};

Table MakeTable()
{
    Table t{};
    for (int i = 0; i < 26; ++i)
    {
        const char chLetter = static_cast<char>('A' + i);
        std::string name = std::string("char_") + chLetter;
        name.copy(t.aszLetterNames[i], name.size());
        t.aszLetterTexts[i][0][0] = static_cast<wchar_t>(L'a' + i);
        t.aszLetterTexts[i][1][0] = static_cast<wchar_t>(L'A' + i);
        t.aKeys[i] = {t.aszLetterNames[i], TYPING_VIEW_CHAR, t.aszLetterTexts[i][0], t.aszLetterTexts[i][1]};
    }
    for (int i = 0; i < 10; ++i)
    {
        std::string name = "number_" + std::to_string(i);
        name.copy(t.aszDigitNames[i], name.size());
        t.aszDigitTexts[i][0] = static_cast<wchar_t>(L'0' + i);
        t.aKeys[38 + i] = {t.aszDigitNames[i], TYPING_VIEW_NUMBER, t.aszDigitTexts[i], t.aszDigitTexts[i]};
    }
    for (const FixedKey& k : g_aFixedKeys)
        t.aKeys[k.nIndex] = {k.pszName, k.nView, k.pszText, k.pszShifted};
    return t;
}

const Table& GetTable()
{
    static const Table s_table = MakeTable();
    return s_table;
}

}  // namespace

const TypingKey* GetTypingKey(int nIndex)
{
    if (nIndex < 0 || nIndex >= TYPING_KEY_COUNT)
        return nullptr;
    return &GetTable().aKeys[nIndex];
}

int FindTypingKey(const std::string& name)
{
    for (int i = 0; i < TYPING_KEY_COUNT; ++i)
        if (name == GetTable().aKeys[i].pszName)
            return i;
    return -1;
}
