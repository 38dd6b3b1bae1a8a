#include "KeystrokeReplay.h"

#include "words/Letters.h"
#include "words/TypedWord.h"
#include "words/WordSuggestions.h"

#include <algorithm>
#include <cwchar>

namespace {

bool IsOnLetterView(wchar_t ch)
{
    return IsWordLetter(ch) || ch == L' ' || ch == L',' || ch == L'.' || ch == L'?' || ch == L'!' || ch == L'\n';
}

bool IsJoiner(wchar_t ch)
{
    return ch == L'\'' || ch == 0x2019 || ch == L'-';
}

// Where the word that starts at nStart ends: letters, and a joiner between two letters.
std::size_t WordEnd(const std::wstring& text, std::size_t nStart)
{
    std::size_t nEnd = nStart;
    while (nEnd < text.size())
    {
        if (IsWordLetter(text[nEnd]))
            ++nEnd;
        else if (IsJoiner(text[nEnd]) && nEnd + 1 < text.size() && IsWordLetter(text[nEnd + 1]))
            nEnd += 2;
        else
            break;
    }
    return nEnd;
}

// The taps of the word text[nWord, nEnd) typed as it stands in typed (the text, or the
// text in lower case), and whether a suggestion finished it as the text has it.
std::size_t TapsOfWord(CWordSuggester& suggester, const CUserWords* pUserWords, const std::wstring& typed,
                       const std::wstring& text, std::size_t nWord, std::size_t nEnd, const ReplaySettings& settings,
                       bool& bChosen)
{
    bChosen = false;
    const wchar_t* pszText = typed.c_str();
    for (std::size_t nCaret = nWord + 1; nCaret < nEnd; ++nCaret)
    {
        const std::size_t nStart = TypedWordStart(pszText, nCaret);
        if (nStart < nWord || nCaret - nStart < settings.nAfterLetters)
            continue;
        WordSuggestions suggestions = {};
        suggester.Suggest(pUserWords, pszText + nStart, nCaret - nStart, settings.nWords, suggestions);
        for (int i = 0; i < suggestions.nCount; ++i)
        {
            const wchar_t* pszOffered = suggestions.aWords[i].szWord;
            if (std::wcslen(pszOffered) == nEnd - nStart &&
                std::equal(text.begin() + static_cast<std::ptrdiff_t>(nStart),
                           text.begin() + static_cast<std::ptrdiff_t>(nEnd), pszOffered))
            {
                bChosen = true;
                return TapsToType(pszText + nWord, nCaret - nWord) + 1;
            }
        }
    }
    return TapsToType(text.c_str() + nWord, nEnd - nWord);
}

// What the keyboard learns of a word: a chosen word of the list counts, and any word
// the list lacks counts when its text is delivered.
void Learn(CWordSuggester& suggester, CUserWords& userWords, const wchar_t* pszWord, std::size_t nWord, bool bChosen)
{
    WordSuggestion chosen = {};
    if (bChosen && nWord <= static_cast<std::size_t>(kMaxWordUnits))
    {
        std::copy(pszWord, pszWord + nWord, chosen.szStored);
        suggester.LearnFromChoice(userWords, chosen);
    }
    suggester.LearnFromText(userWords, pszWord, nWord);
}

std::wstring Lowered(const std::wstring& text)
{
    std::wstring lower = text;
    for (wchar_t& ch : lower)
        ch = LowerLetter(ch);
    return lower;
}

}  // namespace

std::wstring ReflowAsTyped(const std::wstring& text)
{
    std::wstring typed;
    bool bSpace = false, bBreak = false;
    for (std::size_t i = 0; i < text.size(); ++i)
    {
        const wchar_t ch = text[i];
        if (ch == L'\n' && i + 1 < text.size() && text.find_first_not_of(L" \t\r", i + 1) != std::wstring::npos &&
            text[text.find_first_not_of(L" \t\r", i + 1)] == L'\n')
            bBreak = true;
        if (ch == L' ' || ch == L'\t' || ch == L'\r' || ch == L'\n')
        {
            bSpace = true;
            continue;
        }
        if (!typed.empty() && (bBreak || bSpace))
            typed += bBreak ? L'\n' : L' ';
        bSpace = bBreak = false;
        typed += ch;
    }
    return typed;
}

std::size_t TapsToType(const wchar_t* pszText, std::size_t nLength)
{
    std::size_t nTaps = 0;
    for (std::size_t i = 0; i < nLength;)
    {
        std::size_t nRun = 0;
        if (IsUpperLetter(pszText[i]))
        {
            while (i + nRun < nLength && IsUpperLetter(pszText[i + nRun]))
                ++nRun;
            nTaps += nRun + std::min<std::size_t>(nRun, 2);
        }
        else if (IsOnLetterView(pszText[i]))
        {
            nRun = 1;
            nTaps += 1;
        }
        else
        {
            while (i + nRun < nLength && !IsOnLetterView(pszText[i + nRun]))
                ++nRun;
            nTaps += nRun + 2;
        }
        i += nRun;
    }
    return nTaps;
}

ReplayFigures ReplayWithSuggestions(CWordSuggester& suggester, const std::wstring& text, const ReplaySettings& settings,
                                    CUserWords* pUserWords)
{
    ReplayFigures figures = {TapsToType(text.c_str(), text.size()), 0, 0};
    const std::wstring lower = Lowered(text);
    for (std::size_t i = 0; i < text.size();)
    {
        if (!IsWordLetter(text[i]))
        {
            std::size_t nEnd = i;
            while (nEnd < text.size() && !IsWordLetter(text[nEnd]))
                ++nEnd;
            figures.nTapsWithSuggestions += TapsToType(text.c_str() + i, nEnd - i);
            i = nEnd;
            continue;
        }
        const std::size_t nEnd = WordEnd(text, i);
        bool bChosen = false, bChosenLower = false;
        const std::size_t nAsWritten = TapsOfWord(suggester, pUserWords, text, text, i, nEnd, settings, bChosen);
        const bool bCapitals = !std::equal(text.begin() + static_cast<std::ptrdiff_t>(i),
                                           text.begin() + static_cast<std::ptrdiff_t>(nEnd),
                                           lower.begin() + static_cast<std::ptrdiff_t>(i));
        const std::size_t nLower =
            bCapitals ? TapsOfWord(suggester, pUserWords, lower, text, i, nEnd, settings, bChosenLower) : nAsWritten;
        figures.nTapsWithSuggestions += std::min(nAsWritten, bChosenLower ? nLower : nAsWritten);
        bChosen = bChosen || (bChosenLower && nLower < nAsWritten);
        if (pUserWords != nullptr)
            Learn(suggester, *pUserWords, text.c_str() + i, nEnd - i, bChosen);
        i = nEnd;
        if (!bChosen)
            continue;
        ++figures.nWordsChosen;
        const bool bSpaceFollows = i < text.size() && text[i] == L' ';
        if (settings.space != SpaceAfterWord::None && bSpaceFollows)
            ++i;
        else if (settings.space == SpaceAfterWord::Backspace)
            ++figures.nTapsWithSuggestions;
    }
    return figures;
}
