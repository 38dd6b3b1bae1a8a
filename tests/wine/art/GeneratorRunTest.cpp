// The generator run again, into a fresh folder, must give the very bytes the
// build installed: skins and artwork are a pure function of the sources.
#include "WineTestSupport.h"
#include "XmlEntries.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::wstring FromUnixPath(const char* psz)
{
    std::wstring path = L"Z:";
    for (; *psz != '\0'; ++psz)
        path.push_back(*psz == '/' ? L'\\' : static_cast<wchar_t>(*psz));
    return path;
}

std::vector<char> ReadAll(const std::wstring& path)
{
    HANDLE hFile = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    std::vector<char> bytes;
    if (hFile == INVALID_HANDLE_VALUE)
        return bytes;
    char buffer[65536];
    DWORD dwRead = 0;
    while (ReadFile(hFile, buffer, sizeof(buffer), &dwRead, nullptr) && dwRead > 0)
        bytes.insert(bytes.end(), buffer, buffer + dwRead);
    CloseHandle(hFile);
    return bytes;
}

// Relative names of the files below a folder, one level of subfolders deep.
std::vector<std::wstring> ListFiles(const std::wstring& folder, const std::wstring& prefix = L"")
{
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW data;
    HANDLE hFind = FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (hFind == INVALID_HANDLE_VALUE)
        return names;
    do
    {
        const std::wstring name = data.cFileName;
        if (name == L"." || name == L"..")
            continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        {
            for (const std::wstring& inner : ListFiles(folder + L"\\" + name, prefix + name + L"\\"))
                names.push_back(inner);
        }
        else
        {
            names.push_back(prefix + name);
        }
    } while (FindNextFileW(hFind, &data));
    FindClose(hFind);
    return names;
}

void RemoveTree(const std::wstring& folder)
{
    for (const std::wstring& name : ListFiles(folder))
        DeleteFileW((folder + L"\\" + name).c_str());
    WIN32_FIND_DATAW data;
    HANDLE hFind = FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (hFind != INVALID_HANDLE_VALUE)
    {
        do
        {
            const std::wstring name = data.cFileName;
            if (name != L"." && name != L".." && (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                RemoveDirectoryW((folder + L"\\" + name).c_str());
        } while (FindNextFileW(hFind, &data));
        FindClose(hFind);
    }
    RemoveDirectoryW(folder.c_str());
}

DWORD RunAndWait(std::wstring commandLine)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return 0xFFFFFFFF;
    DWORD dwExit = 0xFFFFFFFE;
    if (WaitForSingleObject(process.hProcess, 120000) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &dwExit);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return dwExit;
}

TEST(SkinGenerator, SecondRunGivesTheSameBytes)
{
    if (!IsScreen(240, 320))
        GTEST_SKIP() << "run once, on the 240x320 run";
    const std::wstring generator = FromUnixPath(BREVANTO_BINARY_DIR "/tools/skingen.exe");
    const std::wstring installedArt = FromUnixPath(BREVANTO_BINARY_DIR "/art");
    const std::wstring installedSkins = ProgramFolder() + L"\\skins";
    wchar_t szTemp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, szTemp);
    const std::wstring output = std::wstring(szTemp) + L"brevanto_skingen_" + std::to_wstring(GetCurrentProcessId());
    RemoveTree(output);

    ASSERT_EQ(0u, RunAndWait(L"\"" + generator + L"\" \"" + output + L"\\skins\" \"" + output + L"\\art\""));

    const std::pair<std::wstring, std::wstring> folders[] = {{output + L"\\skins", installedSkins},
                                                             {output + L"\\art", installedArt}};
    size_t nCompared = 0;
    for (const auto& [fresh, installed] : folders)
    {
        const std::vector<std::wstring> names = ListFiles(fresh);
        EXPECT_EQ(names.size(), ListFiles(installed).size()) << installed;
        for (const std::wstring& name : names)
        {
            const std::vector<char> a = ReadAll(fresh + L"\\" + name);
            const std::vector<char> b = ReadAll(installed + L"\\" + name);
            EXPECT_FALSE(a.empty()) << name;
            EXPECT_TRUE(a == b) << name << " differs between runs";
            ++nCompared;
        }
    }
    // Two skins of two sizes (3 backgrounds, 84 keys, a layout each, and an index each),
    // and the 24 resource bitmaps.
    EXPECT_EQ(2u * (2u * (3u + 84u + 1u) + 1u) + 24u, nCompared);
    RemoveTree(output);
}

}  // namespace
