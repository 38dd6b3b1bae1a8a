// One run of the fault sweep: Keyboard.dll loaded into this process with its imports
// redirected (FaultInjector.h), the k-th call of one function made to fail, and the
// whole life of the module played: DllRegisterServer and DllUnregisterServer, then the
// input method driven on the device stand-in through a session (typing, backspace, OK,
// a change of skin and hand, a turn of the screen, a switch away and back), Deselect,
// Release, DllCanUnloadNow and the unloading. It writes a report: "failure: ..." for
// every broken promise, "count NAME N" for the calls each function received, and
// "injected yes|no". A crash or a hang ends the process with a "failure:" line.
//
//   brevanto_faults.exe --report FILE [--fail NAME:K] [--timeout SECONDS]

#include "FaultInjector.h"
#include "FaultSession.h"

#include "device/harness/FileBytes.h"
#include "device/harness/TextUtf.h"
#include "device/Device.h"
#include "device/DeviceWindows.h"
#include "device/ScriptRunner.h"

#include "Corvell.h"
#include "settings/OptionsFormat.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace
{

std::wstring g_sReport;
HMODULE g_hModule = nullptr;
std::string g_report;  // the lines so far, written out at the end, on a crash or on a hang
DWORD g_dwMainThread = 0;
CRITICAL_SECTION g_lock;

void Line(const std::string& sLine)
{
    EnterCriticalSection(&g_lock);
    g_report += sLine + "\n";
    LeaveCriticalSection(&g_lock);
}

void Failure(const std::string& sWhat)
{
    Line("failure: " + sWhat);
}

// Written with the system's own calls: the C runtime may be what broke.
void WriteReport()
{
    const HANDLE hFile = CreateFileW(g_sReport.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return;
    DWORD cb = 0;
    WriteFile(hFile, g_report.data(), static_cast<DWORD>(g_report.size()), &cb, nullptr);
    CloseHandle(hFile);
}

std::string Hex(unsigned long long n)
{
    char sz[32];
    std::snprintf(sz, sizeof sz, "0x%llX", n);
    return sz;
}

// The failed call's stack as offsets into Keyboard.dll (for addr2line), "-" for frames elsewhere.
std::string FaultStackLine()
{
    std::string sLine = "fault-stack";
    const auto base = reinterpret_cast<ULONG_PTR>(g_hModule);
    for (void* p : Faults::FaultStack())
    {
        const auto address = reinterpret_cast<ULONG_PTR>(p);
        sLine += address > base && address - base < 0x1000000 ? " " + Hex(address - base) : " -";
    }
    return sLine;
}

LONG WINAPI OnCrash(EXCEPTION_POINTERS* pInfo)
{
    const auto address = reinterpret_cast<ULONG_PTR>(pInfo->ExceptionRecord->ExceptionAddress);
    HMODULE hModule = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(address), &hModule);
    wchar_t szModule[MAX_PATH] = L"?";
    if (hModule != nullptr)
        GetModuleFileNameW(hModule, szModule, MAX_PATH);
    std::wstring sModule = szModule;
    sModule = sModule.substr(sModule.rfind(L'\\') + 1);
    g_report += "failure: crash: exception " + Hex(pInfo->ExceptionRecord->ExceptionCode) + " in " + Narrow(sModule) +
                "+" + Hex(address - reinterpret_cast<ULONG_PTR>(hModule)) + "\n" + FaultStackLine() + "\n";
    WriteReport();
    TerminateProcess(GetCurrentProcess(), 3);
    return EXCEPTION_EXECUTE_HANDLER;
}

// A run that something ends with exit() before it is done.
bool g_bDone = false;
void OnExit()
{
    if (g_bDone)
        return;
    g_report += "failure: exit() called before the run was done\n";
    WriteReport();
}

// abort() (the C runtime's end for what it cannot go on with) raises no exception.
void OnAbort(int)
{
    g_report += "failure: abort() called\n";
    g_report += FaultStackLine() + "\n";
    WriteReport();
    TerminateProcess(GetCurrentProcess(), 3);
}

// The classes of the windows the stuck thread still shows (read without messages: it answers none).
BOOL CALLBACK DescribeStuckWindow(HWND hwnd, LPARAM lParam)
{
    wchar_t szClass[64] = {};
    GetClassNameW(hwnd, szClass, 64);
    if (IsWindowVisible(hwnd))
        *reinterpret_cast<std::string*>(lParam) += " " + Narrow(szClass);
    return TRUE;
}

DWORD WINAPI Watchdog(void* pSeconds)
{
    Sleep(static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(pSeconds)) * 1000);
    std::string windows;
    EnumThreadWindows(g_dwMainThread, DescribeStuckWindow, reinterpret_cast<LPARAM>(&windows));
    EnterCriticalSection(&g_lock);
    g_report += "failure: hang: still running after " + std::to_string(reinterpret_cast<ULONG_PTR>(pSeconds)) +
                " s; visible windows:" + (windows.empty() ? std::string(" none") : windows) + "\n";
    WriteReport();
    TerminateProcess(GetCurrentProcess(), 4);
    return 0;
}

std::wstring ExecutableFolder()
{
    wchar_t szPath[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, szPath, MAX_PATH);
    const std::wstring sPath = szPath;
    return sPath.substr(0, sPath.rfind(L'\\'));
}

// Options.dat as the keyboard writes it for the hand and skin, the other settings
// at their defaults: through the keyboard's own writer.
FileBytes OptionsBytes(DWORD dwHabit, const std::wstring& sSkin)
{
    struct CSink
    {
        FileBytes bytes;
        bool Write(const void* pBuffer, std::uint32_t cbBytes)
        {
            const auto* p = static_cast<const std::uint8_t*>(pBuffer);
            bytes.insert(bytes.end(), p, p + cbBytes);
            return true;
        }
    } sink;
    wchar_t szSkin[kSkinFileUnits] = {};
    sSkin.copy(szSkin, kSkinFileUnits - 1);
    WriteOptionsTo(sink, dwHabit, szSkin, true, WordSettings());
    return sink.bytes;
}

// A whole settings file: either hand with one of the installed skins. (When the skin list
// cannot be read whole, the options dialog shows the first skin it found, and OK stores it.)
bool IsWholeOptionsFile(const FileBytes& options, const std::wstring& sFolder)
{
    WIN32_FIND_DATAW data{};
    const HANDLE hFind = FindFirstFileW((sFolder + L"\\skins\\*.xml").c_str(), &data);
    bool bWhole = false;
    for (BOOL bMore = hFind != INVALID_HANDLE_VALUE; bMore && !bWhole; bMore = FindNextFileW(hFind, &data))
        bWhole = options == OptionsBytes(0, data.cFileName) || options == OptionsBytes(1, data.cFileName);
    if (hFind != INVALID_HANDLE_VALUE)
        FindClose(hFind);
    return bWhole;
}

std::wstring ReadDefault(const std::wstring& sKey, const wchar_t* pszValue = nullptr)
{
    wchar_t szValue[MAX_PATH * 2] = {};
    DWORD cb = sizeof(szValue) - sizeof(wchar_t);
    if (RegGetValueW(HKEY_CLASSES_ROOT, sKey.c_str(), pszValue, RRF_RT_REG_SZ, nullptr, szValue, &cb) != ERROR_SUCCESS)
        return L"\x1";  // missing
    return szValue;
}

// "complete", "absent", or what a half registration has and lacks.
std::string Registration(const std::wstring& sModule)
{
    wchar_t szClsid[40] = {}, szLibId[40] = {};
    StringFromGUID2(CLSID_Zarn, szClsid, 40);
    StringFromGUID2(LIBID_CORVELLLib, szLibId, 40);
    const std::wstring sClass = std::wstring(L"CLSID\\") + szClsid;
    const struct
    {
        std::wstring sKey;
        const wchar_t* pszValue;
        std::wstring sWanted;
    } entries[] = {
        {L"Keyboard.Zarn.1\\CLSID", nullptr, szClsid},
        {L"Keyboard.Zarn\\CLSID", nullptr, szClsid},
        {L"Keyboard.Zarn\\CurVer", nullptr, L"Keyboard.Zarn.1"},
        {sClass + L"\\ProgID", nullptr, L"Keyboard.Zarn.1"},
        {sClass + L"\\IsSIPInputMethod", nullptr, L"1"},
        {sClass + L"\\InprocServer32", nullptr, sModule},
        {sClass + L"\\InprocServer32", L"ThreadingModel", L"Free"},
        {sClass + L"\\TypeLib", nullptr, szLibId},
    };
    std::string present, missing;
    for (const auto& entry : entries)
    {
        const std::wstring sValue = ReadDefault(entry.sKey, entry.pszValue);
        const bool bHas = lstrcmpiW(sValue.c_str(), entry.sWanted.c_str()) == 0;
        (bHas ? present : missing) += " " + Narrow(entry.sKey);
        if (!bHas && sValue != L"\x1")
            present += "(wrong)";
    }
    if (missing.empty())
        return "complete";
    if (present.empty())
        return "absent";
    return "partial: has" + present + "; lacks" + missing;
}

void CheckRegistration(HMODULE hModule, const std::wstring& sModule)
{
    using Server = HRESULT(WINAPI*)();
    const auto pfnRegister = reinterpret_cast<Server>(reinterpret_cast<void*>(GetProcAddress(hModule, "DllRegisterServer")));
    const auto pfnUnregister = reinterpret_cast<Server>(reinterpret_cast<void*>(GetProcAddress(hModule, "DllUnregisterServer")));
    const HRESULT hrRegister = pfnRegister();
    const std::string sRegistered = Registration(sModule);
    if (SUCCEEDED(hrRegister) ? sRegistered != "complete" : sRegistered != "absent")
        Failure("DllRegisterServer returned " + Hex(static_cast<unsigned long>(hrRegister)) + ", registration " + sRegistered);
    const HRESULT hrUnregister = pfnUnregister();
    const std::string sUnregistered = Registration(sModule);
    if (SUCCEEDED(hrUnregister) ? sUnregistered != "absent" : sUnregistered != "absent" && sUnregistered != "complete")
        Failure("DllUnregisterServer returned " + Hex(static_cast<unsigned long>(hrUnregister)) + ", registration " + sUnregistered);
}

IInputMethod* CreateInputMethod(HMODULE hModule)
{
    using GetClassObject = HRESULT(WINAPI*)(REFCLSID, REFIID, void**);
    const auto pfnGet = reinterpret_cast<GetClassObject>(reinterpret_cast<void*>(GetProcAddress(hModule, "DllGetClassObject")));
    IClassFactory* pFactory = nullptr;
    HRESULT hr = pfnGet(CLSID_Zarn, IID_IClassFactory, reinterpret_cast<void**>(&pFactory));
    IInputMethod* pInputMethod = nullptr;
    if (SUCCEEDED(hr) && pFactory != nullptr)
    {
        hr = pFactory->CreateInstance(nullptr, IID_IInputMethod, reinterpret_cast<void**>(&pInputMethod));
        pFactory->Release();
    }
    if (FAILED(hr) != (pInputMethod == nullptr))
        Failure("creating the input method returned " + Hex(static_cast<unsigned long>(hr)) + " with " +
                (pInputMethod != nullptr ? "an object" : "no object"));
    else if (FAILED(hr))
        Line("note: the input method was not created (" + Hex(static_cast<unsigned long>(hr)) + ")");
    return pInputMethod;
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

void PlaySession(IInputMethod* pInputMethod, const std::wstring& sFolder)
{
    CDevice device;
    if (!device.CreateScreen(GetModuleHandleW(nullptr)))
    {
        Line("error: the device screen cannot be created");
        pInputMethod->Release();
        return;
    }
    ScriptParse parse = ParseScript(kSessionScript);
    CScriptRunner runner(device, std::move(parse.commands), sFolder, std::wstring());
    runner.KeepGoing();
    const HANDLE hReady = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    runner.Start(hReady);
    device.DriveInputMethod(pInputMethod);
    SetEvent(hReady);
    RunMessageLoop();
    runner.Join();
    CloseHandle(hReady);
    for (const std::string& line : runner.Report())
        Line("session " + line);
    for (HWND hwnd : FindDialogs(GetCurrentThreadId()))
        Failure("a dialog is left open: " + Narrow(MessageText(hwnd)));
    const std::string sText = Narrow(device.NotesText());
    Line("notes: " + sText);
    const std::string sWhy = JudgeDelivery(sText, runner.Report());
    if (!sWhy.empty())
        Failure(sWhy);
    device.StopInputMethod();
    for (const std::string& call : device.Manager().Calls())
        Line("call " + call);
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    InitializeCriticalSection(&g_lock);
    g_dwMainThread = GetCurrentThreadId();
    std::string sFail;
    long nFailAt = 0;
    ULONG_PTR nTimeout = 120;
    for (int i = 1; i + 1 < argc; i += 2)
    {
        const std::wstring option = argv[i];
        const std::string value = Narrow(argv[i + 1]);
        if (option == L"--report")
            g_sReport = argv[i + 1];
        else if (option == L"--fail" && value.find(':') != std::string::npos)
        {
            sFail = value.substr(0, value.find(':'));
            nFailAt = std::stol(value.substr(value.find(':') + 1));
        }
        else if (option == L"--timeout")
            nTimeout = std::stoul(value);
    }
    if (g_sReport.empty())
    {
        std::fprintf(stderr, "usage: brevanto_faults.exe --report FILE [--fail NAME:K] [--timeout SECONDS]\n");
        return 2;
    }
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    SetUnhandledExceptionFilter(OnCrash);
    std::signal(SIGABRT, OnAbort);
    std::atexit(OnExit);
    CloseHandle(CreateThread(nullptr, 0, Watchdog, reinterpret_cast<void*>(nTimeout), 0, nullptr));

    // Every run starts from the same settings: the left hand and Silver.
    const std::wstring sFolder = ExecutableFolder();
    const std::wstring sOptions = sFolder + L"\\Options.dat";
    const FileBytes oldOptions = OptionsBytes(1, L"Silver.xml"), newOptions = OptionsBytes(0, L"Midnight.xml");
    WriteFileBytes(sOptions, oldOptions);
    DeleteFileW((sFolder + L"\\brevanto_faults_log.txt").c_str());

    // Like the SIP manager: the input method lives in the multithreaded apartment.
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    const std::wstring sModule = sFolder + L"\\Keyboard.dll";
    HMODULE hModule = LoadLibraryW(sModule.c_str());
    g_hModule = hModule;
    if (hModule == nullptr || !Faults::Install(hModule, sFail, nFailAt))
    {
        Line("error: Keyboard.dll cannot be loaded, or " + sFail + " is not a function the sweep knows");
        WriteReport();
        return 2;
    }

    CheckRegistration(hModule, sModule);
    if (IInputMethod* pInputMethod = CreateInputMethod(hModule))
        PlaySession(pInputMethod, sFolder);

    using CanUnloadNow = HRESULT(WINAPI*)();
    const HRESULT hrUnload =
        reinterpret_cast<CanUnloadNow>(reinterpret_cast<void*>(GetProcAddress(hModule, "DllCanUnloadNow")))();
    if (hrUnload != S_OK)
        Failure("DllCanUnloadNow returned " + Hex(static_cast<unsigned long>(hrUnload)) + " after the last Release");
    FreeLibrary(hModule);
    if (GetModuleHandleW(sModule.c_str()) != nullptr)
        Failure("Keyboard.dll is still loaded after FreeLibrary");
    for (const std::string& sHandle : Faults::LiveHandles())
        Failure("left behind after Release and unloading: " + sHandle);

    // Without a fault, the session's choices; with one, still a whole file.
    const FileBytes options = ReadFileBytes(sOptions);
    if (!Faults::Injected() && options != newOptions)
        Failure("Options.dat does not hold the hand and skin chosen");
    else if (!IsWholeOptionsFile(options, sFolder))
    {
        std::string sBytes;
        for (std::uint8_t b : options)
            sBytes += Hex(b).substr(2) + " ";
        Failure("Options.dat is torn: " + (sBytes.empty() ? "(missing or empty)" : sBytes));
    }
    for (const Faults::CallCount& count : Faults::Counts())
        Line((count.bFallible ? "count " : "count-only ") + count.sFunction + " " + std::to_string(count.nCalls));
    Line(std::string("injected ") + (Faults::Injected() ? "yes" : "no"));
    Line(FaultStackLine());
    Line("done");
    g_bDone = true;
    WriteReport();
    CoUninitialize();
    // The watchdog still waits: end here.
    TerminateProcess(GetCurrentProcess(), 0);
    return 0;
}
