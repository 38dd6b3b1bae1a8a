#include "FaultInjector.h"
#include "ImportRedirect.h"
#include "ModuleSymbols.h"

#include <commctrl.h>
#include <oleauto.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>
#include <tuple>
#include <utility>
#include <vector>

namespace
{

// What the module holds, by kind; each handle with the function that made it.
enum Kind
{
    kGdiObject,
    kDc,
    kWindow,
    kTimer,
    kMenu,
    kImageList,
    kHook,
    kFile,
    kSearch,
    kRegKey,
    kMemory,
    kKindCount
};
const char* const g_apszKinds[kKindCount] = {"GDI object", "DC", "window", "timer", "menu",
                                             "image list", "hook", "file", "search", "registry key", "memory block"};

struct Held
{
    HWND hwnd;  // timers: their window
    int nMadeBy;
    ULONG_PTR auWhere[3];  // the innermost return addresses inside the module, as offsets into it
};
std::map<ULONG_PTR, Held> g_held[kKindCount];
std::mutex g_heldLock;  // any of the module's threads may allocate

struct Entry
{
    const char* pszName;
    void* pWrapper;
    void** ppReal;
    long nCalls;
};
Entry* g_pEntries = nullptr;
ULONG_PTR g_uModuleBase = 0;  // where the module lies, for telling where it made a handle
ULONG_PTR g_uModuleSize = 0;
CModuleSymbols g_symbols;
int g_nFail = -1;
long g_nFailAt = 0;
bool g_bInjected = false;
void* g_apFaultStack[16] = {};  // the stack of the failed call
USHORT g_nFaultFrames = 0;

void NoteFaultStack()
{
    g_nFaultFrames = RtlCaptureStackBackTrace(1, 16, g_apFaultStack, nullptr);
}

template <int N>
void* g_pfnReal = nullptr;

template <typename T>
ULONG_PTR Key(T value)
{
    return (ULONG_PTR)(value);
}

// Counts the call; true when it is the one to fail.
bool Reached(int n)
{
    const long nCall = ++g_pEntries[n].nCalls;
    if (n != g_nFail || nCall != g_nFailAt)
        return false;
    g_bInjected = true;
    return true;
}

void Remember(Kind kind, ULONG_PTR h, int nMadeBy, HWND hwnd = nullptr)
{
    Held held{hwnd, nMadeBy, {}};
    void* apStack[16];
    const USHORT nFrames = RtlCaptureStackBackTrace(1, 16, apStack, nullptr);
    for (USHORT i = 0, nKept = 0; i < nFrames && nKept < std::size(held.auWhere); ++i)
    {
        const ULONG_PTR uOffset = reinterpret_cast<ULONG_PTR>(apStack[i]) - g_uModuleBase;
        if (uOffset < g_uModuleSize)
            held.auWhere[nKept++] = uOffset;
    }
    const std::lock_guard<std::mutex> lock(g_heldLock);
    g_held[kind][h] = held;
}

void Forget(Kind kind, ULONG_PTR h)
{
    const std::lock_guard<std::mutex> lock(g_heldLock);
    g_held[kind].erase(h);
}

void* Allocated(void* p, int nMadeBy)
{
    if (p != nullptr)
        Remember(kMemory, Key(p), nMadeBy);
    return p;
}

// Policies: how a call fails, and what a call that went through changes in g_held.

// A call that makes nothing the module must give back: nothing to track.
struct TracksNothing
{
    template <int N, typename R, typename... A>
    static void Track(R, A...)
    {
    }
};

// Plain: fails with zero (a null handle, FALSE, 0) and ERROR_NOT_ENOUGH_MEMORY.
struct Plain : TracksNothing
{
    template <typename R, typename... A>
    static R Fail(A...)
    {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return R{};
    }
};

// A creator of kind K whose result is the handle; Invalid is its failure value.
template <Kind K, LONG_PTR Invalid = 0>
struct Makes
{
    template <typename R, typename... A>
    static R Fail(A...)
    {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return (R)(Invalid);
    }
    template <int N, typename R, typename... A>
    static void Track(R result, A...)
    {
        if (Key(result) != static_cast<ULONG_PTR>(Invalid))
            Remember(K, Key(result), N);
    }
};

// A destroyer of kind K given the handle as argument I; it is never made to fail (a
// handle the system would not take back is no fault of the module's).
template <Kind K, int I = 0>
struct Frees
{
    template <typename R, typename... A>
    static R Fail(A... a);  // not used: Never
    template <int N, typename R, typename... A>
    static void Track(R result, A... a)
    {
        if (result)
            Forget(K, Key(std::get<I>(std::make_tuple(a...))));
    }
    static constexpr bool bNever = true;
};

// A dialog that cannot be made: -1.
struct MinusOne : TracksNothing
{
    template <typename R, typename... A>
    static R Fail(A...)
    {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return static_cast<R>(-1);
    }
};

// COM and OLE calls: E_OUTOFMEMORY.
struct OutOfMemory : TracksNothing
{
    template <typename R, typename... A>
    static R Fail(A...)
    {
        return E_OUTOFMEMORY;
    }
};

// Registry calls return their status.
struct RegStatus : TracksNothing
{
    template <typename R, typename... A>
    static R Fail(A...)
    {
        return ERROR_OUTOFMEMORY;
    }
};

// The C runtime's allocators: null with errno ENOMEM.
struct NoMemory : TracksNothing
{
    template <typename R, typename... A>
    static R Fail(A...)
    {
        errno = ENOMEM;
        return nullptr;
    }
};

template <typename P, typename = void>
struct NeverFails : std::false_type
{
};
template <typename P>
struct NeverFails<P, std::void_t<decltype(P::bNever)>> : std::true_type
{
};

template <int N, typename P, typename R, typename... A>
R WINAPI Hooked(A... a)
{
    if constexpr (NeverFails<P>::value)
        ++g_pEntries[N].nCalls;
    else if (Reached(N))
    {
        NoteFaultStack();
        return P::template Fail<R>(a...);
    }
    const R result = reinterpret_cast<R(WINAPI*)(A...)>(g_pfnReal<N>)(a...);
    P::template Track<N>(result, a...);
    return result;
}

// Calls whose failure or whose handle needs more than a policy.
template <int N>
BOOL WINAPI HookedReadFile(HANDLE hFile, LPVOID pBuffer, DWORD cbRead, LPDWORD pcbRead, LPOVERLAPPED pOverlapped)
{
    if (Reached(N))
    {
        if (pcbRead != nullptr)
            *pcbRead = 0;
        SetLastError(ERROR_READ_FAULT);
        return FALSE;
    }
    return reinterpret_cast<decltype(&ReadFile)>(g_pfnReal<N>)(hFile, pBuffer, cbRead, pcbRead, pOverlapped);
}

// A full store: half of what was asked is written, then the write fails.
template <int N>
BOOL WINAPI HookedWriteFile(HANDLE hFile, LPCVOID pBuffer, DWORD cbWrite, LPDWORD pcbWritten, LPOVERLAPPED pOverlapped)
{
    const auto pfnReal = reinterpret_cast<decltype(&WriteFile)>(g_pfnReal<N>);
    if (Reached(N))
    {
        DWORD cbDone = 0;
        if (cbWrite / 2 > 0)
            pfnReal(hFile, pBuffer, cbWrite / 2, &cbDone, pOverlapped);
        if (pcbWritten != nullptr)
            *pcbWritten = cbDone;
        SetLastError(ERROR_DISK_FULL);
        return FALSE;
    }
    return pfnReal(hFile, pBuffer, cbWrite, pcbWritten, pOverlapped);
}

template <int N>
UINT_PTR WINAPI HookedSetTimer(HWND hwnd, UINT_PTR nId, UINT uElapse, TIMERPROC pfnTimer)
{
    if (Reached(N))
    {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return 0;
    }
    const UINT_PTR nResult = reinterpret_cast<decltype(&SetTimer)>(g_pfnReal<N>)(hwnd, nId, uElapse, pfnTimer);
    if (nResult != 0)
        Remember(kTimer, Key(hwnd) * 65536 + (hwnd != nullptr ? nId : nResult), N, hwnd);
    return nResult;
}

template <int N>
BOOL WINAPI HookedKillTimer(HWND hwnd, UINT_PTR nId)
{
    ++g_pEntries[N].nCalls;
    const BOOL bResult = reinterpret_cast<decltype(&KillTimer)>(g_pfnReal<N>)(hwnd, nId);
    if (bResult)
        Forget(kTimer, Key(hwnd) * 65536 + nId);
    return bResult;
}

template <int N>
LSTATUS WINAPI HookedRegCreateKeyExW(HKEY hKey, LPCWSTR pszSubKey, DWORD dwReserved, LPWSTR pszClass, DWORD dwOptions,
                                     REGSAM samDesired, const LPSECURITY_ATTRIBUTES pSecurity, PHKEY phkResult,
                                     LPDWORD pdwDisposition)
{
    if (Reached(N))
        return ERROR_OUTOFMEMORY;
    const LSTATUS status = reinterpret_cast<decltype(&RegCreateKeyExW)>(g_pfnReal<N>)(
        hKey, pszSubKey, dwReserved, pszClass, dwOptions, samDesired, pSecurity, phkResult, pdwDisposition);
    if (status == ERROR_SUCCESS && phkResult != nullptr)
        Remember(kRegKey, Key(*phkResult), N);
    return status;
}

template <int N>
LSTATUS WINAPI HookedRegOpenKeyExW(HKEY hKey, LPCWSTR pszSubKey, DWORD dwOptions, REGSAM samDesired, PHKEY phkResult)
{
    if (Reached(N))
        return ERROR_OUTOFMEMORY;
    const LSTATUS status =
        reinterpret_cast<decltype(&RegOpenKeyExW)>(g_pfnReal<N>)(hKey, pszSubKey, dwOptions, samDesired, phkResult);
    if (status == ERROR_SUCCESS && phkResult != nullptr)
        Remember(kRegKey, Key(*phkResult), N);
    return status;
}

template <int N>
LSTATUS WINAPI HookedRegCloseKey(HKEY hKey)
{
    ++g_pEntries[N].nCalls;
    const LSTATUS status = reinterpret_cast<decltype(&RegCloseKey)>(g_pfnReal<N>)(hKey);
    if (status == ERROR_SUCCESS)
        Forget(kRegKey, Key(hKey));
    return status;
}

// A window DC is given back with ReleaseDC(hwnd, hdc).
template <int N>
int WINAPI HookedReleaseDC(HWND hwnd, HDC hdc)
{
    ++g_pEntries[N].nCalls;
    const int nResult = reinterpret_cast<decltype(&ReleaseDC)>(g_pfnReal<N>)(hwnd, hdc);
    if (nResult != 0)
        Forget(kDc, Key(hdc));
    return nResult;
}

// CloseHandle and FindClose close what CreateFileW and FindFirstFileW opened.
template <int N>
BOOL WINAPI HookedCloseHandle(HANDLE h)
{
    ++g_pEntries[N].nCalls;
    const BOOL bResult = reinterpret_cast<decltype(&CloseHandle)>(g_pfnReal<N>)(h);
    if (bResult)
        Forget(kFile, Key(h));
    return bResult;
}

template <int N>
void* __cdecl HookedMalloc(size_t cb)
{
    if (Reached(N))
    {
        NoteFaultStack();
        errno = ENOMEM;
        return nullptr;
    }
    return Allocated(reinterpret_cast<void*(__cdecl*)(size_t)>(g_pfnReal<N>)(cb), N);
}

template <int N>
void* __cdecl HookedCalloc(size_t n, size_t cb)
{
    if (Reached(N))
    {
        NoteFaultStack();
        errno = ENOMEM;
        return nullptr;
    }
    return Allocated(reinterpret_cast<void*(__cdecl*)(size_t, size_t)>(g_pfnReal<N>)(n, cb), N);
}

template <int N>
void* __cdecl HookedRealloc(void* p, size_t cb)
{
    if (Reached(N))
    {
        NoteFaultStack();
        errno = ENOMEM;
        return nullptr;
    }
    void* pMoved = reinterpret_cast<void*(__cdecl*)(void*, size_t)>(g_pfnReal<N>)(p, cb);
    // A block that moved, or that a zero size freed, is no longer the module's at its old place.
    if (p != nullptr && (pMoved != nullptr || cb == 0))
        Forget(kMemory, Key(p));
    return Allocated(pMoved, N);
}

template <int N>
void __cdecl HookedFree(void* p)
{
    ++g_pEntries[N].nCalls;
    if (p != nullptr)
        Forget(kMemory, Key(p));
    reinterpret_cast<void(__cdecl*)(void*)>(g_pfnReal<N>)(p);
}

Entry* FindEntry(const char* pszName);

// Functions the module looks up by name come back as their wrappers too.
template <int N>
FARPROC WINAPI HookedGetProcAddress(HMODULE hModule, LPCSTR pszName)
{
    if (Reached(N))
    {
        SetLastError(ERROR_PROC_NOT_FOUND);
        return nullptr;
    }
    const FARPROC pfn = reinterpret_cast<decltype(&GetProcAddress)>(g_pfnReal<N>)(hModule, pszName);
    Entry* pEntry = IS_INTRESOURCE(pszName) || pfn == nullptr ? nullptr : FindEntry(pszName);
    if (pEntry == nullptr)
        return pfn;
    if (*pEntry->ppReal == nullptr)
        *pEntry->ppReal = reinterpret_cast<void*>(pfn);
    return reinterpret_cast<FARPROC>(pEntry->pWrapper);
}

template <int N, typename P, typename R, typename... A>
Entry Redirect(const char* pszName, R(WINAPI*)(A...))
{
    return {pszName, reinterpret_cast<void*>(&Hooked<N, P, R, A...>), &g_pfnReal<N>, 0};
}

template <int N, typename F>
Entry Special(const char* pszName, F pfnWrapper)
{
    return {pszName, reinterpret_cast<void*>(pfnWrapper), &g_pfnReal<N>, 0};
}

// The functions whose calls are counted; the creators, the fallible calls and the
// allocators can be made to fail, the destroyers only forget what they give back.
Entry g_entries[] = {
    // GDI
    Redirect<0, Makes<kDc>>("CreateCompatibleDC", &CreateCompatibleDC),
    Redirect<1, Makes<kGdiObject>>("CreateCompatibleBitmap", &CreateCompatibleBitmap),
    Redirect<2, Makes<kGdiObject>>("CreateDIBSection", &CreateDIBSection),
    Redirect<3, Makes<kGdiObject>>("CreateFontIndirectW", &CreateFontIndirectW),
    Redirect<4, Makes<kGdiObject>>("CreatePen", &CreatePen),
    Redirect<5, Makes<kGdiObject>>("CreateSolidBrush", &CreateSolidBrush),
    Redirect<6, Makes<kGdiObject>>("LoadBitmapW", &LoadBitmapW),
    Redirect<7, Makes<kDc>>("GetDC", &GetDC),
    Redirect<8, Plain>("SelectObject", &SelectObject),
    Redirect<9, Plain>("BitBlt", &BitBlt),
    Redirect<10, Plain>("TransparentBlt", &TransparentBlt),
    Redirect<11, Plain>("DrawTextW", &DrawTextW),
    Redirect<12, Frees<kGdiObject>>("DeleteObject", &DeleteObject),
    Redirect<13, Frees<kDc>>("DeleteDC", &DeleteDC),
    Special<14>("ReleaseDC", &HookedReleaseDC<14>),
    // Windows, dialogs, timers, menus, image lists, hooks
    Redirect<15, Makes<kWindow>>("CreateWindowExW", &CreateWindowExW),
    Redirect<16, Frees<kWindow>>("DestroyWindow", &DestroyWindow),
    Redirect<17, Plain>("RegisterClassW", &RegisterClassW),
    Redirect<18, MinusOne>("DialogBoxIndirectParamW", &DialogBoxIndirectParamW),
    Special<19>("SetTimer", &HookedSetTimer<19>),
    Special<20>("KillTimer", &HookedKillTimer<20>),
    Redirect<21, Makes<kMenu>>("LoadMenuW", &LoadMenuW),
    Redirect<22, Frees<kMenu>>("DestroyMenu", &DestroyMenu),
    Redirect<23, Makes<kImageList>>("ImageList_LoadImageW", &ImageList_LoadImageW),
    Redirect<24, Frees<kImageList>>("ImageList_Destroy", &ImageList_Destroy),
    Redirect<25, Makes<kHook>>("SetWindowsHookExW", &SetWindowsHookExW),
    Redirect<26, Frees<kHook>>("UnhookWindowsHookEx", &UnhookWindowsHookEx),
    // Files
    Redirect<27, Makes<kFile, -1>>("CreateFileW", &CreateFileW),
    Special<28>("ReadFile", &HookedReadFile<28>),
    Special<29>("WriteFile", &HookedWriteFile<29>),
    Special<30>("CloseHandle", &HookedCloseHandle<30>),
    Redirect<31, Makes<kSearch, -1>>("FindFirstFileW", &FindFirstFileW),
    Redirect<32, Plain>("FindNextFileW", &FindNextFileW),
    Redirect<33, Frees<kSearch>>("FindClose", &FindClose),
    Redirect<34, Plain>("GetFileTime", &GetFileTime),
    Redirect<35, Plain>("GetFileSizeEx", &GetFileSizeEx),
    Redirect<36, Plain>("FlushFileBuffers", &FlushFileBuffers),
    // Registry
    Special<37>("RegCreateKeyExW", &HookedRegCreateKeyExW<37>),
    Redirect<38, RegStatus>("RegSetValueExW", &RegSetValueExW),
    Redirect<39, RegStatus>("RegDeleteKeyW", &RegDeleteKeyW),
    Special<40>("RegCloseKey", &HookedRegCloseKey<40>),
    // COM and OLE automation
    Redirect<41, OutOfMemory>("CoCreateInstance", &CoCreateInstance),
    Redirect<42, Plain>("SysAllocString", &SysAllocString),
    Redirect<43, OutOfMemory>("LoadTypeLib", &LoadTypeLib),
    Redirect<44, OutOfMemory>("RegisterTypeLib", &RegisterTypeLib),
    // The C runtime's allocators, behind operator new too
    Special<45>("malloc", &HookedMalloc<45>),
    Special<46>("calloc", &HookedCalloc<46>),
    Special<47>("realloc", &HookedRealloc<47>),
    Special<48>("GetProcAddress", &HookedGetProcAddress<48>),
    Redirect<49, Plain>("MoveFileW", &MoveFileW),
    Redirect<50, Plain>("DeleteFileW", &DeleteFileW),
    Special<51>("free", &HookedFree<51>),
    Redirect<52, Makes<kGdiObject>>("CreateBitmap", &CreateBitmap),
    Redirect<53, Makes<kGdiObject>>("CreateFontW", &CreateFontW),
    Redirect<54, Makes<kGdiObject>>("CreateRectRgn", &CreateRectRgn),
    Redirect<55, Makes<kDc>>("GetWindowDC", &GetWindowDC),
    Special<56>("RegOpenKeyExW", &HookedRegOpenKeyExW<56>),
    Redirect<57, RegStatus>("RegEnumKeyExW", &RegEnumKeyExW),
    Redirect<58, Plain>("SetFileTime", &SetFileTime),
};

Entry* FindEntry(const char* pszName)
{
    for (Entry& entry : g_entries)
        if (std::strcmp(entry.pszName, pszName) == 0)
            return &entry;
    return nullptr;
}

bool IsMemoryOrLookup(const Entry& entry)
{
    for (const char* pszName : {"malloc", "calloc", "realloc", "free", "GetProcAddress"})
        if (std::strcmp(pszName, entry.pszName) == 0)
            return true;
    return false;
}

int PatchImports(HMODULE hModule, bool bHandlesOnly)
{
    std::vector<ImportRedirect> redirects;
    for (const Entry& entry : g_entries)
        if (!bHandlesOnly || !IsMemoryOrLookup(entry))
            redirects.push_back({entry.pszName, entry.pWrapper, entry.ppReal});
    return RedirectImports(hModule, redirects.data(), redirects.size());
}

void NoteModule(HMODULE hModule)
{
    g_pEntries = g_entries;
    g_uModuleBase = reinterpret_cast<ULONG_PTR>(hModule);
    const auto* pDos = reinterpret_cast<const IMAGE_DOS_HEADER*>(hModule);
    g_uModuleSize = reinterpret_cast<const IMAGE_NT_HEADERS*>(g_uModuleBase + pDos->e_lfanew)->OptionalHeader.SizeOfImage;
}

// What the threads library and the emulated thread-locals keep for a thread from its first
// exception or lock on (the C runtime's, not the module's): given back when the thread ends.
bool IsThreadStorage(const Held& held)
{
    for (ULONG_PTR uOffset : held.auWhere)
    {
        const std::string name = g_symbols.FunctionAt(uOffset);
        if (name.find("pthread") != std::string::npos || name.find("emutls") != std::string::npos)
            return true;
    }
    return false;
}

// The functions that give handles back are never made to fail.
bool Fallible(const Entry& entry)
{
    static const char* const s_apszGivers[] = {"DeleteObject", "DeleteDC", "ReleaseDC", "DestroyWindow",
                                               "KillTimer", "DestroyMenu", "ImageList_Destroy",
                                               "UnhookWindowsHookEx", "CloseHandle", "FindClose", "RegCloseKey", "free"};
    for (const char* pszName : s_apszGivers)
        if (std::strcmp(pszName, entry.pszName) == 0)
            return false;
    return true;
}

}  // namespace

namespace Faults
{

bool Install(HMODULE hModule, const std::string& sFail, long nFailAt)
{
    NoteModule(hModule);
    WCHAR szPath[MAX_PATH];
    if (GetModuleFileNameW(hModule, szPath, MAX_PATH) > 0)
        g_symbols.Read(szPath);
    g_nFail = -1;
    for (int i = 0; i < static_cast<int>(std::size(g_entries)); ++i)
        if (sFail == g_entries[i].pszName)
            g_nFail = i;
    if (!sFail.empty() && g_nFail < 0)
        return false;
    g_nFailAt = nFailAt;
    return PatchImports(hModule, false) > 0;
}

bool CountHandles(HMODULE hModule)
{
    static const bool s_bPatched = [hModule] {
        NoteModule(hModule);
        return PatchImports(hModule, true) > 0;
    }();
    return s_bPatched;
}

std::vector<void*> HeldGdiObjects()
{
    const std::lock_guard<std::mutex> lock(g_heldLock);
    std::vector<void*> held;
    for (Kind kind : {kGdiObject, kDc})
        for (const auto& entry : g_held[kind])
            held.push_back(reinterpret_cast<void*>(entry.first));
    return held;
}

long HeldMenus()
{
    const std::lock_guard<std::mutex> lock(g_heldLock);
    return static_cast<long>(g_held[kMenu].size());
}

std::vector<CallCount> Counts()
{
    std::vector<CallCount> counts;
    for (const Entry& entry : g_entries)
        if (*entry.ppReal != nullptr)
            counts.push_back({entry.pszName, entry.nCalls, Fallible(entry)});
    return counts;
}

bool Injected()
{
    return g_bInjected;
}

std::vector<void*> FaultStack()
{
    return std::vector<void*>(g_apFaultStack, g_apFaultStack + g_nFaultFrames);
}

std::vector<std::string> LiveHandles()
{
    std::vector<std::string> lines;
    for (int kind = 0; kind < kKindCount; ++kind)
    {
        for (const auto& [h, held] : g_held[kind])
        {
            // A window, and a window's timer, end with the window.
            if (kind == kWindow && !IsWindow(reinterpret_cast<HWND>(h)))
                continue;
            if (kind == kTimer && held.hwnd != nullptr && !IsWindow(held.hwnd))
                continue;
            if (kind == kMemory && IsThreadStorage(held))
                continue;
            char sz[96];
            std::snprintf(sz, sizeof sz, "%s 0x%llx made by %s, from", g_apszKinds[kind],
                          static_cast<unsigned long long>(h), g_entries[held.nMadeBy].pszName);
            std::string sLine = sz;
            // Offsets into the module, innermost first, for addr2line.
            for (ULONG_PTR uOffset : held.auWhere)
                if (uOffset != 0)
                    sLine += " +" + std::to_string(uOffset) + " " + g_symbols.FunctionAt(uOffset);
            lines.push_back(sLine);
        }
    }
    return lines;
}

}  // namespace Faults
