#pragma once
#include <windows.h>

#include "settings/Settings.h"
#include "sip/Zarn.h"
#include "support/DisplayMetrics.h"
#include "support/FontHelper.h"

#include <cwchar>
#include <tuple>

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
    {
        InitDisplayMetrics();
        g_bFirstSelect = FALSE;
    }
    ~CFirstSelectDone() { std::tie(g_bFirstSelect, g_nLogPixelsX, g_nLogPixelsY, g_nHorzRes, g_nVertRes) = m_saved; }
    CFirstSelectDone(const CFirstSelectDone&) = delete;
    CFirstSelectDone& operator=(const CFirstSelectDone&) = delete;

private:
    std::tuple<BOOL, int, int, int, int> m_saved{g_bFirstSelect, g_nLogPixelsX, g_nLogPixelsY, g_nHorzRes, g_nVertRes};
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
    CSettingsRestorer() { std::wmemcpy(m_szSkinFile, g_szSkinFile, MAX_PATH); }
    ~CSettingsRestorer()
    {
        std::tie(g_dwHabit, g_bAccentsOnLongPress, g_ftOptionsTime, g_nLoadedOrientation) = m_saved;
        std::wmemcpy(g_szSkinFile, m_szSkinFile, MAX_PATH);
        SetWordSettings(m_words);
    }
    CSettingsRestorer(const CSettingsRestorer&) = delete;
    CSettingsRestorer& operator=(const CSettingsRestorer&) = delete;

private:
    std::tuple<DWORD, BOOL, FILETIME, DWORD> m_saved{g_dwHabit, g_bAccentsOnLongPress, g_ftOptionsTime,
                                                     g_nLoadedOrientation};
    WCHAR m_szSkinFile[MAX_PATH];
    WordSettings m_words = GetWordSettings();
};
