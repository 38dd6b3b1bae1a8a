#include "ScreenRuns.h"
#include "device/harness/FileBytes.h"

#include "SkinRender.h"

#include "settings/Settings.h"
#include "skin/SkinCatalogue.h"
#include "skin/SkinRecord.h"
#include "support/DisplayMetrics.h"

#include <cstdio>
#include <fstream>
#include <iterator>

namespace {

constexpr DWORD kChildTimeoutMs = 300 * 1000;

std::wstring ModulePath()
{
    WCHAR szPath[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, szPath, MAX_PATH);
    return szPath;
}

std::string ReadText(const std::wstring& path)
{
    const FileBytes bytes = ReadFileBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

std::wstring Quoted(const std::wstring& text)
{
    return L"\"" + text + L"\"";
}

LoadRun LoadOnce(int nSkin, const std::wstring& skin, bool bLeftHanded, HWND hwnd)
{
    LoadRun run;
    run.nSkin = nSkin;
    run.bLeftHanded = bLeftHanded;
    SetSkinFile(skin.c_str());
    SetHabit(bLeftHanded ? 1 : 0);
    ReleaseSkin();
    run.nResult = LoadSkin(GetModuleHandleW(nullptr), hwnd);
    if (run.nResult == 0)
        return run;
    for (int i = 0; i < KEY_COUNT; ++i)
    {
        const KeyRecord& key = g_skin.keys[i];
        LoadedKey& out = run.keys[static_cast<std::size_t>(i)];
        out.rc = {key.rcKey.left, key.rcKey.top, key.rcKey.right, key.rcKey.bottom};
        out.nImageWidth = GetBitmapWidth(key.hPressedImage);
        out.nImageHeight = GetBitmapHeight(key.hPressedImage);
    }
    return run;
}

}  // namespace

bool CanRunOnOtherScreens()
{
    const HMODULE hNtDll = GetModuleHandleW(L"ntdll.dll");
    return hNtDll != nullptr && GetProcAddress(hNtDll, "wine_get_version") != nullptr;
}

int RunLoaderHere(LPCWSTR pszReportPath, const std::vector<std::wstring>& skins, LPCWSTR pszRenderFolder)
{
    // The loader turns bitmaps for a window's DC; a hidden one serves.
    HWND hwnd = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    std::string report;
    for (std::size_t i = 0; i < skins.size(); ++i)
    {
        for (bool bLeftHanded : {false, true})
        {
            const LoadRun run = LoadOnce(static_cast<int>(i), skins[i], bLeftHanded, hwnd);
            report += FormatLoadRun(run);
            if (run.nResult != 0 && pszRenderFolder != nullptr)
                RenderSkinStates(hwnd, pszRenderFolder, skins[i], bLeftHanded);
        }
    }
    ReleaseSkin();
    if (hwnd != nullptr)
        DestroyWindow(hwnd);
    report += "done\n";
    return WriteFileText(pszReportPath, report) ? 0 : 1;
}

std::vector<ScreenRun> RunLoaderOnScreens(const std::vector<CheckedScreen>& screens,
                                          const std::vector<std::wstring>& skins, LPCWSTR pszRenderFolder)
{
    std::vector<ScreenRun> results;
    const std::wstring self = ModulePath();
    WCHAR szTemp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, szTemp);
    for (const CheckedScreen& screen : screens)
    {
        const std::wstring size = std::to_wstring(screen.size.nWidth) + L"x" + std::to_wstring(screen.size.nHeight);
        const std::wstring report =
            std::wstring(szTemp) + L"skincheck_" + std::to_wstring(GetCurrentProcessId()) + L"_" + size + L".txt";
        DeleteFileW(report.c_str());
        std::wstring command = L"explorer.exe /desktop=skincheck_" + size + L"," + size + L" " + Quoted(self) +
                               L" --child " + Quoted(report);
        if (pszRenderFolder != nullptr)
            command += L" --render " + Quoted(pszRenderFolder);
        for (const std::wstring& skin : skins)
            command += L" " + Quoted(skin);

        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        if (CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        {
            if (WaitForSingleObject(process.hProcess, kChildTimeoutMs) == WAIT_TIMEOUT)
                TerminateProcess(process.hProcess, 1);
            CloseHandle(process.hThread);
            CloseHandle(process.hProcess);
        }
        results.push_back(ParseScreenReport(screen, ReadText(report)));
        DeleteFileW(report.c_str());
    }
    return results;
}
