#include "ScriptRunner.h"

#include "Device.h"
#include "DeviceWindows.h"
#include "device/harness/ImageFile.h"
#include "device/harness/ScreenCapture.h"
#include "device/harness/TextUtf.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

bool CScriptRunner::OnScreenshot(const ScriptCommand& command, std::string& sWhy)
{
    return Photograph(command.argument, command.region, sWhy);
}

bool CScriptRunner::Photograph(const std::string& file, const std::string& region, std::string& sWhy)
{
    const RECT rcScreen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    RECT rc = rcScreen;
    if (region != "screen")
    {
        const HWND hwnd = region == "bar"        ? m_device.SipWindow()
                          : region == "keyboard" ? FindKeyboardDialog(m_dwDeviceThread)
                          : region == "notes"    ? m_device.NotesWindow()
                                                 : FindOptionsDialog(m_dwDeviceThread);
        if (hwnd == nullptr || !IsWindowVisible(hwnd))
        {
            sWhy = "nothing to photograph for " + region;
            return false;
        }
        GetWindowRect(hwnd, &rc);
        IntersectRect(&rc, &rc, &rcScreen);
    }
    std::wstring sPath = Widen(file);
    std::replace(sPath.begin(), sPath.end(), L'/', L'\\');
    const bool bRelative = !sPath.empty() && sPath[0] != L'\\' && (sPath.size() < 2 || sPath[1] != L':');
    if (bRelative && !m_sOutDir.empty())
    {
        std::error_code error;
        std::filesystem::create_directories(m_sOutDir, error);
        sPath = m_sOutDir + L"\\" + sPath;
    }
    if (!WriteImageFile(CaptureScreen(rc), sPath))
    {
        sWhy = "cannot write " + file;
        return false;
    }
    char sz[64];
    std::snprintf(sz, sizeof sz, " %ldx%ld", rc.right - rc.left, rc.bottom - rc.top);
    m_report.push_back("screenshot: " + file + sz);
    return true;
}
