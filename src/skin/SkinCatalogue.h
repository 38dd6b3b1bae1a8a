#pragma once
#include <windows.h>

#include "settings/SkinList.h"
#include "skin/ResolutionEntryReader.h"
#include "words/WordSettings.h"

class CRecordList;

// Reads the selected skin's index file (g_szSkinFile, "Silver.xml" when empty), picks the
// layout for the screen's shorter side and loads it into the skin record. 1 on success,
// 0 otherwise. The previous skin must have been released; a failed load leaves what it
// created for ReleaseSkin.
int LoadSkin(HINSTANCE hInstance, HWND hwnd);

// LoadSkin with the layout chosen for a screen whose shorter side is nShortSide pixels,
// while rectangles and bitmaps are still turned for the screen's orientation as it is.
// A program on one screen can so show the layout of another screen class of the same
// orientation exactly as that screen gets it.
int LoadSkinForShortSide(HINSTANCE hInstance, HWND hwnd, int nShortSide);

// Reads an index file into a new resolution list held by the skin record, and the
// language it names into the record's. 1 when the document could be read, 0 otherwise
// or when memory ran out for one of its entries.
int ReadResolutionTable(LPCWSTR pszPath);

// The language of the word list the settings choose, with the loaded skin: the list
// named, or for Automatic the skin's language, else the device's, else English.
WordLanguage ChooseWordLanguage(const WordSettings& settings);

// Appends a SkinListEntry for every index file in the skins folder next to the module,
// in the order the file system gives them.
void EnumerateSkins(CRecordList* pList, HINSTANCE hInstance);
