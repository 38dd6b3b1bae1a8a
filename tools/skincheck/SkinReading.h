#pragma once
#include <windows.h>

#include "SkinModel.h"

// Reads a skin's files with the product's own document walk and entry readers, so the
// checker sees exactly the entries the loader sees.

// pszSkinsFolder: the folder that holds NAME.xml and the folder NAME.
IndexModel ReadIndexModel(LPCWSTR pszSkinsFolder, LPCWSTR pszIndexFile);

// pszSkinFolder: MODULE_DIR\skins\NAME; pszLabel names the file in reports.
LayoutModel ReadLayoutModel(LPCWSTR pszSkinFolder, LPCWSTR pszLayoutFile, const std::string& label);

// Notes the characters of the layout's Alternates that the keys' label font has no glyph
// for; the keyboard draws labels in the face of the screen's own font, as here.
void ReadGlyphFacts(LayoutModel& layout);

// Adds what became of every bitmap the layout names that is not in the table yet.
void ReadBitmapFacts(LPCWSTR pszSkinFolder, const LayoutModel& layout, BitmapTable& bitmaps);
