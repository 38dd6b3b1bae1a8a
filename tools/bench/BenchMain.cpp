// The benchmarks of Brevanto Keyboard, in one process and one run: skin load,
// paint per stylus event at QVGA and VGA, keyboard opening, text delivery.
// Each figure is printed with its ratio against a floor measured in the same
// run; nothing is asserted. `make bench` runs it on a 480x640 screen of 16 bits
// a pixel, as on a device, and again on one of 24.

#include "BenchSip.h"
#include "BenchTable.h"
#include "Measurements.h"
#include "keyboard/KeyboardFonts.h"
#include "settings/Settings.h"
#include "skin/SkinRecord.h"
#include "support/DisplayMetrics.h"
#include "support/ModuleInstance.h"

#include <cstdio>
#include <vector>

int main()
{
    // The resources are linked into this program, so it stands in for the module.
    g_hInstance = GetModuleHandleW(nullptr);
    const int nWidth = GetSystemMetrics(SM_CXSCREEN), nHeight = GetSystemMetrics(SM_CYSCREEN);
    int nBits = 0;
    {
        const HDC hdc = GetDC(nullptr);
        nBits = GetDeviceCaps(hdc, BITSPIXEL) * GetDeviceCaps(hdc, PLANES);
        ReleaseDC(nullptr, hdc);
    }
    std::printf("Brevanto Keyboard benchmarks on a %dx%d screen of %d bits a pixel, right hand, skin Silver.\n",
                nWidth, nHeight, nBits);
    std::printf("Milliseconds: the median of the rounds, the fastest round in brackets. Each ratio is the\n"
                "median over its floor's median, both measured in this run, rounds taken in turn.\n\n");
    if (GetResolutionClass() == ResolutionClass::Unsupported)
    {
        std::printf("this screen size is not supported; run on 480x640 (make bench)\n");
        return 1;
    }

    std::vector<BenchRow> rows;
    {
        const CBenchSip sip;
        if (!sip.Failure().empty())
        {
            std::printf("cannot start the input method: %s\n", sip.Failure().c_str());
            return 1;
        }
        SetHabit(0);
        SetSkinFile(L"Silver.xml");
        SaveOptions();
        MeasureSkinLoad(sip, rows);
        MeasurePaint(sip, rows);
        MeasureOpenLatency(sip, rows);
        MeasureDelivery(rows);
        ReleaseKeyboardFonts();
        ReleaseSkin();
    }
    std::fputs(FormatBenchTable(rows).c_str(), stdout);
    for (const BenchRow& row : rows)
    {
        if (!row.failure.empty())
            return 1;
    }
    return 0;
}
