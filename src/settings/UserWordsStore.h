#pragma once
#include <windows.h>

#include "words/UserWords.h"

// Words.dat, the words the user taught the keyboard, next to Options.dat. It is
// replaced like Options.dat, so that a power failure at any moment leaves the old
// file or the new one; a read-only Words.dat is left as it is.

// Fills words (cleared first) with what is whole of Words.dat: a damaged file
// gives the words before its first torn or damaged record, a missing file none.
// False when a file is there but could not be read (held open elsewhere, memory
// short): saving over it then would lose the user's words.
bool LoadUserWords(CUserWords& words);

// Puts words in Words.dat's place; false when the old file stays.
bool SaveUserWords(const CUserWords& words);

// Forgets every learned word: Words.dat becomes a file without words.
bool ClearUserWords();
