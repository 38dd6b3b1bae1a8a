#pragma once
#include <windows.h>
#include <commctrl.h>

#include "Corvell.h"
#include "platform/SipInterfaces.h"

class SipPanel;

// Set until the first Select of the process has created the shared fonts.
extern BOOL g_bFirstSelect;

// The input method the SIP manager drives: a thin object that owns the SIP
// panel, places the SIP window, reports its icons and hands the callback on.
// It can be aggregated; its IUnknown methods then delegate to the outer object.
class Zarn : public IZarn, public IInputMethod
{
public:
    // Creates an object, aggregated when pOuter is set (riid must then be IUnknown).
    static HRESULT CreateInstance(IUnknown* pOuter, REFIID riid, void** ppv);

    // IUnknown, delegating to the controlling unknown.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IDispatch, served from the embedded type library.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* pctinfo) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid,
                                            DISPID* rgDispId) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,
                                     DISPPARAMS* pDispParams, VARIANT* pVarResult,
                                     EXCEPINFO* pExcepInfo, UINT* puArgErr) override;

    // IInputMethod.
    HRESULT STDMETHODCALLTYPE Select(HWND hwndSip) override;
    HRESULT STDMETHODCALLTYPE Deselect() override;
    HRESULT STDMETHODCALLTYPE Showing() override;
    HRESULT STDMETHODCALLTYPE Hiding() override;
    HRESULT STDMETHODCALLTYPE GetInfo(IMINFO* pimi) override;
    HRESULT STDMETHODCALLTYPE ReceiveSipInfo(SIPINFO* psi) override;
    HRESULT STDMETHODCALLTYPE RegisterCallback(IIMCallback* pIMCallback) override;
    HRESULT STDMETHODCALLTYPE GetImData(DWORD dwSize, void* pvImData) override;
    HRESULT STDMETHODCALLTYPE SetImData(DWORD dwSize, void* pvImData) override;
    HRESULT STDMETHODCALLTYPE UserOptionsDlg(HWND hwndParent) override;

    // The panel behind the bar, null after Deselect.
    SipPanel* GetSipPanel() const { return m_pSipPanel; }

private:
    // The object's own IUnknown, which the outer object holds when aggregated.
    class CInnerUnknown : public IUnknown
    {
    public:
        explicit CInnerUnknown(Zarn* pOwner) : m_pOwner(pOwner) {}
        HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
        ULONG STDMETHODCALLTYPE AddRef() override;
        ULONG STDMETHODCALLTYPE Release() override;

    private:
        Zarn* m_pOwner;
    };

    explicit Zarn(IUnknown* pOuter);
    virtual ~Zarn();
    Zarn(const Zarn&) = delete;
    Zarn& operator=(const Zarn&) = delete;

    void CreateSharedFonts();

    LONG m_cRef;
    CRITICAL_SECTION m_csLock;
    BOOL m_bShowing;
    HWND m_hwndSip;
    RECT m_rcVisibleDesktop;
    HIMAGELIST m_himlSmall;
    HIMAGELIST m_himlLarge;
    SipPanel* m_pSipPanel;
    IIMCallback* m_pCallback;

    CInnerUnknown m_innerUnknown;
    IUnknown* m_pControllingUnknown;
};
