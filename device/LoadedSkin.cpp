#include "LoadedSkin.h"

#include "device/harness/ImageFile.h"
#include "SkinXml.h"
#include "device/harness/FileBytes.h"
#include "device/harness/TextUtf.h"

#include <algorithm>

bool ReadLoadedSkin(const std::wstring& sModuleDir, LoadedSkin& skin, std::string& sWhy)
{
    UserChoices choices;
    FileBytes options;
    if (ReadFileBytes(sModuleDir + L"\\Options.dat", options))
        ParseOptionsFile(options, choices);
    const std::wstring sSkinFile(choices.skinFile.begin(), choices.skinFile.end());
    const std::wstring sSkins = sModuleDir + L"\\skins";
    SkinEntries index;
    if (!ReadSkinEntries(sSkins + L"\\" + sSkinFile, index, sWhy))
        return false;
    const int nWidth = GetSystemMetrics(SM_CXSCREEN);
    const int nHeight = GetSystemMetrics(SM_CYSCREEN);
    const std::string layoutFile = ChooseLayoutFile(index, std::min(nWidth, nHeight));
    if (layoutFile.empty())
    {
        sWhy = "the skin has no layout for this screen";
        return false;
    }
    const size_t nDot = sSkinFile.rfind(L'.');
    const std::wstring sFolder = sSkins + L"\\" + (nDot == std::wstring::npos ? sSkinFile : sSkinFile.substr(0, nDot));
    SkinEntries layout;
    if (!ReadSkinEntries(sFolder + L"\\" + Widen(layoutFile), layout, sWhy))
        return false;
    skin.geometry = SkinGeometry{};
    skin.sFolder = sFolder;
    skin.bLeftHanded = choices.bLeftHanded;
    skin.words = choices.words;
    ReadSkinGeometry(layout, ShapeOf(nWidth, nHeight), choices.bLeftHanded, skin.geometry);
    return true;
}

ULONGLONG OptionsFileTime(const std::wstring& sModuleDir)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW((sModuleDir + L"\\Options.dat").c_str(), GetFileExInfoStandard, &data))
        return 0;
    return (static_cast<ULONGLONG>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
}

bool ReadViewBackground(const LoadedSkin& skin, int nView, RgbImage& image, std::string& sWhy)
{
    if (nView < 1 || nView > 3 || skin.geometry.aBackgrounds[nView - 1].empty())
    {
        sWhy = "the skin names no background for view " + std::to_string(nView);
        return false;
    }
    RgbImage drawn;
    if (!ReadImageFile(skin.sFolder + L"\\" + Widen(skin.geometry.aBackgrounds[nView - 1]), drawn))
    {
        sWhy = "cannot read the background " + skin.geometry.aBackgrounds[nView - 1];
        return false;
    }
    const ScreenShape screen = ShapeOf(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    image = IsTurned(skin.geometry.nOrientation, screen) ? TurnImage(drawn, !skin.bLeftHanded) : drawn;
    return true;
}
