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
#include "WineTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{

constexpr wchar_t kUnsupported[] = L"Device resolution is not supported.";

bool IsUnsupportedScreen()
{
    return GetResolutionClass() == ResolutionClass::Unsupported;
}

// Creates Zarn objects as the class factory does, and dismisses the message an
// unsupported screen brings up at construction.
class ZarnTest : public testing::Test
{
protected:
    ZarnTest() : m_watcher([](const SeenDialog& dialog) { DismissMessageBox(dialog); }) {}

    CComPointer<IInputMethod> Create()
    {
        CComPointer<IInputMethod> p;
        EXPECT_EQ(S_OK, Zarn::CreateInstance(nullptr, IID_IInputMethod, p.PutVoid()));
        return p;
    }

    static Zarn* AsZarn(IInputMethod* p) { return static_cast<Zarn*>(p); }

    static HWND BarWindowOf(HWND hwndSip) { return FindWindowExW(hwndSip, nullptr, L"IM", L"IM"); }

    int MenuBarHeight() const { return ScaleByDpi(26); }

    CFirstSelectDone m_firstSelectDone;
    CDialogWatcher m_watcher;
};

TEST_F(ZarnTest, ConstructionWarnsOnlyOnAnUnsupportedScreen)
{
    {
        CComPointer<IInputMethod> p = Create();
        ASSERT_TRUE(p);
    }
    FlushEvents();
    const std::vector<SeenDialog> seen = m_watcher.Seen();
    if (IsUnsupportedScreen())
    {
        ASSERT_EQ(1u, seen.size());
        EXPECT_EQ(L"Brevanto Keyboard", seen[0].title);
        EXPECT_EQ(kUnsupported, seen[0].text);
    }
    else
    {
        EXPECT_TRUE(seen.empty());
    }
}

TEST_F(ZarnTest, ShowingPlacesTheSipWindowAboveTheMenuBar)
{
    CSipWindow sip;
    CComPointer<IInputMethod> p = Create();
    ASSERT_EQ(S_OK, p->Select(sip.Get()));
    ASSERT_EQ(S_OK, p->Showing());

    const int W = GetSystemMetrics(SM_CXSCREEN);
    const int H = GetSystemMetrics(SM_CYSCREEN);
    const int B = ExpectedBarHeight();
    const int M = MenuBarHeight();
    RECT rc = {};
    GetWindowRect(sip.Get(), &rc);
    EXPECT_EQ(0, rc.left);
    EXPECT_EQ(H - B - M, rc.top);
    EXPECT_EQ(W + 1, rc.right - rc.left);
    EXPECT_EQ(B, rc.bottom - rc.top);

    // The bar fills the SIP window's client area.
    HWND hwndBar = BarWindowOf(sip.Get());
    ASSERT_NE(nullptr, hwndBar);
    RECT rcBar = {};
    GetWindowRect(hwndBar, &rcBar);
    EXPECT_EQ(rc.left, rcBar.left);
    EXPECT_EQ(rc.top, rcBar.top);
    EXPECT_EQ(W + 1, rcBar.right - rcBar.left);
    EXPECT_EQ(B, rcBar.bottom - rcBar.top);
    EXPECT_EQ(S_OK, p->Deselect());
}

TEST_F(ZarnTest, ShowingMatchesTheWorkedFigures)
{
    // 240x320 at 96 DPI: (0, 240) 241x54; 480x640 at 192 DPI: (0, 480) 481x108.
    struct Figure { int nWidth, nHeight, nDpi, x, y, cx, cy; };
    const Figure aFigures[] = {{240, 320, 96, 0, 240, 241, 54}, {480, 640, 192, 0, 480, 481, 108}};
    CSipWindow sip;
    CComPointer<IInputMethod> p = Create();
    ASSERT_EQ(S_OK, p->Select(sip.Get()));
    for (const Figure& f : aFigures)
    {
        if (!IsScreen(f.nWidth, f.nHeight) || g_nLogPixelsY != f.nDpi)
            continue;
        ASSERT_EQ(S_OK, p->Showing());
        RECT rc = {};
        GetWindowRect(sip.Get(), &rc);
        EXPECT_EQ(f.x, rc.left);
        EXPECT_EQ(f.y, rc.top);
        EXPECT_EQ(f.cx, rc.right - rc.left);
        EXPECT_EQ(f.cy, rc.bottom - rc.top);
    }
}

TEST_F(ZarnTest, ReceiveSipInfoReportsTheVisibleDesktop)
{
    CSipWindow sip;
    CComPointer<IInputMethod> p = Create();
    ASSERT_EQ(S_OK, p->Select(sip.Get()));
    const int W = GetSystemMetrics(SM_CXSCREEN);
    const int H = GetSystemMetrics(SM_CYSCREEN);
    const int B = ExpectedBarHeight();
    const int M = MenuBarHeight();

    struct Step { const char* pszWhat; bool bShow; DWORD dwFlags; int nBottom; };
    const Step aSteps[] = {
        {"before showing", false, 0, H - M},
        {"shown", true, 1, H - B - M},
        {"hidden", false, 0, H - M},
        {"shown again", true, 1, H - B - M},
    };
    bool bFirst = true;
    for (const Step& step : aSteps)
    {
        SCOPED_TRACE(step.pszWhat);
        if (!bFirst)
        {
            ASSERT_EQ(S_OK, step.bShow ? p->Showing() : p->Hiding());
        }
        bFirst = false;
        SIPINFO si;
        std::memset(&si, 0xCC, sizeof(si));
        ASSERT_EQ(S_OK, p->ReceiveSipInfo(&si));
        EXPECT_EQ(sizeof(SIPINFO), si.cbSize);
        EXPECT_EQ(step.dwFlags, si.fdwFlags);
        EXPECT_EQ(0, si.rcVisibleDesktop.left);
        EXPECT_EQ(0, si.rcVisibleDesktop.top);
        EXPECT_EQ(W, si.rcVisibleDesktop.right);
        EXPECT_EQ(step.nBottom, si.rcVisibleDesktop.bottom);
        EXPECT_EQ(0, si.rcSipRect.left);
        EXPECT_EQ(0, si.rcSipRect.top);
        EXPECT_EQ(0, si.rcSipRect.right);
        EXPECT_EQ(0, si.rcSipRect.bottom);
        EXPECT_EQ(0u, si.dwImDataSize);
        EXPECT_EQ(nullptr, si.pvImData);
    }
    EXPECT_EQ(E_POINTER, p->ReceiveSipInfo(nullptr));
}

TEST_F(ZarnTest, GetInfoReportsTheIconListOfTheScreenClass)
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
    EXPECT_EQ(sizeof(info), info.cbSize);
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
}

TEST_F(ZarnTest, ImDataAndOptionsAnswers)
{
    CComPointer<IInputMethod> p = Create();
    DWORD dwData = 0xA5A5A5A5;
    EXPECT_EQ(E_POINTER, p->GetImData(4, nullptr));
    EXPECT_EQ(S_OK, p->GetImData(4, &dwData));
    EXPECT_EQ(0xA5A5A5A5u, dwData);
    EXPECT_EQ(S_OK, p->SetImData(4, &dwData));
    EXPECT_EQ(S_OK, p->SetImData(0, nullptr));
    EXPECT_EQ(static_cast<HRESULT>(0x80004003), p->UserOptionsDlg(nullptr));
    CSipWindow sip;
    EXPECT_EQ(static_cast<HRESULT>(0x80004003), p->UserOptionsDlg(sip.Get()));
}

TEST_F(ZarnTest, SelectCreatesTheBarAndDeselectDestroysIt)
{
    CSipWindow sip;
    CComPointer<IInputMethod> p = Create();
    ASSERT_EQ(S_OK, p->Select(sip.Get()));
    HWND hwndBar = BarWindowOf(sip.Get());
    ASSERT_NE(nullptr, hwndBar);
    EXPECT_TRUE(IsWindowVisible(hwndBar));
    EXPECT_EQ(WS_CHILD | WS_VISIBLE, GetWindowLongW(hwndBar, GWL_STYLE) & (WS_CHILD | WS_VISIBLE | WS_POPUP));
    EXPECT_EQ(AsZarn(p.Get())->GetSipPanel(),
              reinterpret_cast<SipPanel*>(GetWindowLongPtrW(hwndBar, GWLP_USERDATA)));

    ASSERT_EQ(S_OK, p->Deselect());
    EXPECT_FALSE(IsWindow(hwndBar));
    EXPECT_EQ(nullptr, AsZarn(p.Get())->GetSipPanel());
    // The panel is gone: a new selection answers S_OK and creates nothing.
    ASSERT_EQ(S_OK, p->Select(sip.Get()));
    EXPECT_EQ(nullptr, BarWindowOf(sip.Get()));
    EXPECT_EQ(S_OK, p->Showing());
}

TEST_F(ZarnTest, ASecondSelectReplacesTheBarInsteadOfLeavingOneBehind)
{
    CSipWindow sip;
    CComPointer<IInputMethod> p = Create();
    ASSERT_EQ(S_OK, p->Select(sip.Get()));
    const HWND hwndFirst = BarWindowOf(sip.Get());
    ASSERT_NE(nullptr, hwndFirst);
    ASSERT_EQ(S_OK, p->Select(sip.Get()));
    const HWND hwndSecond = BarWindowOf(sip.Get());
    ASSERT_NE(nullptr, hwndSecond);
    EXPECT_FALSE(IsWindow(hwndFirst));
    EXPECT_EQ(nullptr, FindWindowExW(sip.Get(), hwndSecond, L"IM", L"IM"));

    ASSERT_EQ(S_OK, p->Deselect());
    EXPECT_FALSE(IsWindow(hwndSecond));
    EXPECT_EQ(nullptr, BarWindowOf(sip.Get()));
}

TEST_F(ZarnTest, TheCallbackReachesThePanelInEitherOrderAndIsBorrowed)
{
    CRecordingCallback callback;
    CSipWindow sip;
    {
        CComPointer<IInputMethod> p = Create();
        ASSERT_EQ(S_OK, p->RegisterCallback(&callback));
        ASSERT_EQ(S_OK, p->Select(sip.Get()));
        EXPECT_EQ(&callback, AsZarn(p.Get())->GetSipPanel()->m_pCallback);
        // A null callback leaves the panel's as it was.
        ASSERT_EQ(S_OK, p->RegisterCallback(nullptr));
        EXPECT_EQ(&callback, AsZarn(p.Get())->GetSipPanel()->m_pCallback);
        ASSERT_EQ(S_OK, p->Deselect());
    }
    {
        CComPointer<IInputMethod> p = Create();
        ASSERT_EQ(S_OK, p->Select(sip.Get()));
        ASSERT_EQ(S_OK, p->RegisterCallback(&callback));
        EXPECT_EQ(&callback, AsZarn(p.Get())->GetSipPanel()->m_pCallback);
    }
    EXPECT_EQ(1, callback.References());
    EXPECT_TRUE(callback.Calls().empty());
}

TEST_F(ZarnTest, InterfacesAndReferenceCounts)
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
    // One object: p, pUnknown, pDispatch and pZarn hold four references.
    EXPECT_EQ(5u, p->AddRef());
    EXPECT_EQ(4u, p->Release());
}

TEST_F(ZarnTest, DispatchIsServedFromTheTypeLibrary)
{
    CComPointer<IInputMethod> p = Create();
    CComPointer<IDispatch> pDispatch;
    ASSERT_EQ(S_OK, p->QueryInterface(IID_IDispatch, pDispatch.PutVoid()));
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
    CComPointer<ITypeInfo> pMissing;
    EXPECT_EQ(DISP_E_BADINDEX, pDispatch->GetTypeInfo(1, 0, pMissing.Put()));

    // No methods: nothing has a name, nothing can be invoked.
    LPOLESTR pszName = const_cast<LPOLESTR>(L"Select");
    DISPID id = 0;
    EXPECT_EQ(DISP_E_UNKNOWNNAME, pDispatch->GetIDsOfNames(IID_NULL, &pszName, 1, 0, &id));
    DISPPARAMS params = {};
    EXPECT_EQ(DISP_E_MEMBERNOTFOUND, pDispatch->Invoke(1, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr,
                                                       nullptr, nullptr));
}

constexpr wchar_t kChildVariable[] = L"BREVANTO_FIRST_SELECT_CHILD";

bool IsChildRun()
{
    WCHAR sz[4] = {};
    return GetEnvironmentVariableW(kChildVariable, sz, 4) != 0;
}

// The shared text font is made once per process, so the first Select is seen
// in a process of its own: this program, run again for this test alone.
TEST(ZarnFirstSelect, CreatesTheSharedTextFontOnce)
{
    if (!IsChildRun())
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
    CSipWindow sip;
    CComPointer<IInputMethod> p;
    ASSERT_EQ(S_OK, Zarn::CreateInstance(nullptr, IID_IInputMethod, p.PutVoid()));
    ASSERT_EQ(S_OK, p->Select(sip.Get()));
    EXPECT_FALSE(g_bFirstSelect);
    EXPECT_NE(0, g_nLogPixelsY) << "the display metrics are read first";
    HFONT hFont = CFontHelper::Instance().GetFont(1);
    ASSERT_NE(nullptr, hFont);
    LOGFONTW lf = {};
    ASSERT_NE(0, GetObjectW(hFont, sizeof(lf), &lf));
    EXPECT_EQ(ScaleByDpi(16), lf.lfHeight);
    EXPECT_EQ(FW_NORMAL, lf.lfWeight);
    EXPECT_EQ(0, lf.lfItalic);
    EXPECT_EQ(0, lf.lfUnderline);
    EXPECT_NE(L'\0', g_szFaceName[0]);
    EXPECT_STREQ(g_szFaceName, lf.lfFaceName);
    // The face is the SIP window's.
    {
        CWindowDc dc(sip.Get());
        WCHAR szFace[kFaceNameUnits] = {};
        GetTextFaceW(dc.Get(), kFaceNameUnits, szFace);
        EXPECT_STREQ(szFace, g_szFaceName);
    }

    // A second object's Select makes no new font.
    CComPointer<IInputMethod> pSecond;
    ASSERT_EQ(S_OK, Zarn::CreateInstance(nullptr, IID_IInputMethod, pSecond.PutVoid()));
    CSipWindow sipSecond;
    ASSERT_EQ(S_OK, pSecond->Select(sipSecond.Get()));
    EXPECT_EQ(hFont, CFontHelper::Instance().GetFont(1));
}

} // namespace
