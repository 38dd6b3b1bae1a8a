#include "KeyboardDriver.h"
#include "KeyboardTestSupport.h"
#include "TestSkin.h"

#include "keyboard/EditView.h"
#include "keyboard/KeyModel.h"
#include "keyboard/KeyboardDialog.h"
#include "keyboard/KeyboardFonts.h"
#include "keyboard/KeyboardPaint.h"
#include "keyboard/KeyboardSkin.h"
#include "settings/Settings.h"
#include "sip/SipPanel.h"
#include "sip/TestStateGuards.h"
#include "skin/SkinCatalogue.h"
#include "support/DisplayMetrics.h"
#include "support/FontHelper.h"
#include "support/ModuleInstance.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>

namespace {

std::wstring Buffer(const WCHAR* p) { return p != nullptr ? std::wstring(p) : std::wstring(L"<null>"); }

bool IsSquareScreen() { return GetSystemMetrics(SM_CXSCREEN) == GetSystemMetrics(SM_CYSCREEN); }

// The default skin as the keyboard action loads it: the settings' hand, the
// skin reader, then the preview fonts from a window with a font.
class SilverKeyboard : public testing::TestWithParam<DWORD>
{
protected:
    void SetUp() override
    {
        if (IsSquareScreen())
            GTEST_SKIP() << "the dialog keeps the template's places on a square screen";
        m_pPanel = std::make_unique<SipPanel>(g_hInstance);
        EnsureTextFont();
        ReleaseSkin();
        ReleaseKeyboardFonts();
        g_dwHabit = GetParam();
        SetSkinFile(L"Silver.xml");
        ASSERT_EQ(1, LoadSkin(g_hInstance, m_fontSource.Window()));
        CreatePreviewFonts(m_fontSource.Window());
        g_nPressedKey = KEY_NONE;
        g_bCapsLock = 0;
        g_bShift = 0;
        g_bStylusDown = 0;
    }
    void TearDown() override
    {
        ReleaseKeyboardFonts();
        ReleaseSkin();
        g_nCurrentView = VIEW_CHAR;
        g_bCapsLock = 0;
        g_bShift = 0;
        g_bCaretVisible = 0;
    }

    CFontSource m_fontSource;
    // Made after the screen check: a panel on an unsupported screen brings up a message box.
    std::unique_ptr<SipPanel> m_pPanel;
};

TEST_P(SilverKeyboard, TypesSlidesDeletesAndDeliversOnOk)
{
    bool bAllTaps = true;
    std::wstring typed, afterSlide;
    bool bRepeated = false;
    int nSecondMs = -1;
    CKeyboardDriver::Run(m_pPanel.get(), [&](CKeyboardDriver& driver) {
        // "Hello" with its double l, then shift and caps, the views, space and enter.
        for (int nKey : {KEY_SHIFT, 7, 4, 11, 11, 14, KEY_CAPS, 22, KEY_SHIFT, 22, KEY_CAPS, KEY_123, 39, 40,
                         KEY_AT, 54, KEY_123, KEY_123, KEY_SPACE, KEY_ENTER})
            bAllTaps = driver.Tap(nKey) && bAllTaps;
        typed = driver.Text();
        bAllTaps = driver.Press(10) && driver.SlideTo(11) && driver.Lift() && bAllTaps;
        afterSlide = driver.Text();
        bRepeated = driver.HoldBackspace(4, &nSecondMs);
        driver.Lift();
        driver.SetText(L"done");
        driver.Tap(KEY_OK);
    });
    EXPECT_TRUE(bAllTaps);
    EXPECT_EQ(L"HelloWw12# \r\n", typed);
    EXPECT_EQ(L"HelloWw12# \r\nl", afterSlide);
    EXPECT_TRUE(bRepeated);
    EXPECT_GE(nSecondMs, 450);
    EXPECT_EQ(L"done", Buffer(m_pPanel->m_pBuffer));
}

TEST_P(SilverKeyboard, ParkedTextComesBackWithTheCaretAtItsEnd)
{
    CKeyboardDriver::Run(m_pPanel.get(), [&](CKeyboardDriver& driver) {
        for (int nKey : {1, 24, 4})
            driver.Tap(nKey);
        CKeyboardDriver::SwitchToAnotherThread();
    });
    EXPECT_EQ(nullptr, m_pPanel->m_pBuffer);
    EXPECT_EQ(L"bye", Buffer(m_pPanel->m_pUnprocStr));
    CKeyboardDriver::Run(m_pPanel.get(), [&](CKeyboardDriver& driver) {
        CKeyboardDriver::WaitFor([&] {
            return SendMessageW(GetDlgItem(driver.Dialog(), 201), EM_GETSEL, 0, 0) == MAKELONG(3, 3);
        });
        driver.Tap(KEY_SPACE);
        driver.Tap(KEY_OK);
    });
    EXPECT_EQ(L"bye ", Buffer(m_pPanel->m_pBuffer));
    EXPECT_EQ(nullptr, m_pPanel->m_pUnprocStr);
}

// Renders the keyboard the way the dialog shows it, with text typed, caps
// lock on and a key held, and writes it out for a person to look at.
TEST_P(SilverKeyboard, RendersTextCaretLabelAndKeysInPlace)
{
    CModelessKeyboard keyboard;
    ASSERT_NE(nullptr, keyboard.Dialog());
    SetWindowTextW(g_hEditCtrlWnd, L"Brevanto R&D\r\nsecond line");
    SendMessageW(g_hEditCtrlWnd, EM_SETSEL, 0xFFFF, 0xFFFF);
    const SIZE size = KeyboardSize();
    CPixelCanvas canvas(size.cx, size.cy);
    const RECT rc{0, 0, size.cx, size.cy};
    PaintKeyboard(nullptr, canvas.Dc(), rc);
    const std::vector<COLORREF> idle = Snapshot(canvas);

    g_bCapsLock = 1;
    g_nPressedKey = 6;   // G, shown as "G" with caps lock on
    PaintKeyboard(nullptr, canvas.Dc(), rc);
    // The held key's image and the latched caps image change their rectangles.
    for (int nKey : {6, KEY_CAPS})
    {
        const RECT& rcKey = g_skin.keys[nKey].rcKey;
        int nChanged = 0;
        for (int y = rcKey.top; y < rcKey.bottom - 1; ++y)
            for (int x = rcKey.left; x < rcKey.right - 1; ++x)
                nChanged += idle[y * size.cx + x] != canvas.At(x, y) ? 1 : 0;
        EXPECT_GT(nChanged, (rcKey.right - rcKey.left) * (rcKey.bottom - rcKey.top) / 10) << "key " << nKey;
    }
    const std::wstring name = L"silver-" + std::to_wstring(GetSystemMetrics(SM_CXSCREEN)) + L"x" +
                              std::to_wstring(GetSystemMetrics(SM_CYSCREEN)) +
                              (GetParam() ? L"-left.bmp" : L"-right.bmp");
    const std::wstring path = PicturePath(name);
    if (!path.empty())
    {
        g_bCaretVisible = 1;
        PaintKeyboard(nullptr, canvas.Dc(), rc);
        canvas.SaveBmp(path.c_str());
    }
}

INSTANTIATE_TEST_SUITE_P(BothHands, SilverKeyboard, testing::Values(DWORD{0}, DWORD{1}),
                         [](const testing::TestParamInfo<DWORD>& info) {
                             return info.param != 0 ? std::string("LeftHanded") : std::string("RightHanded");
                         });

}  // namespace
