#pragma once

#include "words/WordSettings.h"

class CUserWords;
class CWordSuggester;

// Where the offered words come from: the dictionary of the settings' language, read
// once into one buffer and kept from one opening of the keyboard to the next while
// the language stays the same, and the user's own words, read afresh at each opening
// (the options dialog may have cleared them since).

// Makes both ready for an opening of the keyboard with these settings; the skin must be
// loaded, since it may name the language. False, with a line in the log, when the
// dictionary is missing or damaged: completion is off for this opening then.
bool OpenWordSource(const WordSettings& settings);

// The suggester over the kept dictionary, and the user's words as read at the opening.
CWordSuggester& WordSuggester();
CUserWords& UserWords();

// Puts the user's words back into Words.dat, unless that file could not be read at the
// opening: saving then would lose the words in it.
void SaveUserWordsIfRead();
