#pragma once

// Which characters make up words, and their two cases, from tables of our own (no
// locale): Latin letters with their accented forms, Greek and Cyrillic.

bool IsWordLetter(wchar_t ch);

// The lower-case form of a letter; any other character is returned as it is.
wchar_t LowerLetter(wchar_t ch);

// The upper-case form of a letter; ß, which has none on the device's keys, stays ß.
wchar_t UpperLetter(wchar_t ch);

inline bool IsUpperLetter(wchar_t ch)
{
    return LowerLetter(ch) != ch;
}
