// The device stand-in: a Pocket PC screen whose SIP manager loads the input
// method from the registry and drives it. With --script it plays a scripted
// session headless and prints the text that reached the notes application;
// without, it runs until it is closed, for a person to use.
//
//   BrevantoDevice.exe [--script FILE] [--report FILE] [--out DIR] [--module PATH]

#include "Device.h"
#include "ScriptRunner.h"
#include "device/harness/FileBytes.h"
#include "device/harness/TextUtf.h"
#include "device/Script.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

struct Arguments
{
    std::wstring sScript;
    std::wstring sReport;
    std::wstring sModule;
    std::wstring sOut;
};

bool ParseArguments(int argc, wchar_t** argv, Arguments& args)
{
    for (int i = 1; i < argc; ++i)
    {
        const std::wstring option = argv[i];
        if (i + 1 >= argc)
            return false;
        if (option == L"--script")
            args.sScript = argv[++i];
        else if (option == L"--report")
            args.sReport = argv[++i];
        else if (option == L"--module")
            args.sModule = argv[++i];
        else if (option == L"--out")
            args.sOut = argv[++i];
        else
            return false;
    }
    return true;
}

std::wstring ExecutableFolder()
{
    wchar_t szPath[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, szPath, MAX_PATH);
    std::wstring sPath = szPath;
    return sPath.substr(0, sPath.rfind(L'\\'));
}

// Line breaks and backslashes escaped, so that each report entry is one line.
std::string Escape(const std::string& s)
{
    std::string out;
    for (char ch : s)
    {
        if (ch == '\r')
            out += "\\r";
        else if (ch == '\n')
            out += "\\n";
        else if (ch == '\\')
            out += "\\\\";
        else
            out += ch;
    }
    return out;
}

void RunMessageLoop()
{
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0)
    {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    Arguments args;
    if (!ParseArguments(argc, argv, args))
    {
        std::fprintf(stderr, "usage: BrevantoDevice.exe [--script FILE] [--report FILE] [--out DIR] [--module PATH]\n");
        return 2;
    }
    if (args.sModule.empty())
        args.sModule = ExecutableFolder() + L"\\Keyboard.dll";
    const std::wstring sModuleDir = args.sModule.substr(0, args.sModule.rfind(L'\\'));

    std::vector<ScriptCommand> commands;
    if (!args.sScript.empty())
    {
        FileBytes text;
        if (!ReadFileBytes(args.sScript, text))
        {
            std::fprintf(stderr, "cannot read the script %s\n", Narrow(args.sScript).c_str());
            return 2;
        }
        ScriptParse parse = ParseScript(std::string(text.begin(), text.end()));
        if (!parse.error.empty())
        {
            std::fprintf(stderr, "script: %s\n", parse.error.c_str());
            return 2;
        }
        commands = std::move(parse.commands);
    }

    // Like the SIP manager: the input method lives in the multithreaded apartment,
    // called on the thread that owns the SIP window.
    if (FAILED(CoInitializeEx(nullptr, COINIT_MULTITHREADED)))
    {
        std::fprintf(stderr, "COM cannot be started\n");
        return 1;
    }
    int nExit = 0;
    {
        CDevice device;
        if (!device.CreateScreen(GetModuleHandleW(nullptr)))
        {
            std::fprintf(stderr, "the device screen cannot be created (is there a display?)\n");
            CoUninitialize();
            return 1;
        }
        HANDLE hReady = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        std::unique_ptr<CScriptRunner> runner;
        if (!args.sScript.empty())
        {
            runner = std::make_unique<CScriptRunner>(device, std::move(commands), sModuleDir, args.sOut);
            runner->Start(hReady);
        }
        std::wstring sError;
        const bool bStarted = device.StartInputMethod(args.sModule, sError);
        if (!bStarted)
            std::fprintf(stderr, "input method: %s\n", Narrow(sError).c_str());
        SetEvent(hReady);
        if (bStarted || runner)
            RunMessageLoop();
        if (runner)
            runner->Join();
        const std::wstring sText = device.NotesText();
        device.StopInputMethod();
        CloseHandle(hReady);

        std::string report;
        report += std::string("input-method: ") + (bStarted ? "started" : "failed: " + Narrow(sError)) + "\n";
        for (const std::string& call : device.Manager().Calls())
            report += "call: " + call + "\n";
        for (const std::string& call : device.Callback().Calls())
            report += "callback: " + Escape(call) + "\n";
        if (runner)
            for (const std::string& line : runner->Report())
                report += line + "\n";
        report += "notes: " + Escape(Narrow(sText)) + "\n";
        report += std::string("finished: ") + (runner && runner->Completed() ? "yes" : "no") + "\n";
        if (!args.sReport.empty())
            WriteFileText(args.sReport, report);
        if (runner)
            for (const std::string& line : runner->Report())
                if (line.compare(0, 6, "error:") == 0)
                    std::fprintf(stderr, "%s\n", line.c_str());
        std::string printable = Narrow(sText);
        for (size_t i; (i = printable.find('\r')) != std::string::npos;)
            printable.erase(i, 1);
        std::printf("Text in the notes application:\n%s\n", printable.c_str());
        std::fflush(stdout);
        nExit = !bStarted ? 1 : (runner && runner->HasErrors()) ? 3 : 0;
    }
    CoUninitialize();
    return nExit;
}
