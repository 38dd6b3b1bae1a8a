#pragma once
#include <windows.h>

#include "LoadedSkin.h"
#include "device/Script.h"
#include "device/SkinGeometry.h"
#include "device/TypingPlan.h"

#include <string>
#include <vector>

class CDevice;

// Plays a script on its own thread, as a user's finger and eyes: taps are real
// pointer input, and before each step it waits until the device's thread has
// dealt with everything the previous step caused. Message boxes of the input
// method are read into the report and confirmed.
class CScriptRunner
{
public:
    // Screenshots named with a relative path go into sOutDir (created when needed).
    CScriptRunner(CDevice& device, std::vector<ScriptCommand> commands, std::wstring sModuleDir,
                  std::wstring sOutDir);
    ~CScriptRunner();
    CScriptRunner(const CScriptRunner&) = delete;
    CScriptRunner& operator=(const CScriptRunner&) = delete;

    // Starts the thread; it waits for hReady (the input method started) before the first command.
    bool Start(HANDLE hReady);
    void Join();
    // Report lines: "message: ...", "screenshot: ...", "error: ..." (UTF-8).
    const std::vector<std::string>& Report() const { return m_report; }
    bool HasErrors() const { return m_bErrors; }
    // Every command ran and every check held.
    bool Completed() const { return m_bCompleted; }

private:
    static DWORD WINAPI ThreadProc(void* pParameter);
    void Run();
    bool Execute(const ScriptCommand& command);

    void Sync();
    void DismissMessageBoxes();
    void Fail(const ScriptCommand& command, const std::string& why);
    bool TapAt(int x, int y);
    bool TapAtPoint(int x, int y);

    bool TapBarButton(int nButton);
    bool TapSipButton();
    HWND FindKeyboardDialog() const;
    HWND FindOptionsDialog() const;
    bool PrepareKeyboard(std::string& sWhy);
    bool TapKey(int nKey, std::string& sWhy);
    bool TypeText(const std::u16string& text, std::string& sWhy);
    bool Rotate(std::string& sWhy);
    bool ChooseSkin(const std::string& file, std::string& sWhy);
    bool ChooseHand(bool bLeft, std::string& sWhy);
    bool CloseOptions(UINT uCommand, std::string& sWhy);
    bool Screenshot(const std::string& file, const std::string& region, std::string& sWhy);
    bool Write(const std::u16string& text);
    bool ExpectText(const std::string& expected, std::string& sWhy);
    bool ExpectBackground(std::string& sWhy);
    void ListWindows();

    CDevice& m_device;
    std::vector<ScriptCommand> m_commands;
    std::wstring m_sModuleDir;
    std::wstring m_sOutDir;
    DWORD m_dwDeviceThread;
    HANDLE m_hThread = nullptr;
    HANDLE m_hReady = nullptr;
    std::vector<std::string> m_report;
    bool m_bErrors = false;
    bool m_bCompleted = false;

    // What the keyboard looks like to the user: the loaded skin and its state.
    HWND m_hwndKeyboard = nullptr;   // the dialog the geometry was read for
    LoadedSkin m_skin;
    std::vector<std::string> m_messages;
    KeyboardState m_keyboardState;
    bool m_bEverOpened = false;
    ULONGLONG m_ullOptionsTime = 0;
    int m_nOrientation = 0;
};
