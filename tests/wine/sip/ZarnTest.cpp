#include "Corvell.h"
#include "sip/DialogWatcher.h"
#include "sip/RecordingCallback.h"
#include "sip/ServerTestSupport.h"
#include "sip/TestStateGuards.h"
#include "support/GdiHandles.h"
#include "support/HostProcess.h"
#include "sip/SipPanel.h"
#include "sip/Zarn.h"
#include "support/ComPointer.h"
#include "support/DisplayMetrics.h"
#include "support/FontHelper.h"

#include <gtest/gtest.h>

#include <cstring>

// The message of an unsupported screen is played on the device
// (tests/scenarios/unsupported-screen.txt); here, the object's answers.
namespace
{

// Creates Zarn objects as the class factory does, and dismisses the message an
// unsupported screen brings up at construction.
class ZarnTest : public testing::Test
{
protected:
    CComPointer<IInputMethod> Create()
    {
        CComPointer<IInputMethod> p;
        EXPECT_EQ(S_OK, Zarn::CreateInstance(nullptr, IID_IInputMethod, p.PutVoid()));
        return p;
    }

    static Zarn* AsZarn(IInputMethod* p) { return static_cast<Zarn*>(p); }

    static HWND BarWindowOf(HWND hwndSip) { return FindWindowExW(hwndSip, nullptr, L"IM", L"IM"); }

    CFirstSelectDone m_firstSelectDone;
    CDialogWatcher m_watcher{[](const SeenDialog& dialog) { DismissMessageBox(dialog); }};
};

// Shown, the SIP window sits above the menu bar, one pixel wider than the
// screen, and the visible desktop ends at its top; hidden, at the menu bar's.
TEST_F(ZarnTest, ShowingAndHidingPlaceTheBarAndReportTheVisibleDesktop)
{
    CTestSipWindow sip;
    CComPointer<IInputMethod> p = Create();
    ASSERT_EQ(S_OK, p->Select(sip.Get()));
    const int W = GetSystemMetrics(SM_CXSCREEN);
    const int H = GetSystemMetrics(SM_CYSCREEN);
    const int B = GetResolutionClass() == ResolutionClass::Vga ? 108 : 54;  // the bar bitmap
    const int M = ScaleByDpi(26);  // the menu bar

    struct Step { const char* pszWhat; HRESULT (STDMETHODCALLTYPE IInputMethod::*pfn)(); DWORD dwFlags; int nBottom; };
    const Step aSteps[] = {
        {"before showing", nullptr, 0, H - M},
        {"shown", &IInputMethod::Showing, 1, H - B - M},
        {"hidden", &IInputMethod::Hiding, 0, H - M},
        {"shown again", &IInputMethod::Showing, 1, H - B - M},
    };
    for (const Step& step : aSteps)
    {
        SCOPED_TRACE(step.pszWhat);
        if (step.pfn != nullptr)
        {
            ASSERT_EQ(S_OK, (p.Get()->*step.pfn)());
        }
        SIPINFO si;
        std::memset(&si, 0xCC, sizeof(si));
        ASSERT_EQ(S_OK, p->ReceiveSipInfo(&si));
        EXPECT_EQ(sizeof(SIPINFO), si.cbSize);
        EXPECT_EQ(step.dwFlags, si.fdwFlags);
        const RECT rcDesktop{0, 0, W, step.nBottom};
        EXPECT_TRUE(EqualRect(&rcDesktop, &si.rcVisibleDesktop)) << si.rcVisibleDesktop.bottom;
        const RECT rcNone{};
        EXPECT_TRUE(EqualRect(&rcNone, &si.rcSipRect));
        EXPECT_EQ(0u, si.dwImDataSize);
        EXPECT_EQ(nullptr, si.pvImData);
        if (step.dwFlags == 0)
            continue;
        const RECT rcSip{0, H - B - M, W + 1, H - M};
        RECT rc = {};
        GetWindowRect(sip.Get(), &rc);
        EXPECT_TRUE(EqualRect(&rcSip, &rc)) << rc.left << "," << rc.top << " " << rc.right << "," << rc.bottom;
        GetWindowRect(BarWindowOf(sip.Get()), &rc);
        EXPECT_TRUE(EqualRect(&rcSip, &rc)) << "the bar fills the SIP window";
    }
    EXPECT_EQ(E_POINTER, p->ReceiveSipInfo(nullptr));
    EXPECT_EQ(S_OK, p->Deselect());
}

TEST_F(ZarnTest, GetInfoImDataAndOptionsAnswers)
{
    CComPointer<IInputMethod> p = Create();
    IMINFO info;
    std::memset(&info, 0, sizeof(info));
    info.cbSize = sizeof(info);
    info.fdwFlags = 0x1234;
    info.rcSipRect = {1, 2, 3, 4};
    info.iNarrow = 7;
    info.iWide = 9;
    ASSERT_EQ(S_OK, p->GetInfo(&info));
    ASSERT_NE(nullptr, info.hImageNarrow);
    EXPECT_EQ(info.hImageNarrow, info.hImageWide);
    EXPECT_EQ(0, info.iNarrow);
    EXPECT_EQ(0, info.iWide);
    // What the caller filled in stays.
    EXPECT_EQ(0x1234u, info.fdwFlags);
    EXPECT_EQ(3, info.rcSipRect.right);
    int cx = 0;
    int cy = 0;
    HIMAGELIST himl = static_cast<HIMAGELIST>(info.hImageNarrow);
    ASSERT_TRUE(ImageList_GetIconSize(himl, &cx, &cy));
    const int nExpected = GetResolutionClass() == ResolutionClass::Vga ? 32 : 16;
    EXPECT_EQ(nExpected, cx);
    EXPECT_EQ(nExpected, cy);
    EXPECT_EQ(2, ImageList_GetImageCount(himl));
    EXPECT_EQ(E_POINTER, p->GetInfo(nullptr));

    DWORD dwData = 0xA5A5A5A5;
    EXPECT_EQ(E_POINTER, p->GetImData(4, nullptr));
    EXPECT_EQ(S_OK, p->GetImData(4, &dwData));
    EXPECT_EQ(0xA5A5A5A5u, dwData);
    EXPECT_EQ(S_OK, p->SetImData(4, &dwData));
    EXPECT_EQ(S_OK, p->SetImData(0, nullptr));
    CTestSipWindow sip;
    EXPECT_EQ(E_POINTER, p->UserOptionsDlg(nullptr));
    EXPECT_EQ(E_POINTER, p->UserOptionsDlg(sip.Get()));
}

// One bar per selection, gone with the deselection; the callback reaches the
// panel whichever comes first and is borrowed, never AddRef'd or released.
TEST_F(ZarnTest, SelectMakesOneBarDeselectEndsThePanelAndTheCallbackIsBorrowed)
{
    CRecordingCallback callback;
    CTestSipWindow sip;
    {
        CComPointer<IInputMethod> p = Create();
        ASSERT_EQ(S_OK, p->RegisterCallback(&callback));
        ASSERT_EQ(S_OK, p->Select(sip.Get()));
        const HWND hwndFirst = BarWindowOf(sip.Get());
        ASSERT_NE(nullptr, hwndFirst);
        EXPECT_EQ(WS_CHILD | WS_VISIBLE, GetWindowLongW(hwndFirst, GWL_STYLE) & (WS_CHILD | WS_VISIBLE | WS_POPUP));
        ASSERT_EQ(S_OK, p->Select(sip.Get()));
        const HWND hwndBar = BarWindowOf(sip.Get());
        ASSERT_NE(nullptr, hwndBar);
        EXPECT_FALSE(IsWindow(hwndFirst)) << "a second Select replaces the bar";
        EXPECT_EQ(nullptr, FindWindowExW(sip.Get(), hwndBar, L"IM", L"IM"));
        SipPanel* pPanel = AsZarn(p.Get())->GetSipPanel();
        EXPECT_EQ(&callback, pPanel->m_pCallback);
        // A null callback leaves the panel's as it was.
        ASSERT_EQ(S_OK, p->RegisterCallback(nullptr));
        EXPECT_EQ(&callback, pPanel->m_pCallback);

        ASSERT_EQ(S_OK, p->Deselect());
        EXPECT_FALSE(IsWindow(hwndBar));
        EXPECT_EQ(nullptr, AsZarn(p.Get())->GetSipPanel());
        // The panel is gone: a new selection answers S_OK and creates nothing.
        ASSERT_EQ(S_OK, p->Select(sip.Get()));
        EXPECT_EQ(nullptr, BarWindowOf(sip.Get()));
        EXPECT_EQ(S_OK, p->Showing());
    }
    {
        CComPointer<IInputMethod> p = Create();
        ASSERT_EQ(S_OK, p->Select(sip.Get()));
        ASSERT_EQ(S_OK, p->RegisterCallback(&callback));
        EXPECT_EQ(&callback, AsZarn(p.Get())->GetSipPanel()->m_pCallback);
    }
    EXPECT_EQ(1, callback.References());
}

// One object behind every interface; IDispatch is served from the module's
// type library (registered by regsvr32, see RegistrationTest) and has no members.
TEST_F(ZarnTest, InterfacesAndTheTypeLibrary)
{
    CComPointer<IInputMethod> p = Create();
    CComPointer<IUnknown> pUnknown;
    ASSERT_EQ(S_OK, p->QueryInterface(IID_IUnknown, pUnknown.PutVoid()));
    CComPointer<IDispatch> pDispatch;
    ASSERT_EQ(S_OK, p->QueryInterface(IID_IDispatch, pDispatch.PutVoid()));
    CComPointer<IZarn> pZarn;
    ASSERT_EQ(S_OK, p->QueryInterface(IID_IZarn, pZarn.PutVoid()));
    EXPECT_EQ(static_cast<IDispatch*>(pZarn.Get()), pDispatch.Get());
    CComPointer<IIMCallback> pWrong;
    EXPECT_EQ(E_NOINTERFACE, p->QueryInterface(IID_IIMCallback, pWrong.PutVoid()));
    EXPECT_EQ(nullptr, pWrong.Get());
    // p, pUnknown, pDispatch and pZarn hold four references.
    EXPECT_EQ(5u, p->AddRef());
    EXPECT_EQ(4u, p->Release());

    UINT nCount = 0;
    ASSERT_EQ(S_OK, pDispatch->GetTypeInfoCount(&nCount));
    EXPECT_EQ(1u, nCount);
    CComPointer<ITypeInfo> pInfo;
    ASSERT_EQ(S_OK, pDispatch->GetTypeInfo(0, 0, pInfo.Put()));
    BSTR bstrName = nullptr;
    BSTR bstrDoc = nullptr;
    ASSERT_EQ(S_OK, pInfo->GetDocumentation(MEMBERID_NIL, &bstrName, &bstrDoc, nullptr, nullptr));
    EXPECT_STREQ(L"IZarn", bstrName);
    EXPECT_STREQ(L"IZarn Interface", bstrDoc);
    SysFreeString(bstrName);
    SysFreeString(bstrDoc);
    LPOLESTR pszName = const_cast<LPOLESTR>(L"Select");
    DISPID id = 0;
    EXPECT_EQ(DISP_E_UNKNOWNNAME, pDispatch->GetIDsOfNames(IID_NULL, &pszName, 1, 0, &id)) << "no members";
}

constexpr wchar_t kChildVariable[] = L"BREVANTO_FIRST_SELECT_CHILD";

// The shared text font is made once per process, so the first Select is seen
// in a process of its own: this program, run again for this test alone.
TEST(ZarnFirstSelect, CreatesTheSharedTextFontOnce)
{
    WCHAR szChild[4] = {};
    if (GetEnvironmentVariableW(kChildVariable, szChild, 4) == 0)
    {
        SetEnvironmentVariableW(kChildVariable, L"1");
        const int nExit = RunHost(L"brevanto_wine_tests.exe", L"--gtest_filter=ZarnFirstSelect.*");
        SetEnvironmentVariableW(kChildVariable, nullptr);
        EXPECT_EQ(0, nExit) << "the first Select in a fresh process failed its checks";
        return;
    }
    ASSERT_TRUE(g_bFirstSelect);
    ASSERT_EQ(nullptr, CFontHelper::Instance().GetFont(1));
    CDialogWatcher watcher([](const SeenDialog& dialog) { DismissMessageBox(dialog); });
    CTestSipWindow sip;
    CComPointer<IInputMethod> p;
    ASSERT_EQ(S_OK, Zarn::CreateInstance(nullptr, IID_IInputMethod, p.PutVoid()));
    ASSERT_EQ(S_OK, p->Select(sip.Get()));
    EXPECT_FALSE(g_bFirstSelect);
    HFONT hFont = CFontHelper::Instance().GetFont(1);
    ASSERT_NE(nullptr, hFont);
    LOGFONTW lf = {};
    ASSERT_NE(0, GetObjectW(hFont, sizeof(lf), &lf));
    EXPECT_EQ(ScaleByDpi(16), lf.lfHeight);
    EXPECT_EQ(FW_NORMAL, lf.lfWeight);
    EXPECT_EQ(0, lf.lfItalic | lf.lfUnderline);
    // The face is the SIP window's.
    {
        CWindowDc dc(sip.Get());
        WCHAR szFace[kFaceNameUnits] = {};
        GetTextFaceW(dc.Get(), kFaceNameUnits, szFace);
        EXPECT_STREQ(L"Tahoma", g_szFaceName) << "the device's font";
        EXPECT_STREQ(szFace, g_szFaceName);
        EXPECT_STREQ(g_szFaceName, lf.lfFaceName);
    }

    // A second object's Select makes no new font.
    CComPointer<IInputMethod> pSecond;
    ASSERT_EQ(S_OK, Zarn::CreateInstance(nullptr, IID_IInputMethod, pSecond.PutVoid()));
    CTestSipWindow sipSecond;
    ASSERT_EQ(S_OK, pSecond->Select(sipSecond.Get()));
    EXPECT_EQ(hFont, CFontHelper::Instance().GetFont(1));
}

} // namespace
