#include "settings/SettingsFileTest.h"

#include "settings/ModulePath.h"
#include "settings/Settings.h"
#include "support/DisplayMetrics.h"
#include "support/ModuleInstance.h"

std::wstring OptionsPath()
{
    WCHAR szPath[MAX_PATH];
    if (!BuildModulePath(g_hInstance, L"\\Options.dat", szPath))
        return std::wstring();
    return szPath;
}

Bytes ReadWholeFile(const std::wstring& path)
{
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return Bytes();
    Bytes bytes(GetFileSize(h, nullptr));
    DWORD cbRead = 0;
    if (!bytes.empty() && (!ReadFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &cbRead, nullptr) ||
                           cbRead != bytes.size()))
        bytes.clear();
    CloseHandle(h);
    return bytes;
}

bool WriteWholeFile(const std::wstring& path, const Bytes& bytes)
{
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    DWORD cbWritten = 0;
    const bool bOk = bytes.empty() ||
        (WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &cbWritten, nullptr) && cbWritten == bytes.size());
    CloseHandle(h);
    return bOk;
}

void RemovePath(const std::wstring& path)
{
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!DeleteFileW(path.c_str()))
        RemoveDirectoryW(path.c_str());
}

Bytes LeDword(DWORD v)
{
    return Bytes{static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
                 static_cast<unsigned char>(v >> 16), static_cast<unsigned char>(v >> 24)};
}

Bytes Utf16Le(const std::wstring& s)
{
    Bytes out;
    for (wchar_t ch : s)
    {
        out.push_back(static_cast<unsigned char>(ch & 0xFF));
        out.push_back(static_cast<unsigned char>((ch >> 8) & 0xFF));
    }
    return out;
}

Bytes Join(std::initializer_list<Bytes> parts)
{
    Bytes out;
    for (const Bytes& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

Bytes OptionsFileBytes(DWORD dwHabit, const std::wstring& skin)
{
    return Join({LeDword(dwHabit), LeDword(static_cast<DWORD>(skin.size())), Utf16Le(skin)});
}

COptionsFileKeeper::COptionsFileKeeper() : m_saved(ReadWholeFile(OptionsPath())) {}

COptionsFileKeeper::~COptionsFileKeeper()
{
    if (m_saved.empty())
        RemovePath(OptionsPath());
    else
        WriteWholeFile(OptionsPath(), m_saved);
}

namespace {

void ResetSettings()
{
    g_dwHabit = 1;
    g_szSkinFile[0] = L'\0';
    g_ftOptionsTime = FILETIME{0, 0};
    g_nLoadedOrientation = kNoLoadedOrientation;
    RemovePath(OptionsPath());
}

}  // namespace

CFreshSettings::CFreshSettings()
{
    ResetSettings();
}

CFreshSettings::~CFreshSettings()
{
    ResetSettings();
}
