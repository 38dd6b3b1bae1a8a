#pragma once
#include <windows.h>

#include "LoadedSkin.h"
#include "device/Script.h"
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
    // Plays every command even after one failed (each failure is reported).
    void KeepGoing() { m_bKeepGoing = true; }
    // Report lines: "message: ...", "screenshot: ...", "error: ..." (UTF-8).
    const std::vector<std::string>& Report() const { return m_report; }
    bool HasErrors() const { return m_bErrors; }
    // Every command ran and every check held.
    bool Completed() const { return m_bCompleted; }

private:
    // How long a step may wait for the device to answer.
    static constexpr DWORD kStepTimeout = 20000;

    // A verb's handler: false, with the reason, when the step failed.
    using Handler = bool (CScriptRunner::*)(const ScriptCommand& command, std::string& sWhy);
    struct VerbHandler
    {
        ScriptVerb verb;
        Handler handler;
    };
    static const VerbHandler s_aHandlers[];

    // ScriptRunner.cpp: the session, in step with the device's thread.
    static DWORD WINAPI ThreadProc(void* pParameter);
    void Run();
    bool Execute(const ScriptCommand& command);
    void Sync();
    void DismissMessageBoxes();
    bool OnWait(const ScriptCommand& command, std::string& sWhy);
    bool OnWindows(const ScriptCommand& command, std::string& sWhy);

    // ScriptFinger.cpp: the finger on the screen and the hardware keyboard.
    bool PressAt(int x, int y);  // the finger stays down
    bool TapAt(int x, int y);
    bool OnTap(const ScriptCommand& command, std::string& sWhy);
    bool OnSip(const ScriptCommand& command, std::string& sWhy);
    bool OnPress(const ScriptCommand& command, std::string& sWhy);
    bool OnWrite(const ScriptCommand& command, std::string& sWhy);

    // ScriptKeyboard.cpp: typing on the full-screen keyboard of the loaded skin.
    bool PrepareKeyboard(std::string& sWhy);
    bool TapKey(int nKey, std::string& sWhy);
    bool KeyOnScreen(int nKey, POINT& pt, std::string& sWhy);
    bool OnKey(const ScriptCommand& command, std::string& sWhy);
    bool OnType(const ScriptCommand& command, std::string& sWhy);
    bool PlanText(const std::wstring& text, TypingPlan& plan, std::string& sWhy);
    // Plays the steps; a long press photographs its strip into photo (when named) before it lifts.
    bool PlaySteps(const std::vector<TypingStep>& aSteps, const std::string& photo, std::string& sWhy);

    // ScriptLongPress.cpp: a long press, a slide onto the strip of alternates and the lift.
    bool LongPress(const TypingStep& step, const std::string& photo, std::string& sWhy);
    bool StripCellOnScreen(const TypingStep& step, POINT& pt, std::string& sWhy);
    bool OnHold(const ScriptCommand& command, std::string& sWhy);

    // ScriptOptions.cpp: choices in the options dialog.
    bool OnSkin(const ScriptCommand& command, std::string& sWhy);
    bool OnHand(const ScriptCommand& command, std::string& sWhy);
    bool OnAccents(const ScriptCommand& command, std::string& sWhy);
    bool OnOk(const ScriptCommand& command, std::string& sWhy);
    bool OnCancel(const ScriptCommand& command, std::string& sWhy);

    // ScriptShell.cpp: what the device's shell does: turn the screen, switch applications.
    bool OnRotate(const ScriptCommand& command, std::string& sWhy);
    bool OnSwitch(const ScriptCommand& command, std::string& sWhy);
    bool OnNotes(const ScriptCommand& command, std::string& sWhy);

    // ScriptScreenshot.cpp
    bool OnScreenshot(const ScriptCommand& command, std::string& sWhy);
    bool Photograph(const std::string& file, const std::string& region, std::string& sWhy);

    // ScriptChecks.cpp: what the user sees.
    bool OnExpectText(const ScriptCommand& command, std::string& sWhy);
    bool OnExpectMessage(const ScriptCommand& command, std::string& sWhy);
    bool OnExpectNoMessage(const ScriptCommand& command, std::string& sWhy);
    bool OnExpectKeyboard(const ScriptCommand& command, std::string& sWhy);
    bool OnExpectBackground(const ScriptCommand& command, std::string& sWhy);
    bool OnExpectPreview(const ScriptCommand& command, std::string& sWhy);

    // ScriptWords.cpp: the words offered to complete the typed one.
    bool OfferedWords(std::vector<std::string>& words, std::string& sWhy);
    bool WordCells(std::vector<KeyRect>& cells, std::string& sWhy);
    bool OfferedWordOnScreen(const std::string& word, POINT& pt, std::string& sWhy);
    bool OnExpectWords(const ScriptCommand& command, std::string& sWhy);
    bool OnChoose(const ScriptCommand& command, std::string& sWhy);
    bool OnForget(const ScriptCommand& command, std::string& sWhy);

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
    bool m_bKeepGoing = false;
    // How the user answers a message box that asks a question (Yes or No buttons).
    int m_nAnswerToQuestions = IDNO;

    // What the keyboard looks like to the user: the loaded skin and its state.
    HWND m_hwndKeyboard = nullptr;   // the dialog the geometry was read for
    LoadedSkin m_skin;
    std::vector<std::string> m_messages;
    KeyboardState m_keyboardState;
    bool m_bEverOpened = false;
    ULONGLONG m_ullOptionsTime = 0;
    int m_nOrientation = 0;
};
