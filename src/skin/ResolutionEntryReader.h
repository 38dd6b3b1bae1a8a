#pragma once
#include "skin/SkinLanguage.h"

#include <cstddef>

class CAnsiCodePage;

constexpr std::size_t kLayoutFileNameUnits = 260;

// One entry of a skin's index file: the layout to use on screens whose shorter side is
// Height pixels.
struct ResolutionEntry
{
    int ResolutionID;                                  // stored, not consulted
    int Width;                                         // stored, not consulted
    int Height;
    wchar_t LayoutFileName[kLayoutFileNameUnits];      // inside the skin folder; empty when too long to hold
    SkinLanguage Language;                             // the skin's letters' language, when the entry names one
};

// Stores one attribute (name, and nLength units of text) of an index entry; names are
// matched exactly, others are ignored, a repeated name takes the last value. False ends
// the entry: the text could not be converted for lack of memory.
bool StoreResolutionAttribute(ResolutionEntry& entry, const wchar_t* pszName, const wchar_t* pszText,
                              std::size_t nLength, const CAnsiCodePage& codePage);
