#pragma once
#include <windows.h>
#include <oleauto.h>

#include <utility>

// Small owners for GDI and window-manager handles: each frees its handle the way
// it was obtained. Copying is forbidden; moving hands the handle on.

template <typename THandle, typename TTraits>
class CUniqueHandle
{
public:
    CUniqueHandle() = default;
    explicit CUniqueHandle(THandle h) : m_h(h) {}
    ~CUniqueHandle() { Reset(); }
    CUniqueHandle(const CUniqueHandle&) = delete;
    CUniqueHandle& operator=(const CUniqueHandle&) = delete;
    CUniqueHandle(CUniqueHandle&& other) noexcept : m_h(other.Release()) {}
    CUniqueHandle& operator=(CUniqueHandle&& other) noexcept
    {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }

    THandle Get() const { return m_h; }
    explicit operator bool() const { return m_h != nullptr; }
    THandle Release() { return std::exchange(m_h, nullptr); }
    void Reset(THandle h = nullptr)
    {
        if (m_h != nullptr)
            TTraits::Close(m_h);
        m_h = h;
    }

private:
    THandle m_h = nullptr;
};

struct CGdiObjectTraits { static void Close(HGDIOBJ h) { DeleteObject(h); } };
struct CMemoryDcTraits { static void Close(HDC h) { DeleteDC(h); } };

using CUniqueBitmap = CUniqueHandle<HBITMAP, CGdiObjectTraits>;
using CUniqueFont = CUniqueHandle<HFONT, CGdiObjectTraits>;
using CUniqueBrush = CUniqueHandle<HBRUSH, CGdiObjectTraits>;
using CUniquePen = CUniqueHandle<HPEN, CGdiObjectTraits>;
using CUniqueRegion = CUniqueHandle<HRGN, CGdiObjectTraits>;
// A DC from CreateCompatibleDC or CreateDC.
using CMemoryDc = CUniqueHandle<HDC, CMemoryDcTraits>;

// A window's DC from GetDC, given back with ReleaseDC.
class CWindowDc
{
public:
    explicit CWindowDc(HWND hwnd) : m_hwnd(hwnd), m_hdc(GetDC(hwnd)) {}
    ~CWindowDc()
    {
        if (m_hdc != nullptr)
            ReleaseDC(m_hwnd, m_hdc);
    }
    CWindowDc(const CWindowDc&) = delete;
    CWindowDc& operator=(const CWindowDc&) = delete;

    HDC Get() const { return m_hdc; }
    explicit operator bool() const { return m_hdc != nullptr; }

private:
    HWND m_hwnd;
    HDC m_hdc;
};

// The DC of a WM_PAINT, from BeginPaint, ended with EndPaint.
class CPaintDc
{
public:
    explicit CPaintDc(HWND hwnd) : m_hwnd(hwnd) { m_hdc = BeginPaint(hwnd, &m_ps); }
    ~CPaintDc() { EndPaint(m_hwnd, &m_ps); }
    CPaintDc(const CPaintDc&) = delete;
    CPaintDc& operator=(const CPaintDc&) = delete;

    HDC Get() const { return m_hdc; }
    const PAINTSTRUCT& Info() const { return m_ps; }

private:
    HWND m_hwnd;
    HDC m_hdc = nullptr;
    PAINTSTRUCT m_ps{};
};

// Selects an object into a DC and selects the previous one back on scope exit.
class CSelectObject
{
public:
    CSelectObject(HDC hdc, HGDIOBJ hObject)
        : m_hdc(hdc), m_hOld(hObject != nullptr ? SelectObject(hdc, hObject) : nullptr) {}
    ~CSelectObject()
    {
        if (m_hOld != nullptr && m_hOld != HGDI_ERROR)
            SelectObject(m_hdc, m_hOld);
    }
    CSelectObject(const CSelectObject&) = delete;
    CSelectObject& operator=(const CSelectObject&) = delete;

    // False when the selection failed (a null or invalid object).
    bool Succeeded() const { return m_hOld != nullptr && m_hOld != HGDI_ERROR; }

private:
    HDC m_hdc;
    HGDIOBJ m_hOld;
};

// A BSTR owned by the holder, freed with SysFreeString.
class CBstr
{
public:
    CBstr() = default;
    explicit CBstr(LPCWSTR psz) : m_bstr(SysAllocString(psz)) {}
    ~CBstr() { SysFreeString(m_bstr); }
    CBstr(const CBstr&) = delete;
    CBstr& operator=(const CBstr&) = delete;

    BSTR Get() const { return m_bstr; }
    BSTR* Put()
    {
        SysFreeString(std::exchange(m_bstr, nullptr));
        return &m_bstr;
    }
    UINT Length() const { return SysStringLen(m_bstr); }

private:
    BSTR m_bstr = nullptr;
};
