#pragma once

// Sizes shared by the dictionary, the suggestions and the user's words.

// The longest word kept anywhere, in UTF-16 units: the lists' longest offered words
// (German and French compounds) stay under it; longer words are left out.
constexpr int kMaxWordUnits = 48;

// The most suggestions shown at once.
constexpr int kMaxSuggestions = 4;

// The most words the user's own list keeps; the least recently used go first.
constexpr int kMaxUserWords = 2000;
