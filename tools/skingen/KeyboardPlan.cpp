#include "KeyboardPlan.h"

#include <cmath>

namespace {

constexpr int kGap = 2;          // between neighbouring keys
constexpr int kRowLeft = 1;
constexpr int kRowRight = 319;
constexpr int kRowHeight = 33;   // 8.7 mm at 96 DPI
constexpr int kRowPitch = kRowHeight + kGap;
constexpr int kFirstRowTop = 101;  // below the edit view; the last row ends at 239

struct RowKey
{
    int nIndex;
    double dWeight;  // share of the row's width, in units of one letter key
};

int Index(const wchar_t* pszEntry) { return FindKeyByEntry(pszEntry); }

// Splits [kRowLeft, kRowRight) among the keys by weight, kGap apart, at row r (0 = top
// row of the key block). Edges are rounded so that neighbouring rows line up.
void PlaceRow(KeyboardPlan& plan, int nRow, const std::vector<RowKey>& row)
{
    double dTotal = 0;
    for (const RowKey& key : row)
        dTotal += key.dWeight;
    const double dSpan = kRowRight - kRowLeft + kGap;
    const int nTop = kFirstRowTop + nRow * kRowPitch;
    double dStart = 0;
    for (const RowKey& key : row)
    {
        const double dEnd = dStart + key.dWeight;
        const int nLeft = kRowLeft + static_cast<int>(std::lround(dStart * dSpan / dTotal));
        const int nRight = kRowLeft + static_cast<int>(std::lround(dEnd * dSpan / dTotal)) - kGap;
        // A misspelt entry name leaves its slot empty; the tests find the unplaced key.
        if (key.nIndex >= 0 && key.nIndex < KEY_COUNT)
            plan.keys[key.nIndex] = {nLeft, nTop, nRight, nTop + kRowHeight};
        dStart = dEnd;
    }
}

std::vector<RowKey> Letters(const wchar_t* pszLetters)
{
    std::vector<RowKey> row;
    for (const wchar_t* p = pszLetters; *p != L'\0'; ++p)
        row.push_back({KEY_A + (*p - L'A'), 1.0});
    return row;
}

std::vector<RowKey> Named(std::initializer_list<const wchar_t*> entries, double dWeight = 1.0)
{
    std::vector<RowKey> row;
    for (const wchar_t* pszEntry : entries)
        row.push_back({Index(pszEntry), dWeight});
    return row;
}

struct LetterRows
{
    const wchar_t* pszTop;
    const wchar_t* pszMiddle;
    const wchar_t* pszBottom;
};

LetterRows RowsOf(LetterArrangement arrangement)
{
    switch (arrangement)
    {
    case LetterArrangement::Qwertz:
        return {L"QWERTZUIOP", L"ASDFGHJKL", L"YXCVBNM"};
    case LetterArrangement::Azerty:
        return {L"AZERTYUIOP", L"QSDFGHJKLM", L"WXCVBN"};
    case LetterArrangement::Qwerty:
        break;
    }
    return {L"QWERTYUIOP", L"ASDFGHJKL", L"ZXCVBNM"};
}

// Ten keys a row: the question mark fills the middle row, or with AZERTY, where M
// has moved up, the bottom one.
void PlaceCharacterView(KeyboardPlan& plan, LetterArrangement arrangement)
{
    const LetterRows rows = RowsOf(arrangement);
    PlaceRow(plan, 0, Letters(rows.pszTop));
    std::vector<RowKey> row2 = Letters(rows.pszMiddle);
    std::vector<RowKey> row3 = Letters(rows.pszBottom);
    for (const RowKey& key : Named({L"char_comma", L"char_dot"}))
        row3.push_back(key);
    (row2.size() < 10 ? row2 : row3).push_back({Index(L"char_question"), 1.0});
    row3.push_back({Index(L"char_exclamation"), 1.0});
    PlaceRow(plan, 1, row2);
    PlaceRow(plan, 2, row3);
}

// The symbols in the order of the digit row of a desk keyboard, then the paired signs.
void PlaceSymbolView(KeyboardPlan& plan)
{
    PlaceRow(plan, 0, Named({L"symbol_exclamation", L"symbol_at", L"symbol_hash", L"symbol_dollar",
                             L"symbol_percent", L"symbol_caret", L"symbol_and", L"symbol_star",
                             L"symbol_left_parenthesis", L"symbol_right_parenthesis"}));
    PlaceRow(plan, 1, Named({L"symbol_dash", L"symbol_underscore", L"symbol_plus", L"symbol_forward_slash",
                             L"symbol_backward_slash", L"symbol_pipe", L"symbol_left_square_bracket",
                             L"symbol_right_square_bracket", L"symbol_left_curly_bracket",
                             L"symbol_right_curly_bracket"}));
    PlaceRow(plan, 2, Named({L"symbol_left_angle_bracket", L"symbol_right_angle_bracket",
                             L"symbol_double_quotation", L"symbol_single_quotation", L"symbol_acute",
                             L"symbol_semicolon", L"symbol_colon", L"symbol_comma", L"symbol_dot",
                             L"symbol_question"}));
}

// A telephone pad of digits on the left, the operators in larger keys on the right.
void PlaceNumberView(KeyboardPlan& plan)
{
    std::vector<RowKey> row1 = Named({L"number_1", L"number_2", L"number_3"});
    row1.push_back({Index(L"number_plus"), 1.5});
    row1.push_back({Index(L"number_minus"), 1.5});
    PlaceRow(plan, 0, row1);
    std::vector<RowKey> row2 = Named({L"number_4", L"number_5", L"number_6"});
    row2.push_back({Index(L"number_multiply"), 1.5});
    row2.push_back({Index(L"number_divide"), 1.5});
    PlaceRow(plan, 1, row2);
    PlaceRow(plan, 2, Named({L"number_7", L"number_8", L"number_9", L"number_0", L"number_dot",
                             L"number_equals"}));
}

void PlaceCommonKeys(KeyboardPlan& plan)
{
    PlaceRow(plan, 3, {{KEY_CAPS, 1.5}, {KEY_SHIFT, 1.5}, {KEY_123, 1.0}, {KEY_AT, 1.0},
                       {KEY_SPACE, 3.0}, {KEY_ENTER, 2.0}});
    // Backspace and OK sit beside the text they act on, under the preview.
    plan.keys[KEY_BACKSPACE] = {225, 54, 271, 98};
    plan.keys[KEY_OK] = {273, 54, 319, 98};
    // The offered words share the edit panel, a line below the text: 27 units are 7 mm
    // at the DPI of either class, a fingertip.
    plan.rcEditPanel = {1, 3, 223, 98};
    plan.rcEditView = {5, 6, 219, 66};
    plan.rcWordView = {5, 68, 219, 95};
    plan.rcCharPanel = {225, 3, 319, 51};
    plan.rcCharView = {228, 5, 316, 49};
}

PixelRect Scaled(const PixelRect& rc, int nScale)
{
    return {rc.nLeft * nScale, rc.nTop * nScale, rc.nRight * nScale, rc.nBottom * nScale};
}

}  // namespace

KeyboardPlan BuildKeyboardPlan(int nScale, LetterArrangement arrangement)
{
    KeyboardPlan plan{};
    plan.nScale = nScale;
    plan.nWidth = kDesignWidth * nScale;
    plan.nHeight = kDesignHeight * nScale;
    PlaceCharacterView(plan, arrangement);
    PlaceSymbolView(plan);
    PlaceNumberView(plan);
    PlaceCommonKeys(plan);
    for (PixelRect& rc : plan.keys)
        rc = Scaled(rc, nScale);
    plan.rcEditPanel = Scaled(plan.rcEditPanel, nScale);
    plan.rcEditView = Scaled(plan.rcEditView, nScale);
    plan.rcCharPanel = Scaled(plan.rcCharPanel, nScale);
    plan.rcCharView = Scaled(plan.rcCharView, nScale);
    plan.rcWordView = Scaled(plan.rcWordView, nScale);
    return plan;
}

std::vector<int> KeysOfView(int nView)
{
    std::vector<int> keys;
    for (int i = 0; i < KEY_COUNT; ++i)
    {
        const int nKeyView = GetDefaultKeyView(i);
        if (nKeyView == nView || nKeyView == VIEW_ALL)
            keys.push_back(i);
    }
    return keys;
}
