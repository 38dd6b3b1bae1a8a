#include "KeyboardDriver.h"

#include "KeyboardTestSupport.h"
#include "StylusInput.h"

#include "keyboard/EditView.h"
#include "keyboard/KeyModel.h"
#include "keyboard/KeyStrip.h"
#include "keyboard/KeyboardDialog.h"
#include "sip/SipPanel.h"
#include "skin/SkinRecord.h"
#include "support/ModuleInstance.h"

#include <algorithm>
#include <atomic>
#include <climits>
#include <thread>

int ReadShared(const int& nValue)
{
    return *static_cast<const volatile int*>(&nValue);
}

bool CKeyboardDriver::WaitFor(const std::function<bool()>& pred, int nTimeoutMs)
{
    for (int nWaited = 0; nWaited < nTimeoutMs; nWaited += 5)
    {
        if (pred())
            return true;
        Sleep(5);
    }
    return pred();
}

POINT CKeyboardDriver::KeyCentre(int nIndex) const
{
    const RECT& rc = g_skin.keys[nIndex].rcKey;
    POINT pt{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    MapWindowPoints(GetDlgItem(m_hDlg, 203), HWND_DESKTOP, &pt, 1);
    return pt;
}

void CKeyboardDriver::Settle() const
{
    // A window that has just appeared hears from the host screen where its pointer
    // is, which may be where the stylus was before (on the bar, say); let the dialog's
    // thread take in what it has pending before the first key is touched.
    for (int i = 0; i < 3; ++i)
    {
        DWORD_PTR dwResult = 0;
        SendMessageTimeoutW(m_hDlg, WM_NULL, 0, 0, SMTO_NORMAL, 1000, &dwResult);
        Sleep(20);
    }
}

bool CKeyboardDriver::Press(int nIndex)
{
    return StylusMoveTo(KeyCentre(nIndex), m_hDlg) && StylusDown() &&
           WaitFor([&] { return ReadShared(g_bStylusDown) == 1 && ReadShared(g_nPressedKey) == nIndex; });
}

bool CKeyboardDriver::SlideTo(int nIndex)
{
    return StylusMoveTo(KeyCentre(nIndex), m_hDlg) && WaitFor([&] { return ReadShared(g_nPressedKey) == nIndex; });
}

bool CKeyboardDriver::Lift()
{
    return StylusUp() &&
           WaitFor([&] { return ReadShared(g_bStylusDown) == 0 && ReadShared(g_nPressedKey) == KEY_NONE; });
}

bool CKeyboardDriver::Tap(int nIndex)
{
    return Press(nIndex) && Lift();
}

bool CKeyboardDriver::HoldForStrip(int nIndex, int* pnMs)
{
    const ULONGLONG ullStart = GetTickCount64();
    const bool bOpen = Press(nIndex) && WaitFor([&] { return ReadShared(g_keyStrip.nKey) == nIndex; });
    *pnMs = static_cast<int>(GetTickCount64() - ullStart);
    return bOpen;
}

bool CKeyboardDriver::SlideToCell(int nCell)
{
    const ViewRect& cell = g_keyStrip.aCells[nCell];
    POINT pt{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
    MapWindowPoints(GetDlgItem(m_hDlg, 203), HWND_DESKTOP, &pt, 1);
    return StylusMoveTo(pt, m_hDlg) && WaitFor([&] { return ReadShared(g_keyStrip.nPressedCell) == nCell; });
}

bool CKeyboardDriver::HoldBackspace(int nDeletions, int* pnMostAhead)
{
    const size_t nBefore = Text().size();
    const ULONGLONG ullStart = GetTickCount64();
    *pnMostAhead = INT_MIN;
    if (!Press(KEY_BACKSPACE))
        return false;
    return WaitFor(
        [&] {
            const size_t nNow = Text().size();
            const int nGone = nBefore > nNow ? static_cast<int>(nBefore - nNow) : 0;
            // Read after the text, so the time can only be late; 20 ms for timer granularity.
            const int nMs = static_cast<int>(GetTickCount64() - ullStart) + 20;
            const int nAllowed = 1 + (nMs > 500 ? (nMs - 500) / 100 : 0);
            *pnMostAhead = std::max(*pnMostAhead, nGone - nAllowed);
            return nGone >= nDeletions;
        },
        5000);
}

bool CKeyboardDriver::LetTimersRun() const
{
    int nBlinks = 0;
    int bLast = ReadShared(g_bCaretVisible);
    return WaitFor(
        [&] {
            const int bNow = ReadShared(g_bCaretVisible);
            nBlinks += bNow != bLast ? 1 : 0;
            bLast = bNow;
            return nBlinks >= 3;
        },
        5000);
}

std::wstring CKeyboardDriver::Text() const
{
    return WindowText(GetDlgItem(m_hDlg, 201));
}

void CKeyboardDriver::SetText(const wchar_t* pszText) const
{
    const HWND hEdit = GetDlgItem(m_hDlg, 201);
    SetWindowTextW(hEdit, pszText);
    SendMessageW(hEdit, EM_SETSEL, 0xFFFF, 0xFFFF);
}

bool CKeyboardDriver::Run(SipPanel* pPanel, const std::function<void(CKeyboardDriver&)>& driver)
{
    SetKeyboardDialogContext(g_hInstance, nullptr, pPanel);
    return Attend(
        [] { RunKeyboardDialog(g_hInstance, nullptr); },
        driver);
}

bool CKeyboardDriver::Attend(const std::function<void()>& open, const std::function<void(CKeyboardDriver&)>& driver,
                             int nOpenTimeoutMs)
{
    const DWORD dwDialogThread = GetCurrentThreadId();
    std::atomic<bool> bOpened{false};
    std::atomic<bool> bReturned{false};
    std::thread worker([&] {
        CKeyboardDriver self;
        // The dialog is open once its edit control holds the focus of the dialog's thread.
        const bool bOpen = WaitFor([&] {
            if (bReturned)
                return true;
            GUITHREADINFO info{};
            info.cbSize = sizeof(info);
            if (!GetGUIThreadInfo(dwDialogThread, &info) || info.hwndActive == nullptr)
                return false;
            if (GetDlgItem(info.hwndActive, 201) == nullptr || !IsWindowVisible(info.hwndActive))
                return false;
            self.m_hDlg = info.hwndActive;
            return true;
        }, nOpenTimeoutMs) && self.m_hDlg != nullptr;
        bOpened = bOpen;
        if (!bOpen)
        {
            const HWND hStuck = *static_cast<HWND volatile*>(&g_hDlgWnd);
            if (hStuck != nullptr)
                PostMessageW(hStuck, WM_COMMAND, IDOK, 0);
            return;
        }
        self.Settle();
        driver(self);
        if (IsWindow(self.m_hDlg))
            PostMessageW(self.m_hDlg, WM_COMMAND, IDOK, 0);
    });
    open();
    bReturned = true;
    worker.join();
    return bOpened;
}
