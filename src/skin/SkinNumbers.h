#pragma once
#include <cstddef>

// Reading skin files: numbers the way atoi reads them, and the choice of a layout
// for the screen from the heights of the index file's entries.

// Skips leading white space, takes an optional sign and the leading decimal digits;
// text without leading digits (or null) gives 0. Values beyond the int range give
// INT_MAX or INT_MIN instead of wrapping.
int ParseSkinNumber(const char* psz);

// Index of the entry to use for a screen whose shorter side is nShortSide, from the
// entries' heights in file order: the first height equal to nShortSide, else the first
// of the largest heights that are positive and below it; -1 when none suits.
int MatchResolution(const int* pnHeights, std::size_t nCount, int nShortSide);
