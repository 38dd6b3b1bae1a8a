#pragma once
#include "device/SkinGeometry.h"

#include <string>

// The children of the root element of a skin file, in document order; false, with
// the reason, when the file cannot be loaded as XML.
bool ReadSkinEntries(const std::wstring& sPath, SkinEntries& entries, std::string& sWhy);
