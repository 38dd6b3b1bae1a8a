#include "keyboard/WordCompletion.h"

#include "keyboard/AlternatesStrip.h"
#include "keyboard/KeyboardSkin.h"
#include "keyboard/KeyboardState.h"
#include "keyboard/WordSource.h"
#include "keyboard/WordStrip.h"
#include "settings/Settings.h"
#include "support/DisplayMetrics.h"
#include "support/LogFile.h"
#include "support/MessageCaption.h"
#include "words/TypedWord.h"
#include "words/UserWords.h"
#include "words/WordSuggestions.h"

#include <algorithm>
#include <cwchar>

namespace {

constexpr int kDefaultDpi = 96;
// EM_GETLINE reads up to 260 characters of the caret's line; the rest terminate.
constexpr int kLineUnits = 262;
constexpr WORD kLineCapacity = 260;

// The letters before the caret that the offered words complete.
struct TypedLetters
{
    DWORD dwStart;   // where they begin in the edit control's text
    DWORD dwCaret;
    int nLength;
    wchar_t szLetters[kMaxWordUnits + 1];
};

struct CompletionState
{
    bool bActive;                  // on, with a dictionary and room for the strip, this opening
    WordSettings settings;
    WordStripPlace place;
    int nCells;
    ViewRect aCells[kMaxSuggestions];
    SIZE editSize;                 // the edit control as placed
    bool bEditShrunk;
    bool bStale;                   // the offered words must be found again
    bool bTyped;                   // letters were found before the caret at the last look
    TypedLetters typed;
    WordSuggestions offered;       // nCount 0: nothing offered, no strip
    bool bPressed;
    int nPressedCell;
};

CompletionState g_completion{};
// Whether the log's last line on the offered words named any; kept across openings.
bool g_bLoggedWords = false;

ViewRect ToViewRect(const RECT& rc) { return {rc.left, rc.top, rc.right, rc.bottom}; }

bool Holds(const ViewRect& rc, int x, int y) { return rc.left <= x && x < rc.right && rc.top <= y && y < rc.bottom; }

bool IsShown() { return g_completion.bActive && g_hEditCtrlWnd != nullptr && g_completion.offered.nCount > 0; }

bool ReadTypedLetters(HWND hEdit, TypedLetters& typed)
{
    DWORD dwStart = 0, dwEnd = 0;
    SendMessageW(hEdit, EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), reinterpret_cast<LPARAM>(&dwEnd));
    if (dwStart != dwEnd)
        return false;   // a selection: typing replaces it, nothing is being completed
    const LRESULT nLine = SendMessageW(hEdit, EM_LINEFROMCHAR, dwEnd, 0);
    const LRESULT nLineStart = SendMessageW(hEdit, EM_LINEINDEX, nLine, 0);
    if (nLineStart < 0 || dwEnd <= static_cast<DWORD>(nLineStart) || dwEnd - nLineStart > kLineCapacity)
        return false;
    const std::size_t nColumn = dwEnd - static_cast<DWORD>(nLineStart);
    WCHAR szLine[kLineUnits] = {};
    szLine[0] = kLineCapacity;
    const LRESULT nRead = SendMessageW(hEdit, EM_GETLINE, nLine, reinterpret_cast<LPARAM>(szLine));
    if (nRead < 0 || static_cast<std::size_t>(nRead) < nColumn)
        return false;
    const std::size_t nStart = TypedWordStart(szLine, nColumn);
    const std::size_t nLength = nColumn - nStart;
    if (nLength == 0 || nLength > kMaxWordUnits)
        return false;
    typed.dwStart = static_cast<DWORD>(nLineStart + nStart);
    typed.dwCaret = dwEnd;
    typed.nLength = static_cast<int>(nLength);
    std::wmemcpy(typed.szLetters, szLine + nStart, nLength);
    typed.szLetters[nLength] = L'\0';
    return true;
}

bool SameLetters(const TypedLetters& a, const TypedLetters& b)
{
    return a.dwStart == b.dwStart && a.dwCaret == b.dwCaret && std::wcscmp(a.szLetters, b.szLetters) == 0;
}

bool SameWords(const WordSuggestions& a, const WordSuggestions& b)
{
    if (a.nCount != b.nCount)
        return false;
    for (int i = 0; i < a.nCount; ++i)
    {
        if (std::wcscmp(a.aWords[i].szWord, b.aWords[i].szWord) != 0)
            return false;
    }
    return true;
}

// One line for each change of the words on offer, "suggestions: Hello Help Helmet", or
// "suggestions:" when none are: a trace of what the user was offered.
void LogOffered(const WordSuggestions& offered)
{
    WCHAR szLine[16 + kMaxSuggestions * (kMaxWordUnits + 1)] = L"suggestions:";
    for (int i = 0; i < offered.nCount; ++i)
    {
        std::wcscat(szLine, L" ");
        std::wcscat(szLine, offered.aWords[i].szWord);
    }
    LOG_MSG(szLine);
    g_bLoggedWords = offered.nCount > 0;
}

// While words show in a band of the edit view, the edit control is that much lower, so
// that its lines, and the caret it scrolls into view, stay above the band.
void FitEditControl()
{
    CompletionState& s = g_completion;
    const bool bShrink = s.place.bInEditView && s.offered.nCount > 0;
    if (bShrink == s.bEditShrunk || g_hEditCtrlWnd == nullptr)
        return;
    s.bEditShrunk = bShrink;
    const int nHeight = bShrink ? std::max<int>(s.editSize.cy - s.place.nAcross, 0) : s.editSize.cy;
    SetWindowPos(g_hEditCtrlWnd, nullptr, 0, 0, s.editSize.cx, nHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    SendMessageW(g_hEditCtrlWnd, EM_SCROLLCARET, 0, 0);
}

void Offer(const WordSuggestions& next)
{
    CompletionState& s = g_completion;
    if (SameWords(next, s.offered))
        return;
    s.offered = next;
    if (s.nPressedCell >= s.offered.nCount)
        s.nPressedCell = -1;
    FitEditControl();
    LogOffered(s.offered);
}

// A word of the user's own that the list does not know: forgetting it takes it off offer.
bool IsUsersOwn(const WordSuggestion& word)
{
    const std::size_t nWord = std::wcslen(word.szStored);
    return UserWords().Find(word.szStored, nWord) != nullptr && !WordSuggester().Knows(word.szStored, nWord);
}

bool IsOfferedCell(int nCell) { return IsShown() && nCell >= 0 && nCell < g_completion.offered.nCount; }

int CellAt(int x, int y)
{
    const CompletionState& s = g_completion;
    if (!Holds(s.place.rcStrip, x, y))
        return -1;
    const int nCell = FindStripCellAt(s.aCells, s.nCells, x, y);
    return nCell < s.offered.nCount ? nCell : -1;
}

}  // namespace

void OpenWordCompletion()
{
    CompletionState& s = g_completion;
    s = CompletionState{};
    s.nPressedCell = -1;
    s.bStale = true;
    if (g_bLoggedWords)
        LogOffered(s.offered);
    s.settings = ClampWordSettings(GetWordSettings());
    if (!s.settings.bSuggest || g_hEditCtrlWnd == nullptr || !OpenWordSource(s.settings))
        return;
    RECT rcWordView{}, rcEditView{}, rcEdit{};
    GetWordViewRect(&rcWordView);
    GetEditViewRect(&rcEditView);
    const TextTurn turn = CurrentTextTurn();
    s.place = PlaceWordStrip(ToViewRect(rcWordView), ToViewRect(rcEditView), turn,
                             MinimumCellPixels(g_nLogPixelsY != 0 ? g_nLogPixelsY : kDefaultDpi));
    s.nCells = PlaceWordCells(s.place.rcStrip, turn, static_cast<int>(s.settings.nWords), kMaxSuggestions, s.aCells);
    GetWindowRect(g_hEditCtrlWnd, &rcEdit);
    s.editSize = SIZE{rcEdit.right - rcEdit.left, rcEdit.bottom - rcEdit.top};
    s.bActive = s.nCells > 0;
}

void RefreshWordStrip()
{
    CompletionState& s = g_completion;
    if (!s.bActive || g_hEditCtrlWnd == nullptr)
        return;
    TypedLetters typed{};
    const bool bTyped = ReadTypedLetters(g_hEditCtrlWnd, typed);
    if (!s.bStale && bTyped == s.bTyped && (!bTyped || SameLetters(typed, s.typed)))
        return;
    s.bStale = false;
    s.bTyped = bTyped;
    s.typed = typed;
    WordSuggestions next{};
    if (bTyped && typed.nLength >= static_cast<int>(s.settings.nAfterLetters))
        WordSuggester().Suggest(&UserWords(), typed.szLetters, static_cast<std::size_t>(typed.nLength),
                                static_cast<int>(s.settings.nWords), next);
    Offer(next);
}

WordStripView CurrentWordStrip()
{
    const CompletionState& s = g_completion;
    WordStripView view{};
    view.nPressedCell = -1;
    if (!IsShown())
        return view;
    view.bShown = true;
    view.bInEditView = s.place.bInEditView;
    view.rcStrip = s.place.rcStrip;
    view.nCells = s.nCells;
    for (int i = 0; i < s.nCells; ++i)
    {
        view.aCells[i] = s.aCells[i];
        view.apszWords[i] = i < s.offered.nCount ? s.offered.aWords[i].szWord : nullptr;
    }
    view.nPressedCell = s.bPressed ? s.nPressedCell : -1;
    return view;
}

bool PressWordStrip(int x, int y)
{
    CompletionState& s = g_completion;
    EndWordStripPress();
    if (!IsShown() || !Holds(s.place.rcStrip, x, y))
        return false;
    s.bPressed = true;
    s.nPressedCell = CellAt(x, y);
    return true;
}

bool IsWordStripPressed() { return g_completion.bPressed; }

bool TrackWordStrip(int x, int y)
{
    CompletionState& s = g_completion;
    if (!s.bPressed)
        return false;
    const int nCell = CellAt(x, y);
    const bool bChanged = nCell != s.nPressedCell;
    s.nPressedCell = nCell;
    return bChanged;
}

int PressedWordCell() { return g_completion.bPressed && IsOfferedCell(g_completion.nPressedCell) ? g_completion.nPressedCell : -1; }

bool IsPressedWordForgettable()
{
    const int nCell = PressedWordCell();
    return nCell >= 0 && IsUsersOwn(g_completion.offered.aWords[nCell]);
}

void EndWordStripPress()
{
    g_completion.bPressed = false;
    g_completion.nPressedCell = -1;
}

bool ChooseOfferedWord(int nCell)
{
    CompletionState& s = g_completion;
    TypedLetters typed{};
    if (!IsOfferedCell(nCell) || !ReadTypedLetters(g_hEditCtrlWnd, typed) || !s.bTyped || !SameLetters(typed, s.typed))
        return false;
    // A copy: the text's change below offers other words.
    const WordSuggestion chosen = s.offered.aWords[nCell];
    WCHAR szText[kMaxWordUnits + 2];
    std::wcscpy(szText, chosen.szWord);
    if (s.settings.bSpaceAfterWord)
        std::wcscat(szText, L" ");
    SendMessageW(g_hEditCtrlWnd, EM_SETSEL, typed.dwStart, typed.dwCaret);
    SendMessageW(g_hEditCtrlWnd, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(szText));
    if (s.settings.bLearn)
        WordSuggester().LearnFromChoice(UserWords(), chosen);
    return true;
}

void AskToForgetOfferedWord(int nCell, HWND hOwner)
{
    if (!IsOfferedCell(nCell) || !IsUsersOwn(g_completion.offered.aWords[nCell]))
        return;
    const WordSuggestion word = g_completion.offered.aWords[nCell];
    WCHAR szQuestion[32 + kMaxWordUnits];
    std::swprintf(szQuestion, sizeof szQuestion / sizeof szQuestion[0], L"Forget the word \"%ls\"?", word.szWord);
    // The dialog that gets the focus back after the question selects all of the text,
    // as dialogs do for an edit control: the caret goes back where it was.
    DWORD dwStart = 0, dwEnd = 0;
    SendMessageW(g_hEditCtrlWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), reinterpret_cast<LPARAM>(&dwEnd));
    const int nAnswer = MessageBoxW(hOwner, szQuestion, kMessageCaption, MB_YESNO | MB_ICONQUESTION);
    if (g_hEditCtrlWnd != nullptr)
        SendMessageW(g_hEditCtrlWnd, EM_SETSEL, dwStart, dwEnd);
    if (nAnswer != IDYES)
        return;
    UserWords().Forget(word.szStored, std::wcslen(word.szStored));
    SaveUserWordsIfRead();
    g_completion.bStale = true;
}

void LearnFromDeliveredText(const wchar_t* pszText)
{
    const CompletionState& s = g_completion;
    if (!s.bActive || !s.settings.bLearn || pszText == nullptr)
        return;
    WordSuggester().LearnFromText(UserWords(), pszText, std::wcslen(pszText));
    SaveUserWordsIfRead();
}
