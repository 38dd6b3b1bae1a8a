// How long loading the VGA Silver skin takes on a portrait screen, where every bitmap is
// turned, against merely reading the same bitmap files in the same run. Prints the
// figures and their ratio; it asserts nothing.
//
// Run on a 480 x 640 screen:  make bench  (or tools/wine/run --screen 480x640 ...)

#include "platform/AygShell.h"
#include "settings/Settings.h"
#include "skin/FileFinder.h"
#include "skin/SkinCatalogue.h"
#include "skin/SkinRecord.h"
#include "skin/BitmapTurning.h"
#include "skin/XmlDocument.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kRounds = 15;

double Now()
{
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

std::wstring ModuleFolder()
{
    WCHAR szPath[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, szPath, MAX_PATH);
    std::wstring path(szPath, n);
    return path.substr(0, path.find_last_of(L'\\'));
}

// The bitmaps of the VGA layout: every file of the skin folder drawn for the 480 class.
std::vector<std::wstring> LayoutBitmaps(const std::wstring& folder)
{
    std::vector<std::wstring> paths;
    CFileFinder finder;
    for (finder.FindFirst((folder + L"\\480_*.bmp").c_str()); finder.IsFound(); finder.FindNext())
        paths.push_back(folder + L"\\" + finder.Data().cFileName);
    return paths;
}

double LoadBitmapsOnce(const std::vector<std::wstring>& paths, size_t* pnLoaded)
{
    const double start = Now();
    size_t nLoaded = 0;
    for (const std::wstring& path : paths)
    {
        HBITMAP hBitmap = SHLoadDIBitmap(path.c_str());
        if (hBitmap != nullptr)
        {
            ++nLoaded;
            DeleteObject(hBitmap);
        }
    }
    *pnLoaded = nLoaded;
    return Now() - start;
}

double LoadSkinOnce(HWND hwnd, int* pnResult)
{
    const double start = Now();
    *pnResult = LoadSkin(GetModuleHandleW(nullptr), hwnd);
    const double elapsed = Now() - start;
    ReleaseSkin();
    return elapsed;
}

// Only walking the layout document, entries read but nothing loaded.
double WalkLayoutOnce(const std::wstring& path)
{
    const double start = Now();
    ReadXmlDocument(path.c_str(), nullptr, [](IXMLDOMNode* pNode) {
        VisitXmlAttributes(pNode, [](LPCWSTR, BSTR) { return true; });
    });
    return Now() - start;
}

// Only turning bitmaps already in memory, as a load turns them.
double TurnOnce(const std::vector<HBITMAP>& bitmaps, HWND hwnd)
{
    const double start = Now();
    const CBitmapTurningSession session;
    for (HBITMAP hBitmap : bitmaps)
        DeleteObject(RotateBitmapClockwise(hBitmap, hwnd));
    return Now() - start;
}

}  // namespace

int main()
{
    const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    std::printf("skin load benchmark: screen %d x %d\n", sw, sh);
    if (std::min(sw, sh) != 480 || sw >= sh)
        std::printf("note: the figures below are meant for a 480 x 640 screen (VGA layout, turned)\n");

    HWND hwnd = CreateWindowExW(0, L"STATIC", L"bench", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    if (hwnd == nullptr)
    {
        std::printf("no window: is there a display?\n");
        return 1;
    }
    const std::vector<std::wstring> paths = LayoutBitmaps(ModuleFolder() + L"\\skins\\Silver");
    g_dwHabit = 0;
    SetSkinFile(L"Silver.xml");

    // One untimed round of each warms the file cache and the DOM.
    size_t nLoaded = 0;
    int nResult = 0;
    LoadBitmapsOnce(paths, &nLoaded);
    LoadSkinOnce(hwnd, &nResult);
    if (nResult != 1 || nLoaded == 0)
    {
        std::printf("cannot load Silver (LoadSkin %d, %zu bitmaps)\n", nResult, nLoaded);
        DestroyWindow(hwnd);
        return 1;
    }

    std::vector<HBITMAP> loaded;
    for (const std::wstring& path : paths)
        loaded.push_back(SHLoadDIBitmap(path.c_str()));
    const std::wstring layout = ModuleFolder() + L"\\skins\\Silver\\Layout480.xml";

    std::vector<double> bare, full, walk, turn;
    for (int i = 0; i < kRounds; ++i)
    {
        bare.push_back(LoadBitmapsOnce(paths, &nLoaded));
        full.push_back(LoadSkinOnce(hwnd, &nResult));
        walk.push_back(WalkLayoutOnce(layout));
        turn.push_back(TurnOnce(loaded, hwnd));
    }
    for (HBITMAP hBitmap : loaded)
        DeleteObject(hBitmap);
    std::sort(walk.begin(), walk.end());
    std::sort(turn.begin(), turn.end());
    std::sort(bare.begin(), bare.end());
    std::sort(full.begin(), full.end());
    const double bareFloor = bare.front(), fullFloor = full.front();
    std::printf("bitmap files:        %zu\n", nLoaded);
    std::printf("bare bitmap loading: floor %.2f ms, median %.2f ms (%d rounds)\n", bareFloor, bare[kRounds / 2], kRounds);
    std::printf("LoadSkin, turned:    floor %.2f ms, median %.2f ms (%d rounds)\n", fullFloor, full[kRounds / 2], kRounds);
    std::printf("  of which layout document walk: floor %.2f ms\n", walk.front());
    std::printf("  of which turning in memory:    floor %.2f ms\n", turn.front());
    std::printf("ratio (floor/floor): %.2f  (target 1.5 or less)\n", bareFloor > 0 ? fullFloor / bareFloor : 0.0);
    DestroyWindow(hwnd);
    return 0;
}
