#pragma once
#include "words/WordLanguage.h"

#include <cstddef>
#include <cstdint>

// How a character of a word may be typed. Matching ignores case. A letter types as
// itself, and as its plain letter where the language keeps the accented form on the
// same key (typing "cafe" reaches "café"; in Spanish ñ has a key of its own); a few
// letters also type as two plain ones (æ "ae", œ "oe", ß "ss"; in German ä "ae",
// ö "oe", ü "ue"). An apostrophe, a hyphen, a full stop or a space inside a word is
// typed as itself or left out: the word being typed stops at any sign, so it seldom
// holds one.
struct LetterMatch
{
    wchar_t chLower;    // the character itself, lower case
    wchar_t chPlain;    // its plain letter; 0 when none
    wchar_t szPair[3];  // two letters that also type it; empty when none
    bool bSkippable;
};

LetterMatch MatchOfCharacter(WordLanguage language, wchar_t ch);

// Matching one character of a word: reached holds a bit for each typed position the
// word's characters before it can end at (bit nTyped: all typed letters matched);
// the result holds those this character can end at. At most kMaxWordUnits typed letters.
std::uint64_t TypedSteps(const LetterMatch& match, const wchar_t* pszTyped, std::size_t nTyped,
                         std::uint64_t reached, bool bWhole);

// Whether the typed letters (lower case) begin the word, or with bWhole make all of
// it, under the rules above. Typed letters that end half-way through a pair count
// ("stras" begins "straße").
bool TypedLettersMatch(WordLanguage language, const wchar_t* pszTyped, std::size_t nTyped, const wchar_t* pszWord,
                       std::size_t nWord, bool bWhole);
