#pragma once
#include "KeyboardPlan.h"

#include <string>
#include <vector>

// The XML files of a skin: the index (one entry per resolution class) and one layout
// per class. Both start with a comment as the root's first child, which the reader
// never looks at, and are plain ASCII so that every name survives the ANSI code page.

struct IndexEntry
{
    int nId;
    int nWidth;
    int nHeight;  // the shorter screen side the layout is for
    std::string layoutFile;
    std::string language;  // the skin's letters' language ("de"), on every entry; empty: none
};

std::string BuildIndexDocument(const std::string& comment, const std::vector<IndexEntry>& entries);

// File names inside the skin folder, for the layout of one class ("240" or "480").
std::string LayoutFileName(int nClass);
std::string BackgroundFileName(int nClass, int nView);
std::string KeyImageFileName(int nClass, int nKey);

// The layout for a plan: the orientation (4, drawn for a landscape screen, for every
// painted skin; the tests also draw for portrait, 5), the design size, the three
// backgrounds, the two areas, and the 84 keys with their images.
std::string BuildLayoutDocument(const std::string& comment, const KeyboardPlan& plan, int nClass,
                                int nOrientation = 4);

// A wide ASCII name as a narrow string.

// A name for a file the generator writes: ASCII kept, anything else becomes '_',
// so that the skins' file names read the same on every code page.
std::string AsciiFileName(const wchar_t* psz);
