#pragma once

// The other forms a long press on a key offers: the accented letters of the
// Latin-script languages and a few signs beside punctuation. Plain data, no Win32.

// The most alternates one key offers; a skin's own list is cut to this many.
constexpr int kMaxAlternates = 15;

// The built-in alternates of the character a key types (a letter's lower-case
// form), most common first, zero-terminated; null when it has none.
const wchar_t* FindBuiltInAlternates(wchar_t ch);

// ch as the case rule types it: its upper-case form when bUpper and it has one
// (ß has none and stays ß), else ch itself.
wchar_t ApplyAlternateCase(wchar_t ch, bool bUpper);
