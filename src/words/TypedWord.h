#pragma once
#include <cstddef>

// The words of a text as completion sees them.

// Where the word being typed begins: the run of letters that ends at the caret, which
// a suggestion replaces. Any other character (a space, a line break, a digit, a sign)
// ends it, and a run right after a digit is none ("2nd"). Equal to nCaret when there
// is none.
std::size_t TypedWordStart(const wchar_t* pszText, std::size_t nCaret);

// The next word of a delivered text at or after nPos: letters, with an apostrophe or a
// hyphen between two of them ("don't", "x-ray"); a word that touches a digit is
// skipped ("mp3", "2nd"). False when there is none. Moves nPos past it.
bool NextTextWord(const wchar_t* pszText, std::size_t nLength, std::size_t& nPos, std::size_t& nStart,
                  std::size_t& nWordLength);
