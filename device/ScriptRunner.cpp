#include "ScriptRunner.h"

#include "Device.h"
#include "DeviceWindows.h"
#include "device/harness/InputInjector.h"
#include "device/harness/TextUtf.h"

#include <algorithm>
#include <cstdio>
#include <utility>

const CScriptRunner::VerbHandler CScriptRunner::s_aHandlers[] = {
    {ScriptVerb::Tap, &CScriptRunner::OnTap},
    {ScriptVerb::Sip, &CScriptRunner::OnSip},
    {ScriptVerb::Key, &CScriptRunner::OnKey},
    {ScriptVerb::Type, &CScriptRunner::OnType},
    {ScriptVerb::Hold, &CScriptRunner::OnHold},
    {ScriptVerb::Press, &CScriptRunner::OnPress},
    {ScriptVerb::Rotate, &CScriptRunner::OnRotate},
    {ScriptVerb::Switch, &CScriptRunner::OnSwitch},
    {ScriptVerb::Notes, &CScriptRunner::OnNotes},
    {ScriptVerb::Skin, &CScriptRunner::OnSkin},
    {ScriptVerb::Hand, &CScriptRunner::OnHand},
    {ScriptVerb::Accents, &CScriptRunner::OnAccents},
    {ScriptVerb::Ok, &CScriptRunner::OnOk},
    {ScriptVerb::Cancel, &CScriptRunner::OnCancel},
    {ScriptVerb::Screenshot, &CScriptRunner::OnScreenshot},
    {ScriptVerb::Wait, &CScriptRunner::OnWait},
    {ScriptVerb::Write, &CScriptRunner::OnWrite},
    {ScriptVerb::Windows, &CScriptRunner::OnWindows},
    {ScriptVerb::ExpectText, &CScriptRunner::OnExpectText},
    {ScriptVerb::ExpectMessage, &CScriptRunner::OnExpectMessage},
    {ScriptVerb::ExpectNoMessage, &CScriptRunner::OnExpectNoMessage},
    {ScriptVerb::ExpectKeyboard, &CScriptRunner::OnExpectKeyboard},
    {ScriptVerb::ExpectBackground, &CScriptRunner::OnExpectBackground},
    {ScriptVerb::ExpectPreview, &CScriptRunner::OnExpectPreview},
    {ScriptVerb::ExpectWords, &CScriptRunner::OnExpectWords},
    {ScriptVerb::Choose, &CScriptRunner::OnChoose},
    {ScriptVerb::Forget, &CScriptRunner::OnForget},
};

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
            if (!m_bKeepGoing)
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

bool CScriptRunner::Execute(const ScriptCommand& command)
{
    const auto found = std::find_if(std::begin(s_aHandlers), std::end(s_aHandlers),
                                    [&command](const VerbHandler& entry) { return entry.verb == command.verb; });
    std::string why = "the device does not know this command";
    if (found != std::end(s_aHandlers) && (this->*found->handler)(command, why))
        return true;
    m_bErrors = true;
    m_report.push_back("error: line " + std::to_string(command.nLine) + ": " + why);
    return false;
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
    for (HWND hwnd : FindMessageBoxes(m_dwDeviceThread))
    {
        const std::string text = Narrow(MessageText(hwnd));
        m_report.push_back("message: " + text);
        m_messages.push_back(text);
        std::printf("message: %s\n", text.c_str());
        std::fflush(stdout);
        // The user confirms it with the only button it has, or answers its question.
        const int nAnswer = GetDlgItem(hwnd, IDYES) != nullptr ? m_nAnswerToQuestions : IDOK;
        PostMessageW(hwnd, WM_COMMAND, MAKEWPARAM(nAnswer, BN_CLICKED), 0);
    }
}

bool CScriptRunner::OnWait(const ScriptCommand& command, std::string&)
{
    Sleep(static_cast<DWORD>(std::stoi(command.argument)));
    return true;
}

bool CScriptRunner::OnWindows(const ScriptCommand&, std::string&)
{
    for (const std::string& line : DescribeWindows(m_dwDeviceThread))
        m_report.push_back("window: " + line);
    return true;
}
