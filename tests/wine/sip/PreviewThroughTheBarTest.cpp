// The keyboard draws the held key's label enlarged in the skin's character view area,
// turned with the skin, in a font made from the one the SIP bar window reports. Taken
// the way a user takes it (a tap on the bar's keyboard button, a key held down), the
// label must fill most of the area across its reading direction and lie along it.
#include "WineTestSupport.h"
#include "keyboard/KeyboardDriver.h"

#include "settings/Settings.h"
#include "settings/SettingsFileTest.h"
#include "sip/BarLayout.h"
#include "sip/BarStylus.h"
#include "sip/DialogWatcher.h"
#include "sip/SipActions.h"
#include "sip/SipHost.h"
#include "skin/SkinRecord.h"
#include "support/FontHelper.h"
#include "support/GdiHandles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

namespace
{

constexpr int kKeyW = 22;
constexpr int kKeyboardViewId = 203;

// The pixels of a rectangle of the keyboard as it paints itself now: the edit
// control under it may have drawn over it on the screen (its caret, its
// frame), so it is painted afresh first, then copied into a 32-bit section.
std::vector<COLORREF> GrabPainted(HWND hKeyboard, const RECT& rc)
{
    RedrawWindow(hKeyboard, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const int nWidth = rc.right - rc.left;
    const int nHeight = rc.bottom - rc.top;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), nWidth, -nHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* pBits = nullptr;
    CWindowDc windowDc(hKeyboard);
    CMemoryDc memoryDc(CreateCompatibleDC(windowDc.Get()));
    CUniqueBitmap bitmap(CreateDIBSection(windowDc.Get(), &info, DIB_RGB_COLORS, &pBits, nullptr, 0));
    if (!memoryDc || !bitmap)
        return {};
    CSelectObject select(memoryDc.Get(), bitmap.Get());
    BitBlt(memoryDc.Get(), 0, 0, nWidth, nHeight, windowDc.Get(), rc.left, rc.top, SRCCOPY);
    GdiFlush();
    const auto* pPixels = static_cast<const COLORREF*>(pBits);
    return std::vector<COLORREF>(pPixels, pPixels + static_cast<size_t>(nWidth) * nHeight);
}

// The box around the pixels that differ between two grabs of nWidth columns.
RECT DifferenceBox(const std::vector<COLORREF>& before, const std::vector<COLORREF>& after, int nWidth)
{
    RECT box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (size_t i = 0; i < before.size() && i < after.size(); ++i)
    {
        if ((before[i] & 0xFFFFFF) == (after[i] & 0xFFFFFF))
            continue;
        const int x = static_cast<int>(i % nWidth), y = static_cast<int>(i / nWidth);
        box.left = std::min<LONG>(box.left, x);
        box.top = std::min<LONG>(box.top, y);
        box.right = std::max<LONG>(box.right, x + 1);
        box.bottom = std::max<LONG>(box.bottom, y + 1);
    }
    return box;
}

struct PreviewCase
{
    const char* pszWhat;
    int nScreenWidth;
    int nScreenHeight;
    DWORD dwHand;
    bool bTurned;  // the landscape skin is turned on this screen, and its label with it
};

const PreviewCase g_aCases[] = {
    {"portrait, right hand", 240, 320, 0, true},
    {"portrait, left hand", 240, 320, 1, true},
    {"landscape", 320, 240, 1, false},
};

TEST(PreviewThroughTheBar, TheHeldKeysLabelFillsTheAreaAlongTheSkin)
{
    int nRun = 0;
    for (const PreviewCase& c : g_aCases)
    {
        if (!IsScreen(c.nScreenWidth, c.nScreenHeight))
            continue;
        SCOPED_TRACE(c.pszWhat);
        ++nRun;
        const CSettingsRestorer settings;
        const COptionsFileKeeper optionsFile;
        ASSERT_TRUE(WriteNewerOptions(c.dwHand, L"Silver.xml"));  // so that the tap loads the skin afresh
        g_bSkinLoadFailed = FALSE;
        CSipHost host;
        ASSERT_TRUE(host.Ready());
        EXPECT_EQ(reinterpret_cast<LRESULT>(CFontHelper::Instance().GetFont(CFontHelper::kTextFontSlot)),
                  SendMessageW(host.Bar(), WM_GETFONT, 0, 0))
            << "the bar reports the shared text font";

        CBarStylus stylus(host.Bar(), host.Panel());
        RECT rcArea{};
        RECT box{};
        bool bTapped = false;
        bool bPressed = false;
        CDialogWatcher messages([](const SeenDialog& dialog) {
            if (dialog.title == kMessageCaption)
                DismissMessageBox(dialog);
        });
        const bool bOpened = CKeyboardDriver::Attend(
            [&] { bTapped = stylus.Tap(SIP_ACTION_KEYBOARD); },
            [&](CKeyboardDriver& driver) {
                const HWND hKeyboard = GetDlgItem(driver.Dialog(), kKeyboardViewId);
                rcArea = g_skin.rcCharView;
                const std::vector<COLORREF> idle = GrabPainted(hKeyboard, rcArea);
                bPressed = driver.Press(kKeyW);
                box = DifferenceBox(idle, GrabPainted(hKeyboard, rcArea), rcArea.right - rcArea.left);
                driver.Lift();
            });
        ASSERT_TRUE(bTapped);
        ASSERT_TRUE(bOpened);
        ASSERT_TRUE(bPressed);
        ASSERT_LT(box.left, box.right) << "nothing was drawn in the character view area";
        const int nAreaWidth = rcArea.right - rcArea.left, nAreaHeight = rcArea.bottom - rcArea.top;
        const int nBoxWidth = box.right - box.left, nBoxHeight = box.bottom - box.top;
        // The label is made 80 % as high as the area is across the reading direction;
        // a w is wider than high when it reads along the area.
        if (c.bTurned)
        {
            EXPECT_GT(nBoxWidth * 10, nAreaWidth * 4) << nBoxWidth << " of " << nAreaWidth << " pixels across";
            EXPECT_GT(nBoxHeight, nBoxWidth) << "the label is not turned with the skin";
        }
        else
        {
            EXPECT_GT(nBoxHeight * 10, nAreaHeight * 4) << nBoxHeight << " of " << nAreaHeight << " pixels high";
            EXPECT_GT(nBoxWidth, nBoxHeight);
        }
        g_bSkinLoadFailed = FALSE;
    }
    if (nRun == 0)
        GTEST_SKIP() << "runs on 240x320 and 320x240";
}

} // namespace

