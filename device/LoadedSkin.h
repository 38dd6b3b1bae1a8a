#pragma once
#include <windows.h>

#include "device/SkinGeometry.h"

#include <string>

// The key geometry of the skin the input method loads now: the skin and hand of
// the settings file beside the module, the layout for the screen's shorter side.
bool ReadLoadedSkin(const std::wstring& sModuleDir, SkinGeometry& geometry, std::string& sWhy);

// The last write time of the settings file beside the module (0 when there is none).
ULONGLONG OptionsFileTime(const std::wstring& sModuleDir);
