#include "ScriptRunner.h"
#include "common/TextUtf.h"

#include "Device.h"
#include "InputInjector.h"
#include "LoadedSkin.h"
#include "ScreenCapture.h"
#include "device/TypingKeys.h"
#include "platform/SipInterfaces.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace {

constexpr int kKeyboardControlId = 203;
constexpr int kOptionsSkinListId = 212;
constexpr int kOptionsLeftId = 205;
constexpr int kOptionsRightId = 206;
constexpr UINT kOptionsOkCommand = 40000;
constexpr UINT kOptionsCancelCommand = 32771;
constexpr int kMessageTextId = 0xFFFF;
constexpr DWORD kStepTimeout = 20000;

// Bar buttons as the user sees them: centres of the eight buttons in bar-bitmap
// coordinates, for the QVGA-class (240x54) and VGA-class (480x108) bars.
const POINT g_aQvgaButtons[8] = {{30, 27}, {87, 13}, {87, 40}, {138, 13}, {138, 40}, {189, 13}, {189, 40}, {227, 27}};
const POINT g_aVgaButtons[8] = {{61, 55}, {174, 27}, {174, 81}, {278, 27}, {278, 81}, {381, 27}, {381, 81}, {456, 55}};

bool IsVgaScreen(int w, int h)
{
    return (h == 480 && (w == 640 || w == 800)) || (w == 480 && (h == 640 || h == 800));
}

struct WindowSearch
{
    int nControlId;
    HWND hwndFound;
};

BOOL CALLBACK FindDialogWithControl(HWND hwnd, LPARAM lParam)
{
    auto* pSearch = reinterpret_cast<WindowSearch*>(lParam);
    if (IsWindowVisible(hwnd) && GetDlgItem(hwnd, pSearch->nControlId) != nullptr)
    {
        pSearch->hwndFound = hwnd;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM lParam)
{
    reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hwnd);
    return TRUE;
}

BOOL CALLBACK CollectMessageBoxes(HWND hwnd, LPARAM lParam)
{
    wchar_t szClass[16] = {};
    GetClassNameW(hwnd, szClass, 16);
    if (IsWindowVisible(hwnd) && lstrcmpW(szClass, L"#32770") == 0 && GetDlgItem(hwnd, kMessageTextId) != nullptr &&
        GetDlgItem(hwnd, kKeyboardControlId) == nullptr)
        reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hwnd);
    return TRUE;
}

WORD VirtualKeyByName(const std::string& name)
{
    static const std::pair<const char*, WORD> s_aKeys[] = {
        {"end", VK_END}, {"home", VK_HOME}, {"left", VK_LEFT}, {"right", VK_RIGHT}, {"up", VK_UP},
        {"down", VK_DOWN}, {"enter", VK_RETURN}, {"backspace", VK_BACK}, {"delete", VK_DELETE}, {"escape", VK_ESCAPE}};
    for (const auto& key : s_aKeys)
        if (name == key.first)
            return key.second;
    return 0;
}

}  // namespace

CScriptRunner::CScriptRunner(CDevice& device, std::vector<ScriptCommand> commands, std::wstring sModuleDir,
                             std::wstring sOutDir)
    : m_device(device), m_commands(std::move(commands)), m_sModuleDir(std::move(sModuleDir)),
      m_sOutDir(std::move(sOutDir)),
      m_dwDeviceThread(GetCurrentThreadId())
{
}

CScriptRunner::~CScriptRunner()
{
    if (m_hThread != nullptr)
        CloseHandle(m_hThread);
}

bool CScriptRunner::Start(HANDLE hReady)
{
    m_hReady = hReady;
    m_hThread = CreateThread(nullptr, 0, ThreadProc, this, 0, nullptr);
    return m_hThread != nullptr;
}

void CScriptRunner::Join()
{
    if (m_hThread != nullptr)
        WaitForSingleObject(m_hThread, INFINITE);
}

DWORD WINAPI CScriptRunner::ThreadProc(void* pParameter)
{
    static_cast<CScriptRunner*>(pParameter)->Run();
    return 0;
}

void CScriptRunner::Run()
{
    // The input method may greet the user with a message before it is ready.
    while (WaitForSingleObject(m_hReady, 50) == WAIT_TIMEOUT)
        DismissMessageBoxes();
    Sync();
    m_bCompleted = true;
    for (const ScriptCommand& command : m_commands)
    {
        if (!Execute(command))
        {
            m_bCompleted = false;
            break;
        }
        Sync();
    }
    Sync();
    // The finger leaves at the top-left corner, which every later screen, portrait
    // or landscape, still covers: a pointer left outside a smaller desktop cannot
    // be moved into it by the next session.
    InputInjector::MoveTo(0, 0);
    DWORD_PTR dwResult = 0;
    SendMessageTimeoutW(m_device.SyncWindow(), WM_DEVICE_FINISH, 0, 0, SMTO_NORMAL, kStepTimeout, &dwResult);
}

void CScriptRunner::Fail(const ScriptCommand& command, const std::string& why)
{
    m_bErrors = true;
    m_report.push_back("error: line " + std::to_string(command.nLine) + ": " + why);
}

// Waits until the device's thread has nothing left to do: no input, posted
// message or paint pending, twice in a row. Sent messages are answered inside
// modal loops too, so this also returns while a dialog is open.
void CScriptRunner::Sync()
{
    int nQuiet = 0;
    const DWORD dwStart = GetTickCount();
    while (nQuiet < 2 && GetTickCount() - dwStart < kStepTimeout)
    {
        DWORD_PTR dwBusy = 1;
        if (!SendMessageTimeoutW(m_device.SyncWindow(), WM_DEVICE_SYNC, 0, 0, SMTO_NORMAL, 1000, &dwBusy))
            dwBusy = 1;
        nQuiet = dwBusy == 0 ? nQuiet + 1 : 0;
        Sleep(nQuiet == 0 ? 10 : 30);
        DismissMessageBoxes();
    }
}

void CScriptRunner::DismissMessageBoxes()
{
    std::vector<HWND> boxes;
    EnumThreadWindows(m_dwDeviceThread, CollectMessageBoxes, reinterpret_cast<LPARAM>(&boxes));
    for (HWND hwnd : boxes)
    {
        wchar_t szText[512] = {};
        GetDlgItemTextW(hwnd, kMessageTextId, szText, 512);
        m_report.push_back("message: " + Narrow(szText));
        m_messages.push_back(Narrow(szText));
        std::printf("message: %s\n", Narrow(szText).c_str());
        std::fflush(stdout);
        // The user confirms it with the only button it has.
        PostMessageW(hwnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }
}

bool CScriptRunner::TapAt(int x, int y)
{
    const bool bReached = TapAtPoint(x, y);
    if (!bReached)
    {
        POINT pt{};
        GetCursorPos(&pt);
        char sz[96];
        std::snprintf(sz, sizeof sz, "note: the pointer stays at (%ld, %ld) instead of (%d, %d)", pt.x, pt.y, x, y);
        m_report.push_back(sz);
    }
    return bReached;
}

bool CScriptRunner::TapAtPoint(int x, int y)
{
    // The display reports a moved pointer back a little later; let that settle
    // before the finger goes down, so that the press is where the finger is.
    if (!InputInjector::MoveTo(x, y))
        return false;
    Sleep(20);
    Sync();
    if (!InputInjector::MoveTo(x, y))
        return false;
    InputInjector::Press(x, y);
    Sync();
    InputInjector::Lift(x, y);
    return true;
}

bool CScriptRunner::Execute(const ScriptCommand& command)
{
    std::string why;
    bool bDone = false;
    switch (command.verb)
    {
    case ScriptVerb::Tap:
        bDone = TapBarButton(BarButtonByName(command.argument));
        if (!bDone)
            why = "the SIP bar is not on the screen, or the pointer did not reach it";
        break;
    case ScriptVerb::Sip:
        bDone = TapSipButton();
        if (!bDone)
            why = "the input panel button cannot be tapped";
        break;
    case ScriptVerb::Key:
    {
        const int nKey = FindTypingKey(command.argument);
        if (nKey < 0)
            why = "no key is called " + command.argument;
        else
            bDone = PrepareKeyboard(why) && TapKey(nKey, why);
        break;
    }
    case ScriptVerb::Type:
        bDone = PrepareKeyboard(why) && TypeText(Utf8ToUtf16(command.argument), why);
        break;
    case ScriptVerb::Press:
    {
        const WORD wVk = VirtualKeyByName(command.argument);
        if (wVk == 0)
            why = "unknown hardware key " + command.argument;
        else
        {
            InputInjector::Key(wVk);
            bDone = true;
        }
        break;
    }
    case ScriptVerb::Rotate:
        bDone = Rotate(why);
        break;
    case ScriptVerb::Switch:
    case ScriptVerb::Notes:
    {
        DWORD_PTR dwResult = 0;
        bDone = SendMessageTimeoutW(m_device.SyncWindow(),
                                    command.verb == ScriptVerb::Switch ? WM_DEVICE_SHOW_OTHER : WM_DEVICE_SHOW_NOTES, 0, 0,
                                    SMTO_NORMAL, kStepTimeout, &dwResult) != 0;
        if (!bDone)
            why = "the device did not answer";
        break;
    }
    case ScriptVerb::Skin:
        bDone = ChooseSkin(command.argument, why);
        break;
    case ScriptVerb::Hand:
        bDone = ChooseHand(command.argument == "left", why);
        break;
    case ScriptVerb::Ok:
        bDone = CloseOptions(kOptionsOkCommand, why);
        break;
    case ScriptVerb::Cancel:
        bDone = CloseOptions(kOptionsCancelCommand, why);
        break;
    case ScriptVerb::Screenshot:
        bDone = Screenshot(command.argument, command.region, why);
        break;
    case ScriptVerb::Wait:
        Sleep(static_cast<DWORD>(std::stoi(command.argument)));
        bDone = true;
        break;
    case ScriptVerb::Windows:
        ListWindows();
        bDone = true;
        break;
    case ScriptVerb::Write:
        bDone = Write(Utf8ToUtf16(command.argument));
        break;
    case ScriptVerb::ExpectText:
        bDone = ExpectText(command.argument, why);
        break;
    case ScriptVerb::ExpectMessage:
        bDone = std::find(m_messages.begin(), m_messages.end(), command.argument) != m_messages.end();
        if (!bDone)
            why = "no message \"" + command.argument + "\" was shown";
        break;
    case ScriptVerb::ExpectNoMessage:
        bDone = m_messages.empty();
        if (!bDone)
            why = "a message was shown: " + m_messages.front();
        break;
    case ScriptVerb::ExpectKeyboard:
        bDone = (FindKeyboardDialog() != nullptr) == (command.argument == "open");
        if (!bDone)
            why = std::string("the keyboard is ") + (command.argument == "open" ? "closed" : "open");
        break;
    case ScriptVerb::ExpectBackground:
        bDone = PrepareKeyboard(why) && ExpectBackground(why);
        break;
    }
    if (!bDone)
        Fail(command, why);
    return bDone;
}

bool CScriptRunner::TapBarButton(int nButton)
{
    const HWND hwndSip = m_device.SipWindow();
    const HWND hwndBar = FindWindowExW(hwndSip, nullptr, L"IM", nullptr);
    if (nButton < 0 || nButton > 7 || hwndBar == nullptr || !IsWindowVisible(hwndSip))
        return false;
    const bool bVga = IsVgaScreen(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    const int nBitmapWidth = bVga ? 480 : 240;
    RECT rc;
    GetClientRect(hwndBar, &rc);
    const int nBarX = (rc.right - nBitmapWidth) / 2;
    POINT pt = bVga ? g_aVgaButtons[nButton] : g_aQvgaButtons[nButton];
    pt.x += nBarX;
    ClientToScreen(hwndBar, &pt);
    return TapAt(pt.x, pt.y);
}

bool CScriptRunner::TapSipButton()
{
    const RECT rc = m_device.SipButtonOnScreen();
    return TapAt((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
}

HWND CScriptRunner::FindKeyboardDialog() const
{
    WindowSearch search{kKeyboardControlId, nullptr};
    EnumThreadWindows(m_dwDeviceThread, FindDialogWithControl, reinterpret_cast<LPARAM>(&search));
    return search.hwndFound;
}

HWND CScriptRunner::FindOptionsDialog() const
{
    WindowSearch search{kOptionsSkinListId, nullptr};
    EnumThreadWindows(m_dwDeviceThread, FindDialogWithControl, reinterpret_cast<LPARAM>(&search));
    return search.hwndFound;
}

// Reads the skin when a keyboard opened since the last look. A keyboard that
// reloaded its skin (settings rewritten, screen turned, first opening) starts
// again in the character view; caps lock and shift carry over.
bool CScriptRunner::PrepareKeyboard(std::string& sWhy)
{
    const HWND hwndDialog = FindKeyboardDialog();
    if (hwndDialog == nullptr)
    {
        sWhy = "the keyboard is not open";
        return false;
    }
    if (hwndDialog == m_hwndKeyboard)
        return true;
    const ULONGLONG ullOptionsTime = OptionsFileTime(m_sModuleDir);
    const int nWidth = GetSystemMetrics(SM_CXSCREEN), nHeight = GetSystemMetrics(SM_CYSCREEN);
    const int nOrientation = static_cast<int>(ShapeOf(nWidth, nHeight));
    if (!m_bEverOpened || ullOptionsTime != m_ullOptionsTime || nOrientation != m_nOrientation)
        m_keyboardState.nView = 1;
    m_bEverOpened = true;
    m_ullOptionsTime = ullOptionsTime;
    m_nOrientation = nOrientation;
    if (!ReadLoadedSkin(m_sModuleDir, m_skin, sWhy))
        return false;
    m_hwndKeyboard = hwndDialog;
    return true;
}

bool CScriptRunner::TapKey(int nKey, std::string& sWhy)
{
    const HWND hwndControl = GetDlgItem(m_hwndKeyboard, kKeyboardControlId);
    int x = 0, y = 0;
    if (hwndControl == nullptr || !FindTapPoint(m_skin.geometry, nKey, m_keyboardState.nView, x, y))
    {
        sWhy = std::string("the key ") + GetTypingKey(nKey)->pszName + " cannot be tapped in this view";
        return false;
    }
    POINT pt{x, y};
    ClientToScreen(hwndControl, &pt);
    if (!TapAt(pt.x, pt.y))
    {
        sWhy = "the pointer did not reach the key";
        return false;
    }
    ApplyKey(m_keyboardState, nKey);
    Sync();
    return true;
}

bool CScriptRunner::TypeText(const std::u16string& text, std::string& sWhy)
{
    KeyAvailability available{};
    for (int i = 0; i < TYPING_KEY_COUNT; ++i)
        available[i] = !m_skin.geometry.aKeys[i].IsEmpty();
    const std::wstring wide(text.begin(), text.end());
    const TypingPlan plan = PlanTyping(wide, m_keyboardState, available);
    if (!plan.bComplete)
    {
        sWhy = "the skin has no way to type character " + std::to_string(plan.nFailedAt + 1) + " of the text";
        return false;
    }
    for (int nKey : plan.aKeys)
    {
        if (FindKeyboardDialog() != m_hwndKeyboard)
        {
            sWhy = "the keyboard closed while typing";
            return false;
        }
        if (!TapKey(nKey, sWhy))
            return false;
    }
    return true;
}

bool CScriptRunner::Rotate(std::string& sWhy)
{
    DEVMODEW mode{};
    mode.dmSize = sizeof(mode);
    if (!EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &mode))
    {
        sWhy = "the display mode cannot be read";
        return false;
    }
    std::swap(mode.dmPelsWidth, mode.dmPelsHeight);
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    // The finger leaves the screen where the turned screen still has it; a
    // pointer left outside the new shape cannot be brought back in.
    InputInjector::MoveTo(0, 0);
    const LONG lResult = ChangeDisplaySettingsExW(nullptr, &mode, nullptr, 0, nullptr);
    if (lResult != DISP_CHANGE_SUCCESSFUL)
    {
        sWhy = "the screen cannot turn to " + std::to_string(mode.dmPelsWidth) + "x" + std::to_string(mode.dmPelsHeight) +
               " (" + std::to_string(lResult) + "); modes:";
        DEVMODEW listed{};
        listed.dmSize = sizeof(listed);
        for (DWORD i = 0; i < 64 && EnumDisplaySettingsW(nullptr, i, &listed); ++i)
            sWhy += " " + std::to_string(listed.dmPelsWidth) + "x" + std::to_string(listed.dmPelsHeight);
        return false;
    }
    Sync();
    // As the device's shell does after a rotation.
    DWORD_PTR dwResult = 0;
    SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, SETTINGCHANGE_RESET, 0, SMTO_NORMAL, kStepTimeout, &dwResult);
    return true;
}

bool CScriptRunner::ChooseSkin(const std::string& file, std::string& sWhy)
{
    const HWND hwndDialog = FindOptionsDialog();
    if (hwndDialog == nullptr)
    {
        sWhy = "the options dialog is not open";
        return false;
    }
    // The list shows each skin's name without the extension.
    std::wstring sName = Widen(file);
    const size_t nDot = sName.rfind(L'.');
    if (nDot != std::wstring::npos)
        sName.erase(nDot);
    const HWND hwndList = GetDlgItem(hwndDialog, kOptionsSkinListId);
    DWORD_PTR dwIndex = static_cast<DWORD_PTR>(CB_ERR);
    SendMessageTimeoutW(hwndList, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(sName.c_str()),
                        SMTO_NORMAL, kStepTimeout, &dwIndex);
    if (static_cast<LRESULT>(dwIndex) == CB_ERR)
    {
        sWhy = "the options dialog does not list " + file;
        return false;
    }
    DWORD_PTR dwResult = 0;
    SendMessageTimeoutW(hwndList, CB_SETCURSEL, dwIndex, 0, SMTO_NORMAL, kStepTimeout, &dwResult);
    return true;
}

bool CScriptRunner::ChooseHand(bool bLeft, std::string& sWhy)
{
    const HWND hwndDialog = FindOptionsDialog();
    if (hwndDialog == nullptr)
    {
        sWhy = "the options dialog is not open";
        return false;
    }
    const HWND hwndButton = GetDlgItem(hwndDialog, bLeft ? kOptionsLeftId : kOptionsRightId);
    RECT rc;
    if (hwndButton == nullptr || !IsWindowVisible(hwndButton) || !GetWindowRect(hwndButton, &rc))
    {
        sWhy = "the hand cannot be chosen";
        return false;
    }
    // The finger lands on the round button at the left of the caption.
    return TapAt(rc.left + std::min<LONG>(8, (rc.right - rc.left) / 2), (rc.top + rc.bottom) / 2);
}

bool CScriptRunner::CloseOptions(UINT uCommand, std::string& sWhy)
{
    const HWND hwndDialog = FindOptionsDialog();
    if (hwndDialog == nullptr)
    {
        sWhy = "the options dialog is not open";
        return false;
    }
    PostMessageW(hwndDialog, WM_COMMAND, MAKEWPARAM(uCommand, 0), 0);
    return true;
}

bool CScriptRunner::Screenshot(const std::string& file, const std::string& region, std::string& sWhy)
{
    RECT rc{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    HWND hwnd = nullptr;
    if (region == "bar")
        hwnd = m_device.SipWindow();
    else if (region == "keyboard")
        hwnd = FindKeyboardDialog();
    else if (region == "notes")
        hwnd = m_device.NotesWindow();
    else if (region == "dialog")
        hwnd = FindOptionsDialog();
    if (region != "screen")
    {
        if (hwnd == nullptr || !IsWindowVisible(hwnd))
        {
            sWhy = "nothing to photograph for " + region;
            return false;
        }
        GetWindowRect(hwnd, &rc);
        RECT rcScreen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        IntersectRect(&rc, &rc, &rcScreen);
    }
    std::wstring sPath = Widen(file);
    std::replace(sPath.begin(), sPath.end(), L'/', L'\\');
    const bool bRelative = !sPath.empty() && sPath[0] != L'\\' && (sPath.size() < 2 || sPath[1] != L':');
    if (bRelative && !m_sOutDir.empty())
    {
        CreateDirectoryW(m_sOutDir.c_str(), nullptr);
        sPath = m_sOutDir + L"\\" + sPath;
    }
    if (!SaveImage(CaptureScreen(rc), sPath))
    {
        sWhy = "cannot write " + file;
        return false;
    }
    char sz[64];
    std::snprintf(sz, sizeof sz, " %ldx%ld", rc.right - rc.left, rc.bottom - rc.top);
    m_report.push_back("screenshot: " + file + sz);
    return true;
}

bool CScriptRunner::Write(const std::u16string& text)
{
    for (char16_t ch : text)
    {
        if (ch == u'\n')
        {
            InputInjector::Key(VK_RETURN);
            continue;
        }
        InputInjector::Character(static_cast<wchar_t>(ch));
    }
    return true;
}

bool CScriptRunner::ExpectText(const std::string& expected, std::string& sWhy)
{
    std::wstring sText;
    DWORD_PTR dwResult = 0;
    if (!SendMessageTimeoutW(m_device.SyncWindow(), WM_DEVICE_NOTES_TEXT, 0, reinterpret_cast<LPARAM>(&sText),
                             SMTO_NORMAL, kStepTimeout, &dwResult))
    {
        sWhy = "the device did not answer";
        return false;
    }
    for (size_t i; (i = sText.find(L"\r\n")) != std::wstring::npos;)
        sText.erase(i, 1);
    const std::string actual = Narrow(sText);
    if (actual == expected)
        return true;
    std::string shown;
    for (char ch : actual)
        shown += ch == '\n' ? std::string("\\n") : std::string(1, ch);
    std::string wanted;
    for (char ch : expected)
        wanted += ch == '\n' ? std::string("\\n") : std::string(1, ch);
    sWhy = "the notes hold \"" + shown + "\", expected \"" + wanted + "\"";
    return false;
}

// The keyboard control against the skin's own bitmap of the current view,
// turned the way the user's hand and the screen want it. The typed text, the
// enlarged label and latched keys are drawn over it, so those places are left out.
bool CScriptRunner::ExpectBackground(std::string& sWhy)
{
    RgbImage expected;
    if (!ReadViewBackground(m_skin, m_keyboardState.nView, expected, sWhy))
        return false;
    const HWND hwndControl = GetDlgItem(m_hwndKeyboard, kKeyboardControlId);
    RECT rc{};
    if (hwndControl == nullptr || !GetClientRect(hwndControl, &rc))
    {
        sWhy = "the keyboard control is missing";
        return false;
    }
    MapWindowPoints(hwndControl, nullptr, reinterpret_cast<POINT*>(&rc), 2);
    if (rc.right - rc.left != expected.nWidth || rc.bottom - rc.top != expected.nHeight)
    {
        sWhy = "the keyboard is " + std::to_string(rc.right - rc.left) + "x" + std::to_string(rc.bottom - rc.top) +
               ", its background " + std::to_string(expected.nWidth) + "x" + std::to_string(expected.nHeight);
        return false;
    }
    auto pixels = [](const KeyRect& r) { return PixelRect{r.nLeft, r.nTop, r.nRight, r.nBottom}; };
    std::vector<PixelRect> excluded = {pixels(m_skin.geometry.rcEditView), pixels(m_skin.geometry.rcCharView)};
    if (m_keyboardState.bCapsLock)
        excluded.push_back(pixels(m_skin.geometry.aKeys[TYPING_KEY_CAPS]));
    if (m_keyboardState.bShift)
        excluded.push_back(pixels(m_skin.geometry.aKeys[TYPING_KEY_SHIFT]));
    // Like an eye that waits a moment for the screen to settle (the caret's
    // blink repaints the keyboard twice a second).
    double dShare = 0.0;
    for (int nLook = 0; nLook < 4; ++nLook)
    {
        if (nLook > 0)
        {
            Sleep(400);
            Sync();
        }
        dShare = MatchShare(CaptureScreen(rc), expected, excluded, 3);
        if (dShare >= 0.9)
            return true;
    }
    char sz[96];
    std::snprintf(sz, sizeof sz, "the keyboard shows its background in only %.0f%% of the places", dShare * 100);
    sWhy = sz;
    return false;
}

void CScriptRunner::ListWindows()
{
    std::vector<HWND> windows;
    EnumThreadWindows(m_dwDeviceThread, CollectWindow, reinterpret_cast<LPARAM>(&windows));
    for (HWND hwnd : windows)
    {
        wchar_t szClass[64] = {}, szTitle[64] = {};
        GetClassNameW(hwnd, szClass, 64);
        GetWindowTextW(hwnd, szTitle, 64);
        RECT rc{};
        GetWindowRect(hwnd, &rc);
        char sz[96];
        std::snprintf(sz, sizeof sz, " (%ld,%ld)-(%ld,%ld)%s%s", rc.left, rc.top, rc.right, rc.bottom,
                      IsWindowVisible(hwnd) ? " visible" : "", hwnd == GetForegroundWindow() ? " foreground" : "");
        m_report.push_back("window: " + Narrow(szClass) + " \"" + Narrow(szTitle) + "\"" + sz);
    }
}
