#include "Measurements.h"

#include "BenchSip.h"
#include "BenchTimer.h"
#include "platform/AygShell.h"
#include "skin/BitmapTurning.h"
#include "skin/SkinCatalogue.h"
#include "skin/SkinRecord.h"
#include "skin/XmlDocument.h"
#include "support/DisplayMetrics.h"
#include "support/GdiHandles.h"
#include "support/ModuleInstance.h"

#include <psapi.h>

#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr int kRounds = 15;
constexpr int kVgaShortSide = 480;

// The VGA layout of Silver and the bitmap files it names, found through the
// skin's own index and layout documents.
struct LayoutFiles
{
    std::wstring layout;
    std::vector<std::wstring> bitmaps;
};

LayoutFiles FindVgaLayout()
{
    const std::wstring folder = ModuleFolderPath(L"\\skins\\Silver");
    LayoutFiles files;
    std::wstring layoutName;
    ReadXmlDocument(ModuleFolderPath(L"\\skins\\Silver.xml").c_str(), nullptr, [&](IXMLDOMNode* pNode) {
        std::wstring name;
        long nHeight = 0;
        VisitXmlAttributes(pNode, [&](LPCWSTR pszName, BSTR bstrText) {
            if (std::wcscmp(pszName, L"Height") == 0)
                nHeight = std::wcstol(bstrText, nullptr, 10);
            else if (std::wcscmp(pszName, L"LayoutFileName") == 0)
                name = bstrText;
            return true;
        });
        if (nHeight == kVgaShortSide && layoutName.empty())
            layoutName = name;
        return true;
    });
    if (layoutName.empty())
        return files;
    files.layout = folder + L"\\" + layoutName;
    ReadXmlDocument(files.layout.c_str(), nullptr, [&](IXMLDOMNode* pNode) {
        VisitXmlAttributes(pNode, [&](LPCWSTR pszName, BSTR bstrText) {
            if (std::wcscmp(pszName, L"DefaultPath") == 0)
                files.bitmaps.push_back(folder + L"\\" + bstrText);
            return true;
        });
        return true;
    });
    return files;
}

// Each round returns its milliseconds and counts what it did, so that a round
// that silently did less shows.
double LoadSkinOnce(HWND hwnd, int* pnFailures)
{
    const double dStart = NowMs();
    const int nResult = LoadSkinForShortSide(g_hInstance, hwnd, kVgaShortSide);
    const double dElapsed = NowMs() - dStart;
    if (nResult != 1)
        ++*pnFailures;
    ReleaseSkin();
    return dElapsed;
}

double LoadBitmapsOnce(const std::vector<std::wstring>& paths, int* pnFailures)
{
    const double dStart = NowMs();
    for (const std::wstring& path : paths)
    {
        const HBITMAP hBitmap = SHLoadDIBitmap(path.c_str());
        if (hBitmap == nullptr)
            ++*pnFailures;
        DeleteObject(hBitmap);
    }
    return NowMs() - dStart;
}

// Only walking the layout document: every entry and attribute read, nothing loaded.
double WalkLayoutOnce(const std::wstring& layout)
{
    const double dStart = NowMs();
    ReadXmlDocument(layout.c_str(), nullptr, [](IXMLDOMNode* pNode) {
        VisitXmlAttributes(pNode, [](LPCWSTR, BSTR) { return true; });
        return true;
    });
    return NowMs() - dStart;
}

// Only turning bitmaps already in memory, as a load turns them for a right hand.
double TurnOnce(const std::vector<HBITMAP>& bitmaps, HWND hwnd)
{
    const double dStart = NowMs();
    const CBitmapTurningSession session;
    for (HBITMAP hBitmap : bitmaps)
        DeleteObject(RotateBitmapClockwise(hBitmap, hwnd));
    return NowMs() - dStart;
}

constexpr int kMemoryRounds = 5;
constexpr double kMegabyte = 1024.0 * 1024.0;

SIZE_T PrivateBytes()
{
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
    // Wine leaves PrivateUsage at 0; its commit charge is the same figure there.
    return memory.PrivateUsage != 0 ? memory.PrivateUsage : memory.PagefileUsage;
}

// The bytes the loaded skin's bitmaps hold (GetObject), and what their pixels
// take at nBitsPerPixel.
void CountSkinBytes(int nBitsPerPixel, double* pdBitmaps, double* pdPixels)
{
    std::vector<HBITMAP> bitmaps = {g_skin.hCharBackground, g_skin.hSymbolBackground, g_skin.hNumberBackground};
    for (const KeyRecord& key : g_skin.keys)
        bitmaps.push_back(key.hPressedImage);
    *pdBitmaps = *pdPixels = 0;
    for (HBITMAP hBitmap : bitmaps)
    {
        BITMAP bm{};
        if (hBitmap == nullptr || GetObjectW(hBitmap, sizeof bm, &bm) != sizeof bm)
            continue;
        *pdBitmaps += static_cast<double>(bm.bmWidthBytes) * bm.bmHeight;
        *pdPixels += static_cast<double>(bm.bmWidth) * bm.bmHeight * nBitsPerPixel / 8;
    }
}

// The memory a loaded VGA skin holds, against its pixels at the screen's depth.
void MeasureSkinMemory(HWND hwnd, std::vector<BenchRow>& rows)
{
    CWindowDc screen(nullptr);
    const int nBits = GetDeviceCaps(screen.Get(), BITSPIXEL) * GetDeviceCaps(screen.Get(), PLANES);
    std::vector<double> bitmaps, privateGrowth, pixels;
    int nFailures = 0;
    for (int i = 0; i < kMemoryRounds; ++i)
    {
        const SIZE_T cbBefore = PrivateBytes();
        nFailures += LoadSkinForShortSide(g_hInstance, hwnd, kVgaShortSide) == 1 ? 0 : 1;
        const SIZE_T cbAfter = PrivateBytes();
        double dBitmaps = 0, dPixels = 0;
        CountSkinBytes(nBits, &dBitmaps, &dPixels);
        ReleaseSkin();
        bitmaps.push_back(dBitmaps / kMegabyte);
        pixels.push_back(dPixels / kMegabyte);
        privateGrowth.push_back((static_cast<double>(cbAfter) - static_cast<double>(cbBefore)) / kMegabyte);
    }
    const std::string floor = "its pixels at " + std::to_string(nBits) + " bits a pixel";
    BenchRow held{"skin memory, VGA layout: its bitmaps (GetObject)", Summarize(bitmaps), floor, Summarize(pixels)};
    held.unit = "MB";
    held.goal = "1.1";
    if (nFailures != 0)
        held.failure = "LoadSkin failed " + std::to_string(nFailures) + " times";
    BenchRow grown{"- private memory, after the load less before", Summarize(privateGrowth), floor, Summarize(pixels)};
    grown.unit = "MB";
    rows.push_back(held);
    rows.push_back(grown);
}

}  // namespace

void MeasureSkinLoad(const CBenchSip& sip, std::vector<BenchRow>& rows)
{
    const bool bTurned = GetScreenOrientation() != ORIENT_LANDSCAPE;
    BenchRow load{std::string("skin load, VGA layout") + (bTurned ? ", turned" : ", not turned")};
    load.goal = "1.5";
    const LayoutFiles files = FindVgaLayout();
    if (files.bitmaps.empty())
    {
        load.failure = "Silver's VGA layout or its bitmaps cannot be found";
        rows.push_back(load);
        return;
    }
    const HWND hwnd = sip.BarWindow();
    std::vector<HBITMAP> loaded;
    for (const std::wstring& path : files.bitmaps)
        loaded.push_back(SHLoadDIBitmap(path.c_str()));

    int nLoadFailures = 0, nBitmapFailures = 0;
    // One untimed round of each fills the file cache and starts the DOM.
    LoadSkinOnce(hwnd, &nLoadFailures);
    LoadBitmapsOnce(files.bitmaps, &nBitmapFailures);
    const std::vector<SampleSummary> figures = MeasureInTurn(kRounds, {
        [&] { return LoadSkinOnce(hwnd, &nLoadFailures); },
        [&] { return LoadBitmapsOnce(files.bitmaps, &nBitmapFailures); },
        [&] { return WalkLayoutOnce(files.layout); },
        [&] { return TurnOnce(loaded, hwnd); },
    });
    for (HBITMAP hBitmap : loaded)
        DeleteObject(hBitmap);

    const std::string floor = "loading its " + std::to_string(files.bitmaps.size()) + " bitmap files";
    load.figure = figures[0];
    load.floor = floor;
    load.floorFigure = figures[1];
    if (nLoadFailures != 0 || nBitmapFailures != 0)
        load.failure = "LoadSkin failed " + std::to_string(nLoadFailures) + " times, bitmap files " +
                       std::to_string(nBitmapFailures) + " times";
    rows.push_back(load);
    rows.push_back(BenchRow{"- of it, walking the layout document", figures[2], floor, figures[1]});
    rows.push_back(BenchRow{"- of it, turning the bitmaps in memory", figures[3], floor, figures[1]});
    MeasureSkinMemory(hwnd, rows);
}
