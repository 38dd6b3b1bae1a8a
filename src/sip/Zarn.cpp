#include "sip/Zarn.h"

#include "platform/ImageList.h"
#include "resources/resource.h"
#include "sip/ServerModule.h"
#include "sip/SipPanel.h"
#include "support/ModuleInstance.h"

#include <new>

namespace
{

constexpr COLORREF kIconMaskColour = RGB(0xFF, 0x00, 0xFF);

} // namespace

HRESULT Zarn::CreateInstance(IUnknown* pOuter, REFIID riid, void** ppv)
{
    if (ppv == nullptr)
        return E_POINTER;
    *ppv = nullptr;
    // An aggregating object must ask for the inner IUnknown, the only
    // interface that does not delegate back to it.
    if (pOuter != nullptr && !IsEqualIID(riid, IID_IUnknown))
        return CLASS_E_NOAGGREGATION;

    Zarn* pZarn = new (std::nothrow) Zarn(pOuter);
    if (pZarn == nullptr)
        return E_OUTOFMEMORY;
    // Hold the object across the query, so that a failed query destroys it.
    pZarn->m_innerUnknown.AddRef();
    const HRESULT hr = pZarn->m_innerUnknown.QueryInterface(riid, ppv);
    pZarn->m_innerUnknown.Release();
    return hr;
}

Zarn::Zarn(IUnknown* pOuter)
    : m_cRef(0), m_csLock{}, m_bShowing(FALSE), m_hwndSip(nullptr), m_rcVisibleDesktop{0, 0, 0, 0},
      m_himlSmall(nullptr), m_himlLarge(nullptr), m_pSipPanel(nullptr), m_pCallback(nullptr),
      m_innerUnknown(this), m_pControllingUnknown(pOuter != nullptr ? pOuter : &m_innerUnknown)
{
    ModuleObjectCreated();
    InitializeCriticalSection(&m_csLock);
    m_pSipPanel = new (std::nothrow) SipPanel(g_hInstance);
    m_himlSmall = ImageList_LoadImage(g_hInstance, MAKEINTRESOURCEW(IDB_ICONS_SMALL), 16, 0,
                                       kIconMaskColour, IMAGE_BITMAP, 0);
    m_himlLarge = ImageList_LoadImage(g_hInstance, MAKEINTRESOURCEW(IDB_ICONS_LARGE), 32, 0,
                                       kIconMaskColour, IMAGE_BITMAP, 0);
}

Zarn::~Zarn()
{
    if (m_pSipPanel != nullptr)
        m_pSipPanel->Retire();
    m_pSipPanel = nullptr;
    if (m_himlSmall != nullptr)
        ImageList_Destroy(m_himlSmall);
    if (m_himlLarge != nullptr)
        ImageList_Destroy(m_himlLarge);
    DeleteCriticalSection(&m_csLock);
    ModuleObjectDestroyed();
}

HRESULT Zarn::CInnerUnknown::QueryInterface(REFIID riid, void** ppv)
{
    if (ppv == nullptr)
        return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown))
        *ppv = static_cast<IUnknown*>(this);
    else if (IsEqualIID(riid, IID_IDispatch) || IsEqualIID(riid, IID_IZarn))
        *ppv = static_cast<IZarn*>(m_pOwner);
    else if (IsEqualIID(riid, IID_IInputMethod))
        *ppv = static_cast<IInputMethod*>(m_pOwner);
    else
    {
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    static_cast<IUnknown*>(*ppv)->AddRef();
    return S_OK;
}

ULONG Zarn::CInnerUnknown::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&m_pOwner->m_cRef));
}

ULONG Zarn::CInnerUnknown::Release()
{
    const LONG cRef = InterlockedDecrement(&m_pOwner->m_cRef);
    if (cRef == 0)
        delete m_pOwner;
    return static_cast<ULONG>(cRef);
}

HRESULT Zarn::QueryInterface(REFIID riid, void** ppv)
{
    return m_pControllingUnknown->QueryInterface(riid, ppv);
}

ULONG Zarn::AddRef()
{
    return m_pControllingUnknown->AddRef();
}

ULONG Zarn::Release()
{
    return m_pControllingUnknown->Release();
}
