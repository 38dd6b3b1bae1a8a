#include "settings/SettingsFileTest.h"

#include "settings/ModulePath.h"
#include "settings/Settings.h"
#include "support/ModuleInstance.h"

namespace {

constexpr LONGLONG kTicksPerSecond = 10000000;

ULONGLONG Ticks(const FILETIME& ft)
{
    return (static_cast<ULONGLONG>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
}

void ResetSettings()
{
    g_dwHabit = 1;
    g_bAccentsOnLongPress = TRUE;
    SetWordSettings(WordSettings());
    g_szSkinFile[0] = L'\0';
    g_ftOptionsTime = FILETIME{0, 0};
    g_nLoadedOrientation = kNoLoadedOrientation;
    RemovePath(OptionsPath());
}

}  // namespace

std::wstring OptionsPath()
{
    WCHAR szPath[MAX_PATH];
    return BuildModulePath(g_hInstance, L"\\Options.dat", szPath) ? szPath : L"";
}

void RemovePath(const std::wstring& path)
{
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!DeleteFileW(path.c_str()))
        RemoveDirectoryW(path.c_str());
}

std::string WordSettingsText(const WordSettings& words)
{
    return "suggest " + std::to_string(words.bSuggest) + ", after " + std::to_string(words.nAfterLetters) +
           ", words " + std::to_string(words.nWords) + ", space " + std::to_string(words.bSpaceAfterWord) +
           ", learn " + std::to_string(words.bLearn) + ", list " + std::to_string(static_cast<int>(words.list));
}

Bytes StoredTail(bool bAccents, const WordSettings& words)
{
    using U = unsigned char;
    return Bytes{U(bAccents), 0, 0, 0, U(words.bSuggest), U(words.nAfterLetters), U(words.nWords),
                 U(words.bSpaceAfterWord), U(words.bLearn), U(words.list)};
}

Bytes OptionsFileBytes(DWORD dwHabit, const std::wstring& skin, const Bytes& tail)
{
    Bytes out;
    for (DWORD v : {dwHabit, static_cast<DWORD>(skin.size())})
        for (int i = 0; i < 4; ++i)
            out.push_back(static_cast<unsigned char>(v >> (8 * i)));
    for (wchar_t ch : skin)
        out.insert(out.end(), {static_cast<unsigned char>(ch & 0xFF), static_cast<unsigned char>(ch >> 8)});
    out.insert(out.end(), tail.begin(), tail.end());
    return out;
}

bool ShiftWriteTime(const std::wstring& path, LONGLONG nSeconds)
{
    HANDLE h = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES | GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    FILETIME ft{};
    bool bOk = GetFileTime(h, nullptr, nullptr, &ft) != FALSE;
    const ULONGLONG t = Ticks(ft) + nSeconds * kTicksPerSecond;
    ft = FILETIME{static_cast<DWORD>(t), static_cast<DWORD>(t >> 32)};
    bOk = bOk && SetFileTime(h, nullptr, nullptr, &ft);
    CloseHandle(h);
    return bOk;
}

bool WriteNewerOptions(DWORD dwHabit, const std::wstring& skin)
{
    const std::wstring path = OptionsPath();
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!WriteFileBytes(path, OptionsFileBytes(dwHabit, skin)) ||
        !GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data))
        return false;
    const ULONGLONG written = Ticks(data.ftLastWriteTime);
    const ULONGLONG recorded = Ticks(g_ftOptionsTime);
    return written > recorded ||
           ShiftWriteTime(path, static_cast<LONGLONG>(recorded - written) / kTicksPerSecond + 1);
}

COptionsFileKeeper::COptionsFileKeeper() : m_saved(ReadFileBytes(OptionsPath())) {}

COptionsFileKeeper::~COptionsFileKeeper()
{
    if (m_saved.empty())
        RemovePath(OptionsPath());
    else
        WriteFileBytes(OptionsPath(), m_saved);
}

CFreshSettings::CFreshSettings()
{
    ResetSettings();
}

CFreshSettings::~CFreshSettings()
{
    ResetSettings();
}
