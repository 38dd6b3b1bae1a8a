#pragma once
#include <cstddef>
#include <string>

class CUserWords;
class CWordSuggester;

// Taps on the keyboard, as the keystroke rows of the word benchmark count them:
// - a letter, accented or not (an accented one is one long press), a space, a comma,
//   a full stop, a question or exclamation mark, a line break: 1 tap;
// - capitals: shift before each, or caps lock on and off around a run of three or
//   more: a run of n costs n + min(n, 2);
// - any other character (digits, signs): 1 tap, and 2 more for each run of them (to
//   the symbol or number view and back);
// - a suggestion chosen: 1 tap; with a space after a chosen word, a space that
//   follows in the text is saved, and anything else there costs a backspace first
//   (unless a sign typed there takes the space's place).
std::size_t TapsToType(const wchar_t* pszText, std::size_t nLength);

// The text as a user types it into a text box: runs of spaces and tabs and the line
// breaks inside a paragraph become one space, the blank lines between paragraphs one
// line break, and lines lose their indentation.
std::wstring ReflowAsTyped(const std::wstring& text);

enum class SpaceAfterWord
{
    None,       // a chosen word is followed by nothing
    Backspace,  // by a space, taken away with backspace where the text has none
    TakenBack,  // by a space, which a sign or line break typed next replaces
};

struct ReplaySettings
{
    std::size_t nAfterLetters;  // letters of a word typed before words are offered
    int nWords;                 // words offered at once
    SpaceAfterWord space;
};

struct ReplayFigures
{
    std::size_t nTapsTyped;             // the whole text typed
    std::size_t nTapsWithSuggestions;
    std::size_t nWordsChosen;
};

// Types the text as a user who taps a suggestion as soon as it is the word being
// typed: each word (letters, with apostrophes and hyphens between letters) is typed
// letter by letter, and after each letter the suggestions for the word before the
// caret (as TypedWordStart finds it) are looked at; one that makes the rest of the word
// is tapped. The user types the word's capitals, or leaves them to the suggestion
// where the list's word has them ("gp" offers "GPL"), whichever costs fewer taps.
// With user words, each word is learnt as it is finished, as if delivered then.
ReplayFigures ReplayWithSuggestions(CWordSuggester& suggester, const std::wstring& text, const ReplaySettings& settings,
                                    CUserWords* pUserWords = nullptr);
