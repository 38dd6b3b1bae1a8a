#include "LoadedSkin.h"
#include "common/TextUtf.h"

#include "device/Script.h"

#include <algorithm>
#include <vector>

namespace {

bool ReadWholeFile(const std::wstring& sPath, std::vector<unsigned char>& bytes)
{
    HANDLE hFile = CreateFileW(sPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER size{};
    bool bRead = GetFileSizeEx(hFile, &size) && size.QuadPart < 16 * 1024 * 1024;
    if (bRead)
    {
        bytes.resize(static_cast<size_t>(size.QuadPart));
        DWORD cbRead = 0;
        bRead = bytes.empty() ||
                (ReadFile(hFile, bytes.data(), static_cast<DWORD>(bytes.size()), &cbRead, nullptr) && cbRead == bytes.size());
    }
    CloseHandle(hFile);
    return bRead;
}

// Skin files are UTF-8; a UTF-16 file (with its byte order mark) is converted.
std::string AsUtf8(const std::vector<unsigned char>& bytes)
{
    if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE)
    {
        std::u16string text;
        for (size_t i = 2; i + 1 < bytes.size(); i += 2)
            text += static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
        std::string utf8 = Utf16ToUtf8(text);
        const size_t nDeclarationEnd = utf8.find("?>");
        if (utf8.compare(0, 5, "<?xml") == 0 && nDeclarationEnd != std::string::npos)
            utf8.erase(0, nDeclarationEnd + 2);   // its encoding attribute no longer holds
        return utf8;
    }
    return std::string(bytes.begin(), bytes.end());
}

std::unique_ptr<XmlNode> ReadXml(const std::wstring& sPath, std::string& sWhy)
{
    std::vector<unsigned char> bytes;
    if (!ReadWholeFile(sPath, bytes))
    {
        sWhy = "cannot read " + Narrow(sPath);
        return nullptr;
    }
    std::string error;
    std::unique_ptr<XmlNode> root = ParseXml(AsUtf8(bytes), &error);
    if (!root)
        sWhy = Narrow(sPath) + ": " + error;
    return root;
}

}  // namespace

bool ReadLoadedSkin(const std::wstring& sModuleDir, LoadedSkin& skin, std::string& sWhy)
{
    UserChoices choices;
    std::vector<unsigned char> options;
    if (ReadWholeFile(sModuleDir + L"\\Options.dat", options))
        ParseOptionsFile(options, choices);
    const std::wstring sSkinFile(choices.skinFile.begin(), choices.skinFile.end());
    const std::wstring sSkins = sModuleDir + L"\\skins";
    std::unique_ptr<XmlNode> index = ReadXml(sSkins + L"\\" + sSkinFile, sWhy);
    if (!index)
        return false;
    const int nWidth = GetSystemMetrics(SM_CXSCREEN);
    const int nHeight = GetSystemMetrics(SM_CYSCREEN);
    const std::string layoutFile = ChooseLayoutFile(*index, std::min(nWidth, nHeight));
    if (layoutFile.empty())
    {
        sWhy = "the skin has no layout for this screen";
        return false;
    }
    const size_t nDot = sSkinFile.rfind(L'.');
    const std::wstring sFolder = sSkins + L"\\" + (nDot == std::wstring::npos ? sSkinFile : sSkinFile.substr(0, nDot));
    const std::u16string layout16 = Utf8ToUtf16(layoutFile);
    std::unique_ptr<XmlNode> layout = ReadXml(sFolder + L"\\" + std::wstring(layout16.begin(), layout16.end()), sWhy);
    if (!layout)
        return false;
    skin.geometry = SkinGeometry{};
    skin.sFolder = sFolder;
    skin.bLeftHanded = choices.bLeftHanded;
    ReadSkinGeometry(*layout, ShapeOf(nWidth, nHeight), choices.bLeftHanded, skin.geometry);
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
    const std::u16string file = Utf8ToUtf16(skin.geometry.aBackgrounds[nView - 1]);
    const std::wstring sPath = skin.sFolder + L"\\" + std::wstring(file.begin(), file.end());
    std::vector<unsigned char> bytes;
    RgbImage drawn;
    if (!ReadWholeFile(sPath, bytes) || !DecodeBmp(std::vector<uint8_t>(bytes.begin(), bytes.end()), drawn))
    {
        sWhy = "cannot read the background " + skin.geometry.aBackgrounds[nView - 1];
        return false;
    }
    const ScreenShape screen = ShapeOf(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    const int nOrientation = skin.geometry.nOrientation;
    const bool bTurned = (screen == ScreenShape::Portrait && nOrientation == 4) ||
                         (screen == ScreenShape::Landscape && nOrientation == 5);
    image = bTurned ? TurnImage(drawn, !skin.bLeftHanded) : drawn;
    return true;
}
