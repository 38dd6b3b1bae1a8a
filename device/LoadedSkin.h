#pragma once
#include <windows.h>

#include "device/harness/RgbImage.h"
#include "device/SkinGeometry.h"

#include <string>

struct LoadedSkin
{
    SkinGeometry geometry;
    std::wstring sFolder;    // the skin's folder, where its bitmaps are
    bool bLeftHanded = true;
    WordSettings words;      // word completion's settings, from the same file
};

// The key geometry of the skin the input method loads now: the skin and hand of
// the settings file beside the module, the layout for the screen's shorter side.
bool ReadLoadedSkin(const std::wstring& sModuleDir, LoadedSkin& skin, std::string& sWhy);

// The background of a view (1 characters, 2 symbols, 3 numbers) as the keyboard
// should show it on this screen for this hand; false when it cannot be read.
bool ReadViewBackground(const LoadedSkin& skin, int nView, RgbImage& image, std::string& sWhy);

// The last write time of the settings file beside the module (0 when there is none).
ULONGLONG OptionsFileTime(const std::wstring& sModuleDir);
