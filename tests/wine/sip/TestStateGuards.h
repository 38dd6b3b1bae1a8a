#pragma once
#include <windows.h>

#include "settings/Settings.h"
#include "sip/Zarn.h"
#include "support/DisplayMetrics.h"
#include "support/FontHelper.h"

#include <cwchar>

// Makes the input method behave as after the first Select of the process
// (display metrics read, shared fonts made) without making the fonts: they are
// made once per process, and a test that made them would change what every
// later test of the program draws with. The metrics are put back as they were
// afterwards, for the same reason. The first Select itself is tested in a
// process of its own.
class CFirstSelectDone
{
public:
    CFirstSelectDone()
        : m_bSaved(g_bFirstSelect), m_nLogPixelsX(g_nLogPixelsX), m_nLogPixelsY(g_nLogPixelsY),
          m_nHorzRes(g_nHorzRes), m_nVertRes(g_nVertRes)
    {
        InitDisplayMetrics();
        g_bFirstSelect = FALSE;
    }
    ~CFirstSelectDone()
    {
        g_bFirstSelect = m_bSaved;
        g_nLogPixelsX = m_nLogPixelsX;
        g_nLogPixelsY = m_nLogPixelsY;
        g_nHorzRes = m_nHorzRes;
        g_nVertRes = m_nVertRes;
    }
    CFirstSelectDone(const CFirstSelectDone&) = delete;
    CFirstSelectDone& operator=(const CFirstSelectDone&) = delete;

private:
    BOOL m_bSaved;
    int m_nLogPixelsX;
    int m_nLogPixelsY;
    int m_nHorzRes;
    int m_nVertRes;
};

// The shared text font as the first Select of a device makes it (16 pixels at 96 DPI),
// unless the process has it already: the keyboard's edit control and the SIP bar
// report it, and the keyboard makes its turned fonts from it.
inline void EnsureTextFont()
{
    CFontHelper& fonts = CFontHelper::Instance();
    if (fonts.GetFont(CFontHelper::kTextFontSlot) == nullptr)
        fonts.CreateFontInSlot(CFontHelper::kTextFontSlot, ScaleByDpi(16), FW_NORMAL, L"Tahoma", 0, 0, 0);
}

// Keeps the settings in memory as a test found them: the dialogs and the
// keyboard action load and change them, and later tests read them.
class CSettingsRestorer
{
public:
    CSettingsRestorer()
        : m_dwHabit(g_dwHabit), m_ftOptionsTime(g_ftOptionsTime), m_nLoadedOrientation(g_nLoadedOrientation)
    {
        std::wmemcpy(m_szSkinFile, g_szSkinFile, MAX_PATH);
    }
    ~CSettingsRestorer()
    {
        g_dwHabit = m_dwHabit;
        std::wmemcpy(g_szSkinFile, m_szSkinFile, MAX_PATH);
        g_ftOptionsTime = m_ftOptionsTime;
        g_nLoadedOrientation = m_nLoadedOrientation;
    }
    CSettingsRestorer(const CSettingsRestorer&) = delete;
    CSettingsRestorer& operator=(const CSettingsRestorer&) = delete;

private:
    DWORD m_dwHabit;
    WCHAR m_szSkinFile[MAX_PATH];
    FILETIME m_ftOptionsTime;
    DWORD m_nLoadedOrientation;
};
